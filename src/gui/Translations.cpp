// SPDX-License-Identifier: MIT
#include "gui/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace quorvel {

QString windowLanguage() {
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::English) return QStringLiteral("en");
    if (locale.language() == QLocale::Chinese &&
        (locale.script() == QLocale::TraditionalChineseScript || locale.territory() == QLocale::HongKong ||
         locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::Macao))
        return QStringLiteral("zh_HK");
    return QStringLiteral("zh_CN");
}

void installTranslations(QCoreApplication& application) {
    const QString language = windowLanguage();
    if (language == QStringLiteral("en")) return;
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral(":/i18n/quorvel_%1.qm").arg(language)))
        QCoreApplication::installTranslator(translator);
}

} // namespace quorvel
