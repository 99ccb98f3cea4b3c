// SPDX-License-Identifier: MIT
#include "store/GroupResultBlock.h"

namespace quorvel {

void GroupResultBlock::reserve(std::size_t rows, std::size_t labelBytes) {
    m_contents.reserve(rows * labelBytes);
    m_columns.reserve(rows);
}

void GroupResultBlock::add(const GroupRow& row) {
    m_contents += row.content;
    m_columns.push_back(Columns{static_cast<std::uint32_t>(m_contents.size()), row.min, row.max, row.last});
    m_figures.add(row.statistics, row.last);
}

std::string_view GroupResultBlock::content(std::size_t row) const {
    const std::uint32_t begin = row ? m_columns[row - 1].contentEnd : 0;
    return std::string_view(m_contents).substr(begin, m_columns[row].contentEnd - begin);
}

} // namespace quorvel
