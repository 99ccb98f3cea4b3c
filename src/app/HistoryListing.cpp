// SPDX-License-Identifier: MIT
#include "app/HistoryListing.h"

namespace quorvel {

std::string HistoryListing::headerText(int column) {
    if (column == 0) return "期号";
    if (column == 7) return "特码";
    return "落" + std::to_string(column) + "码";
}

int HistoryListing::columnWidthTwips(int column) { return column == 0 ? 820 : 600; }

std::string HistoryListing::cellText(int drawIndex, int column) const {
    const Draw& draw = m_draws.at(static_cast<std::size_t>(drawIndex));
    if (column == 0) return std::to_string(draw.issue);
    return std::to_string(draw.numbers.at(static_cast<std::size_t>(column - 1)));
}

} // namespace quorvel
