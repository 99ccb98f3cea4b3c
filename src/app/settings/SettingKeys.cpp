// SPDX-License-Identifier: MIT
#include "app/settings/SettingKeys.h"

#include "model/AttributeKind.h"

#include <charconv>

namespace quorvel {

namespace {

const std::vector<SettingKey> kKeys{
    {Setting::bolZyw, "bolZyw", SettingType::Boolean, "True", 0, 0, ""},
    {Setting::intLei, "intLei", SettingType::Integer, "0", 0, 7, ""},
    {Setting::intIdfTm, "intIdfTm", SettingType::Integer, "1", 0, 1, ""},
    {Setting::DsIni, "DsIni", SettingType::Integer, "1", 0, 1, ""},
    {Setting::SxIni, "SxIni", SettingType::Integer, "1", 0, 1, ""},
    {Setting::BsIni, "BsIni", SettingType::Integer, "1", 0, 1, ""},
    {Setting::bolZhpm, "bolZhpm", SettingType::Boolean, "False", 0, 0, ""},
    // Any 16-bit part size is kept as typed; outside 1..6 the partial search simply finds nothing.
    {Setting::intZhWSetup, "intZhWSetup", SettingType::Integer, "2", -32768, 32767, ""},
    {Setting::bolLdm, "bolLdm", SettingType::Boolean, "True", 0, 0, ""},
    {Setting::IniSerchDay, "IniSerchDay", SettingType::Integer, "6", 2, 16,
     QT_TRANSLATE_NOOP("Core", "为了保证时效性和提高计算效率，软件只能统计16年以内的数据，请输入2到16中的自然数。")},
    {Setting::txtUpdateSite, "txtUpdateSite", SettingType::Text, "", 0, 0, ""},
    {Setting::txtHomeUrl, "txtHomeUrl", SettingType::Text, "", 0, 0, ""},
    {Setting::txtIntroUrl, "txtIntroUrl", SettingType::Text, "", 0, 0, ""},
    {Setting::txtVideoUrl, "txtVideoUrl", SettingType::Text, "", 0, 0, ""},
    {Setting::bolNoLimit, "bolNoLimit", SettingType::Boolean, "False", 0, 0, ""},
    {Setting::bolGapFromRange, "bolGapFromRange", SettingType::Boolean, "False", 0, 0, ""},
    {Setting::txtTableGeometry, "txtTableGeometry", SettingType::Text, "", 0, 0, ""},
    {Setting::txtTrendGeometry, "txtTrendGeometry", SettingType::Text, "", 0, 0, ""},
    {Setting::intWinLeft, "intWinLeft", SettingType::Integer, "0", -32768, 32767, ""},
    {Setting::intWinTop, "intWinTop", SettingType::Integer, "0", -32768, 32767, ""},
    {Setting::intWinWidth, "intWinWidth", SettingType::Integer, "0", 0, 32767, ""},
    {Setting::intWinHeight, "intWinHeight", SettingType::Integer, "0", 0, 32767, ""},
    {Setting::bolWinMax, "bolWinMax", SettingType::Boolean, "False", 0, 0, ""},
    {Setting::txtLanguage, "txtLanguage", SettingType::Text, "", 0, 0, ""},
    // Sizes outside 1..6 are kept only with 不限组数; the calculation then says why it makes no group.
    {Setting::intGroupSize, "intGroupSize", SettingType::Integer, "2", -32768, 32767, ""},
    {Setting::intLeiMore, "intLeiMore", SettingType::Integer, "0", 0, kAllKindCount - kKindCount, ""},
};

} // namespace

const SettingKey& settingKey(Setting setting) { return kKeys[static_cast<std::size_t>(setting)]; }

const std::vector<SettingKey>& allSettingKeys() { return kKeys; }

std::optional<Setting> findSetting(std::string_view name) {
    for (const auto& key : kKeys)
        if (key.name == name) return key.setting;
    return std::nullopt;
}

std::optional<bool> parseBooleanText(std::string_view text) {
    if (text == "True" || text == "true" || text == "-1" || text == "1") return true;
    if (text == "False" || text == "false" || text == "0") return false;
    return std::nullopt;
}

std::optional<int> parseIntegerText(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

std::optional<Message> settingProblem(const SettingKey& key, std::string_view text) {
    std::string name(key.name);
    switch (key.type) {
    case SettingType::Boolean:
        if (text != "True" && text != "False")
            return Message::core(QT_TRANSLATE_NOOP("Core", "%1 takes True or False, not '%2'"), name,
                                 std::string(text));
        return std::nullopt;
    case SettingType::Integer: {
        auto value = parseIntegerText(text);
        if (value && *value >= key.minimum && *value <= key.maximum) return std::nullopt;
        if (!key.rangeMessage.empty()) return Message::core(key.rangeMessage.data());
        return Message::core(QT_TRANSLATE_NOOP("Core", "%1 takes a whole number from %2 to %3, not '%4'"), name,
                             key.minimum, key.maximum, std::string(text));
    }
    case SettingType::Text: return std::nullopt;
    }
    return std::nullopt;
}

} // namespace quorvel
