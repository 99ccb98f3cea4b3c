// SPDX-License-Identifier: MIT
#include "store/StoreIdentity.h"

#include "model/Error.h"
#include "model/LocalTimestamp.h"
#include "model/PathText.h"
#include "model/SystemError.h"
#include "store/ReadOnlyOpen.h"
#include "store/Savepoint.h"

#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <array>
#include <chrono>
#include <cstring>
#include <ctime>
#include <fstream>
#include <random>
#include <string>

namespace quorvel {

namespace {

// The user version is the big-endian 32-bit number at byte 60 of the database header.
constexpr std::streamoff kUserVersionOffset = 60;

std::int32_t userVersion(SQLite::Database& db) { return db.execAndGet("PRAGMA user_version").getInt(); }

bool hasIdentityTable(SQLite::Database& db) {
    SQLite::Statement query(db, "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?");
    query.bind(1, kIdentityTable);
    return query.executeStep() && query.getColumn(0).getInt() > 0;
}

std::optional<std::int32_t> identityRow(SQLite::Database& db) {
    if (!hasIdentityTable(db)) return std::nullopt;
    SQLite::Statement query(db, std::string("SELECT id FROM ") + kIdentityTable + " LIMIT 1");
    if (!query.executeStep()) return std::nullopt;
    return query.getColumn(0).getInt();
}

} // namespace

std::optional<std::int32_t> headerIdentity(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<char, 100> header{};
    if (!in.read(header.data(), header.size())) return std::nullopt;
    if (std::memcmp(header.data(), "SQLite format 3", 16) != 0) return std::nullopt;
    std::uint32_t value = 0;
    for (std::streamoff i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(header[static_cast<std::size_t>(kUserVersionOffset + i)]);
    if (value == 0) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> fileIdentity(const std::filesystem::path& file) {
    try {
        SQLite::Database alone(readOnlyUri(file, ReadOnlyOpen::FileAlone), SQLite::OPEN_READONLY | SQLite::OPEN_URI);
        return identityRow(alone);
    } catch (const SQLite::Exception&) {
        return std::nullopt; // not a store SQLite can read: opening it says so
    }
}

std::optional<std::int32_t> connectionIdentity(SQLite::Database& db) { return identityRow(db); }

bool logOfAnotherStore(SQLite::Database& db, std::int32_t fileIdentity) {
    const std::optional<std::int32_t> seen = identityRow(db);
    return !seen || *seen != fileIdentity;
}

bool openElsewhere(SQLite::Database& db) {
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(db.getHandle(), "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK ||
        file == nullptr || file->pMethods == nullptr)
        return true;
    int held = SQLITE_LOCK_NONE;
    if (sqlite3_file_control(db.getHandle(), "main", SQLITE_FCNTL_LOCKSTATE, &held) == SQLITE_OK &&
        held == SQLITE_LOCK_NONE)
        return true; // not in WAL mode after all: no lock says anything
    // What SQLite itself asks when the last connection closes: an exclusive lock, given back at once.
    const bool alone = file->pMethods->xLock(file, SQLITE_LOCK_EXCLUSIVE) == SQLITE_OK;
    file->pMethods->xUnlock(file, SQLITE_LOCK_SHARED);
    return !alone;
}

std::optional<Message> identityHeaderNote(const std::filesystem::path& file, std::optional<std::int32_t> header,
                                          std::optional<std::int32_t> identity) {
    if (!header || !identity || *header == *identity) return std::nullopt;
    return Message::core(QT_TRANSLATE_NOOP("Core", "the user version in the header of the history store %1 (%2) is "
                                                   "not the store's identity (%3): another program has set it; the "
                                                   "store is used as it is"),
                         pathText(file), *header, *identity);
}

std::filesystem::path setLogAside(const std::filesystem::path& file) {
    const std::string suffix = ".foreign-" + localTimestamp();
    const std::filesystem::path log = pathWithSuffix(file, "-wal");
    std::filesystem::path aside = pathWithSuffix(log, suffix);
    for (int n = 2; std::filesystem::exists(aside); ++n)
        aside = pathWithSuffix(log, suffix + "-" + std::to_string(n));
    std::error_code ec;
    std::filesystem::rename(log, aside, ec);
    if (ec)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the write-ahead log %1 belongs to another store, and it "
                                                            "could not be set aside (%2); nothing was read; move it "
                                                            "out of the data folder and start again"),
                                  pathText(log), systemError(ec)));
    const std::filesystem::path shared = pathWithSuffix(file, "-shm");
    if (std::filesystem::exists(shared, ec)) {
        std::filesystem::rename(shared, pathWithSuffix(aside, ".shm"), ec);
        if (ec) std::filesystem::remove(shared, ec); // only an index of the log set aside: nothing is lost
    }
    return aside;
}

void ensureIdentity(SQLite::Database& db) {
    if (userVersion(db) != 0 && identityRow(db)) return;
    Savepoint transaction(db, textPath(db.getFilename()));
    // Another program may have given it one while this one waited for the write lock.
    std::optional<std::int32_t> row = identityRow(db);
    std::int32_t identity = row ? *row : 0;
    if (identity == 0) {
        std::random_device random;
        std::uniform_int_distribution<std::int32_t> pick(1, INT32_MAX);
        identity = pick(random);
        db.exec(std::string("CREATE TABLE IF NOT EXISTS ") + kIdentityTable + " (id INTEGER NOT NULL)");
        db.exec(std::string("DELETE FROM ") + kIdentityTable);
        SQLite::Statement insert(db, std::string("INSERT INTO ") + kIdentityTable + " (id) VALUES (?)");
        insert.bind(1, identity);
        insert.exec();
    }
    // A pragma takes no bound value; the number is one this program made.
    db.exec("PRAGMA user_version = " + std::to_string(identity));
    transaction.commit();
}

void touchIdentity(SQLite::Database& db) {
    const std::int32_t identity = userVersion(db);
    if (identity != 0) db.exec("PRAGMA user_version = " + std::to_string(identity));
    // SQLite leaves a row written back with the same bytes out of the change, so the row is negated and negated
    // back: its page, as it was, is then part of every change.
    if (hasIdentityTable(db)) {
        const std::string flip = std::string("UPDATE ") + kIdentityTable + " SET id = -id";
        db.exec(flip);
        db.exec(flip);
    }
}

} // namespace quorvel
