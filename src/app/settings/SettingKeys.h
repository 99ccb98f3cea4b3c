// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Every persisted setting; the names are the keys of the settings file.
enum class Setting {
    bolZyw,        // free positions (true) or fixed positions
    intLei,        // attribute kind index 0..7
    intIdfTm,      // 1: a free-position search also counts the special number
    DsIni,         // segment base
    SxIni,         // zodiac base
    BsIni,         // colour base
    bolZhpm,       // partial-search scope: regular positions only (true) or with the special number
    intZhWSetup,   // part size of the partial search
    bolLdm,        // drawn order (true) or sorted order
    IniSerchDay,   // years of history the online update keeps
    txtUpdateSite, // the online update's site prefix (the page of year y is the prefix + y + ".html")
    txtHomeUrl,    // web-link addresses of the main menu
    txtIntroUrl,
    txtVideoUrl,
    bolNoLimit,       // 不限组数: the group calculation without its size limits (up to the group ceiling)
    bolGapFromRange,  // 遗漏从起始期计: the first gap of min and max counts from the range's first draw
    txtTableGeometry, // the omission table window's size and place (Qt's saved geometry, base64)
    txtTrendGeometry, // the trend window's size and place, the same way
    intWinLeft,       // the main window's remembered place (its frame's top left) and size when not maximised;
    intWinTop,        // a width or height of 0: none remembered
    intWinWidth,
    intWinHeight,
    bolWinMax,    // the main window was maximised when it was closed
    txtLanguage,  // the window's language: zh_CN, zh_HK or en; empty: from the desktop's locale
    intGroupSize, // 组合位数: the group size of the group calculation, chosen or typed
    intLeiMore, // 更多类别: 0 none (the kind of intLei), 1..6 the kinds worked out from the numbers, in their order
};

enum class SettingType { Boolean, Integer, Text };

// One key with its type, default text and, for integers, the accepted range.
struct SettingKey {
    Setting setting;
    std::string_view name;
    SettingType type;
    std::string_view defaultText;
    int minimum = 0;
    int maximum = 0;
    std::string_view rangeMessage; // shown when a value is refused; empty: a generic message
};

const SettingKey& settingKey(Setting setting);
const std::vector<SettingKey>& allSettingKeys();
std::optional<Setting> findSetting(std::string_view name);

// Why a text is not an acceptable value of a key, or nothing when it is.
std::optional<Message> settingProblem(const SettingKey& key, std::string_view text);

// Conversions of stored texts; nothing when the text does not convert.
std::optional<bool> parseBooleanText(std::string_view text);
std::optional<int> parseIntegerText(std::string_view text);

} // namespace quorvel
