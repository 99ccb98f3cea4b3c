// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

namespace SQLite {
class Database;
class Statement;
} // namespace SQLite

namespace quorvel {

// The statements of one connection, each prepared on its first use and kept for the next: a command runs the
// same few statements many times, and preparing one costs more than running it on a small table.
class PreparedStatements {
  public:
    // One use of a kept statement: reset when the use ends, so that a kept statement never holds a read
    // transaction open (which would keep the reader on an old state of the store and the log from being emptied).
    class Use {
      public:
        explicit Use(SQLite::Statement& statement) : m_statement(statement) {}
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;
        SQLite::Statement& operator*() const { return m_statement; }
        SQLite::Statement* operator->() const { return &m_statement; }

      private:
        SQLite::Statement& m_statement;
    };

    PreparedStatements();
    ~PreparedStatements();
    PreparedStatements(PreparedStatements&&) noexcept;
    PreparedStatements& operator=(PreparedStatements&&) noexcept;

    // The statement of this text on `db`, prepared now if it was not yet. A statement must not be used again
    // while a use of it is still open.
    Use use(SQLite::Database& db, const std::string& text);
    // Finalizes every kept statement: before their connection is closed.
    void clear();

  private:
    std::unordered_map<std::string, std::unique_ptr<SQLite::Statement>> m_statements;
};

} // namespace quorvel
