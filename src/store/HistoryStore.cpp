// SPDX-License-Identifier: MIT
#include "store/HistoryStore.h"

#include "model/Error.h"
#include "store/JetDialect.h"
#include "store/LishiSchema.h"
#include "store/Savepoint.h"
#include "store/StoreIdentity.h"

#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

// LEFT(text, n): the first n characters (none when n is not positive).
void sqlLeft(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    int bytes = sqlite3_value_bytes(args[0]);
    sqlite3_int64 wanted = sqlite3_value_int64(args[1]);
    // Count characters, not bytes: a UTF-8 character starts at every byte that is not 10xxxxxx.
    int end = 0;
    sqlite3_int64 characters = 0;
    while (end < bytes && characters < wanted) {
        ++end;
        while (end < bytes && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        ++characters;
    }
    sqlite3_result_text(context, text, wanted <= 0 ? 0 : end, SQLITE_TRANSIENT);
}

// LEN(text): the number of characters.
void sqlLen(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const unsigned char*>(sqlite3_value_text(args[0]));
    int bytes = sqlite3_value_bytes(args[0]);
    sqlite3_int64 characters = 0;
    for (int i = 0; i < bytes; ++i)
        if ((text[i] & 0xC0) != 0x80) ++characters;
    sqlite3_result_int64(context, characters);
}

// The columns a DrawRecord is read from (every column but the search working fields), in table order.
const std::vector<std::string>& recordColumns() {
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> built;
        for (const auto& column : lishiColumns())
            if (column != "intTh" && column != "bolOk" && column != "txtHisP6") built.push_back(column);
        return built;
    }();
    return columns;
}

std::string selectList() {
    std::string list;
    for (const auto& column : recordColumns())
        list += list.empty() ? column : ", " + column;
    return list;
}

// Position of a column in the select list; rows are read by index, which is much faster than by name.
int columnIndex(const std::string& name) {
    const auto& columns = recordColumns();
    return static_cast<int>(std::find(columns.begin(), columns.end(), name) - columns.begin());
}

// Column indexes of one position's attributes A, B, C, E, F, H (D7 reads the drawn fields but its number).
struct PositionColumns {
    std::array<int, 6> indexes;
};

const std::array<std::array<PositionColumns, 7>, 2>& positionIndexes() {
    static const auto indexes = [] {
        std::array<std::array<PositionColumns, 7>, 2> built{};
        for (int order = 0; order < 2; ++order)
            for (int p = 1; p <= 7; ++p) {
                char prefix = order == 0 ? 'L' : 'D';
                char effective = prefix == 'D' && p == 7 ? 'L' : prefix;
                auto& slots = built[static_cast<std::size_t>(order)][static_cast<std::size_t>(p - 1)].indexes;
                int i = 0;
                for (char letter : {'A', 'B', 'C', 'E', 'F', 'H'})
                    slots[static_cast<std::size_t>(i++)] = columnIndex(positionField(effective, p, letter));
            }
        return built;
    }();
    return indexes;
}

PositionAttributes readPosition(SQLite::Statement& row, const PositionColumns& columns) {
    auto field = [&](std::size_t i) { return row.getColumn(columns.indexes[i]).getInt(); };
    return PositionAttributes{field(0), field(1), field(2), field(3), field(4), field(5)};
}

DrawRecord readRecord(SQLite::Statement& row) {
    static const int idxColumn = columnIndex("IDX");
    static const int issueColumn = columnIndex("SQQH");
    static const auto listIndexes = [] {
        std::array<std::pair<int, int>, kKindCount> built{};
        for (std::size_t k = 0; k < built.size(); ++k)
            built[k] = {columnIndex(listColumns()[k]), columnIndex(previousListColumns()[k])};
        return built;
    }();
    DrawRecord record;
    record.idx = row.getColumn(idxColumn).getInt();
    record.issue = row.getColumn(issueColumn).getInt();
    for (std::size_t p = 0; p < 7; ++p) {
        record.drawn[p] = readPosition(row, positionIndexes()[0][p]);
        record.sorted[p] = readPosition(row, positionIndexes()[1][p]);
    }
    for (std::size_t k = 0; k < record.lists.size(); ++k) {
        record.lists[k] = row.getColumn(listIndexes[k].first).getString();
        record.previousLists[k] = row.getColumn(listIndexes[k].second).getString();
    }
    return record;
}

} // namespace

std::string storeFailureMessage(const SQLite::Exception& failure, const std::filesystem::path& file) {
    const int code = failure.getErrorCode();
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        return "the history store " + file.string() + " is held by another program (another quorvel window or " +
               "quorvel-cli) whose change did not finish within " +
               std::to_string(HistoryStore::kBusyTimeoutMs / 1000) +
               " seconds; nothing was changed; try again when it has finished";
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
        return "the history store " + file.string() + " is damaged (" + failure.what() +
               "); it was left as it is; move it away, start again with a new store and import the newest backup";
    return "the history store " + file.string() + " failed: " + failure.what() + "; nothing was changed";
}

HistoryStore::HistoryStore(const std::filesystem::path& file) : m_file(file) { open(); }

void HistoryStore::connect() {
    m_db = std::make_unique<SQLite::Database>(m_file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    // Until the log is known to be this store's, closing must not copy it into the file.
    sqlite3_db_config(m_db->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    m_db->setBusyTimeout(kBusyTimeoutMs);
}

void HistoryStore::open() {
    std::error_code ec;
    if (std::filesystem::is_directory(m_file, ec))
        throw StoreDamaged("the history store " + m_file.string() +
                           " is a folder, not a store file; it was left as it is");
    // What the file itself says, read before SQLite looks at any log beside it.
    const std::optional<std::int32_t> fileIdentity = headerIdentity(m_file);
    try {
        connect();
        if (fileIdentity && std::filesystem::exists(m_file.string() + "-wal", ec) &&
            !logBelongsToStore(*m_db, *fileIdentity)) {
            m_db.reset();
            m_logSetAside = setLogAside(m_file);
            connect();
        }
        m_db->exec("PRAGMA journal_mode=WAL");
        // Only a new store (or one made before a table was added) takes the write lock to create its tables:
        // opening an existing one must not wait for another program's write.
        if (m_db->execAndGet("SELECT COUNT(*) FROM sqlite_master WHERE name IN ('Lishi', 'YL', 'DerivedBases')")
                .getInt() < 3) {
            Savepoint transaction(*m_db);
            for (const auto& statement : schemaStatements())
                m_db->exec(statement);
            transaction.commit();
        }
        ensureIdentity(*m_db);
        sqlite3_db_config(m_db->getHandle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
        m_seenDataVersion = m_db->execAndGet("PRAGMA data_version").getInt64();
    } catch (const SQLite::Exception& e) {
        const int code = e.getErrorCode();
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            throw StoreDamaged("the history store " + m_file.string() + " is damaged: SQLite cannot read it (" +
                               e.what() + "); it was left as it is");
        throw Error(storeFailureMessage(e, m_file));
    }
    sqlite3_create_function(m_db->getHandle(), std::string(kLeftFunction).c_str(), 2,
                            SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqlLeft, nullptr, nullptr);
    sqlite3_create_function(m_db->getHandle(), "LEN", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqlLen, nullptr,
                            nullptr);
}

void HistoryStore::insert(const std::vector<DrawRecord>& records) {
    std::string columns = "SQQH";
    std::string values = "?";
    for (const auto& column : positionColumns()) {
        columns += ", " + column;
        values += ", ?";
    }
    for (std::size_t k = 0; k < listColumns().size(); ++k) {
        columns += ", " + listColumns()[k] + ", " + previousListColumns()[k];
        values += ", ?, ?";
    }
    SQLite::Statement statement(*m_db, "INSERT INTO Lishi (" + columns + ") VALUES (" + values + ")");
    for (const auto& record : records) {
        int index = 1;
        statement.bind(index++, record.issue);
        for (int p = 1; p <= 7; ++p) {
            const PositionAttributes& l = record.drawn[static_cast<std::size_t>(p - 1)];
            const PositionAttributes& d = record.sorted[static_cast<std::size_t>(p - 1)];
            for (int value : {l.number, l.zodiac, l.colour, l.head, l.tail, l.segment})
                statement.bind(index++, value);
            statement.bind(index++, d.number);
            if (p < 7)
                for (int value : {d.zodiac, d.head, d.tail, d.colour, d.segment})
                    statement.bind(index++, value);
        }
        for (std::size_t k = 0; k < record.lists.size(); ++k) {
            statement.bind(index++, record.lists[k]);
            statement.bind(index++, record.previousLists[k]);
        }
        statement.exec();
        statement.reset();
    }
}

void HistoryStore::renumber() {
    ++m_historyVersion;
    m_db->exec(
        "UPDATE Lishi SET IDX = ordered.n FROM (SELECT rowid AS r, ROW_NUMBER() OVER (ORDER BY SQQH, rowid) AS n "
        "FROM Lishi) AS ordered WHERE Lishi.rowid = ordered.r AND Lishi.IDX IS NOT ordered.n");
}

int HistoryStore::append(const std::vector<DrawRecord>& records) {
    Savepoint transaction(*m_db);
    insert(records);
    renumber();
    int idx = 0;
    if (!records.empty()) {
        SQLite::Statement query(*m_db, "SELECT IDX FROM Lishi WHERE rowid = ?");
        query.bind(1, static_cast<std::int64_t>(m_db->getLastInsertRowid()));
        if (query.executeStep()) idx = query.getColumn(0).getInt();
    }
    transaction.commit();
    return idx;
}

void HistoryStore::replaceAll(const std::vector<DrawRecord>& records) {
    Savepoint transaction(*m_db);
    m_db->exec("DELETE FROM Lishi");
    insert(records);
    renumber();
    transaction.commit();
}

void HistoryStore::deleteAll() {
    ++m_historyVersion;
    m_db->exec("DELETE FROM Lishi");
}

std::vector<DrawRecord> HistoryStore::select(const std::string& tail, std::optional<int> parameter) const {
    SQLite::Statement query(*m_db, "SELECT " + selectList() + " FROM Lishi " + tail);
    if (parameter) query.bind(1, *parameter);
    std::vector<DrawRecord> records;
    while (query.executeStep())
        records.push_back(readRecord(query));
    return records;
}

std::vector<DrawRecord> HistoryStore::readAll() const { return select("ORDER BY IDX"); }

std::optional<DrawRecord> HistoryStore::first() const {
    auto rows = select("ORDER BY IDX LIMIT 1");
    if (rows.empty()) return std::nullopt;
    return rows.front();
}

std::optional<DrawRecord> HistoryStore::latest() const {
    auto rows = select("ORDER BY IDX DESC LIMIT 1");
    if (rows.empty()) return std::nullopt;
    return rows.front();
}

std::optional<DrawRecord> HistoryStore::byIssue(int issue) const {
    auto rows = select("WHERE SQQH = ? ORDER BY IDX LIMIT 1", issue);
    if (rows.empty()) return std::nullopt;
    return rows.front();
}

std::optional<DrawRecord> HistoryStore::latestNotAfter(int issue) const {
    auto rows = select("WHERE SQQH <= ? ORDER BY IDX DESC LIMIT 1", issue);
    if (rows.empty()) return std::nullopt;
    return rows.front();
}

std::optional<DrawRecord> HistoryStore::atIndex(int idx) const {
    auto rows = select("WHERE IDX = ?", idx);
    if (rows.empty()) return std::nullopt;
    return rows.front();
}

std::uint64_t HistoryStore::historyVersion() const {
    const std::int64_t dataVersion = m_db->execAndGet("PRAGMA data_version").getInt64();
    if (dataVersion != m_seenDataVersion) {
        m_seenDataVersion = dataVersion;
        ++m_historyVersion;
    }
    return m_historyVersion;
}

int HistoryStore::count() const { return m_db->execAndGet("SELECT COUNT(*) FROM Lishi").getInt(); }

std::optional<std::vector<std::pair<std::string, FieldValue>>> HistoryStore::rowFields(int issue) const {
    std::string columns;
    for (const auto& column : lishiColumns())
        columns += columns.empty() ? column : ", " + column;
    SQLite::Statement query(*m_db, "SELECT " + columns + " FROM Lishi WHERE SQQH = ? ORDER BY IDX LIMIT 1");
    query.bind(1, issue);
    if (!query.executeStep()) return std::nullopt;
    std::vector<std::pair<std::string, FieldValue>> fields;
    for (int i = 0; i < query.getColumnCount(); ++i) {
        SQLite::Column column = query.getColumn(i);
        FieldValue value;
        if (column.isInteger())
            value = static_cast<std::int64_t>(column.getInt64());
        else if (column.isText())
            value = column.getString();
        fields.emplace_back(column.getName(), value);
    }
    return fields;
}

std::optional<ParameterBases> HistoryStore::derivedBases() const {
    SQLite::Statement query(*m_db, "SELECT SxIni, DsIni, BsIni FROM DerivedBases LIMIT 1");
    if (!query.executeStep()) return std::nullopt;
    return ParameterBases{query.getColumn(0).getInt(), query.getColumn(1).getInt(), query.getColumn(2).getInt()};
}

void HistoryStore::recordDerivedBases(const ParameterBases& bases) {
    Savepoint transaction(*m_db);
    m_db->exec("DELETE FROM DerivedBases");
    SQLite::Statement insert(*m_db, "INSERT INTO DerivedBases (SxIni, DsIni, BsIni) VALUES (?, ?, ?)");
    insert.bind(1, bases.zodiac);
    insert.bind(2, bases.segment);
    insert.bind(3, bases.colour);
    insert.exec();
    transaction.commit();
}

void HistoryStore::executeJet(const std::string& statement) { m_db->exec(translateJetSql(statement)); }

void HistoryStore::compact() { m_db->exec("VACUUM"); }

} // namespace quorvel
