// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace quorvel {

// The CJK faces that draw the characters of a window language as its readers write them, best first: the
// Simplified faces under zh_CN and English, the Hong Kong then the Taiwan faces under zh_HK. The Japanese face
// is never among them: it would draw characters the languages share (直 骨 角 ...) in Japanese shapes.
QStringList languageFaces(const QString& language);

// Makes the application font take its CJK characters from the first of languageFaces(language) the system has,
// behind the family it started with; without any of them the font stays that family.
void useLanguageFont(const QString& language);

} // namespace quorvel
