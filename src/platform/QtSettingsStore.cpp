// SPDX-License-Identifier: MIT
#include "platform/QtSettingsStore.h"

#include "model/Error.h"

namespace quorvel {

namespace {

QString keyPath(std::string_view key) {
    return QStringLiteral("IniSetting/") + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

QtSettingsStore::QtSettingsStore(const std::filesystem::path& dataFolder)
    : m_settings(QString::fromStdString((dataFolder / kFileName).string()), QSettings::IniFormat) {}

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
        throw Error("cannot save the setting " + std::string(key) + ": the settings file " +
                    m_settings.fileName().toStdString() + " could not be read (" +
                    (current.status() == QSettings::AccessError ? "no access" : "not a valid INI file") +
                    "); it was left as it is; correct it or move it away (the defaults then apply)");
    m_settings.setValue(keyPath(key), QString::fromStdString(text));
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError)
        throw Error("cannot save the setting " + std::string(key) + " to " + m_settings.fileName().toStdString());
}

} // namespace quorvel
