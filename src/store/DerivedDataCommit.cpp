// SPDX-License-Identifier: MIT
#include "store/DerivedDataCommit.h"

#include "store/StoreConnection.h"

#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include <string>

namespace quorvel {

namespace {
constexpr int kSynchronousNormal = 1;
}

DerivedDataCommit::DerivedDataCommit(HistoryStore& store) : m_db(storeConnection(store)) {
    if (sqlite3_get_autocommit(m_db.getHandle()) == 0) return; // inside a transaction begun before
    try {
        const int found = m_db.execAndGet("PRAGMA synchronous").getInt();
        if (found <= kSynchronousNormal) return;
        m_db.exec("PRAGMA synchronous = NORMAL");
        m_found = found;
    } catch (const SQLite::Exception&) {
        // The write then commits as every other one does.
    }
}

DerivedDataCommit::~DerivedDataCommit() {
    if (m_found < 0) return;
    try {
        m_db.exec("PRAGMA synchronous = " + std::to_string(m_found));
    } catch (const SQLite::Exception&) {
        // Setting a pragma that names no table does not fail short of running out of memory.
    }
}

} // namespace quorvel
