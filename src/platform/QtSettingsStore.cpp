// SPDX-License-Identifier: MIT
#include "platform/QtSettingsStore.h"

#include "model/Error.h"
#include "model/PathText.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace quorvel {

namespace {

QString keyPath(std::string_view key) {
    return QStringLiteral("IniSetting/") + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

QtSettingsStore::QtSettingsStore(const std::filesystem::path& dataFolder)
    : m_settings(QString::fromStdString(pathText(dataFolder / kFileName)), QSettings::IniFormat) {}

std::optional<std::string> QtSettingsStore::read(std::string_view key) const {
    QVariant value = m_settings.value(keyPath(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
}

// How QSettings reads the file as it is now: no access to it (a folder in its place, say), or not a valid INI file
// (garbage, binary, another encoding than UTF-8).
QSettings::Status QtSettingsStore::fileStatus() const {
    const QFileInfo info(m_settings.fileName());
    if (!info.exists()) return QSettings::NoError;
    QFile file(info.filePath());
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) return QSettings::AccessError;
    // Qt keeps what it parsed of a file for the whole process and, while the file is unchanged, reports no error
    // for it again: a copy under a name of its own is parsed anew.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(file.readAll()) != info.size() || !copy.flush()) return QSettings::AccessError;
    QSettings parsed(copy.fileName(), QSettings::IniFormat);
    parsed.allKeys();
    return parsed.status();
}

Message QtSettingsStore::statusText(QSettings::Status status) {
    return status == QSettings::AccessError ? Message::core(QT_TRANSLATE_NOOP("Core", "no access"))
                                            : Message::core(QT_TRANSLATE_NOOP("Core", "not a valid INI file"));
}

std::optional<Message> QtSettingsStore::readFailure() const {
    const QSettings::Status status = fileStatus();
    if (status == QSettings::NoError) return std::nullopt;
    return Message::core(QT_TRANSLATE_NOOP("Core", "the settings file %1 could not be read (%2)"),
                         m_settings.fileName().toStdString(), statusText(status));
}

void QtSettingsStore::write(std::string_view key, const std::string& text) {
    // Saving rewrites the whole file from what QSettings understood of it: a file it could not read would
    // lose every setting it holds, so it is refused before anything is written.
    const QSettings::Status status = fileStatus();
    if (status != QSettings::NoError)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot save the setting %1: the settings file %2 could "
                                                            "not be read (%3); it was left as it is; correct it or "
                                                            "move it away (the defaults then apply)"),
                                  std::string(key), m_settings.fileName().toStdString(), statusText(status)));
    m_settings.setValue(keyPath(key), QString::fromStdString(text));
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot save the setting %1 to %2"), std::string(key),
                                  m_settings.fileName().toStdString()));
}

} // namespace quorvel
