// SPDX-License-Identifier: MIT
#include "app/history/HistoryChange.h"

namespace quorvel {

int HistorySubscribers::add(HistorySubscriber subscriber) {
    m_subscribers.emplace(m_next, std::move(subscriber));
    return m_next++;
}

void HistorySubscribers::tell(HistoryChange change) const {
    // A copy: a subscriber may subscribe or unsubscribe while it is told.
    const std::map<int, HistorySubscriber> subscribers = m_subscribers;
    for (const auto& [id, subscriber] : subscribers)
        subscriber(change);
}

} // namespace quorvel
