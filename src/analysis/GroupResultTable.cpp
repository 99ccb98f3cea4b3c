// SPDX-License-Identifier: MIT
#include "analysis/GroupResultTable.h"

#include "analysis/GroupRowOrder.h"
#include "analysis/Statements.h"
#include "store/JetDialect.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <numeric>

namespace quorvel {

namespace {

const char* const kStatisticsColumns =
    "hitsInRange, average, longestRun, previous, pHit, expectedGap, pAtLeastLast, pSource";

template <typename Value>
void bindOptional(SQLite::Statement& statement, int index, const std::optional<Value>& value) {
    if (value)
        statement.bind(index, *value);
    else
        statement.bind(index);
}

std::optional<double> optionalReal(const SQLite::Column& column) {
    return column.isNull() ? std::nullopt : std::optional<double>(column.getDouble());
}

// The figures of a row read from the columns after the four of YL (all null: none were kept).
OmissionStatistics readStatistics(SQLite::Statement& query, int first) {
    OmissionStatistics statistics;
    if (query.getColumn(first).isNull()) return statistics;
    statistics.hitsInRange = query.getColumn(first).getInt();
    statistics.average = optionalReal(query.getColumn(first + 1));
    statistics.longestRun = query.getColumn(first + 2).getInt();
    if (!query.getColumn(first + 3).isNull()) statistics.previous = query.getColumn(first + 3).getInt();
    statistics.pHit = optionalReal(query.getColumn(first + 4));
    statistics.expectedGap = optionalReal(query.getColumn(first + 5));
    statistics.pAtLeastLast = optionalReal(query.getColumn(first + 6));
    statistics.source = query.getColumn(first + 7).getString() == probabilitySourceText(ProbabilitySource::Observed)
                            ? ProbabilitySource::Observed
                            : ProbabilitySource::Exact;
    return statistics;
}

} // namespace

std::optional<GroupSort> parseGroupSort(std::string_view text) {
    if (text == "min") return GroupSort::Min;
    if (text == "max") return GroupSort::Max;
    if (text == "last") return GroupSort::Last;
    if (text == "label") return GroupSort::Label;
    if (text == "p") return GroupSort::P;
    return std::nullopt;
}

const char* groupSortField(GroupSort sort) {
    switch (sort) {
    case GroupSort::Min: return "intMinYL";
    case GroupSort::Max: return "intMaxYL";
    case GroupSort::Last: return "intLstYl";
    case GroupSort::Label: return "content";
    case GroupSort::P: return "intLstYl";
    }
    return "intLstYl";
}

GroupResultTable::GroupResultTable(HistoryStore& store) : m_store(store) {}

GroupResultTable::~GroupResultTable() = default;

void GroupResultTable::createSideTables() {
    SQLite::Database& db = m_store.database();
    db.exec("CREATE TABLE IF NOT EXISTS YLStats (ylRow INTEGER PRIMARY KEY, hitsInRange INTEGER, "
            "average REAL, longestRun INTEGER, previous INTEGER, pHit REAL, expectedGap REAL, pAtLeastLast REAL, "
            "pSource TEXT)");
    db.exec("CREATE TABLE IF NOT EXISTS YLRules (rules TEXT)");
}

bool GroupResultTable::hasSideTables() const {
    return m_store.database()
               .execAndGet("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN ('YLStats', 'YLRules')")
               .getInt() == 2;
}

void GroupResultTable::clear() {
    createSideTables();
    SQLite::Database& db = m_store.database();
    db.exec("DELETE FROM YL");
    db.exec("DELETE FROM YLStats");
    db.exec("DELETE FROM YLRules");
    m_nextRow = 1;
}

GroupResultTable::Inserts& GroupResultTable::inserts(int rows) {
    Inserts& statements = m_inserts[rows];
    if (statements.rows) return statements;
    createSideTables();
    // Each row names its YL rowid, and its figures in YLStats the same one.
    std::string yl = "INSERT INTO YL (rowid, content, intMinYL, intMaxYL, intLstYl) VALUES ";
    std::string figures = std::string("INSERT INTO YLStats (ylRow, ") + kStatisticsColumns + ") VALUES ";
    for (int i = 0; i < rows; ++i) {
        yl += i ? ", (?, ?, ?, ?, ?)" : "(?, ?, ?, ?, ?)";
        figures += i ? ", (?, ?, ?, ?, ?, ?, ?, ?, ?)" : "(?, ?, ?, ?, ?, ?, ?, ?, ?)";
    }
    statements.rows = std::make_unique<SQLite::Statement>(m_store.database(), yl);
    statements.statistics = std::make_unique<SQLite::Statement>(m_store.database(), figures);
    return statements;
}

void GroupResultTable::bindRow(Inserts& statements, int slot, const GroupRow& row) {
    if (m_nextRow == 0)
        m_nextRow = m_store.database().execAndGet("SELECT COALESCE(MAX(rowid), 0) + 1 FROM YL").getInt64();
    const std::int64_t rowid = m_nextRow++;
    SQLite::Statement& yl = *statements.rows;
    const int first = slot * 5;
    yl.bind(first + 1, rowid);
    yl.bindNoCopy(first + 2, row.content);
    yl.bind(first + 3, row.min);
    yl.bind(first + 4, row.max);
    yl.bind(first + 5, row.last);

    const OmissionStatistics& statistics = row.statistics;
    SQLite::Statement& insert = *statements.statistics;
    const int at = slot * 9;
    insert.bind(at + 1, rowid);
    insert.bind(at + 2, statistics.hitsInRange);
    bindOptional(insert, at + 3, statistics.average);
    insert.bind(at + 4, statistics.longestRun);
    bindOptional(insert, at + 5, statistics.previous);
    bindOptional(insert, at + 6, statistics.pHit);
    bindOptional(insert, at + 7, statistics.expectedGap);
    bindOptional(insert, at + 8, statistics.pAtLeastLast);
    insert.bindNoCopy(at + 9, probabilitySourceText(statistics.source).data());
}

void GroupResultTable::append(const GroupRow& row) { append(std::vector<GroupRow>{row}); }

void GroupResultTable::append(const std::vector<GroupRow>& rows, const Progress& progress) {
    // Chunks of rows per statement: far fewer statement runs than rows, which is what writing costs.
    constexpr std::size_t kChunk = 128;
    for (std::size_t done = 0; done < rows.size();) {
        progress.step(static_cast<long>(done), static_cast<long>(rows.size()));
        const std::size_t count = std::min(kChunk, rows.size() - done);
        Inserts& statements = inserts(static_cast<int>(count));
        for (std::size_t i = 0; i < count; ++i)
            bindRow(statements, static_cast<int>(i), rows[done + i]);
        for (SQLite::Statement* statement : {statements.rows.get(), statements.statistics.get()}) {
            statement->exec();
            statement->reset();
        }
        done += count;
    }
}

void GroupResultTable::setRules(const std::string& rules) {
    createSideTables();
    m_store.database().exec("DELETE FROM YLRules");
    SQLite::Statement insert(m_store.database(), "INSERT INTO YLRules (rules) VALUES (?)");
    insert.bind(1, rules);
    insert.exec();
}

std::vector<GroupRow> GroupResultTable::read(GroupSort sort) const {
    if (sort != GroupSort::Label) return readRows(sort);
    // Labels order by their values (names in their table order), which the text of the column does not.
    std::vector<GroupRow> stored = readRows(std::nullopt);
    std::vector<std::uint32_t> places(stored.size());
    std::iota(places.begin(), places.end(), 0U);
    std::vector<GroupRow> ordered;
    ordered.reserve(stored.size());
    for (std::uint32_t index : groupRowOrder(stored, places, GroupSort::Label))
        ordered.push_back(std::move(stored[index]));
    return ordered;
}

std::vector<GroupRow> GroupResultTable::readAsStored() const { return readRows(std::nullopt); }

std::vector<GroupRow> GroupResultTable::readRows(std::optional<GroupSort> sort) const {
    const bool figures = hasSideTables();
    std::string text;
    if (figures) {
        // The kept figures join their YL row; equal values keep the order of storage, so both engines show
        // the same list.
        std::string order;
        if (sort)
            order = *sort == GroupSort::P ? "S.pAtLeastLast IS NULL, S.pAtLeastLast, "
                                          : std::string("YL.") + groupSortField(*sort) + ", ";
        text = std::string("SELECT YL.content, YL.intMinYL, YL.intMaxYL, YL.intLstYl, ") +
               "S.hitsInRange, S.average, S.longestRun, S.previous, S.pHit, S.expectedGap, S.pAtLeastLast, "
               "S.pSource FROM YL LEFT JOIN YLStats AS S ON S.ylRow = YL.rowid ORDER BY " +
               order + "YL.rowid";
    } else {
        text = sort ? translateJetSql(statements::groupResultsBy(groupSortField(*sort))) + ", rowid"
                    : std::string("SELECT * FROM YL ORDER BY rowid");
    }
    SQLite::Statement query(m_store.database(), text);
    std::vector<GroupRow> rows;
    while (query.executeStep()) {
        GroupRow row{query.getColumn("content").getString(), query.getColumn("intMinYL").getInt(),
                     query.getColumn("intMaxYL").getInt(), query.getColumn("intLstYl").getInt()};
        if (figures) row.statistics = readStatistics(query, 4);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<std::string> GroupResultTable::rules() const {
    if (!hasSideTables()) return std::nullopt;
    SQLite::Statement query(m_store.database(), "SELECT rules FROM YLRules");
    if (!query.executeStep()) return std::nullopt;
    return query.getColumn(0).getString();
}

} // namespace quorvel
