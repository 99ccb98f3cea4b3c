// SPDX-License-Identifier: MIT
#pragma once

#include "app/SettingKeys.h"
#include "model/ParameterBases.h"

#include <QObject>

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace quorvel {

class Settings;

// The menu bar: 设置 (mnuSetup: the zodiac, segment and colour bases, mnuSetDay), 历史管理 (mnuLsgl) and the
// three web links. Choosing a base saves it at once and ticks it; nothing else is recomputed.
class MainMenus : public QObject {
    Q_OBJECT
  public:
    MainMenus(QMainWindow& window, Settings& settings);

    // Ticks the item of each base in force (start-up; nothing is saved).
    void tickBases(const ParameterBases& bases);

    QMenu* setupMenu() const { return m_setup; }
    QMenu* historyMenu() const { return m_history; }

  signals:
    // A web-link entry was chosen: the setting holding its address and the entry's caption.
    void linkRequested(Setting address, const QString& caption);
    void statusMessage(const QString& text);

  private:
    // One base sub-menu: items 0 and 1 choose the base stored under the setting.
    void addBaseMenu(const QString& name, const QString& title, const QString& itemName,
                     const std::array<QString, 2>& captions, Setting setting);
    void chooseBase(Setting setting, int base);

    Settings& m_settings;
    QMenu* m_setup = nullptr;
    QMenu* m_history = nullptr;
    std::array<std::array<QAction*, 2>, 3> m_baseItems{}; // zodiac, segment, colour
};

} // namespace quorvel
