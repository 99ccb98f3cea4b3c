// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Trend.h"
#include "maintain/WorkbookExport.h"
#include "model/AttributeKind.h"
#include "model/CellGrid.h"
#include "model/Message.h"
#include "model/ParameterBases.h"
#include "model/ValueNames.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// How a cell of the trend shows: a hit of a number as a ball in its colour wave's colour, a hit of another kind as
// the value's name on a coloured ground, a miss as its count in grey, or nothing (a miss while counts are hidden).
enum class TrendMark { Ball, Ground, Miss, Hidden };

struct TrendCellLook {
    TrendMark mark = TrendMark::Hidden;
    std::string text;      // the value's name on a hit, the count on a miss, empty when hidden
    std::uint32_t rgb = 0; // 0xRRGGBB: the ball or ground of a hit, the grey of a miss
};

// The grey of a miss's count, and the white of a hit's name.
inline constexpr std::uint32_t kTrendMissRgb = 0x9A9A9A;
inline constexpr std::uint32_t kTrendHitTextRgb = 0xFFFFFF;

// What the trend shows and exports of one kind, with the bases in force (they name colour codes), in the words of
// `wording` (by default the stored names and the captions as written).
class TrendCells {
  public:
    TrendCells(const Trend& trend, AttributeKind kind, const ParameterBases& bases, bool showMiss, Wording wording = {})
        : m_trend(trend), m_kind(kind), m_bases(bases), m_showMiss(showMiss), m_wording(std::move(wording)) {}

    // The header of a column: its value's name or number.
    std::string columnLabel(int column) const;

    // The cell of a row (a draw of the range, oldest first) and a column (a value).
    TrendCellLook cell(int row, int column) const;
    // The colour of a hit of a column's value.
    std::uint32_t hitColour(int column) const;

    // The header of the issue column.
    static Message issueCaption();
    // The four summary rows in the order shown: 出现次数, 平均遗漏值, 最大遗漏值, 最大连出值.
    static constexpr int kSummaryRows = 4;
    static const std::array<Message, kSummaryRows>& summaryCaptions();
    // A summary figure as shown: counts as integers, the average with two decimals.
    std::string summaryText(int summaryRow, int column) const;

    // The chosen rows as a grid: the header 期号 and the values' names, one row per draw with its issue, then the
    // four summary rows; misses as shown (empty while hidden). With the colours of its hits (white names).
    CellGrid grid() const;
    std::vector<CellFill> fills() const;

  private:
    const Trend& m_trend;
    AttributeKind m_kind;
    ParameterBases m_bases;
    bool m_showMiss;
    Wording m_wording;
};

} // namespace quorvel
