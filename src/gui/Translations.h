// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QCoreApplication;

namespace quorvel {

// The language the window speaks, from the locale: zh_HK (Traditional) under a zh_HK, zh_TW or zh_MO
// locale or a Traditional script, en under an English one, zh_CN otherwise (C and POSIX included).
QString windowLanguage();

// Loads the window's translation for its language (English is the source and needs none).
void installTranslations(QCoreApplication& application);

} // namespace quorvel
