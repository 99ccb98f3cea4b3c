// SPDX-License-Identifier: MIT
#include "store/HistoryStore.h"
#include "model/PathText.h"

#include "model/Error.h"
#include "store/ConnectionHeld.h"
#include "store/JetDialect.h"
#include "store/LishiRecordRow.h"
#include "store/LishiSchema.h"
#include "store/ReadOnlyOpen.h"
#include "store/Savepoint.h"
#include "store/SqliteFailure.h"
#include "store/StoreConnection.h"
#include "store/StoreIdentity.h"

#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <algorithm>

namespace quorvel {

namespace {

// A row of a query, read through SQLiteCpp's statement.
class StatementRow final : public StoreRow {
  public:
    explicit StatementRow(SQLite::Statement& statement) : m_statement(statement) {}
    int integer(const char* column) const override { return m_statement.getColumn(column).getInt(); }

  private:
    SQLite::Statement& m_statement;
};

// Whether rows are in issue order with no IDX twice.
template <typename Rows> bool strictlyInIssueOrder(const Rows& rows) {
    using Row = typename Rows::value_type;
    return std::adjacent_find(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.idx >= b.idx; }) ==
           rows.end();
}

} // namespace

SQLite::Database& storeConnection(HistoryStore& store) { return *store.m_db; }

HistoryStore::HistoryStore(const std::filesystem::path& file) : m_file(file) { open(); }

HistoryStore::~HistoryStore() = default;
HistoryStore::HistoryStore(HistoryStore&&) noexcept = default;

HistoryStore& HistoryStore::operator=(HistoryStore&& other) noexcept {
    // The kept statements are finalized before the connection they belong to closes.
    m_statements.clear();
    m_statements = std::move(other.m_statements);
    m_db = std::move(other.m_db);
    m_file = std::move(other.m_file);
    m_logSetAside = std::move(other.m_logSetAside);
    m_identityNote = std::move(other.m_identityNote);
    m_writeRefusal = std::move(other.m_writeRefusal);
    m_historyVersion = other.m_historyVersion;
    m_seenDataVersion = other.m_seenDataVersion;
    return *this;
}

PreparedStatements::Use HistoryStore::prepared(const std::string& text) const { return m_statements.use(*m_db, text); }

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
    storeStep(m_file, [&] {
        m_db->exec(
            "UPDATE Lishi SET IDX = ordered.n FROM (SELECT rowid AS r, ROW_NUMBER() OVER (ORDER BY SQQH, rowid) AS n "
            "FROM Lishi) AS ordered WHERE Lishi.rowid = ordered.r AND Lishi.IDX IS NOT ordered.n");
    });
}

int HistoryStore::append(const std::vector<DrawRecord>& records) {
    Savepoint transaction(*this);
    storeStep(m_file, [&] { insert(records); });
    renumber();
    int idx = 0;
    if (!records.empty()) {
        storeStep(m_file, [&] {
            SQLite::Statement query(*m_db, "SELECT IDX FROM Lishi WHERE rowid = ?");
            query.bind(1, static_cast<std::int64_t>(m_db->getLastInsertRowid()));
            if (query.executeStep()) idx = query.getColumn(0).getInt();
        });
    }
    transaction.commit();
    return idx;
}

void HistoryStore::replaceAll(const std::vector<DrawRecord>& records) {
    Savepoint transaction(*this);
    storeStep(m_file, [&] {
        m_db->exec("DELETE FROM Lishi");
        insert(records);
    });
    renumber();
    transaction.commit();
}

void HistoryStore::deleteAll() {
    ++m_historyVersion;
    storeStep(m_file, [&] { m_db->exec("DELETE FROM Lishi"); });
}

void HistoryStore::deleteLatest() {
    Savepoint transaction(*this);
    storeStep(m_file, [&] {
        m_db->exec("DELETE FROM Lishi WHERE rowid = (SELECT rowid FROM Lishi ORDER BY IDX DESC LIMIT 1)");
    });
    renumber();
    transaction.commit();
}

std::vector<DrawRecord> HistoryStore::select(const std::string& tail, std::optional<int> parameter,
                                             const RecordFields& fields) const {
    return storeStep(m_file, [&] {
        auto query = prepared("SELECT " + recordSelectList(fields) + " FROM Lishi " + tail);
        if (parameter) query.bind(1, *parameter);
        std::vector<DrawRecord> records;
        const RecordReader reader(fields);
        while (query.step())
            reader.into(query, records.emplace_back());
        return records;
    });
}

std::optional<DrawRecord> HistoryStore::selectOne(const std::string& tail, std::optional<int> parameter) const {
    auto rows = select(tail, parameter);
    if (rows.empty()) return std::nullopt;
    return std::move(rows.front());
}

std::vector<DrawRecord> HistoryStore::readAll() const { return select("ORDER BY IDX"); }

template <typename Rows, typename ReadRow>
Rows HistoryStore::inIssueOrder(const std::string& columns, ReadRow readRow) const {
    using Row = typename Rows::value_type;
    auto read = [&](const char* order) {
        auto query = prepared("SELECT " + columns + " FROM Lishi" + order);
        Rows rows;
        rows.reserve(static_cast<std::size_t>(count()));
        const ConnectionHeld held(*m_db);
        while (query.step())
            readRow(query, rows.emplace_back());
        return rows;
    };
    return storeStep(m_file, [&] {
        // Named in no order, the rows come from the numbers index where it holds every column asked for (its small
        // pages, in IDX order), else from the table in its own order, which is rarely out of issue order; either
        // is faster than the table read through the IDX index, which looks up every row.
        Rows rows = read("");
        if (strictlyInIssueOrder(rows)) return rows;
        auto byIdx = [](const Row& a, const Row& b) { return a.idx < b.idx; };
        std::sort(rows.begin(), rows.end(), byIdx);
        if (strictlyInIssueOrder(rows)) return rows;
        // Draws that share an IDX (left by another program) keep the order of their rowids.
        rows = read(" ORDER BY rowid");
        std::stable_sort(rows.begin(), rows.end(), byIdx);
        return rows;
    });
}

DrawRecords HistoryStore::records(const RecordFields& fields) const {
    const RecordReader reader(fields);
    return inIssueOrder<DrawRecords>(
        recordSelectList(fields),
        [&reader](const PreparedStatements::Use& row, DrawRecord& record) { reader.into(row, record); });
}

std::optional<DrawRecord> HistoryStore::first() const { return selectOne("ORDER BY IDX LIMIT 1"); }

std::optional<DrawRecord> HistoryStore::latest() const { return selectOne("ORDER BY IDX DESC LIMIT 1"); }

std::optional<DrawRecord> HistoryStore::byIssue(int issue) const {
    return selectOne("WHERE SQQH = ? ORDER BY IDX LIMIT 1", issue);
}

std::optional<DrawRecord> HistoryStore::latestNotAfter(int issue) const {
    // "+SQQH" keeps SQLite from the issue index: it then walks the IDX index from the latest draw and stops at the
    // first match, instead of sorting every row up to the issue (the usual issue is the latest or near it).
    return selectOne("WHERE +SQQH <= ? ORDER BY IDX DESC LIMIT 1", issue);
}

std::optional<DrawRecord> HistoryStore::atIndex(int idx) const { return selectOne("WHERE IDX = ?", idx); }

std::vector<Draw> HistoryStore::draws() const {
    const std::vector<ListedDraw> listed = listedDraws();
    std::vector<Draw> draws;
    draws.reserve(listed.size());
    for (const ListedDraw& draw : listed)
        draws.push_back(draw.draw());
    return draws;
}

std::vector<ListedDraw> HistoryStore::listedDraws() const {
    return inIssueOrder<std::vector<ListedDraw>>("IDX, SQQH, L1A, L2A, L3A, L4A, L5A, L6A, L7A",
                                                 [](const PreparedStatements::Use& row, ListedDraw& draw) {
                                                     draw.idx = row.integer(0);
                                                     draw.issue = row.integer(1);
                                                     for (int p = 0; p < 7; ++p)
                                                         draw.numbers[static_cast<std::size_t>(p)] = row.integer(p + 2);
                                                 });
}

std::uint64_t HistoryStore::historyVersion() const {
    const std::int64_t dataVersion = storeStep(m_file, [&] {
        auto query = prepared("PRAGMA data_version");
        query.step();
        return query.integer64(0);
    });
    if (dataVersion != m_seenDataVersion) {
        m_seenDataVersion = dataVersion;
        ++m_historyVersion;
    }
    return m_historyVersion;
}

int HistoryStore::count() const {
    return storeStep(m_file, [&] {
        auto query = prepared("SELECT COUNT(*) FROM Lishi");
        query.step();
        return query.integer(0);
    });
}

std::optional<std::vector<std::pair<std::string, FieldValue>>> HistoryStore::rowFields(int issue) const {
    std::string columns;
    for (const auto& column : lishiColumns())
        columns += columns.empty() ? column : ", " + column;
    return storeStep(m_file, [&]() -> std::optional<std::vector<std::pair<std::string, FieldValue>>> {
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
    });
}

std::optional<ParameterBases> HistoryStore::derivedBases() const {
    return storeStep(m_file, [&]() -> std::optional<ParameterBases> {
        auto query = prepared("SELECT SxIni, DsIni, BsIni FROM DerivedBases LIMIT 1");
        if (!query.step()) return std::nullopt;
        return ParameterBases{query.integer(0), query.integer(1), query.integer(2)};
    });
}

void HistoryStore::recordDerivedBases(const ParameterBases& bases) {
    Savepoint transaction(*this);
    storeStep(m_file, [&] {
        m_db->exec("DELETE FROM DerivedBases");
        SQLite::Statement insert(*m_db, "INSERT INTO DerivedBases (SxIni, DsIni, BsIni) VALUES (?, ?, ?)");
        insert.bind(1, bases.zodiac);
        insert.bind(2, bases.segment);
        insert.bind(3, bases.colour);
        insert.exec();
    });
    transaction.commit();
}

void HistoryStore::executeJet(const std::string& statement) {
    storeStep(m_file, [&] { m_db->exec(translateJetSql(statement)); });
}

void HistoryStore::selectJet(const std::string& query, const std::function<void(const StoreRow&)>& row) const {
    storeStep(m_file, [&] {
        SQLite::Statement statement(*m_db, translateJetSql(query));
        const StatementRow current(statement);
        while (statement.executeStep())
            row(current);
    });
}

int HistoryStore::maxIdx() const {
    return storeStep(m_file, [&] { return m_db->execAndGet("SELECT COALESCE(MAX(IDX), 0) FROM Lishi").getInt(); });
}

int HistoryStore::idxBeforeIssue(int issue) const {
    return storeStep(m_file, [&] {
        SQLite::Statement query(*m_db, "SELECT COALESCE((SELECT MIN(IDX) FROM Lishi WHERE SQQH >= ?) - 1, "
                                       "(SELECT COALESCE(MAX(IDX), 0) FROM Lishi))");
        query.bind(1, issue);
        query.executeStep();
        return query.getColumn(0).getInt();
    });
}

std::vector<std::pair<int, int>> HistoryStore::idxAndIssues() const {
    return storeStep(m_file, [&] {
        auto query = prepared("SELECT IDX, SQQH FROM Lishi ORDER BY IDX");
        std::vector<std::pair<int, int>> draws;
        while (query.step())
            draws.emplace_back(query.integer(0), query.integer(1));
        return draws;
    });
}

int HistoryStore::flaggedCount() const {
    return storeStep(m_file,
                     [&] { return m_db->execAndGet("SELECT COUNT(*) FROM Lishi WHERE bolOk = TRUE").getInt(); });
}

void HistoryStore::compact() {
    if (m_writeRefusal) throw StoreError(StoreErrorKind::Failed, {}, m_file, {}, *m_writeRefusal);
    try {
        m_db->exec("VACUUM");
    } catch (const SQLite::Exception& e) {
        const StoreErrorKind kind = storeErrorKind(e);
        const int code = e.getErrorCode() & 0xFF;
        const Message operation = Message::core(QT_TRANSLATE_NOOP("Core", "compacting the store file"));
        if (kind == StoreErrorKind::Damaged)
            throw StoreDamaged(Message::core(QT_TRANSLATE_NOOP("Core", "compacting failed: the history store %1 is "
                                                                       "damaged (%2); it was left as it is"),
                                             pathText(m_file), std::string(e.what())),
                               m_file, e.what());
        if (code == SQLITE_FULL || code == SQLITE_IOERR)
            throw StoreError(kind, operation, m_file, e.what(),
                             Message::core(QT_TRANSLATE_NOOP("Core", "%1 failed: %2; the history is unchanged; free "
                                                                     "some disk space and try again"),
                                           operation, std::string(e.what())));
        throw storeError(e, m_file).during(operation);
    }
}

} // namespace quorvel
