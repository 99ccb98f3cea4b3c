// SPDX-License-Identifier: MIT
#include "analysis/GroupResultTable.h"

#include "analysis/Statements.h"
#include "store/JetDialect.h"

#include <SQLiteCpp/Statement.h>

namespace quorvel {

std::optional<GroupSort> parseGroupSort(std::string_view text) {
    if (text == "min") return GroupSort::Min;
    if (text == "max") return GroupSort::Max;
    if (text == "last") return GroupSort::Last;
    if (text == "label") return GroupSort::Label;
    return std::nullopt;
}

const char* groupSortField(GroupSort sort) {
    switch (sort) {
    case GroupSort::Min: return "intMinYL";
    case GroupSort::Max: return "intMaxYL";
    case GroupSort::Last: return "intLstYl";
    case GroupSort::Label: return "content";
    }
    return "intLstYl";
}

GroupResultTable::GroupResultTable(HistoryStore& store) : m_store(store) {}

GroupResultTable::~GroupResultTable() = default;

void GroupResultTable::clear() { m_store.database().exec("DELETE FROM YL"); }

void GroupResultTable::append(const GroupRow& row) {
    if (!m_insert)
        m_insert = std::make_unique<SQLite::Statement>(
            m_store.database(), "INSERT INTO YL (content, intMinYL, intMaxYL, intLstYl) VALUES (?, ?, ?, ?)");
    m_insert->bind(1, row.content);
    m_insert->bind(2, row.min);
    m_insert->bind(3, row.max);
    m_insert->bind(4, row.last);
    m_insert->exec();
    m_insert->reset();
}

void GroupResultTable::append(const std::vector<GroupRow>& rows) {
    for (const GroupRow& row : rows)
        append(row);
}

std::vector<GroupRow> GroupResultTable::read(GroupSort sort) const {
    // Equal values keep the order of storage, so both engines show the same list.
    SQLite::Statement query(m_store.database(),
                            translateJetSql(statements::groupResultsBy(groupSortField(sort))) + ", rowid");
    std::vector<GroupRow> rows;
    while (query.executeStep())
        rows.push_back(GroupRow{query.getColumn("content").getString(), query.getColumn("intMinYL").getInt(),
                                query.getColumn("intMaxYL").getInt(), query.getColumn("intLstYl").getInt()});
    return rows;
}

} // namespace quorvel
