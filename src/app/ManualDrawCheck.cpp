// SPDX-License-Identifier: MIT
#include "app/ManualDrawCheck.h"

#include "app/PositionSearchState.h"

namespace quorvel {

namespace {

std::string boxName(int box) {
    return "box " + std::to_string(box) + (box == 7 ? " (特码)" : " (落" + std::to_string(box) + "码)");
}

ManualDrawCheck refused(int box, const std::string& what) {
    return ManualDrawCheck{std::nullopt, box, "The draw was not stored: " + boxName(box) + " " + what + "."};
}

} // namespace

ManualDrawCheck checkManualDraw(const std::array<std::string, 7>& boxTexts) {
    std::array<int, 7> numbers{};
    for (int box = 1; box <= 7; ++box) {
        const std::string& text = boxTexts[static_cast<std::size_t>(box - 1)];
        if (text.find_first_not_of(' ') == std::string::npos) return refused(box, "is empty; type its number");
        auto value = typedNumber(text);
        if (!value || *value < 1 || *value > 49)
            return refused(box, "holds '" + text + "'; a number is 1 to 49, correct it");
        for (int earlier = 1; earlier < box; ++earlier)
            if (numbers[static_cast<std::size_t>(earlier - 1)] == *value)
                return refused(box, "repeats " + std::to_string(*value) + " of " + boxName(earlier) +
                                        "; a draw holds each number once, correct one of them");
        numbers[static_cast<std::size_t>(box - 1)] = *value;
    }
    return ManualDrawCheck{numbers, 0, ""};
}

} // namespace quorvel
