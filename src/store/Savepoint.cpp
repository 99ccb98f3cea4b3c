// SPDX-License-Identifier: MIT
#include "store/Savepoint.h"

#include "store/SqliteFailure.h"
#include "store/StoreConnection.h"
#include "store/StoreIdentity.h"

#include <sqlite3.h>

#include <utility>

namespace quorvel {

namespace {
int g_savepointCounter = 0;
}

Savepoint::Savepoint(HistoryStore& store) : Savepoint(storeConnection(store), store.file(), store.writeRefusal()) {}

Savepoint::Savepoint(SQLite::Database& db, std::filesystem::path file, const std::optional<Message>& refusal)
    : m_db(db), m_file(std::move(file)), m_outermost(sqlite3_get_autocommit(db.getHandle()) != 0),
      m_name("sp" + std::to_string(++g_savepointCounter)) {
    if (refusal) throw StoreError(StoreErrorKind::Failed, {}, m_file, {}, *refusal);
    storeStep(m_file, [&] { m_db.exec(m_outermost ? std::string("BEGIN IMMEDIATE") : "SAVEPOINT " + m_name); });
    if (m_outermost) m_changesAtStart = sqlite3_total_changes64(m_db.getHandle());
}

Savepoint::~Savepoint() {
    if (m_done) return;
    try {
        if (m_outermost) {
            m_db.exec("ROLLBACK");
        } else {
            m_db.exec("ROLLBACK TO " + m_name);
            m_db.exec("RELEASE " + m_name);
        }
    } catch (...) {
        // Destructors must not throw; a failed rollback leaves SQLite to roll back on close.
    }
}

void Savepoint::commit() {
    storeStep(m_file, [&] {
        if (m_outermost && sqlite3_total_changes64(m_db.getHandle()) != m_changesAtStart) touchIdentity(m_db);
        m_db.exec(m_outermost ? std::string("COMMIT") : "RELEASE " + m_name);
    });
    m_done = true;
}

} // namespace quorvel
