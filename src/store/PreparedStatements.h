// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

struct sqlite3_stmt;

namespace SQLite {
class Database;
} // namespace SQLite

namespace quorvel {

// The statements of one connection, each prepared on its first use and kept for the next: a command runs the
// same few statements many times, and preparing one costs more than running it on a small table. They are read
// through SQLite's own calls: the history's reads take thousands of values, and each goes straight to SQLite.
class PreparedStatements {
  public:
    // One use of a kept statement: reset when the use ends, so that a kept statement never holds a read
    // transaction open (which would keep the reader on an old state of the store and the log from being emptied).
    // Raises SQLite::Exception when SQLite fails.
    class Use {
      public:
        explicit Use(sqlite3_stmt* statement) : m_statement(statement) {}
        ~Use();
        Use(const Use&) = delete;
        Use& operator=(const Use&) = delete;

        void bind(int index, int value);
        // Steps to the next row of the result; false when there is none.
        bool step();
        // Column `column` (from 0) of the current row.
        int integer(int column) const;
        std::int64_t integer64(int column) const;
        std::string text(int column) const;
        // Copies the text of column `column` into `into` (no allocation when it is long enough).
        void textInto(int column, std::string& into) const;

      private:
        sqlite3_stmt* m_statement;
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
    struct Finalize {
        void operator()(sqlite3_stmt* statement) const;
    };
    std::unordered_map<std::string, std::unique_ptr<sqlite3_stmt, Finalize>> m_statements;
};

} // namespace quorvel
