// SPDX-License-Identifier: MIT
#include "app/results/GridText.h"

namespace quorvel {

std::string tabSeparatedText(const CellGrid& cells) {
    std::string text;
    for (const auto& row : cells) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            if (column > 0) text += '\t';
            for (char c : row[column])
                text += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
        }
        text += '\n';
    }
    return text;
}

} // namespace quorvel
