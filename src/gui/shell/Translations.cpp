// SPDX-License-Identifier: MIT
#include "gui/shell/Translations.h"

#include "app/settings/Settings.h"
#include "gui/shell/LanguageFont.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QTranslator>

#include <cstdlib>
#include <memory>
#include <vector>

namespace quorvel {

namespace {

// The translators in place, owned here so that a change of language can take them out again.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

QString& current() {
    static QString language;
    return language;
}

// Qt ships no catalogue for Hong Kong: its Traditional one is Taiwan's, whose button texts are the same.
QString qtCatalogue(const QString& language) {
    return language == QStringLiteral("zh_HK") ? QStringLiteral("zh_TW") : language;
}

// Qt's Traditional catalogue as Hong Kong writes it: Taiwan's forms that Hong Kong writes otherwise (啟 → 啓) are
// mended on the way out, so that Qt's own buttons (開啓, 儲存) agree with the program's texts.
class HongKongQtTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override {
        QString text = QTranslator::translate(context, source, disambiguation, n);
        text.replace(QChar(0x555F), QChar(0x5553));
        return text;
    }
};

} // namespace

const QStringList& windowLanguages() {
    static const QStringList languages{QStringLiteral("zh_CN"), QStringLiteral("zh_HK"), QStringLiteral("en")};
    return languages;
}

QString windowLanguage(const QString& chosen, const QLocale& locale) {
    if (windowLanguages().contains(chosen)) return chosen;
    return QString::fromStdString(languageOfLocale(locale.name().toStdString(), Speaker::Window));
}

QString windowLanguage(const QString& chosen) {
    if (windowLanguages().contains(chosen)) return chosen;
    // The environment's variables where it sets them (as the command line reads them), else the system's locale
    // (Windows and macOS keep it outside the environment).
    const std::string locale = messagesLocale([](const char* name) { return std::getenv(name); });
    if (!locale.empty()) return QString::fromStdString(languageOfLocale(locale, Speaker::Window));
    return windowLanguage(chosen, QLocale::system());
}

void useLanguage(const QString& language) {
    // Each removal and installation tells every widget; the last one leaves them all in the new language.
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    current() = language;
    // The characters the languages share take the shapes of this one.
    useLanguageFont(language);
    if (language == QStringLiteral("en")) {
        // With no translator left to remove, the widgets still need to hear that the language changed.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
        return;
    }
    for (const QString& file : {QStringLiteral(":/i18n/qtbase_%1.qm").arg(qtCatalogue(language)),
                                QStringLiteral(":/i18n/quorvel_%1.qm").arg(language)}) {
        std::unique_ptr<QTranslator> translator;
        if (language == QStringLiteral("zh_HK") && file.contains(QStringLiteral("qtbase")))
            translator = std::make_unique<HongKongQtTranslator>();
        else
            translator = std::make_unique<QTranslator>();
        if (!translator->load(file)) continue;
        QCoreApplication::installTranslator(translator.get());
        installed().push_back(std::move(translator));
    }
}

void useChosenLanguage(const Settings& settings) {
    useLanguage(windowLanguage(QString::fromStdString(settings.text(Setting::txtLanguage))));
}

QString languageInUse() { return current(); }

Wording windowWording() {
    Wording wording;
    if (!current().isEmpty()) wording.language = current().toStdString();
    wording.translate = [](const std::string& context, const std::string& text) {
        return QCoreApplication::translate(context.c_str(), text.c_str()).toStdString();
    };
    return wording;
}

} // namespace quorvel
