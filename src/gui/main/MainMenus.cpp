// SPDX-License-Identifier: MIT
#include "gui/main/MainMenus.h"
#include "gui/shell/QtText.h"

#include "app/settings/Settings.h"
#include "gui/shell/Translations.h"
#include "model/Error.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quorvel {

namespace {

std::size_t baseSlot(Setting setting) { return setting == Setting::SxIni ? 0 : setting == Setting::DsIni ? 1 : 2; }

QMenu* namedMenu(const QString& name, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* namedEntry(QMenu* menu, const QString& name) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    return action;
}

// Each language is named in its own language, whatever the window speaks, so that a user who cannot read the
// current one still finds theirs.
const char* const kLanguageNames[3] = {"简体中文", "繁體中文", "English"};

} // namespace

MainMenus::MainMenus(QMainWindow& window, Settings& settings) : QObject(&window), m_settings(settings) {
    QMenuBar* bar = window.menuBar();
    m_setup = namedMenu(QStringLiteral("mnuSetup"), &window);
    m_texts.add(m_setup, QT_TR_NOOP("设置"));
    addBaseMenu(QStringLiteral("mnuSxCssetup"), QT_TR_NOOP("生肖(肖位)参数设置(&S)"), QStringLiteral("mnuSxcs"),
                Setting::SxIni);
    addBaseMenu(QStringLiteral("mnuDssetup"), QT_TR_NOOP("段数参数设置(&A)"), QStringLiteral("mnuDscs"),
                Setting::DsIni);
    addBaseMenu(QStringLiteral("mnuBssetup"), QT_TR_NOOP("波色参数设置(&B)"), QStringLiteral("mnuBscs"),
                Setting::BsIni);
    m_setup->addSeparator();
    m_texts.add(namedEntry(m_setup, QStringLiteral("mnuSetDay")), QT_TR_NOOP("历史号码更新检索年(&Y)"));
    addLanguageMenu();
    bar->addMenu(m_setup);

    m_history = namedMenu(QStringLiteral("mnuLsgl"), &window);
    m_texts.add(m_history, QT_TR_NOOP("历史管理"));
    m_texts.add(namedEntry(m_history, QStringLiteral("mnuErase")), QT_TR_NOOP("删除最后历史(&E)"));
    m_texts.add(namedEntry(m_history, QStringLiteral("mnuClear")), QT_TR_NOOP("清空历史号码(&C)"));
    m_texts.add(namedEntry(m_history, QStringLiteral("mnuDlzd")), QT_TR_NOOP("删除到选定期(&D)"));
    m_texts.add(namedEntry(m_history, QStringLiteral("mnuEszhzd")), QT_TR_NOOP("删除最后指定数量期历史(&E)"));
    m_texts.add(namedEntry(m_history, QStringLiteral("mnuDcls")), QT_TR_NOOP("导出历史号码(&O)"));
    m_texts.add(namedEntry(m_history, QStringLiteral("mnuRestore")), QT_TR_NOOP("恢复历史备份(&R)"));
    m_texts.add(namedEntry(m_history, QStringLiteral("mnuCheckHistory")), QT_TR_NOOP("检查历史号码(&K)"));
    bar->addMenu(m_history);

    // The windows that show every value at once.
    QMenu* charts = namedMenu(QStringLiteral("mnuChart"), &window);
    m_texts.add(charts, QT_TR_NOOP("图表"));
    m_table = namedEntry(charts, QStringLiteral("mnuTable"));
    m_texts.add(m_table, QT_TR_NOOP("遗漏总表"));
    m_trend = namedEntry(charts, QStringLiteral("mnuTrend"));
    m_texts.add(m_trend, QT_TR_NOOP("走势图"));
    m_backtest = namedEntry(charts, QStringLiteral("mnuBacktest"));
    m_texts.add(m_backtest, QT_TR_NOOP("回测"));
    bar->addMenu(charts);

    const std::array<std::tuple<QString, const char*, Setting>, 3> links{{
        {QStringLiteral("mnuHome"), QT_TR_NOOP("软件服务主页(&P)"), Setting::txtHomeUrl},
        {QStringLiteral("mnuIntro"), QT_TR_NOOP("软件介绍说明(&R)"), Setting::txtIntroUrl},
        {QStringLiteral("mnuVideo"), QT_TR_NOOP("软件演示说明录像下载(&D)"), Setting::txtVideoUrl},
    }};
    for (const auto& [name, caption, setting] : links) {
        QAction* action = bar->addAction(QString());
        action->setObjectName(name);
        m_texts.add(action, caption);
        connect(action, &QAction::triggered, this,
                [this, setting, action] { emit linkRequested(setting, action->text()); });
    }
}

QString MainMenus::baseCaption(Setting setting, int base) {
    static const std::array<std::array<const char*, 2>, 3> captions{{
        {QT_TRANSLATE_NOOP("quorvel::MainMenus", "生肖(肖位)参数0~11"),
         QT_TRANSLATE_NOOP("quorvel::MainMenus", "生肖(肖位)参数1~12")},
        {QT_TRANSLATE_NOOP("quorvel::MainMenus", "段数参数0~6"),
         QT_TRANSLATE_NOOP("quorvel::MainMenus", "段数参数1~7")},
        {QT_TRANSLATE_NOOP("quorvel::MainMenus", "波色参数0~2"),
         QT_TRANSLATE_NOOP("quorvel::MainMenus", "波色参数1~3")},
    }};
    return tr(captions[baseSlot(setting)][static_cast<std::size_t>(base)]);
}

void MainMenus::addBaseMenu(const QString& name, const char* title, const QString& itemName, Setting setting) {
    QMenu* menu = namedMenu(name, m_setup);
    m_texts.add(menu, title);
    auto* group = new QActionGroup(menu);
    for (int base = 0; base < 2; ++base) {
        QAction* item = menu->addAction(QString());
        m_texts.add([setting, base, item](const QString&) { item->setText(baseCaption(setting, base)); }, "");
        item->setObjectName(QStringLiteral("%1_%2").arg(itemName).arg(base));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, setting, base] { chooseBase(setting, base); });
        m_baseItems[baseSlot(setting)][static_cast<std::size_t>(base)] = item;
    }
    m_setup->addMenu(menu);
}

void MainMenus::addLanguageMenu() {
    QMenu* menu = namedMenu(QStringLiteral("mnuLanguage"), m_setup);
    m_texts.add(menu, QT_TR_NOOP("语言"));
    auto* group = new QActionGroup(menu);
    for (int index = 0; index < 3; ++index) {
        QAction* item = menu->addAction(QString::fromUtf8(kLanguageNames[index]));
        item->setObjectName(QStringLiteral("mnuLang_%1").arg(index));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, index] { chooseLanguage(index); });
        m_languages[static_cast<std::size_t>(index)] = item;
    }
    m_setup->addMenu(menu);
}

void MainMenus::chooseBase(Setting setting, int base) {
    try {
        m_settings.set(setting, std::to_string(base));
    } catch (const Error& error) {
        emit statusMessage(tr("The base was not saved: %1").arg(shownError(error)));
        m_baseItems[baseSlot(setting)][static_cast<std::size_t>(base)]->setChecked(true);
        return;
    }
    m_baseItems[baseSlot(setting)][static_cast<std::size_t>(base)]->setChecked(true);
    emit baseChosen();
}

void MainMenus::chooseLanguage(int index) {
    const QString language = windowLanguages().at(index);
    tickLanguage(language);
    // The window speaks the chosen language at once; a setting that cannot be saved only costs the next start.
    useLanguage(language);
    try {
        m_settings.set(Setting::txtLanguage, language.toStdString());
        // Said in the new language, so that no line of the one before stays on the status line.
        emit statusMessage(tr("Language: %1").arg(QString::fromUtf8(kLanguageNames[index])));
    } catch (const Error& error) {
        emit statusMessage(
            tr("The language is in use now but was not saved for the next start: %1").arg(shownError(error)));
    }
}

void MainMenus::tickLanguage(const QString& language) {
    const auto index = windowLanguages().indexOf(language);
    if (index >= 0) m_languages[static_cast<std::size_t>(index)]->setChecked(true);
}

void MainMenus::tickBases(const ParameterBases& bases) {
    m_baseItems[0][static_cast<std::size_t>(bases.zodiac)]->setChecked(true);
    m_baseItems[1][static_cast<std::size_t>(bases.segment)]->setChecked(true);
    m_baseItems[2][static_cast<std::size_t>(bases.colour)]->setChecked(true);
}

void MainMenus::retranslate() { m_texts.apply(); }

} // namespace quorvel
