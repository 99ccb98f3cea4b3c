// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <SQLiteCpp/Database.h>

#include <cstdint>
#include <filesystem>
#include <optional>

namespace quorvel {

// Every store carries a random identity of its own, given when it is created (or first opened by a program
// that knows about identities): the only row of table StoreIdentity, also written as the user version in the
// file's header. Every change the program commits rewrites that row (Savepoint), so a write-ahead log of one
// store always holds the page with the store's identity. A log left beside another store's file (copied, or
// restored with the wrong backup) therefore shows another identity through the log than the file shows alone.
// The header's user version is only a copy: another program may set it, so it proves nothing about a log.
inline constexpr const char* kIdentityTable = "StoreIdentity";

// The user version written in the file's own header (not through its log), or nothing when the file is
// missing, is not an SQLite file, or holds 0.
std::optional<std::int32_t> headerIdentity(const std::filesystem::path& file);

// The identity row as the file itself holds it, read without its log, or nothing when the file has none yet or
// cannot be read.
std::optional<std::int32_t> fileIdentity(const std::filesystem::path& file);
// The identity row as an open connection reads it (the file's own when no log lies beside it).
std::optional<std::int32_t> connectionIdentity(SQLite::Database& db);

// Whether the log the open connection reads through belongs to another store: what it shows of the identity
// table differs from the file's own identity (another row, or no identity table at all).
bool logOfAnotherStore(SQLite::Database& db, std::int32_t fileIdentity);

// Whether another connection, of this program or another, has the store open. SQLite keeps a shared lock on a
// store in WAL mode for as long as a connection is open; the lock this connection asks for is refused while
// another one is. When it cannot tell, it answers yes.
bool openElsewhere(SQLite::Database& db);

// What to say when the header's user version is not the store's identity (another program set it): the store
// is used as it is. Nothing when they agree or either is missing.
std::optional<Message> identityHeaderNote(const std::filesystem::path& file, std::optional<std::int32_t> header,
                                          std::optional<std::int32_t> identity);

// Renames the file's -wal and -shm to "<name>-wal.foreign-<time>" (and the same for -shm), so that SQLite no
// longer reads them; returns the new name of the log. Raises Error when they cannot be renamed.
std::filesystem::path setLogAside(const std::filesystem::path& file);

// Gives the store an identity when it has none. Runs its own transaction only when one is needed.
void ensureIdentity(SQLite::Database& db);

// Rewrites the identity row and the header's user version with the values they hold, so that the pages
// carrying the identity are part of the change being committed.
void touchIdentity(SQLite::Database& db);

} // namespace quorvel
