// SPDX-License-Identifier: MIT
#include "store/GroupResultStore.h"

#include "store/JetDialect.h"
#include "store/LishiSchema.h"
#include "store/SqliteFailure.h"
#include "store/StoreConnection.h"

#include <SQLiteCpp/Statement.h>

#include <algorithm>

namespace quorvel {

namespace {

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

// The statements that insert a number of rows into YL and into YLStats.
struct GroupResultStore::Inserts {
    std::unique_ptr<SQLite::Statement> rows;
    std::unique_ptr<SQLite::Statement> statistics;
};

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

GroupResultStore::GroupResultStore(HistoryStore& store) : m_store(store) {}

GroupResultStore::~GroupResultStore() = default;

void GroupResultStore::createSideTables() {
    SQLite::Database& db = storeConnection(m_store);
    for (const std::string& statement : groupFigureTableStatements())
        db.exec(statement);
}

bool GroupResultStore::hasSideTables() const {
    return storeConnection(m_store)
               .execAndGet("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN ('YLStats', 'YLRules')")
               .getInt() == 2;
}

void GroupResultStore::clear() {
    storeStep(m_store.file(), [&] {
        createSideTables();
        SQLite::Database& db = storeConnection(m_store);
        db.exec("DELETE FROM YL");
        db.exec("DELETE FROM YLStats");
        db.exec("DELETE FROM YLRules");
    });
    m_nextRow = 1;
}

GroupResultStore::Inserts& GroupResultStore::inserts(int rows) {
    std::unique_ptr<Inserts>& statements = m_inserts[rows];
    if (statements) return *statements;
    createSideTables();
    // Each row names its YL rowid, and its figures in YLStats the same one.
    std::string yl = "INSERT INTO YL (rowid, content, intMinYL, intMaxYL, intLstYl) VALUES ";
    std::string figures = "INSERT INTO YLStats (ylRow, hitsInRange, average, longestRun, previous, pHit, "
                          "expectedGap, pAtLeastLast, pSource) VALUES ";
    for (int i = 0; i < rows; ++i) {
        yl += i ? ", (?, ?, ?, ?, ?)" : "(?, ?, ?, ?, ?)";
        figures += i ? ", (?, ?, ?, ?, ?, ?, ?, ?, ?)" : "(?, ?, ?, ?, ?, ?, ?, ?, ?)";
    }
    SQLite::Database& db = storeConnection(m_store);
    auto made = std::make_unique<Inserts>();
    made->rows = std::make_unique<SQLite::Statement>(db, yl);
    made->statistics = std::make_unique<SQLite::Statement>(db, figures);
    statements = std::move(made);
    return *statements;
}

void GroupResultStore::bindRow(Inserts& statements, int slot, const GroupRow& row) {
    if (m_nextRow == 0)
        m_nextRow = storeConnection(m_store).execAndGet("SELECT COALESCE(MAX(rowid), 0) + 1 FROM YL").getInt64();
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

void GroupResultStore::append(const std::vector<GroupRow>& rows,
                              const std::function<void(long done, long total)>& written) {
    append(
        rows.size(), [&rows](std::size_t index, GroupRow& row) { row = rows[index]; }, written);
}

void GroupResultStore::append(std::size_t count, const RowSource& rowAt,
                              const std::function<void(long done, long total)>& written) {
    // Chunks of rows per statement: far fewer statement runs than rows, which is what writing costs. The rows of
    // a chunk are made into the same few rows each time and bound without a copy.
    constexpr std::size_t kChunk = 128;
    std::vector<GroupRow> chunk(std::min(kChunk, count));
    for (std::size_t done = 0; done < count;) {
        if (written) written(static_cast<long>(done), static_cast<long>(count));
        const std::size_t size = std::min(kChunk, count - done);
        storeStep(m_store.file(), [&] {
            Inserts& statements = inserts(static_cast<int>(size));
            for (std::size_t i = 0; i < size; ++i) {
                rowAt(done + i, chunk[i]);
                bindRow(statements, static_cast<int>(i), chunk[i]);
            }
            for (SQLite::Statement* statement : {statements.rows.get(), statements.statistics.get()}) {
                statement->exec();
                statement->reset();
            }
        });
        done += size;
    }
}

void GroupResultStore::setRules(const std::string& rules) {
    storeStep(m_store.file(), [&] {
        createSideTables();
        SQLite::Database& db = storeConnection(m_store);
        db.exec("DELETE FROM YLRules");
        SQLite::Statement insert(db, "INSERT INTO YLRules (rules) VALUES (?)");
        insert.bind(1, rules);
        insert.exec();
    });
}

std::vector<GroupRow> GroupResultStore::read(std::optional<GroupSort> sort, const std::string& withoutFigures) const {
    return storeStep(m_store.file(), [&] {
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
            text = translateJetSql(withoutFigures) + ", rowid";
        }
        SQLite::Statement query(storeConnection(m_store), text);
        std::vector<GroupRow> rows;
        while (query.executeStep()) {
            GroupRow row{query.getColumn("content").getString(), query.getColumn("intMinYL").getInt(),
                         query.getColumn("intMaxYL").getInt(), query.getColumn("intLstYl").getInt()};
            if (figures) row.statistics = readStatistics(query, 4);
            rows.push_back(std::move(row));
        }
        return rows;
    });
}

std::optional<std::string> GroupResultStore::rules() const {
    return storeStep(m_store.file(), [&]() -> std::optional<std::string> {
        if (!hasSideTables()) return std::nullopt;
        SQLite::Statement query(storeConnection(m_store), "SELECT rules FROM YLRules");
        if (!query.executeStep()) return std::nullopt;
        return query.getColumn(0).getString();
    });
}

} // namespace quorvel
