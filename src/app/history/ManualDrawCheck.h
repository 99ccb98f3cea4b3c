// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// A draw typed into the seven entry boxes, or why it cannot be stored.
struct ManualDrawCheck {
    std::optional<std::array<int, 7>> numbers; // drawn order, the special number last
    int box = 0;                               // 1..7: the box that is wrong
    Message problem;                           // names the box and says what to correct
};

// The text with the full-width digits a Chinese input method types (０..９) and its full-width space written as
// the ASCII digits and space they are, so that "０１" reads as 01; every other character is kept.
std::string halfWidthDigits(std::string_view text);

// Checks the texts of the boxes 1..7 (digits as typed, ASCII or full-width, without the mask's blanks): every box
// must hold a number 1..49 and no number may appear twice.
ManualDrawCheck checkManualDraw(const std::array<std::string, 7>& boxTexts);

} // namespace quorvel
