// SPDX-License-Identifier: MIT
#include "platform/Language.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace quorvel {

namespace {

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

bool isPlainLocale(std::string_view locale) {
    const std::string name = lowered(locale.substr(0, locale.find_first_of(".@")));
    return name.empty() || name == "c" || name == "posix";
}

} // namespace

std::string languageOfLocale(std::string_view locale, Speaker speaker) {
    // "zh_HK.UTF-8@euro" -> "zh_hk"; BCP 47 names ("zh-Hant-TW") are read like POSIX ones.
    std::string name = lowered(locale.substr(0, locale.find_first_of(".@")));
    std::replace(name.begin(), name.end(), '-', '_');
    const std::string_view language = std::string_view(name).substr(0, name.find('_'));
    if (language == "zh") {
        const std::string parts = name + "_";
        for (const char* traditional : {"_hk_", "_tw_", "_mo_", "_hant_"})
            if (parts.find(traditional) != std::string::npos) return "zh_HK";
        return "zh_CN";
    }
    if (language == "en") return "en";
    return speaker == Speaker::Window ? "zh_CN" : "en";
}

std::string messagesLocale(const EnvironmentVariable& variable) {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = variable(name); value && *value) {
            locale = value;
            break;
        }
    // gettext reads LANGUAGE only when a locale other than C is in force: under C a script keeps its English.
    if (const char* list = variable("LANGUAGE"); list && *list && !isPlainLocale(locale)) {
        const std::string_view entries(list);
        const std::string_view first = entries.substr(0, entries.find(':'));
        if (!first.empty()) return std::string(first);
    }
    return locale;
}

std::string languageFromEnvironment(Speaker speaker) {
    return languageOfLocale(messagesLocale([](const char* name) { return std::getenv(name); }), speaker);
}

} // namespace quorvel
