// SPDX-License-Identifier: MIT
#include "platform/QtSettingsStore.h"

#include "model/Error.h"
#include "model/PathText.h"

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

void QtSettingsStore::write(std::string_view key, const std::string& text) {
    // Saving rewrites the whole file from what QSettings understood of it: a file it could not read would
    // lose every setting it holds, so it is refused before anything is written.
    QSettings current(m_settings.fileName(), QSettings::IniFormat);
    current.allKeys();
    if (current.status() != QSettings::NoError)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot save the setting %1: the settings file %2 could "
                                                            "not be read (%3); it was left as it is; correct it or "
                                                            "move it away (the defaults then apply)"),
                                  std::string(key), m_settings.fileName().toStdString(),
                                  current.status() == QSettings::AccessError
                                      ? Message::core(QT_TRANSLATE_NOOP("Core", "no access"))
                                      : Message::core(QT_TRANSLATE_NOOP("Core", "not a valid INI file"))));
    m_settings.setValue(keyPath(key), QString::fromStdString(text));
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "cannot save the setting %1 to %2"), std::string(key),
                                  m_settings.fileName().toStdString()));
}

} // namespace quorvel
