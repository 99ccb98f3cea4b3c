// SPDX-License-Identifier: MIT
#pragma once

namespace SQLite {
class Database;
}

namespace quorvel {

class HistoryStore;

// While it lives, a transaction of the store's connection commits without waiting for the disk (SQLite's
// synchronous NORMAL in WAL mode: the log is synced only when it is copied into the store file). A crash or a
// power cut may then lose that last commit, but never damages the store nor loses what was committed before:
// for derived data only (the group results, which the next calculation makes again). Inside a transaction
// begun before it, it changes nothing, since that transaction may hold the draws. It restores the setting it
// found when it ends.
class DerivedDataCommit {
  public:
    explicit DerivedDataCommit(HistoryStore& store);
    ~DerivedDataCommit();
    DerivedDataCommit(const DerivedDataCommit&) = delete;
    DerivedDataCommit& operator=(const DerivedDataCommit&) = delete;

  private:
    SQLite::Database& m_db;
    int m_found = -1; // the synchronous setting found, -1 when nothing was changed
};

} // namespace quorvel
