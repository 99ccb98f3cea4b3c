// SPDX-License-Identifier: MIT
#include "store/DerivedDataCommit.h"

#include "store/HistoryStore.h"
#include "store/StoreConnection.h"

#include <SQLiteCpp/Database.h>
#include <sqlite3.h>

#include <string>

namespace quorvel {

namespace {
constexpr int kSynchronousNormal = 1;
}

DerivedDataCommit::DerivedDataCommit(HistoryStore& store, std::size_t bytes) : m_db(storeConnection(store)) {
    if (sqlite3_get_autocommit(m_db.getHandle()) == 0) return; // inside a transaction begun before
    try {
        const int found = m_db.execAndGet("PRAGMA synchronous").getInt();
        if (found > kSynchronousNormal) {
            m_db.exec("PRAGMA synchronous = NORMAL");
            m_found = found;
        }
        const int secureDelete = m_db.execAndGet("PRAGMA secure_delete").getInt();
        if (secureDelete != 0) {
            m_db.exec("PRAGMA secure_delete = OFF");
            m_foundSecureDelete = secureDelete;
        }
        if (bytes > 0 && bytes <= kKeptBytes) {
            // A negative cache size counts kibibytes; the usual cache stays beside the write's pages.
            const long long found = m_db.execAndGet("PRAGMA cache_size").getInt64();
            const long long kept = static_cast<long long>(bytes / 1024) + (found < 0 ? -found : 2000);
            m_db.exec("PRAGMA cache_size = " + std::to_string(-kept));
            m_foundCache = found;
        }
    } catch (const SQLite::Exception&) {
        // The write then commits as every other one does.
    }
}

DerivedDataCommit::~DerivedDataCommit() {
    try {
        if (m_found >= 0) m_db.exec("PRAGMA synchronous = " + std::to_string(m_found));
        if (m_foundSecureDelete >= 0) m_db.exec("PRAGMA secure_delete = " + std::to_string(m_foundSecureDelete));
        if (m_foundCache != 0) m_db.exec("PRAGMA cache_size = " + std::to_string(m_foundCache));
    } catch (const SQLite::Exception&) {
        // Setting a pragma that names no table does not fail short of running out of memory.
    }
}

void DerivedDataCommit::checkpoint() {
    if (sqlite3_get_autocommit(m_db.getHandle()) == 0) return; // a transaction is still open
    // With no other reader of the log, it is copied whole and its file cut to nothing here, so that closing the
    // store later only deletes an empty file (freeing a large one takes milliseconds). With readers (or another
    // program writing) it does not wait: it copies what it can, as a passive checkpoint does.
    sqlite3* db = m_db.getHandle();
    sqlite3_busy_timeout(db, 0);
    sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    sqlite3_busy_timeout(db, HistoryStore::kBusyTimeoutMs);
}

} // namespace quorvel
