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

std::string halfWidthDigits(std::string_view text) {
    // In UTF-8 the full-width digits U+FF10..U+FF19 are EF BC 90..99, the ideographic space U+3000 E3 80 80.
    std::string narrow;
    narrow.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        const auto last = rest.size() >= 3 ? static_cast<unsigned char>(rest[2]) : 0;
        if (rest.starts_with("\xEF\xBC") && last >= 0x90 && last <= 0x99) {
            narrow += static_cast<char>('0' + (last - 0x90));
            i += 2;
        } else if (rest.starts_with("\xE3\x80\x80")) {
            narrow += ' ';
            i += 2;
        } else {
            narrow += text[i];
        }
    }
    return narrow;
}

ManualDrawCheck checkManualDraw(const std::array<std::string, 7>& boxTexts) {
    std::array<int, 7> numbers{};
    for (int box = 1; box <= 7; ++box) {
        const std::string& text = boxTexts[static_cast<std::size_t>(box - 1)];
        if (text.find_first_not_of(' ') == std::string::npos)
            return refused(box, Message::core(QT_TRANSLATE_NOOP("Core", "The draw was not stored: %1 is empty; type "
                                                                        "its number."),
                                              boxName(box)));
        auto value = typedNumber(halfWidthDigits(text));
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
