// SPDX-License-Identifier: MIT
#include "store/Savepoint.h"

namespace quorvel {

namespace {
int g_savepointCounter = 0;
}

Savepoint::Savepoint(SQLite::Database& db) : m_db(db), m_name("sp" + std::to_string(++g_savepointCounter)) {
    m_db.exec("SAVEPOINT " + m_name);
}

Savepoint::~Savepoint() {
    if (m_done) return;
    try {
        m_db.exec("ROLLBACK TO " + m_name);
        m_db.exec("RELEASE " + m_name);
    } catch (...) {
        // Destructors must not throw; a failed rollback leaves SQLite to roll back on close.
    }
}

void Savepoint::commit() {
    m_db.exec("RELEASE " + m_name);
    m_done = true;
}

} // namespace quorvel
