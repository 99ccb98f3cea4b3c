// SPDX-License-Identifier: MIT
#include "model/NumberTables.h"

#include "model/AttributeKind.h"

#include <map>

namespace quorvel {

namespace {

constexpr std::array<int, 50> kColour = {
    -1,                            //
    0,  0, 1, 1, 2, 2, 0, 0, 1, 1, // 1..10
    2,  0, 0, 1, 1, 2, 2, 0, 0, 1, // 11..20
    2,  2, 0, 0, 1, 1, 2, 2, 0, 0, // 21..30
    1,  2, 2, 0, 0, 1, 1, 2, 2, 0, // 31..40
    1,  1, 2, 2, 0, 0, 1, 1, 2,    // 41..49
};

int positiveMod(int value, int modulus) { return ((value % modulus) + modulus) % modulus; }

} // namespace

int colourIndex(int n) { return kColour.at(static_cast<std::size_t>(n)); }
int segmentIndex(int n) { return (n - 1) / 7; }
int headDigit(int n) { return n / 10; }
int tailDigit(int n) { return n % 10; }
int digitSum(int n) { return headDigit(n) + tailDigit(n); }
int parityValue(int n) { return n & 1; }

int zodiacSignIndex(int n, int zodiacYear) { return positiveMod(zodiacYear - 1972 - (n - 1), 12); }

const std::array<std::string, 12>& baseLists() {
    static const std::array<std::string, 12> lists = [] {
        std::array<std::string, 12> built;
        for (int n = 1; n <= 49; ++n) {
            std::string& list = built[static_cast<std::size_t>((n - 1) % 12)];
            if (!list.empty()) list += "、";
            list += twoDigits(n);
        }
        return built;
    }();
    return lists;
}

std::array<std::string, 12> zodiacLists(int zodiacYear) {
    std::array<std::string, 12> lists;
    for (int k = 0; k < 12; ++k)
        lists[static_cast<std::size_t>(k)] =
            baseLists()[static_cast<std::size_t>(positiveMod(zodiacYear - 1972 - k, 12))];
    return lists;
}

int lunarNewYearEntry(int year) {
    // 2018 onwards counted from the real draw dates: the draws of January and February before the new year.
    static const std::map<int, int> entries{
        {2001, 10}, {2002, 18}, {2003, 13}, {2004, 9},  {2005, 16}, {2006, 12}, {2007, 20}, {2008, 16}, {2009, 10},
        {2010, 19}, {2011, 16}, {2012, 9},  {2013, 16}, {2014, 13}, {2015, 21}, {2016, 16}, {2017, 11}, {2018, 16},
        {2019, 14}, {2020, 7},  {2021, 12}, {2022, 3},  {2023, 8},  {2024, 16}, {2025, 10}, {2026, 19},
    };
    auto found = entries.find(year);
    return found == entries.end() ? 0 : found->second;
}

int zodiacYearOfIssue(int issue) {
    int year = issue / 1000;
    int sequence = issue % 1000;
    return sequence - lunarNewYearEntry(year) <= 0 ? year - 1 : year;
}

} // namespace quorvel
