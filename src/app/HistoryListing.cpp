// SPDX-License-Identifier: MIT
#include "app/HistoryListing.h"

#include <SQLiteCpp/Statement.h>

namespace quorvel {

HistoryListing HistoryListing::load(HistoryStore& store) {
    SQLite::Statement query(store.database(), "SELECT SQQH, L1A, L2A, L3A, L4A, L5A, L6A, L7A FROM Lishi ORDER BY IDX");
    std::vector<Draw> draws;
    while (query.executeStep()) {
        Draw draw{query.getColumn(0).getInt(), {}};
        for (int p = 0; p < 7; ++p)
            draw.numbers[static_cast<std::size_t>(p)] = query.getColumn(p + 1).getInt();
        draws.push_back(draw);
    }
    return HistoryListing(std::move(draws));
}

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
