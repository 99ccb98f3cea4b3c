// SPDX-License-Identifier: MIT
// Opening the store: for changes, or for reading only where the folder or the disk allows no change, and a
// write-ahead log that belongs to another store set aside.
#include "model/PathText.h"
#include "store/HistoryStore.h"

#include "model/Error.h"
#include "store/GroupBlockTable.h"
#include "store/JetDialect.h"
#include "store/LishiRecordRow.h"
#include "store/LishiSchema.h"
#include "store/ReadOnlyOpen.h"
#include "store/Savepoint.h"
#include "store/SqliteFailure.h"
#include "store/StoreConnection.h"
#include "store/StoreIdentity.h"
#include "store/WritebackVfs.h"

#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <algorithm>

namespace quorvel {

namespace {

// Below this much free space the disk counts as full: SQLite needs room beside the store even to read it.
constexpr std::uintmax_t kFullDiskBytes = 1024 * 1024;

// Why a store that could not be opened for changes can still be read, and what the user can do about it.
struct ReadOnlyReason {
    Message what;
    Message todo;
};

// The reason, from the failure of opening the store for changes: its data folder is read-only, or its disk is
// full (SQLite could not make the files it keeps beside the store); nothing when the failure has another cause.
std::optional<ReadOnlyReason> readOnlyReason(const SQLite::Exception& failure, const std::filesystem::path& file) {
    const int code = failure.getErrorCode() & 0xFF;
    if (code != SQLITE_CANTOPEN && code != SQLITE_READONLY && code != SQLITE_PERM && code != SQLITE_IOERR &&
        code != SQLITE_FULL)
        return std::nullopt;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec) || std::filesystem::file_size(file, ec) == 0 || ec)
        return std::nullopt; // a store still to be made cannot be read either
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const std::filesystem::space_info space = std::filesystem::space(folder, ec);
    if (!ec && space.available < kFullDiskBytes)
        return ReadOnlyReason{
            Message::core(QT_TRANSLATE_NOOP("Core", "the disk holding the data folder %1 is full"), pathText(folder)),
            Message::core(QT_TRANSLATE_NOOP("Core", "free some disk space and try again"))};
    if (code == SQLITE_CANTOPEN || code == SQLITE_READONLY || code == SQLITE_PERM)
        return ReadOnlyReason{
            Message::core(QT_TRANSLATE_NOOP("Core", "the data folder %1 is read-only"), pathText(folder)),
            Message::core(QT_TRANSLATE_NOOP("Core", "make the folder writable (or copy it to a folder you can "
                                                    "write to) and try again"))};
    return ReadOnlyReason{Message::core(QT_TRANSLATE_NOOP("Core", "the data folder %1 cannot be written (%2)"),
                                        pathText(folder), std::string(failure.what())),
                          Message::core(QT_TRANSLATE_NOOP("Core", "check the folder and its disk, then try again"))};
}

bool nonEmptyFile(const std::filesystem::path& file) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    return !ec && size > 0;
}

} // namespace

void HistoryStore::connect() {
    m_statements.clear();
    m_db = std::make_unique<SQLite::Database>(pathText(m_file).c_str(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE, 0,
                                              writebackVfsName());
    // Until the log is known to be this store's, closing must not copy it into the file.
    sqlite3_db_config(m_db->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    m_db->setBusyTimeout(kBusyTimeoutMs);
}

void HistoryStore::open() {
    std::error_code ec;
    if (std::filesystem::is_directory(m_file, ec))
        throw StoreDamaged(Message::core(
            QT_TRANSLATE_NOOP("Core", "the history store %1 is a folder, not a store file; it was left as it is"),
            pathText(m_file)));
    try {
        try {
            openForChanges();
        } catch (const SQLite::Exception& e) {
            m_db.reset();
            const std::optional<ReadOnlyReason> reason = readOnlyReason(e, m_file);
            if (!reason) throw;
            openForReading(reason->what, reason->todo);
        }
    } catch (const SQLite::Exception& e) {
        m_db.reset();
        if (storeErrorKind(e) == StoreErrorKind::Damaged)
            throw StoreDamaged(Message::core(QT_TRANSLATE_NOOP("Core", "the history store %1 is damaged: SQLite "
                                                                       "cannot read it (%2); it was left as it is"),
                                             pathText(m_file), std::string(e.what())),
                               m_file, e.what());
        throw storeError(e, m_file);
    }
    registerJetFunctions(m_db->getHandle());
    registerGroupBlockTable(m_db->getHandle());
}

void HistoryStore::openForChanges() {
    // What the file itself says, read before SQLite looks at any log beside it; without a log the connection
    // reads the file alone, and tells it without a connection of its own.
    std::error_code ec;
    const bool log = std::filesystem::exists(pathWithSuffix(m_file, "-wal"), ec) || ec;
    std::optional<std::int32_t> identity = log ? fileIdentity(m_file) : std::nullopt;
    connect();
    if (log && identity) setForeignLogAside(*identity);
    if (!log) identity = connectionIdentity(*m_db);
    m_identityNote = identityHeaderNote(m_file, headerIdentity(m_file), identity);
    // A new store's pages are 16 KB (SQLite's default is 4 KB): a group calculation's hundreds of thousands of
    // rows then take a quarter of the pages, and their write a quarter of the log frames and file calls. A store
    // made before keeps the size it has (the setting acts only on an empty file).
    m_db->exec("PRAGMA page_size = 16384");
    m_db->exec("PRAGMA journal_mode=WAL");
    // Only a new store (or one made before a table was added) takes the write lock to create its tables:
    // opening an existing one must not wait for another program's write.
    SQLite::Statement found(*m_db, std::string("SELECT COALESCE(SUM(name IN ('Lishi', 'YL', 'DerivedBases')), 0), "
                                               "COALESCE(SUM(name = '") +
                                       kNumbersIndex + "'), 0) FROM sqlite_master");
    found.executeStep();
    const bool tables = found.getColumn(0).getInt() == 3;
    const bool index = found.getColumn(1).getInt() == 1;
    found.reset();
    if (!tables) {
        Savepoint transaction(*m_db, m_file);
        for (const auto& statement : schemaStatements())
            m_db->exec(statement);
        transaction.commit();
    } else if (!index) {
        addNumbersIndex();
    }
    ensureIdentity(*m_db);
    sqlite3_db_config(m_db->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    m_seenDataVersion = m_db->execAndGet("PRAGMA data_version").getInt64();
}

void HistoryStore::addNumbersIndex() {
    // The index only speeds reads: it is made when no other program is writing (no wait), and a store that
    // cannot take it now (busy, a full disk) is read by scanning its table until a later opening makes it.
    m_db->setBusyTimeout(0);
    try {
        m_db->exec(numbersIndexStatement());
    } catch (const SQLite::Exception&) {
    }
    m_db->setBusyTimeout(kBusyTimeoutMs);
}

void HistoryStore::setForeignLogAside(std::int32_t identity) {
    std::error_code ec;
    if (!std::filesystem::exists(pathWithSuffix(m_file, "-wal"), ec) || !logOfAnotherStore(*m_db, identity)) return;
    // A program that has the store open reads and writes that log: renaming it under that program would lose
    // what it writes next.
    if (openElsewhere(*m_db))
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the write-ahead log %1 belongs to another store, but "
                                                            "another program has this store open, so the log was left "
                                                            "where it is and nothing was read; close the other "
                                                            "programs that use the store (quorvel windows, "
                                                            "quorvel-cli), then start again"),
                                  pathText(pathWithSuffix(m_file, "-wal"))));
    m_statements.clear();
    m_db.reset();
    m_logSetAside = setLogAside(m_file);
    connect();
}

void HistoryStore::openForReading(const Message& why, const Message& todo) {
    const std::filesystem::path log = pathWithSuffix(m_file, "-wal");
    const bool changesInLog = nonEmptyFile(log);
    try {
        // Without changes waiting in a log the file alone is the whole history, and SQLite reads it without
        // making anything beside it; a log can be read only through the index SQLite keeps beside it.
        m_db = std::make_unique<SQLite::Database>(
            readOnlyUri(m_file, changesInLog ? ReadOnlyOpen::ThroughLog : ReadOnlyOpen::FileAlone),
            SQLite::OPEN_READONLY | SQLite::OPEN_URI);
        m_db->setBusyTimeout(kBusyTimeoutMs);
        const std::optional<std::int32_t> identity = fileIdentity(m_file);
        if (changesInLog && identity && logOfAnotherStore(*m_db, identity.value()))
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the write-ahead log %1 belongs to another store, "
                                                                "and %2, so it cannot be set aside; nothing was read; "
                                                                "%3"),
                                      pathText(log), why, todo));
        if (m_db->execAndGet("SELECT COUNT(*) FROM sqlite_master WHERE name IN ('Lishi', 'YL', 'DerivedBases')")
                .getInt() < 3)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the history store %1 needs tables this program "
                                                                "adds, but %2; %3"),
                                      pathText(m_file), why, todo));
        m_seenDataVersion = m_db->execAndGet("PRAGMA data_version").getInt64();
    } catch (const SQLite::Exception& e) {
        m_db.reset();
        if (!changesInLog || storeErrorKind(e) == StoreErrorKind::Damaged) throw;
        throw StoreError(StoreErrorKind::Failed, {}, m_file, e.what(),
                         Message::core(QT_TRANSLATE_NOOP("Core", "the history store %1 cannot be read: %2, and the "
                                                                 "changes waiting in its write-ahead log can be read "
                                                                 "only where the folder can be written; %3"),
                                       pathText(m_file), why, todo));
    }
    m_writeRefusal = Message::core(
        QT_TRANSLATE_NOOP("Core", "%1, so the history can only be read: nothing was changed; %2"), why, todo);
}

} // namespace quorvel
