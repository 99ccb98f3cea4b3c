// SPDX-License-Identifier: MIT
#include "app/history/ManualDrawCheck.h"

#include "app/choices/PositionSearchState.h"

namespace quorvel {

namespace {

// The entry box as the user knows it: its place in the row and the number it takes.
Message boxName(int box) {
    return box == 7 ? Message::core(QT_TRANSLATE_NOOP("Core", "box 7 (特码)"))
                    : Message::core(QT_TRANSLATE_NOOP("Core", "box %1 (落%1码)"), box);
}

ManualDrawCheck refused(int box, const Message& what) { return ManualDrawCheck{std::nullopt, box, what}; }

} // namespace

ManualDrawCheck checkManualDraw(const std::array<std::string, 7>& boxTexts) {
    std::array<int, 7> numbers{};
    for (int box = 1; box <= 7; ++box) {
        const std::string& text = boxTexts[static_cast<std::size_t>(box - 1)];
        if (text.find_first_not_of(' ') == std::string::npos)
            return refused(box, Message::core(QT_TRANSLATE_NOOP("Core", "The draw was not stored: %1 is empty; type "
                                                                        "its number."),
                                              boxName(box)));
        auto value = typedNumber(text);
        if (!value || *value < 1 || *value > 49)
            return refused(box, Message::core(QT_TRANSLATE_NOOP("Core", "The draw was not stored: %1 holds '%2'; a "
                                                                        "number is 1 to 49, correct it."),
                                              boxName(box), text));
        for (int earlier = 1; earlier < box; ++earlier)
            if (numbers[static_cast<std::size_t>(earlier - 1)] == *value)
                return refused(box, Message::core(QT_TRANSLATE_NOOP("Core", "The draw was not stored: %1 repeats %2 "
                                                                            "of %3; a draw holds each number once, "
                                                                            "correct one of them."),
                                                  boxName(box), *value, boxName(earlier)));
        numbers[static_cast<std::size_t>(box - 1)] = *value;
    }
    return ManualDrawCheck{numbers, 0, {}};
}

} // namespace quorvel
