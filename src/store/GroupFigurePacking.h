// SPDX-License-Identifier: MIT
#pragma once

#include "model/OmissionStatistics.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The fuller figures of consecutive group rows packed into one byte string, so that a run's figures are stored
// as a few blobs instead of a table row per group. Each row takes its flags and whole numbers as varints and
// only the chances it has; what repeats is not written again: the hit rate of the row before, the chance of
// the last row with the same last omission, and an average that is the run's span over the hits. Every double
// reads back bit for bit; anything that does not repeat exactly is written whole.
class GroupFigurePacker {
  public:
    // Appends the figures of the next row, whose last omission is `last`.
    void add(const OmissionStatistics& figures, int last);
    std::size_t rows() const { return m_rows; }
    const std::string& bytes() const { return m_bytes; }
    // Starts a new block (the first row of a block never refers to a row before).
    void clear();

  private:
    std::string m_bytes;
    std::size_t m_rows = 0;
    OmissionStatistics m_before;
    long long m_span = -1; // of the last average written as a span (-1: none yet)
    // The chance of an omission at least as long as each last omission, as last written in this block.
    std::vector<double> m_atLeast;
    std::vector<std::uint32_t> m_atLeastBlock; // the block each entry of m_atLeast belongs to
    std::uint32_t m_block = 1;
};

// Reads back, row by row, what GroupFigurePacker packed. Raises std::runtime_error when the bytes end early or
// refer to something they never held (a damaged blob).
class GroupFigureUnpacker {
  public:
    explicit GroupFigureUnpacker(std::string_view bytes) : m_bytes(bytes) {}
    OmissionStatistics next();

  private:
    long long varint();
    double real();

    std::string_view m_bytes;
    std::size_t m_at = 0;
    OmissionStatistics m_before;
    bool m_first = true;
    long long m_span = -1;
    std::vector<double> m_atLeast;
    std::vector<bool> m_atLeastKnown;
};

} // namespace quorvel
