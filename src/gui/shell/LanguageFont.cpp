// SPDX-License-Identifier: MIT
#include "gui/shell/LanguageFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace quorvel {

QStringList languageFaces(const QString& language) {
    if (language == QStringLiteral("zh_HK"))
        return {QStringLiteral("Noto Sans CJK HK"),   QStringLiteral("Source Han Sans HK"),
                QStringLiteral("Noto Sans CJK TC"),   QStringLiteral("Source Han Sans TC"),
                QStringLiteral("Microsoft JhengHei"), QStringLiteral("PingFang HK")};
    return {QStringLiteral("Noto Sans CJK SC"),    QStringLiteral("Source Han Sans SC"),
            QStringLiteral("Microsoft YaHei"),     QStringLiteral("PingFang SC"),
            QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei")};
}

void useLanguageFont(const QString& language) {
    // The family the application started with (as the system resolved it) stays first, so that Latin letters and digits
    // keep their widths (the entry boxes are as wide as two digits); the language's face comes next and draws every
    // character the first family lacks, the Chinese ones, before the system's own fallback could pick the Japanese
    // face.
    static const QString base = QFontInfo(QApplication::font()).family();
    const QStringList installed = QFontDatabase::families();
    QStringList families{base};
    for (const QString& face : languageFaces(language)) {
        if (!installed.contains(face)) continue;
        families << face;
        break;
    }
    QFont font = QApplication::font();
    font.setFamilies(families);
    // Qt keeps the fallback faces of a font by its first family, its size and its matching strategy, not by its
    // later families: each face gets a strategy of its own (neither changes how a scalable font is drawn), so that
    // a change of language does not go on drawing with the face of the language before.
    font.setStyleStrategy(language == QStringLiteral("zh_HK") ? QFont::PreferQuality : QFont::PreferMatch);
    QApplication::setFont(font);
}

} // namespace quorvel
