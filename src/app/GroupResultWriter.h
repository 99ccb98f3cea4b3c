// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/GroupRows.h"
#include "analysis/Progress.h"
#include "model/Error.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace quorvel {

class GroupResultBlocks;
class HistoryStore;

// Stores a group calculation's rows in table YL (with their figures and counting rules, in one transaction) on a
// thread of its own, so that the caller can show or print the rows while they are written. It shares the rows
// with the caller. One write at a time: nothing else may use the store until wait() has returned.
class GroupResultWriter {
  public:
    explicit GroupResultWriter(HistoryStore& store);
    // Waits for a write still running (its failure is then lost: take it with wait() before).
    ~GroupResultWriter();
    GroupResultWriter(const GroupResultWriter&) = delete;
    GroupResultWriter& operator=(const GroupResultWriter&) = delete;

    // Starts writing `rows` with the counting rules of their run, replacing what YL holds. Waits for the write
    // before first (keeping its failure for wait()).
    void start(std::shared_ptr<const GroupRows> rows, std::string rules);
    // Lends the calling thread to the write until it has nothing left to do there: it makes the rows ready to
    // store ahead of the writing thread (GroupResultBlocks::makeAhead), so that the write ends sooner. For a
    // caller with other work to do once the write no longer needs it (printing the rows). Returns at once when
    // nothing is being written.
    void makeAhead();
    // Whether a write was started and has not finished yet (never blocks).
    bool writing() const { return m_thread.joinable() && !m_finished.load(); }
    // Waits until the write has finished, reporting the rows written to `progress` meanwhile (a cancel is not
    // possible: the write completes or fails as a whole). Gives a failure of the writes since the last wait()
    // once, then nothing.
    std::optional<Error> wait(const Progress& progress = {});
    // Waits until the write has finished, keeping any failure for the next wait().
    void settle();

  private:
    void write();

    HistoryStore& m_store;
    std::shared_ptr<const GroupRows> m_rows;
    std::unique_ptr<GroupResultBlocks> m_blocks; // of m_rows, while they are written
    std::string m_rules;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_done;
    std::atomic<bool> m_finished{false};
    std::atomic<long> m_written{0};
    std::optional<Error> m_failure; // set by the worker before it finishes; read after the join
};

} // namespace quorvel
