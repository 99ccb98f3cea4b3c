// SPDX-License-Identifier: MIT
#pragma once

#include <SQLiteCpp/Database.h>

#include <string>

namespace quorvel {

// All-or-nothing guard: changes made while it lives are kept only by commit(); savepoints nest.
class Savepoint {
  public:
    explicit Savepoint(SQLite::Database& db);
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    void commit();

  private:
    SQLite::Database& m_db;
    std::string m_name;
    bool m_done = false;
};

} // namespace quorvel
