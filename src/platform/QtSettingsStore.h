// SPDX-License-Identifier: MIT
#pragma once

#include "app/settings/SettingsStore.h"

#include <QSettings>

#include <filesystem>

namespace quorvel {

// Settings kept in VOLMIRAD.ini in the data folder, group IniSetting, every value as text.
class QtSettingsStore : public SettingsStore {
  public:
    static constexpr const char* kFileName = "VOLMIRAD.ini";

    explicit QtSettingsStore(const std::filesystem::path& dataFolder);

    std::optional<std::string> read(std::string_view key) const override;
    void write(std::string_view key, const std::string& text) override;
    // The file is read anew each time, so that one corrected meanwhile counts as read.
    std::optional<Message> readFailure() const override;

  private:
    QSettings::Status fileStatus() const;
    static Message statusText(QSettings::Status status);

    mutable QSettings m_settings;
};

} // namespace quorvel
