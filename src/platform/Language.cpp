// SPDX-License-Identifier: MIT
#include "platform/Language.h"

#include <cstdlib>

namespace quorvel {

std::string languageFromEnvironment() {
    std::string locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(name); value && *value) {
            locale = value;
            break;
        }
    if (locale.rfind("zh_HK", 0) == 0 || locale.rfind("zh_TW", 0) == 0) return "zh_HK";
    if (locale.rfind("zh", 0) == 0) return "zh_CN";
    return "en";
}

} // namespace quorvel
