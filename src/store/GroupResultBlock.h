// SPDX-License-Identifier: MIT
#pragma once

#include "model/GroupRow.h"
#include "store/GroupFigurePacking.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Consecutive rows of the group results made ready to store: the four columns of YL of each row and the rows'
// fuller figures packed as one blob of YLFigures. Making a block needs no store, so any thread may make one
// while another stores the blocks before it.
class GroupResultBlock {
  public:
    // Rows per block of a write (its figures are one blob): fewer where the write is cut smaller.
    static constexpr std::size_t kRows = 8192;

    // Room for `rows` rows of labels of about `labelBytes` characters, made before they are added.
    void reserve(std::size_t rows, std::size_t labelBytes);
    void add(const GroupRow& row);

    std::size_t rows() const { return m_columns.size(); }
    std::string_view content(std::size_t row) const;
    int min(std::size_t row) const { return m_columns[row].min; }
    int max(std::size_t row) const { return m_columns[row].max; }
    int last(std::size_t row) const { return m_columns[row].last; }
    // The packed fuller figures of all the rows (GroupFigureUnpacker reads them back).
    const std::string& figures() const { return m_figures.bytes(); }

  private:
    struct Columns {
        std::uint32_t contentEnd = 0; // in m_contents
        int min = 0;
        int max = 0;
        int last = 0;
    };
    std::string m_contents; // the rows' labels, one after the other
    std::vector<Columns> m_columns;
    GroupFigurePacker m_figures;
};

} // namespace quorvel
