// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include "analysis/OmissionTable.h"
#include "maintain/WorkbookExport.h"
#include "model/AttributeKind.h"
#include "model/CellGrid.h"
#include "model/ValueNames.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The columns of the omission table, named by their JSON keys ("value", "hits", "p_at_least_last", ...).
enum class TableColumn {
    Value,
    Label,
    Hits,
    Min,
    Max,
    Last,
    Average,
    LongestRun,
    Previous,
    Hits10,
    Hits30,
    Hits100,
    PHit,
    ExpectedGap,
    PAtLeastLast
};

// Every column in the order of the JSON rows.
const std::vector<TableColumn>& allTableColumns();
// The columns a grid shows: all but the value code (the label names the value).
const std::vector<TableColumn>& shownTableColumns();

std::string_view tableColumnKey(TableColumn column);
std::optional<TableColumn> parseTableColumn(std::string_view key);
// The header a player reads: the kind's name over the labels, 出现次数, 最小遗漏, 当前遗漏, 近10期, ...
Message tableColumnCaption(TableColumn column, AttributeKind kind);

// A cell as shown: counts as integers, means in draws with two decimals, chances in percent with three
// significant digits; "—" for a figure that is undefined (min and max without a hit among them); the label with
// its names in the wording's language.
std::string tableCellText(const TableRow& row, TableColumn column, const Wording& wording = {});

// Orders rows by a column, equal figures in value order; rows whose figure is undefined come last either way.
// The label column orders by value.
void orderTableRows(std::vector<TableRow>& rows, TableColumn column, bool descending);

// The colour scale of the table, 0xRRGGBB, or nothing for an unmarked cell: p_at_least_last in blue the more the
// smaller the chance (values away unusually long), hits_10 in red the more it exceeds what the hit rate expects
// of 10 draws (hot values).
std::optional<std::uint32_t> tableCellFill(const TableRow& row, TableColumn column);

// The table as a grid: a header row, then one row per table row, with the given columns, in the wording's words.
CellGrid tableGrid(const std::vector<TableRow>& rows, AttributeKind kind, const std::vector<TableColumn>& columns,
                   const Wording& wording = {});
// The colours of that grid's cells (grid row r + 1 holds table row r).
std::vector<CellFill> tableFills(const std::vector<TableRow>& rows, const std::vector<TableColumn>& columns);

} // namespace quorvel
