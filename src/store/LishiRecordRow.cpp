// SPDX-License-Identifier: MIT
#include "store/LishiRecordRow.h"

#include "store/LishiSchema.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

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

} // namespace

std::string recordSelectList() {
    std::string list;
    for (const auto& column : recordColumns())
        list += list.empty() ? column : ", " + column;
    return list;
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

} // namespace quorvel
