// SPDX-License-Identifier: MIT
#include "store/PreparedStatements.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

namespace quorvel {

PreparedStatements::Use::~Use() {
    // The result of the last step was seen by the user of the statement; resetting only ends it.
    m_statement.tryReset();
}

PreparedStatements::PreparedStatements() = default;
PreparedStatements::~PreparedStatements() = default;
PreparedStatements::PreparedStatements(PreparedStatements&&) noexcept = default;
PreparedStatements& PreparedStatements::operator=(PreparedStatements&&) noexcept = default;

PreparedStatements::Use PreparedStatements::use(SQLite::Database& db, const std::string& text) {
    std::unique_ptr<SQLite::Statement>& statement = m_statements[text];
    if (!statement) statement = std::make_unique<SQLite::Statement>(db, text);
    return Use(*statement);
}

void PreparedStatements::clear() { m_statements.clear(); }

} // namespace quorvel
