// SPDX-License-Identifier: MIT
#pragma once

#include "app/settings/SettingKeys.h"
#include "app/settings/SettingsStore.h"
#include "model/ParameterBases.h"

#include <optional>
#include <string>

namespace quorvel {

// Typed access to the persisted settings. A missing key, or a stored text that does not convert to
// the key's type and range, reads as the key's default.
class Settings {
  public:
    explicit Settings(SettingsStore& store) : m_store(store) {}

    bool boolean(Setting setting) const;
    int integer(Setting setting) const;
    std::string text(Setting setting) const;

    // The text a key reads as (stored and valid, else its default).
    std::string effectiveText(Setting setting) const;

    // Stores a value after checking it; throws Error with the reason when the text is not acceptable.
    void set(Setting setting, const std::string& text);

    ParameterBases bases() const;

    // Why the settings file could not be read, said as a warning: the settings it does not give take their
    // defaults. Nothing when it was read.
    std::optional<Message> readWarning() const;
    // Why a key reads as its default only because the settings file could not be read (the file was not read,
    // or not wholly, and did not give the key); nothing when its value was read or the file simply lacks it.
    std::optional<Message> unreadValue(Setting setting) const;

  private:
    SettingsStore& m_store;
};

} // namespace quorvel
