// SPDX-License-Identifier: MIT
#pragma once

#include <SQLiteCpp/Database.h>

#include <cstdint>
#include <filesystem>
#include <optional>

namespace quorvel {

// Every store carries a random identity of its own, given when it is created (or first opened by a program
// that knows about identities): the only row of table StoreIdentity and the user version in the file's header.
// Every change the program commits rewrites the header's page (Savepoint), so a write-ahead log of one store
// always holds that page with the store's identity. A log left beside another store's file (copied, or
// restored with the wrong backup) therefore shows another identity than the file itself.
inline constexpr const char* kIdentityTable = "StoreIdentity";

// The identity written in the file's own header (not through its log), or nothing when the file is missing,
// is not an SQLite file, or has no identity yet (0).
std::optional<std::int32_t> headerIdentity(const std::filesystem::path& file);

// Whether what the open connection sees (through the log, when there is one) carries the identity of the file
// itself: the header's user version and the identity row.
bool logBelongsToStore(SQLite::Database& db, std::int32_t fileIdentity);

// Renames the file's -wal and -shm to "<name>-wal.foreign-<time>" (and the same for -shm), so that SQLite no
// longer reads them; returns the new name of the log. Raises Error when they cannot be renamed.
std::filesystem::path setLogAside(const std::filesystem::path& file);

// Gives the store an identity when it has none. Runs its own transaction only when one is needed.
void ensureIdentity(SQLite::Database& db);

// Rewrites the header's user version with the value it holds, so that the page carrying the identity is part
// of the change being committed.
void touchIdentity(SQLite::Database& db);

} // namespace quorvel
