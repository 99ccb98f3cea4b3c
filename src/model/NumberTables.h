// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvel {

// Fixed classification of the numbers 1..49; every function expects 1 <= n <= 49.
int colourIndex(int n); // 0 red, 1 blue, 2 green
int segmentIndex(int n);
int headDigit(int n);
int tailDigit(int n);
int digitSum(int n);
int parityValue(int n); // 1 odd, 0 even

// Sign index (0 rat .. 11 pig) of number n in zodiac year z: numbers 1, 13, 25, 37, 49 carry the year's own sign.
int zodiacSignIndex(int n, int zodiacYear);

// Base list j: the numbers n with (n - 1) mod 12 = j, as two digits joined by "、".
const std::array<std::string, 12>& baseLists();

// The twelve zodiac lists of a year: list k names the numbers of sign k.
std::array<std::string, 12> zodiacLists(int zodiacYear);

// Number of draws of calendar year y that still belong to zodiac year y - 1 (0 when not listed).
int lunarNewYearEntry(int year);

// Zodiac year of an issue (year * 1000 + sequence): the previous year up to the lunar new-year entry.
int zodiacYearOfIssue(int issue);

} // namespace quorvel
