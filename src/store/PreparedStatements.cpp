// SPDX-License-Identifier: MIT
#include "store/PreparedStatements.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <sqlite3.h>

namespace quorvel {

namespace {

[[noreturn]] void fail(sqlite3_stmt* statement, int code) {
    throw SQLite::Exception(sqlite3_db_handle(statement), code);
}

} // namespace

PreparedStatements::Use::~Use() {
    // The result of the last step was seen by the user of the statement; resetting only ends it.
    sqlite3_reset(m_statement);
}

void PreparedStatements::Use::bind(int index, int value) {
    if (const int code = sqlite3_bind_int(m_statement, index, value); code != SQLITE_OK) fail(m_statement, code);
}

bool PreparedStatements::Use::step() {
    const int code = sqlite3_step(m_statement);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    fail(m_statement, code);
}

int PreparedStatements::Use::integer(int column) const { return sqlite3_column_int(m_statement, column); }

std::int64_t PreparedStatements::Use::integer64(int column) const { return sqlite3_column_int64(m_statement, column); }

std::string PreparedStatements::Use::text(int column) const {
    std::string text;
    textInto(column, text);
    return text;
}

void PreparedStatements::Use::textInto(int column, std::string& into) const {
    const auto* characters = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    if (characters == nullptr) {
        into.clear();
        return;
    }
    into.assign(characters, static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column)));
}

void PreparedStatements::Finalize::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

PreparedStatements::PreparedStatements() = default;
PreparedStatements::~PreparedStatements() = default;
PreparedStatements::PreparedStatements(PreparedStatements&&) noexcept = default;
PreparedStatements& PreparedStatements::operator=(PreparedStatements&&) noexcept = default;

PreparedStatements::Use PreparedStatements::use(SQLite::Database& db, const std::string& text) {
    auto& statement = m_statements[text];
    if (!statement) {
        sqlite3_stmt* prepared = nullptr;
        const int code = sqlite3_prepare_v3(db.getHandle(), text.c_str(), static_cast<int>(text.size() + 1),
                                            SQLITE_PREPARE_PERSISTENT, &prepared, nullptr);
        if (code != SQLITE_OK) {
            sqlite3_finalize(prepared);
            m_statements.erase(text);
            throw SQLite::Exception(db.getHandle(), code);
        }
        statement.reset(prepared);
    }
    return Use(statement.get());
}

void PreparedStatements::clear() { m_statements.clear(); }

} // namespace quorvel
