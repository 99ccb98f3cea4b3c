// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace SQLite {
class Database;
}

namespace quorvel {

class HistoryStore;

// While it lives, a transaction of the store's connection commits without waiting for the disk (SQLite's
// synchronous NORMAL in WAL mode: the log is synced only when it is copied into the store file). A crash or a
// power cut may then lose that last commit, but never damages the store nor loses what was committed before:
// for derived data only (the group results, which the next calculation makes again). Inside a transaction
// begun before it, it changes nothing, since that transaction may hold the draws. Pages the transaction frees
// are not overwritten with zeros (SQLite's secure delete): they held derived figures only, and zeroing them
// would write every page of the old results once more. It restores the settings it found when it ends.
class DerivedDataCommit {
  public:
    // `bytes`: about how much the transaction writes. A write of a few megabytes keeps the pages it changes in
    // memory until its commit, instead of handing them to the log early and reading some of them back; a larger
    // one keeps SQLite's usual cache, so that memory stays low.
    explicit DerivedDataCommit(HistoryStore& store, std::size_t bytes = 0);
    ~DerivedDataCommit();
    DerivedDataCommit(const DerivedDataCommit&) = delete;
    DerivedDataCommit& operator=(const DerivedDataCommit&) = delete;

    // Copies the committed transaction from the log into the store file now (with the syncs the store's settings
    // ask for), on this thread, rather than leaving it to the program that closes the store last, and empties the
    // log's file when nothing else reads from it. It never waits for another connection: with one reading or
    // writing, it copies what it can (SQLite's passive checkpoint). Nothing is raised: what cannot be copied now
    // is copied later.
    void checkpoint();

    // The largest write whose pages are kept in memory.
    static constexpr std::size_t kKeptBytes = 16u << 20;

  private:
    SQLite::Database& m_db;
    int m_found = -1;             // the synchronous setting found, -1 when nothing was changed
    int m_foundSecureDelete = -1; // the secure delete setting found, -1 when nothing was changed
    long long m_foundCache = 0;   // the cache size found (0: not changed)
};

} // namespace quorvel
