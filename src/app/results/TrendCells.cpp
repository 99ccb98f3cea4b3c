// SPDX-License-Identifier: MIT
#include "app/results/TrendCells.h"

#include "model/NumberTables.h"

#include <cstdio>

namespace quorvel {

namespace {

// Red, blue and green waves, dark enough for white names.
constexpr std::array<std::uint32_t, 3> kWaves{0xE0383E, 0x2C6FD1, 0x23964A};

// The ground of each kind's hits but numbers and colours, which take their waves.
std::uint32_t kindGround(AttributeKind kind) {
    switch (kind) {
    case AttributeKind::Zodiac: return 0xD9761C;
    case AttributeKind::Head: return 0x7E4FB3;
    case AttributeKind::Tail: return 0x11897A;
    case AttributeKind::DigitSum: return 0xA0522D;
    case AttributeKind::Segment: return 0x3F51B5;
    case AttributeKind::Parity: return 0xC2185B;
    case AttributeKind::Size: return 0x6D4C41;
    case AttributeKind::SumParity: return 0x8E24AA;
    case AttributeKind::TailSize: return 0x00838F;
    case AttributeKind::Domestic: return 0x558B2F;
    case AttributeKind::Number:
    case AttributeKind::Colour:
    case AttributeKind::HalfWaveParity:
    case AttributeKind::HalfWaveSize: break;
    }
    return 0x607D8B;
}

} // namespace

std::uint32_t TrendCells::hitColour(int column) const {
    const int value = m_trend.columns()[static_cast<std::size_t>(column)].value;
    if (m_kind == AttributeKind::Number && value >= 1 && value <= 49)
        return kWaves[static_cast<std::size_t>(colourIndex(value))];
    if (m_kind == AttributeKind::Colour) {
        const int wave = value - m_bases.colour;
        if (wave >= 0 && wave < 3) return kWaves[static_cast<std::size_t>(wave)];
    }
    // A half wave takes its wave: codes 1 and 2 red, 3 and 4 blue, 5 and 6 green.
    if ((m_kind == AttributeKind::HalfWaveParity || m_kind == AttributeKind::HalfWaveSize) && value >= 1 && value <= 6)
        return kWaves[static_cast<std::size_t>((value - 1) / 2)];
    return kindGround(m_kind);
}

TrendCellLook TrendCells::cell(int row, int column) const {
    const int count = m_trend.cell(row, column);
    if (count == 0)
        return {m_kind == AttributeKind::Number ? TrendMark::Ball : TrendMark::Ground, columnLabel(column),
                hitColour(column)};
    if (!m_showMiss) return {};
    return {TrendMark::Miss, std::to_string(count), kTrendMissRgb};
}

std::string TrendCells::columnLabel(int column) const {
    return m_wording.names(m_trend.columns().at(static_cast<std::size_t>(column)).label);
}

Message TrendCells::issueCaption() { return Message::core(QT_TRANSLATE_NOOP("Core", "期号")); }

const std::array<Message, TrendCells::kSummaryRows>& TrendCells::summaryCaptions() {
    static const std::array<Message, kSummaryRows> captions{
        Message::core(QT_TRANSLATE_NOOP("Core", "出现次数")), Message::core(QT_TRANSLATE_NOOP("Core", "平均遗漏值")),
        Message::core(QT_TRANSLATE_NOOP("Core", "最大遗漏值")), Message::core(QT_TRANSLATE_NOOP("Core", "最大连出值"))};
    return captions;
}

std::string TrendCells::summaryText(int summaryRow, int column) const {
    const TrendSummary& s = m_trend.summary();
    const auto c = static_cast<std::size_t>(column);
    switch (summaryRow) {
    case 0: return std::to_string(s.hits[c]);
    case 1: {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.2f", s.average[c]);
        return buffer;
    }
    case 2: return std::to_string(s.max[c]);
    default: return std::to_string(s.longestRun[c]);
    }
}

CellGrid TrendCells::grid() const {
    const int rows = m_trend.rowCount();
    const int columns = m_trend.columnCount();
    CellGrid grid;
    grid.reserve(static_cast<std::size_t>(rows) + 1 + kSummaryRows);
    std::vector<std::string> header{m_wording.said(issueCaption())};
    for (int c = 0; c < columns; ++c)
        header.push_back(columnLabel(c));
    grid.push_back(std::move(header));
    for (int r = 0; r < rows; ++r) {
        std::vector<std::string> line{std::to_string(m_trend.issue(r))};
        line.reserve(static_cast<std::size_t>(columns) + 1);
        for (int c = 0; c < columns; ++c)
            line.push_back(cell(r, c).text);
        grid.push_back(std::move(line));
    }
    for (int s = 0; s < kSummaryRows; ++s) {
        std::vector<std::string> line{m_wording.said(summaryCaptions()[static_cast<std::size_t>(s)])};
        for (int c = 0; c < columns; ++c)
            line.push_back(summaryText(s, c));
        grid.push_back(std::move(line));
    }
    return grid;
}

std::vector<CellFill> TrendCells::fills() const {
    std::vector<CellFill> fills;
    for (int r = 0; r < m_trend.rowCount(); ++r)
        for (int c = 0; c < m_trend.columnCount(); ++c)
            if (m_trend.hit(r, c))
                fills.push_back({static_cast<std::size_t>(r) + 1, static_cast<std::size_t>(c) + 1, hitColour(c),
                                 kTrendHitTextRgb, true});
    return fills;
}

} // namespace quorvel
