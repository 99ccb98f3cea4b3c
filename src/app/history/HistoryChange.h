// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <memory>

namespace quorvel {

// How the stored history changed, as Workspace tells its subscribers: through one of its own operations
// (draws imported, added, removed or derived again; the history cleared; an online update applied) or by
// another program sharing the store.
enum class HistoryChange { Changed, Cleared, Updated, Elsewhere };

// What another program sharing the store changed since the subscribers last heard: nothing, the history (a draw
// added, removed or changed, or the draws derived again), or only other stored data such as the group results.
enum class ChangeElsewhere { None, History, StoredResults };

// A subscriber to the changes of the history; it is called after the change was committed and must not throw.
using HistorySubscriber = std::function<void(HistoryChange change)>;

// The subscribers of one Workspace.
class HistorySubscribers {
  public:
    int add(HistorySubscriber subscriber);
    void remove(int id) { m_subscribers.erase(id); }
    bool empty() const { return m_subscribers.empty(); }
    void tell(HistoryChange change) const;

  private:
    std::map<int, HistorySubscriber> m_subscribers;
    int m_next = 1;
};

// Keeps a subscriber subscribed while it lives; safe to outlive the Workspace.
class HistorySubscription {
  public:
    HistorySubscription() = default;
    HistorySubscription(std::weak_ptr<HistorySubscribers> subscribers, int id)
        : m_subscribers(std::move(subscribers)), m_id(id) {}
    ~HistorySubscription() { reset(); }
    HistorySubscription(HistorySubscription&& other) noexcept
        : m_subscribers(std::move(other.m_subscribers)), m_id(other.m_id) {
        other.m_subscribers.reset();
    }
    HistorySubscription& operator=(HistorySubscription&& other) noexcept {
        if (this != &other) {
            reset();
            m_subscribers = std::move(other.m_subscribers);
            m_id = other.m_id;
            other.m_subscribers.reset();
        }
        return *this;
    }
    HistorySubscription(const HistorySubscription&) = delete;
    HistorySubscription& operator=(const HistorySubscription&) = delete;

    // Ends the subscription.
    void reset() {
        if (auto subscribers = m_subscribers.lock()) subscribers->remove(m_id);
        m_subscribers.reset();
    }

  private:
    std::weak_ptr<HistorySubscribers> m_subscribers;
    int m_id = 0;
};

} // namespace quorvel
