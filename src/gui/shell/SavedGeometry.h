// SPDX-License-Identifier: MIT
#pragma once

#include "app/settings/SettingKeys.h"

class QWidget;

namespace quorvel {

class Settings;

// A window's size and place kept in one setting, restored the first time it opens and saved when it hides.
class SavedGeometry {
  public:
    SavedGeometry(QWidget& window, Settings& settings, Setting key);

    // True when the window is already placed, by an earlier call or by the saved setting; false the first time
    // when nothing usable was saved, so the caller sizes the window itself.
    bool restoreOnce();
    // Keeps the window's size and place; a failure to write the setting is no reason to keep the window open.
    void save() noexcept;

  private:
    QWidget& m_window;
    Settings& m_settings;
    Setting m_key;
    bool m_placed = false;
};

} // namespace quorvel
