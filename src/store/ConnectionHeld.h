// SPDX-License-Identifier: MIT
#pragma once

#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

namespace quorvel {

// Holds the connection's own lock while many values are bound or read: SQLite takes it again for every call,
// which costs little when this thread already holds it.
class ConnectionHeld {
  public:
    explicit ConnectionHeld(SQLite::Database& db) : ConnectionHeld(db.getHandle()) {}
    explicit ConnectionHeld(sqlite3* db) : m_mutex(sqlite3_db_mutex(db)) { sqlite3_mutex_enter(m_mutex); }
    ~ConnectionHeld() { sqlite3_mutex_leave(m_mutex); }
    ConnectionHeld(const ConnectionHeld&) = delete;
    ConnectionHeld& operator=(const ConnectionHeld&) = delete;

  private:
    sqlite3_mutex* m_mutex;
};

} // namespace quorvel
