// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quorvel {

// Who speaks: they differ only where the environment names no Chinese and no English locale.
enum class Speaker {
    Window,     // Simplified Chinese then: its users are Chinese players.
    CommandLine // English then: scripts parse its output.
};

// The language ("zh_HK", "zh_CN" or "en") of a locale name such as "zh_HK.UTF-8", "zh-Hant-TW" or "en_GB":
// zh_HK (Traditional) under zh_HK, zh_TW, zh_MO or a Traditional script (Hant), zh_CN under any other zh, en under
// en; under C, POSIX, an empty name or another language, zh_CN for the window and en for the command line.
std::string languageOfLocale(std::string_view locale, Speaker speaker);

// The locale whose language the messages take, as gettext chooses it: the first entry of LANGUAGE (a list such as
// "zh_HK:en"), unless the locale is C or POSIX; else LC_ALL, else LC_MESSAGES, else LANG; empty when none is set.
// `variable` reads one environment variable (null when unset).
using EnvironmentVariable = std::function<const char*(const char* name)>;
std::string messagesLocale(const EnvironmentVariable& variable);

// The language of `speaker` from this process's environment: languageOfLocale(messagesLocale()).
std::string languageFromEnvironment(Speaker speaker = Speaker::CommandLine);

} // namespace quorvel
