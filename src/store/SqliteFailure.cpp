// SPDX-License-Identifier: MIT
#include "store/SqliteFailure.h"

#include <sqlite3.h>

namespace quorvel {

StoreErrorKind storeErrorKind(const SQLite::Exception& failure) {
    const int code = failure.getErrorCode() & 0xFF;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) return StoreErrorKind::Busy;
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT) return StoreErrorKind::Damaged;
    return StoreErrorKind::Failed;
}

StoreError storeError(const SQLite::Exception& failure, const std::filesystem::path& file) {
    const StoreErrorKind kind = storeErrorKind(failure);
    return StoreError(kind, {}, file, failure.what(), storeFailureMessage(kind, failure.what(), file));
}

} // namespace quorvel
