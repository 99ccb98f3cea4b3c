// SPDX-License-Identifier: MIT
#include "app/history/HistoryListing.h"

namespace quorvel {

Message HistoryListing::headerText(int column) {
    if (column == 0) return Message::core(QT_TRANSLATE_NOOP("Core", "期号"));
    if (column == 7) return Message::core(QT_TRANSLATE_NOOP("Core", "特码"));
    return Message::core(QT_TRANSLATE_NOOP("Core", "落%1码"), column);
}

int HistoryListing::columnWidthTwips(int column) { return column == 0 ? 820 : 600; }

std::string HistoryListing::cellText(int drawIndex, int column) const {
    const Draw& draw = m_draws.at(static_cast<std::size_t>(drawIndex));
    if (column == 0) return std::to_string(draw.issue);
    return std::to_string(draw.numbers.at(static_cast<std::size_t>(column - 1)));
}

} // namespace quorvel
