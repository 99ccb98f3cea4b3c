// SPDX-License-Identifier: MIT
#pragma once

#include "model/OmissionStatistics.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

// The fuller figures of consecutive group rows packed into one byte string, so that a run's figures are stored
// as a few blobs instead of a table row per group. Each row takes a flags byte, its whole numbers as varints and
// only the chances it has (those equal to the row before are not repeated), typically about 20 bytes; every
// double is kept bit for bit.
class GroupFigurePacker {
  public:
    // Appends the figures of the next row.
    void add(const OmissionStatistics& figures);
    std::size_t rows() const { return m_rows; }
    const std::string& bytes() const { return m_bytes; }
    // Starts a new block (the first row of a block never refers to the row before).
    void clear();

  private:
    std::string m_bytes;
    std::size_t m_rows = 0;
    OmissionStatistics m_before;
};

// Reads back, row by row, what GroupFigurePacker packed. Raises std::runtime_error when the bytes end early or
// hold a flag no packer writes (a damaged blob).
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
};

} // namespace quorvel
