// SPDX-License-Identifier: MIT
#include "gui/history/HistoryManagement.h"

#include "app/Workspace.h"
#include "app/history/HistoryCheckReport.h"
#include "app/settings/Settings.h"
#include "gui/history/HistoryPanel.h"
#include "gui/history/ManualEntryRow.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/QtText.h"
#include "gui/shell/WaitCursor.h"
#include "model/Error.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

#include <exception>

namespace quorvel {

namespace {

const char* const kDeleteTitle = QT_TRANSLATE_NOOP("quorvel::HistoryManagement", "删除期数");
const char* const kDeleteUntilPrompt =
    QT_TRANSLATE_NOOP("quorvel::HistoryManagement", "请输入需要删除到的期数，例如‘2014016’");
const char* const kDeleteCountPrompt = QT_TRANSLATE_NOOP(
    "quorvel::HistoryManagement", "请输入需要删除最后多少期历史号码（例如输入3，那么就将删除最后的3期历史号码）");
const char* const kClearTitle = QT_TRANSLATE_NOOP("quorvel::HistoryManagement", "确认清空");
const char* const kClearQuestion = QT_TRANSLATE_NOOP("quorvel::HistoryManagement", "确定要清空所有的历史号码吗？");
const char* const kYearsTitle = QT_TRANSLATE_NOOP("quorvel::HistoryManagement", "设置年数");
const char* const kYearsPrompt = QT_TRANSLATE_NOOP(
    "quorvel::HistoryManagement",
    "请输入更新需要保留的历史号码的年数（2~16中的任意自然数），如果超过年数将删除最早的一年的历史号码");
const char* const kWrongInputTitle = QT_TRANSLATE_NOOP("quorvel::HistoryManagement", "输入有误");
const char* const kRestoreTitle = QT_TRANSLATE_NOOP("quorvel::HistoryManagement", "恢复历史备份");

QString removedDraw(const Draw& draw) {
    QStringList numbers;
    for (int number : draw.numbers)
        numbers << QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    return HistoryManagement::tr("Deleted the draw of issue %1: %2 (special number %3);")
        .arg(draw.issue)
        .arg(numbers.mid(0, 6).join(QLatin1Char(' ')), numbers.at(6));
}

} // namespace

HistoryManagement::HistoryManagement(Workspace& workspace, Dialogs& dialogs, QWidget& window, HistoryPanel& panel,
                                     QMenu& historyMenu)
    : QObject(&window), m_workspace(workspace), m_dialogs(dialogs), m_window(window), m_panel(panel),
      m_menu(historyMenu) {
    auto* deleteButton = panel.findChild<QPushButton*>(QStringLiteral("Command3"));
    if (deleteButton == nullptr) throw Error("the history panel has no button Command3");
    connect(deleteButton, &QPushButton::clicked, this, &HistoryManagement::deleteLatest);
    connect(&entry("mnuErase"), &QAction::triggered, this, &HistoryManagement::deleteLatest);
    connect(&entry("mnuClear"), &QAction::triggered, this, &HistoryManagement::clearAll);
    connect(&entry("mnuDlzd"), &QAction::triggered, this, &HistoryManagement::keepUntilChosen);
    connect(&entry("mnuEszhzd"), &QAction::triggered, this, &HistoryManagement::deleteLatestCount);
    connect(&entry("mnuSetDay"), &QAction::triggered, this, &HistoryManagement::chooseYears);
    connect(&entry("mnuRestore"), &QAction::triggered, this, &HistoryManagement::restoreBackup);
    connect(&entry("mnuCheckHistory"), &QAction::triggered, this, &HistoryManagement::checkHistory);
    panel.grid()->viewport()->installEventFilter(this);
}

QAction& HistoryManagement::entry(const char* name) const {
    auto* action = m_window.findChild<QAction*>(QString::fromLatin1(name));
    if (action == nullptr) throw Error(std::string("the window has no menu entry ") + name);
    return *action;
}

bool HistoryManagement::eventFilter(QObject* watched, QEvent* event) {
    // The menu opens when the right button is released over the list, as the list's own design has it.
    if (watched == m_panel.grid()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            m_dialogs.popup(m_menu, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool HistoryManagement::runRemoval(const QString& title, const std::function<MaintenanceResult()>& removal,
                                   const QString& done) {
    MaintenanceResult result;
    try {
        WaitCursor wait;
        result = removal();
    } catch (const std::exception& error) {
        m_dialogs.warning(&m_window, title,
                          tr("Nothing was removed; the history stays as it was:\n%1").arg(shownError(error)));
        return false;
    }
    QString status = tr("%1 %2 draws remain.").arg(done).arg(result.remaining);
    // The draw removed by name, so that a slip of the finger is seen at once and can be typed in again.
    if (result.removed) status = tr("%1 %2 draws remain.").arg(removedDraw(*result.removed)).arg(result.remaining);
    if (result.backup) status += tr(" The history as it was is saved in %1").arg(fromPath(*result.backup));
    emit statusMessage(status);
    if (!result.compactionProblem.empty())
        m_dialogs.warning(&m_window, title,
                          tr("The draws were removed, but the store file could not be compacted afterwards:\n%1")
                              .arg(shown(result.compactionProblem)));
    return true;
}

void HistoryManagement::deleteLatest() {
    if (!runRemoval(
            tr("删除最后历史"), [this] { return m_workspace.maintenance().deleteLatestDraw(); },
            tr("Deleted the latest draw;")))
        return;
    m_panel.entry()->box(1)->setFocus();
}

void HistoryManagement::clearAll() {
    if (!m_dialogs.question(&m_window, tr(kClearTitle), tr(kClearQuestion))) return;
    runRemoval(
        plainCaption(entry("mnuClear").text()), [this] { return m_workspace.maintenance().clearHistory(); },
        tr("Cleared the history;"));
}

std::optional<int> HistoryManagement::askNumber(const QString& title, const QString& prompt,
                                                const QString& defaultText) {
    auto answer = m_dialogs.input(&m_window, title, prompt, defaultText);
    if (!answer || answer->trimmed().isEmpty()) return std::nullopt;
    bool whole = false;
    const int number = answer->trimmed().toInt(&whole);
    if (!whole) {
        m_dialogs.warning(&m_window, tr(kWrongInputTitle),
                          tr("'%1' is not a whole number; nothing was removed.").arg(answer->trimmed()));
        return std::nullopt;
    }
    return number;
}

void HistoryManagement::keepUntilChosen() {
    std::optional<int> latest;
    try {
        latest = m_workspace.history().latestIssue();
    } catch (const std::exception& error) {
        m_dialogs.warning(&m_window, tr(kDeleteTitle), tr("The history could not be read: %1").arg(shownError(error)));
        return;
    }
    auto issue = askNumber(tr(kDeleteTitle), tr(kDeleteUntilPrompt), QString::number(latest.value_or(0)));
    if (!issue) return;
    runRemoval(
        tr(kDeleteTitle), [this, issue] { return m_workspace.maintenance().keepUntil(*issue); },
        tr("Kept the draws up to issue %1;").arg(*issue));
}

void HistoryManagement::deleteLatestCount() {
    auto count = askNumber(tr(kDeleteTitle), tr(kDeleteCountPrompt), QStringLiteral("1"));
    if (!count) return;
    runRemoval(
        tr(kDeleteTitle), [this, count] { return m_workspace.maintenance().deleteLatestDraws(*count); },
        tr("Deleted the latest %1 draws;").arg(*count));
}

void HistoryManagement::chooseYears() {
    Settings& settings = m_workspace.settings();
    const SettingKey& key = settingKey(Setting::IniSerchDay);
    for (;;) {
        const QString current = QString::number(settings.integer(Setting::IniSerchDay));
        auto answer = m_dialogs.input(&m_window, tr(kYearsTitle), tr(kYearsPrompt), current);
        if (!answer || answer->trimmed().isEmpty()) return;
        const std::string text = answer->trimmed().toStdString();
        if (auto problem = settingProblem(key, text)) {
            m_dialogs.warning(&m_window, tr(kWrongInputTitle), shown(*problem));
            continue;
        }
        try {
            settings.set(Setting::IniSerchDay, text);
        } catch (const std::exception& error) {
            m_dialogs.warning(&m_window, tr(kYearsTitle),
                              tr("The number of years was not saved: %1").arg(shownError(error)));
            return;
        }
        emit statusMessage(tr("The online update keeps the draws of the latest %1 years.").arg(fromStd(text)));
        return;
    }
}

void HistoryManagement::checkHistory() {
    const QString title = plainCaption(entry("mnuCheckHistory").text());
    HistoryHoles holes;
    try {
        WaitCursor wait;
        holes = m_workspace.history().checkHistory();
    } catch (const std::exception& error) {
        m_dialogs.warning(&m_window, title, shownError(error));
        return;
    }
    m_dialogs.message(&m_window, title, shown(historyCheckReport(holes, UpdateSiteHint::Menu)));
}

void HistoryManagement::restoreBackup() {
    const std::filesystem::path folder = m_workspace.maintenance().safetyCopyFolder();
    if (m_workspace.maintenance().safetyCopies().empty()) {
        m_dialogs.warning(&m_window, tr(kRestoreTitle),
                          tr("There is no safety copy in %1 yet: one is written there before every change that "
                             "removes draws.")
                              .arg(QDir::toNativeSeparators(fromPath(folder))));
        return;
    }
    auto chosen = m_dialogs.openFile(&m_window, tr(kRestoreTitle), fromPath(folder), tr("Text(*.txt)"));
    if (chosen) emit restoreRequested(*chosen);
}

} // namespace quorvel
