// SPDX-License-Identifier: MIT
#include "gui/MainMenus.h"

#include "app/Settings.h"
#include "gui/QtText.h"
#include "model/Error.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quorvel {

namespace {

std::size_t baseSlot(Setting setting) { return setting == Setting::SxIni ? 0 : setting == Setting::DsIni ? 1 : 2; }

QMenu* namedMenu(const QString& name, const QString& title, QWidget* parent) {
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* namedEntry(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

MainMenus::MainMenus(QMainWindow& window, Settings& settings) : QObject(&window), m_settings(settings) {
    QMenuBar* bar = window.menuBar();
    m_setup = namedMenu(QStringLiteral("mnuSetup"), QStringLiteral("设置"), &window);
    addBaseMenu(QStringLiteral("mnuSxCssetup"), QStringLiteral("生肖(肖位)参数设置(&S)"), QStringLiteral("mnuSxcs"),
                Setting::SxIni);
    addBaseMenu(QStringLiteral("mnuDssetup"), QStringLiteral("段数参数设置(&A)"), QStringLiteral("mnuDscs"),
                Setting::DsIni);
    addBaseMenu(QStringLiteral("mnuBssetup"), QStringLiteral("波色参数设置(&B)"), QStringLiteral("mnuBscs"),
                Setting::BsIni);
    m_setup->addSeparator();
    namedEntry(m_setup, QStringLiteral("mnuSetDay"), QStringLiteral("历史号码更新检索年(&Y)"));
    bar->addMenu(m_setup);

    m_history = namedMenu(QStringLiteral("mnuLsgl"), QStringLiteral("历史管理"), &window);
    namedEntry(m_history, QStringLiteral("mnuErase"), QStringLiteral("删除最后历史(&E)"));
    namedEntry(m_history, QStringLiteral("mnuClear"), QStringLiteral("清空历史号码(&C)"));
    namedEntry(m_history, QStringLiteral("mnuDlzd"), QStringLiteral("删除到选定期(&D)"));
    namedEntry(m_history, QStringLiteral("mnuEszhzd"), QStringLiteral("删除最后指定数量期历史(&E)"));
    namedEntry(m_history, QStringLiteral("mnuDcls"), QStringLiteral("导出历史号码(&O)"));
    namedEntry(m_history, QStringLiteral("mnuRestore"), QStringLiteral("恢复历史备份(&R)"));
    bar->addMenu(m_history);

    // The windows that show every value at once.
    QMenu* charts = namedMenu(QStringLiteral("mnuChart"), QStringLiteral("图表"), &window);
    m_table = namedEntry(charts, QStringLiteral("mnuTable"), QStringLiteral("遗漏总表"));
    m_trend = namedEntry(charts, QStringLiteral("mnuTrend"), QStringLiteral("走势图"));
    m_backtest = namedEntry(charts, QStringLiteral("mnuBacktest"), QStringLiteral("回测"));
    bar->addMenu(charts);

    const std::array<std::tuple<QString, QString, Setting>, 3> links{{
        {QStringLiteral("mnuHome"), QStringLiteral("软件服务主页(&P)"), Setting::txtHomeUrl},
        {QStringLiteral("mnuIntro"), QStringLiteral("软件介绍说明(&R)"), Setting::txtIntroUrl},
        {QStringLiteral("mnuVideo"), QStringLiteral("软件演示说明录像下载(&D)"), Setting::txtVideoUrl},
    }};
    for (const auto& [name, caption, setting] : links) {
        QAction* action = bar->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, setting, caption] { emit linkRequested(setting, caption); });
    }
}

QString MainMenus::baseCaption(Setting setting, int base) {
    static const std::array<std::array<QString, 2>, 3> captions{{
        {QStringLiteral("生肖(肖位)参数0~11"), QStringLiteral("生肖(肖位)参数1~12")},
        {QStringLiteral("段数参数0~6"), QStringLiteral("段数参数1~7")},
        {QStringLiteral("波色参数0~2"), QStringLiteral("波色参数1~3")},
    }};
    return captions[baseSlot(setting)][static_cast<std::size_t>(base)];
}

void MainMenus::addBaseMenu(const QString& name, const QString& title, const QString& itemName, Setting setting) {
    QMenu* menu = namedMenu(name, title, m_setup);
    auto* group = new QActionGroup(menu);
    for (int base = 0; base < 2; ++base) {
        QAction* item = menu->addAction(baseCaption(setting, base));
        item->setObjectName(QStringLiteral("%1_%2").arg(itemName).arg(base));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, setting, base] { chooseBase(setting, base); });
        m_baseItems[baseSlot(setting)][static_cast<std::size_t>(base)] = item;
    }
    m_setup->addMenu(menu);
}

void MainMenus::chooseBase(Setting setting, int base) {
    try {
        m_settings.set(setting, std::to_string(base));
    } catch (const Error& error) {
        emit statusMessage(QStringLiteral("The base was not saved: %1").arg(shownError(error)));
        m_baseItems[baseSlot(setting)][static_cast<std::size_t>(base)]->setChecked(true);
        return;
    }
    m_baseItems[baseSlot(setting)][static_cast<std::size_t>(base)]->setChecked(true);
    emit baseChosen();
}

void MainMenus::tickBases(const ParameterBases& bases) {
    m_baseItems[0][static_cast<std::size_t>(bases.zodiac)]->setChecked(true);
    m_baseItems[1][static_cast<std::size_t>(bases.segment)]->setChecked(true);
    m_baseItems[2][static_cast<std::size_t>(bases.colour)]->setChecked(true);
}

} // namespace quorvel
