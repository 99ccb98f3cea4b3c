// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "model/ValueNames.h"

namespace quorvel {

class Settings;

// The languages the window speaks, as the setting txtLanguage stores them: 简体中文, 繁體中文 (Hong Kong), English.
const QStringList& windowLanguages();

// The language the window speaks: the chosen one (the setting txtLanguage) when it is one of windowLanguages(),
// else the locale's by the rule of languageOfLocale() (platform/Language.h) that the command line follows too:
// zh_HK (Traditional) under zh_HK, zh_TW, zh_MO or a Traditional script, en under English, zh_CN otherwise (C and
// POSIX included). Without a locale: the environment's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), else the system's.
QString windowLanguage(const QString& chosen, const QLocale& locale);
QString windowLanguage(const QString& chosen);

// Puts the window's and Qt's own translations of `language` (one of windowLanguages()) in place of the ones
// installed before; every widget then receives QEvent::LanguageChange. English is the source and needs none.
void useLanguage(const QString& language);

// Puts the language of the setting txtLanguage in place (the locale's when none is chosen): at start-up.
void useChosenLanguage(const Settings& settings);

// The language useLanguage() last put in place (empty before the first call).
QString languageInUse();

// The core's words as the window says them: captions through the installed translators, values' names in the
// language in use.
Wording windowWording();

} // namespace quorvel
