// SPDX-License-Identifier: MIT
#pragma once

#include "app/settings/SettingKeys.h"
#include "gui/shell/TranslatedTexts.h"
#include "model/ParameterBases.h"

#include <QObject>

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace quorvel {

class Settings;

// The menu bar: 设置 (mnuSetup: the zodiac, segment and colour bases, mnuSetDay, 语言 mnuLanguage), 历史管理 (mnuLsgl),
// 图表 (mnuChart: mnuTable, mnuTrend, mnuBacktest) and the three web links. Choosing a base saves it at once and ticks
// it; nothing else is recomputed here (baseChosen lets the window offer to derive the stored draws again). Choosing a
// language saves it and puts it in place at once.
class MainMenus : public QObject {
    Q_OBJECT
  public:
    MainMenus(QMainWindow& window, Settings& settings);

    // Ticks the item of each base in force (start-up; nothing is saved).
    void tickBases(const ParameterBases& bases);
    // Ticks the entry of the language in use (start-up; nothing is saved).
    void tickLanguage(const QString& language);
    // Shows the menus' captions in the language now in use.
    void retranslate();

    // The caption of item `base` (0 or 1) of the sub-menu of a base setting (SxIni, DsIni, BsIni).
    static QString baseCaption(Setting setting, int base);

    QMenu* setupMenu() const { return m_setup; }
    QMenu* historyMenu() const { return m_history; }
    // 图表 → 遗漏总表 (mnuTable), 走势图 (mnuTrend).
    QAction* tableEntry() const { return m_table; }
    QAction* trendEntry() const { return m_trend; }
    // 图表 → 回测 (mnuBacktest).
    QAction* backtestEntry() const { return m_backtest; }

  signals:
    // A web-link entry was chosen: the setting holding its address and the entry's caption.
    void linkRequested(Setting address, const QString& caption);
    void statusMessage(const QString& text);
    // A base was chosen from its sub-menu and saved.
    void baseChosen();

  private:
    // One base sub-menu: items 0 and 1 choose the base stored under the setting.
    void addBaseMenu(const QString& name, const char* title, const QString& itemName, Setting setting);
    void chooseBase(Setting setting, int base);
    // 语言: 简体中文 (mnuLang_0), 繁體中文 (mnuLang_1), English (mnuLang_2).
    void addLanguageMenu();
    void chooseLanguage(int index);

    Settings& m_settings;
    TranslatedTexts m_texts{"quorvel::MainMenus"};
    std::array<QAction*, 3> m_languages{};
    QMenu* m_setup = nullptr;
    QMenu* m_history = nullptr;
    QAction* m_table = nullptr;
    QAction* m_trend = nullptr;
    QAction* m_backtest = nullptr;
    std::array<std::array<QAction*, 2>, 3> m_baseItems{}; // zodiac, segment, colour
};

} // namespace quorvel
