// SPDX-License-Identifier: MIT
// The committed translation catalogues are complete: lupdate over src/ into copies of translations/*.ts finds no
// source text the catalogue lacks, no entry left unfinished and none whose source text is gone from the code. Each
// translation is written in its catalogue's own script, with that script's quotation marks.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include "ScriptForms.h"

namespace {

// The entries of a catalogue that are not finished translations of a text in the code, as
// "context | source: state" lines.
QStringList openEntries(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("%1: cannot be read").arg(path)};
    QStringList found;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QStringLiteral("name"))
            context = xml.readElementText();
        else if (xml.name() == QStringLiteral("source"))
            source = xml.readElementText();
        else if (xml.name() == QStringLiteral("translation")) {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            if (type == QStringLiteral("unfinished"))
                found << QStringLiteral("%1 | %2: unfinished or new").arg(context, source);
            else if (type == QStringLiteral("obsolete") || type == QStringLiteral("vanished"))
                found << QStringLiteral("%1 | %2: no longer in the code (%3)").arg(context, source, type);
        }
    }
    if (xml.hasError()) found << QStringLiteral("%1: not readable XML: %2").arg(path, xml.errorString());
    return found;
}

TEST(TranslationCatalogue, LupdateOverTheSourcesFindsNothingToDo) {
    const QDir committed(QStringLiteral(QUORVEL_TRANSLATIONS_DIR));
    const QStringList catalogues = committed.entryList({QStringLiteral("*.ts")}, QDir::Files);
    ASSERT_FALSE(catalogues.isEmpty()) << "no .ts file in " << QUORVEL_TRANSLATIONS_DIR;
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    for (const QString& name : catalogues) {
        SCOPED_TRACE(name.toStdString());
        const QString copy = work.filePath(name);
        ASSERT_TRUE(QFile::copy(committed.filePath(name), copy));
        // As the build's update_translations does, but keeping the entries whose source text is gone, so that
        // they can be named.
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(QUORVEL_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral(QUORVEL_SOURCE_DIR),
                       QStringLiteral("-ts"), copy});
        ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();
        const QStringList open = openEntries(copy);
        EXPECT_TRUE(open.isEmpty()) << open.size() << " entries to settle in translations/" << name.toStdString()
                                    << " (update_translations, then translate them or drop the stale ones):\n"
                                    << open.join(QLatin1Char('\n')).toStdString();
    }
}

// Every translation of a catalogue (each plural form on its own) as "context | source" and its text.
QList<QPair<QString, QString>> translationsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<QPair<QString, QString>> found;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QStringLiteral("name"))
            context = xml.readElementText();
        else if (xml.name() == QStringLiteral("source"))
            source = xml.readElementText();
        else if (xml.name() == QStringLiteral("translation") || xml.name() == QStringLiteral("numerusform")) {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!text.trimmed().isEmpty()) found.append({QStringLiteral("%1 | %2").arg(context, source), text});
        }
    }
    return found;
}

// What a Hong Kong text holds besides the other script: Chinese words in ASCII quotation marks where 「」 belong,
// and ASCII punctuation right after a Chinese character where the full-width mark belongs.
QStringList westernMarksIn(const QString& text) {
    static const QRegularExpression quoted(QStringLiteral(R"("[^"]*"|'[^']*')"));
    static const QRegularExpression chinese(QStringLiteral(R"(\p{Han})"));
    static const QRegularExpression afterChinese(QStringLiteral(R"(\p{Han}[,:;?!])"));
    QStringList found;
    for (auto match = quoted.globalMatch(text); match.hasNext();)
        if (const QString words = match.next().captured(); words.contains(chinese)) found << words;
    for (auto match = afterChinese.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    return found;
}

TEST(TranslationCatalogue, EachTextIsWrittenInItsOwnScript) {
    for (const QString& language : {QStringLiteral("zh_HK"), QStringLiteral("zh_CN")}) {
        SCOPED_TRACE(language.toStdString());
        const auto entries =
            translationsOf(QStringLiteral("%1/quorvel_%2.ts").arg(QStringLiteral(QUORVEL_TRANSLATIONS_DIR), language));
        ASSERT_FALSE(entries.isEmpty());
        QStringList wrong;
        for (const auto& [entry, text] : entries) {
            QStringList found;
            for (const std::string& form : quorvel::test::otherScriptIn(text.toStdString(), language.toStdString()))
                found << QString::fromStdString(form);
            if (language == QStringLiteral("zh_HK")) found << westernMarksIn(text);
            if (!found.isEmpty()) wrong << QStringLiteral("%1: %2").arg(entry, found.join(QLatin1Char(' ')));
        }
        EXPECT_TRUE(wrong.isEmpty()) << wrong.size() << " translations in quorvel_" << language.toStdString()
                                     << ".ts hold what that script does not write:\n"
                                     << wrong.join(QLatin1Char('\n')).toStdString();
    }
}

} // namespace
