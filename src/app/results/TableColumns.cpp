// SPDX-License-Identifier: MIT
#include "app/results/TableColumns.h"

#include "app/results/DetailFigures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace quorvel {

namespace {

struct ColumnInfo {
    TableColumn column;
    std::string_view key;
    std::string_view caption; // empty for the label, which takes the kind's name
};

constexpr std::array<ColumnInfo, 15> kColumns{{
    {TableColumn::Value, "value", QT_TRANSLATE_NOOP("Core", "代码")},
    {TableColumn::Label, "label", ""},
    {TableColumn::Hits, "hits", QT_TRANSLATE_NOOP("Core", "出现次数")},
    {TableColumn::Min, "min", QT_TRANSLATE_NOOP("Core", "最小遗漏")},
    {TableColumn::Max, "max", QT_TRANSLATE_NOOP("Core", "最大遗漏")},
    {TableColumn::Last, "last", QT_TRANSLATE_NOOP("Core", "当前遗漏")},
    {TableColumn::Average, "average", QT_TRANSLATE_NOOP("Core", "平均遗漏")},
    {TableColumn::LongestRun, "longest_run", QT_TRANSLATE_NOOP("Core", "最大连出")},
    {TableColumn::Previous, "previous", QT_TRANSLATE_NOOP("Core", "上次遗漏")},
    {TableColumn::Hits10, "hits_10", QT_TRANSLATE_NOOP("Core", "近10期")},
    {TableColumn::Hits30, "hits_30", QT_TRANSLATE_NOOP("Core", "近30期")},
    {TableColumn::Hits100, "hits_100", QT_TRANSLATE_NOOP("Core", "近100期")},
    {TableColumn::PHit, "p_hit", QT_TRANSLATE_NOOP("Core", "理论概率")},
    {TableColumn::ExpectedGap, "expected_gap", QT_TRANSLATE_NOOP("Core", "期望间隔")},
    {TableColumn::PAtLeastLast, "p_at_least_last", QT_TRANSLATE_NOOP("Core", "P(≥当前遗漏)")},
}};

const ColumnInfo& info(TableColumn column) { return kColumns[static_cast<std::size_t>(column)]; }

// The figure a column orders by; nothing when it is undefined.
std::optional<double> figure(const TableRow& row, TableColumn column) {
    const OmissionStatistics& s = row.summary.statistics;
    const bool hit = s.hitsInRange > 0;
    switch (column) {
    case TableColumn::Value:
    case TableColumn::Label: return row.value;
    case TableColumn::Hits: return s.hitsInRange;
    case TableColumn::Min: return hit ? std::optional<double>(row.summary.min) : std::nullopt;
    case TableColumn::Max: return hit ? std::optional<double>(row.summary.max) : std::nullopt;
    case TableColumn::Last: return row.summary.last;
    case TableColumn::Average: return s.average;
    case TableColumn::LongestRun: return s.longestRun;
    case TableColumn::Previous: return s.previous ? std::optional<double>(*s.previous) : std::nullopt;
    case TableColumn::Hits10: return row.hits10;
    case TableColumn::Hits30: return row.hits30;
    case TableColumn::Hits100: return row.hits100;
    case TableColumn::PHit: return s.pHit;
    case TableColumn::ExpectedGap: return s.expectedGap;
    case TableColumn::PAtLeastLast: return s.pAtLeastLast;
    }
    return std::nullopt;
}

std::string formatted(const char* format, double value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// White blended towards a colour by a share 0..1.
std::uint32_t blend(std::uint32_t target, double share) {
    auto channel = [&](int shift) {
        const double white = 255.0;
        const double value = white + (static_cast<double>((target >> shift) & 0xFF) - white) * share;
        return static_cast<std::uint32_t>(std::lround(value)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

constexpr std::uint32_t kAwayLong = 0x2864DC; // blue
constexpr std::uint32_t kHot = 0xE13C2D;      // red

// A mark from faint to strong for a strength 0..1; none at 0.
std::optional<std::uint32_t> mark(std::uint32_t colour, double strength) {
    if (!(strength > 0)) return std::nullopt;
    return blend(colour, 0.15 + 0.55 * std::min(strength, 1.0));
}

} // namespace

const std::vector<TableColumn>& allTableColumns() {
    static const std::vector<TableColumn> columns = [] {
        std::vector<TableColumn> all;
        for (const ColumnInfo& column : kColumns)
            all.push_back(column.column);
        return all;
    }();
    return columns;
}

const std::vector<TableColumn>& shownTableColumns() {
    static const std::vector<TableColumn> columns(allTableColumns().begin() + 1, allTableColumns().end());
    return columns;
}

std::string_view tableColumnKey(TableColumn column) { return info(column).key; }

std::optional<TableColumn> parseTableColumn(std::string_view key) {
    for (const ColumnInfo& column : kColumns)
        if (column.key == key) return column.column;
    return std::nullopt;
}

Message tableColumnCaption(TableColumn column, AttributeKind kind) {
    if (column == TableColumn::Label) return Message::core(kindInfo(kind).chineseName.data());
    return Message::core(info(column).caption.data());
}

std::string tableCellText(const TableRow& row, TableColumn column, const Wording& wording) {
    if (column == TableColumn::Label) return wording.names(row.label);
    const std::optional<double> value = figure(row, column);
    if (!value) return kNoFigure;
    switch (column) {
    case TableColumn::Average:
    case TableColumn::ExpectedGap: return formatted("%.2f", *value);
    case TableColumn::PHit:
    case TableColumn::PAtLeastLast: return formatted("%.3g%%", *value * 100);
    default: return std::to_string(static_cast<long long>(*value));
    }
}

void orderTableRows(std::vector<TableRow>& rows, TableColumn column, bool descending) {
    std::stable_sort(rows.begin(), rows.end(), [&](const TableRow& a, const TableRow& b) {
        const std::optional<double> x = figure(a, column);
        const std::optional<double> y = figure(b, column);
        if (!x || !y) return x.has_value() && !y.has_value() ? true : !x && !y && a.value < b.value;
        if (*x != *y) return descending ? *x > *y : *x < *y;
        return a.value < b.value;
    });
}

std::optional<std::uint32_t> tableCellFill(const TableRow& row, TableColumn column) {
    const OmissionStatistics& s = row.summary.statistics;
    if (column == TableColumn::PAtLeastLast && s.pAtLeastLast) {
        // From no mark at a chance of one half to the strongest at one in a thousand.
        const double chance = std::max(*s.pAtLeastLast, 1e-300);
        return mark(kAwayLong, (-std::log10(chance) - std::log10(2.0)) / (3.0 - std::log10(2.0)));
    }
    if (column == TableColumn::Hits10 && s.pHit && *s.pHit > 0 && *s.pHit < 1) {
        // Standard deviations above the hits 10 draws expect, the strongest from 2.5 up.
        const double expected = 10 * *s.pHit;
        const double spread = std::sqrt(expected * (1 - *s.pHit));
        return mark(kHot, (row.hits10 - expected) / spread / 2.5);
    }
    return std::nullopt;
}

CellGrid tableGrid(const std::vector<TableRow>& rows, AttributeKind kind, const std::vector<TableColumn>& columns,
                   const Wording& wording) {
    CellGrid grid;
    grid.reserve(rows.size() + 1);
    std::vector<std::string> header;
    for (TableColumn column : columns)
        header.push_back(wording.said(tableColumnCaption(column, kind)));
    grid.push_back(std::move(header));
    for (const TableRow& row : rows) {
        std::vector<std::string> cells;
        for (TableColumn column : columns)
            cells.push_back(tableCellText(row, column, wording));
        grid.push_back(std::move(cells));
    }
    return grid;
}

std::vector<CellFill> tableFills(const std::vector<TableRow>& rows, const std::vector<TableColumn>& columns) {
    std::vector<CellFill> fills;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < columns.size(); ++c)
            if (auto rgb = tableCellFill(rows[r], columns[c])) fills.push_back({r + 1, c, *rgb});
    return fills;
}

} // namespace quorvel
