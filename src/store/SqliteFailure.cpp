// SPDX-License-Identifier: MIT
#include "store/SqliteFailure.h"
#include "model/PathText.h"

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
    const int code = failure.getErrorCode() & 0xFF;
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    // The causes a user can mend, in plain words.
    if (code == SQLITE_FULL)
        return StoreError(
            kind, {}, file, failure.what(),
            Message::core(QT_TRANSLATE_NOOP("Core", "%1: nothing was changed; %2"),
                          Message::core(QT_TRANSLATE_NOOP("Core", "the disk holding the data folder %1 is full"),
                                        pathText(folder)),
                          Message::core(QT_TRANSLATE_NOOP("Core", "free some disk space and try again"))));
    if (code == SQLITE_READONLY)
        return StoreError(kind, {}, file, failure.what(),
                          Message::core(QT_TRANSLATE_NOOP("Core", "the history store %1 cannot be written (%2): "
                                                                  "nothing was changed; make the file and its data "
                                                                  "folder writable and try again"),
                                        pathText(file), std::string(failure.what())));
    return StoreError(kind, {}, file, failure.what(), storeFailureMessage(kind, failure.what(), file));
}

} // namespace quorvel
