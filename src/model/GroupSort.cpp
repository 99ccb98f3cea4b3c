// SPDX-License-Identifier: MIT
#include "model/GroupSort.h"

namespace quorvel {

std::optional<GroupSort> parseGroupSort(std::string_view text) {
    if (text == "min") return GroupSort::Min;
    if (text == "max") return GroupSort::Max;
    if (text == "last") return GroupSort::Last;
    if (text == "label") return GroupSort::Label;
    if (text == "p") return GroupSort::P;
    return std::nullopt;
}

} // namespace quorvel
