// SPDX-License-Identifier: MIT
#include "store/GroupResultStore.h"

#include "model/PathText.h"
#include "store/GroupBlockTable.h"
#include "store/JetDialect.h"
#include "store/LishiSchema.h"
#include "store/SqliteFailure.h"
#include "store/StoreConnection.h"
#include "store/StoreError.h"

#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

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

bool GroupResultStore::hasTable(const char* name) const {
    SQLite::Statement query(storeConnection(m_store),
                            "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?");
    query.bind(1, name);
    query.executeStep();
    return query.getColumn(0).getInt() > 0;
}

GroupResultStore::FigureLayout GroupResultStore::figureLayout() const {
    // An earlier version that ran after this one made YLStats again and left YLFigures as it was: its rows win.
    if (hasTable("YLStats")) return hasTable("YLRules") ? FigureLayout::Rows : FigureLayout::None;
    return hasTable("YLFigures") ? FigureLayout::Blocks : FigureLayout::None;
}

void GroupResultStore::clear() {
    storeStep(m_store.file(), [&] {
        SQLite::Database& db = storeConnection(m_store);
        db.exec("DROP TABLE IF EXISTS YLStats");
        createSideTables();
        db.exec("DELETE FROM YL");
        db.exec("DELETE FROM YLFigures");
        db.exec("DELETE FROM YLRules");
    });
    m_nextRow = 1;
}

void GroupResultStore::Finalize::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

sqlite3_stmt* GroupResultStore::blockInsert() {
    if (m_blockInsert) return m_blockInsert.get();
    createSideTables();
    const std::string text = std::string("INSERT INTO YL (content, intMinYL, intMaxYL, intLstYl) SELECT content, min, "
                                         "max, last FROM ") +
                             kGroupBlockTable + "(?)";
    sqlite3* db = storeConnection(m_store).getHandle();
    sqlite3_stmt* prepared = nullptr;
    if (const int code = sqlite3_prepare_v2(db, text.c_str(), static_cast<int>(text.size() + 1), &prepared, nullptr);
        code != SQLITE_OK) {
        sqlite3_finalize(prepared);
        throw SQLite::Exception(db, code);
    }
    m_blockInsert.reset(prepared);
    return prepared;
}

void GroupResultStore::storeFigures(const GroupResultBlock& block, std::int64_t firstRow) {
    SQLite::Statement insert(storeConnection(m_store),
                             "INSERT INTO YLFigures (firstRow, rowCount, figures) VALUES (?, ?, ?)");
    insert.bind(1, firstRow);
    insert.bind(2, static_cast<std::int64_t>(block.rows()));
    insert.bindNoCopy(3, block.figures().data(), static_cast<int>(block.figures().size()));
    insert.exec();
}

void GroupResultStore::append(const std::vector<GroupRow>& rows) {
    for (std::size_t done = 0; done < rows.size(); done += GroupResultBlock::kRows) {
        const std::size_t end = std::min(done + GroupResultBlock::kRows, rows.size());
        GroupResultBlock block;
        for (std::size_t i = done; i < end; ++i)
            block.add(rows[i]);
        append(block);
    }
}

void GroupResultStore::append(const GroupResultBlock& block) {
    if (block.rows() == 0) return;
    storeStep(m_store.file(), [&] {
        if (m_nextRow == 0)
            m_nextRow = storeConnection(m_store).execAndGet("SELECT COALESCE(MAX(rowid), 0) + 1 FROM YL").getInt64();
        // One run of one statement stores the block: its rows are read from it in order, none bound one by one.
        sqlite3_stmt* insert = blockInsert();
        int code = bindGroupBlock(insert, 1, block);
        if (code == SQLITE_OK) code = sqlite3_step(insert);
        sqlite3_reset(insert);
        sqlite3_clear_bindings(insert);
        if (code != SQLITE_DONE) throw SQLite::Exception(sqlite3_db_handle(insert), code);
        // A block the statement could not read would store nothing without an error: never pass that silently.
        if (const auto stored = sqlite3_changes64(sqlite3_db_handle(insert));
            stored != static_cast<sqlite3_int64>(block.rows()))
            throw StoreError(StoreErrorKind::Failed, {}, m_store.file(), "a block of group rows was not read whole",
                             Message::core(QT_TRANSLATE_NOOP("Core", "the store took %1 of the %2 rows of a block of "
                                                                     "the group results"),
                                           static_cast<long long>(stored), block.rows()));
    });
    // SQLite gives each row the rowid after the largest: the block's rows have consecutive rowids from firstRow.
    const std::int64_t firstRow = m_nextRow;
    m_nextRow += static_cast<std::int64_t>(block.rows());
    storeStep(m_store.file(), [&] { storeFigures(block, firstRow); });
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

namespace {

// Orders rows read in the order stored by a sort, ties in the order stored, as YL ordered by the sort's column
// and its rowid reads them (P: by the kept chance, rows without it last).
void orderRows(std::vector<GroupRow>& rows, GroupSort sort) {
    auto by = [&rows](auto key) {
        std::stable_sort(rows.begin(), rows.end(),
                         [&key](const GroupRow& a, const GroupRow& b) { return key(a) < key(b); });
    };
    switch (sort) {
    case GroupSort::Min: return by([](const GroupRow& row) { return row.min; });
    case GroupSort::Max: return by([](const GroupRow& row) { return row.max; });
    case GroupSort::Last: return by([](const GroupRow& row) { return row.last; });
    case GroupSort::Label: return by([](const GroupRow& row) -> const std::string& { return row.content; });
    case GroupSort::P:
        return by([](const GroupRow& row) {
            const std::optional<double>& p = row.statistics.pAtLeastLast;
            return std::pair(!p.has_value(), p.value_or(0.0));
        });
    }
}

OmissionStatistics nextFigures(GroupFigureUnpacker& unpacker, const std::filesystem::path& file) {
    try {
        return unpacker.next();
    } catch (const std::runtime_error& damage) {
        throw StoreError(StoreErrorKind::Failed, {}, file, damage.what(),
                         Message::core(QT_TRANSLATE_NOOP("Core", "the figures of the group results kept in %1 are "
                                                                 "damaged (%2); run the group calculation again to "
                                                                 "store them anew"),
                                       pathText(file), std::string(damage.what())));
    }
}

} // namespace

std::vector<GroupRow> GroupResultStore::readWithBlocks(std::optional<GroupSort> sort) const {
    SQLite::Database& db = storeConnection(m_store);
    std::vector<GroupRow> rows;
    std::vector<std::int64_t> rowids;
    SQLite::Statement query(db, "SELECT rowid, content, intMinYL, intMaxYL, intLstYl FROM YL ORDER BY rowid");
    while (query.executeStep()) {
        rowids.push_back(query.getColumn(0).getInt64());
        rows.push_back(GroupRow{query.getColumn(1).getString(), query.getColumn(2).getInt(),
                                query.getColumn(3).getInt(), query.getColumn(4).getInt()});
    }
    SQLite::Statement blocks(db, "SELECT firstRow, rowCount, figures FROM YLFigures ORDER BY firstRow");
    while (blocks.executeStep()) {
        const std::int64_t firstRow = blocks.getColumn(0).getInt64();
        const std::int64_t count = blocks.getColumn(1).getInt64();
        const SQLite::Column figures = blocks.getColumn(2);
        GroupFigureUnpacker unpacker(std::string_view(static_cast<const char*>(figures.getBlob()),
                                                      static_cast<std::size_t>(figures.getBytes())));
        // A row another program deleted from YL leaves its figures unread; one it added has none.
        auto at = std::lower_bound(rowids.begin(), rowids.end(), firstRow);
        for (std::int64_t i = 0; i < count; ++i) {
            const OmissionStatistics statistics = nextFigures(unpacker, m_store.file());
            while (at != rowids.end() && *at < firstRow + i)
                ++at;
            if (at != rowids.end() && *at == firstRow + i)
                rows[static_cast<std::size_t>(at - rowids.begin())].statistics = statistics;
        }
    }
    if (sort) orderRows(rows, *sort);
    return rows;
}

std::vector<GroupRow> GroupResultStore::readWithRows(std::optional<GroupSort> sort) const {
    // The figures of an earlier version join their YL row; equal values keep the order of storage.
    std::string order;
    if (sort)
        order = *sort == GroupSort::P ? "S.pAtLeastLast IS NULL, S.pAtLeastLast, "
                                      : std::string("YL.") + groupSortField(*sort) + ", ";
    const std::string text = "SELECT YL.content, YL.intMinYL, YL.intMaxYL, YL.intLstYl, S.hitsInRange, S.average, "
                             "S.longestRun, S.previous, S.pHit, S.expectedGap, S.pAtLeastLast, S.pSource FROM YL "
                             "LEFT JOIN YLStats AS S ON S.ylRow = YL.rowid ORDER BY " +
                             order + "YL.rowid";
    SQLite::Statement query(storeConnection(m_store), text);
    std::vector<GroupRow> rows;
    while (query.executeStep()) {
        GroupRow row{query.getColumn(0).getString(), query.getColumn(1).getInt(), query.getColumn(2).getInt(),
                     query.getColumn(3).getInt()};
        row.statistics = readStatistics(query, 4);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<GroupRow> GroupResultStore::read(std::optional<GroupSort> sort, const std::string& withoutFigures) const {
    return storeStep(m_store.file(), [&] {
        switch (figureLayout()) {
        case FigureLayout::Blocks: return readWithBlocks(sort);
        case FigureLayout::Rows: return readWithRows(sort);
        case FigureLayout::None: break;
        }
        SQLite::Statement query(storeConnection(m_store), translateJetSql(withoutFigures) + ", rowid");
        std::vector<GroupRow> rows;
        while (query.executeStep())
            rows.push_back(GroupRow{query.getColumn("content").getString(), query.getColumn("intMinYL").getInt(),
                                    query.getColumn("intMaxYL").getInt(), query.getColumn("intLstYl").getInt()});
        return rows;
    });
}

std::optional<std::string> GroupResultStore::rules() const {
    return storeStep(m_store.file(), [&]() -> std::optional<std::string> {
        if (!hasTable("YLRules")) return std::nullopt;
        SQLite::Statement query(storeConnection(m_store), "SELECT rules FROM YLRules");
        if (!query.executeStep()) return std::nullopt;
        return query.getColumn(0).getString();
    });
}

} // namespace quorvel
