// SPDX-License-Identifier: MIT
#include "gui/history/OnlineUpdate.h"

#include "app/Workspace.h"
#include "app/history/UpdateMessages.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/QtText.h"
#include "model/Error.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>

#include <exception>

namespace quorvel {

namespace {

const char* const kTitle = QT_TRANSLATE_NOOP("quorvel::OnlineUpdate", "读入历史");
const char* const kSiteTitle = QT_TRANSLATE_NOOP("quorvel::OnlineUpdate", "在线更新网址");

} // namespace

OnlineUpdate::OnlineUpdate(Workspace& workspace, Dialogs& dialogs, QWidget& window, QWidget& historyPanel,
                           QMenu& setupMenu)
    : QObject(&window), m_workspace(workspace), m_dialogs(dialogs), m_window(window),
      m_button(historyPanel.findChild<QPushButton*>(QStringLiteral("Command21"))),
      m_fetcher(PageFetcher::kDefaultTimeout, this) {
    if (m_button == nullptr) throw Error("the history panel has no button Command21");
    m_button->setEnabled(true);
    connect(m_button, &QPushButton::clicked, this, &OnlineUpdate::start);
    m_siteEntry = setupMenu.addAction(QString());
    m_siteEntry->setObjectName(QStringLiteral("mnuSite"));
    connect(m_siteEntry, &QAction::triggered, this, &OnlineUpdate::chooseSite);
    retranslate();
    m_fetcher.onPageStarted = [this](int index, int count, int year) { showProgress(index, count, year); };
    m_fetcher.onFinished = [this] { finish(); };
}

void OnlineUpdate::retranslate() { m_siteEntry->setText(tr("在线更新网址(&U)...")); }

void OnlineUpdate::start() {
    if (m_fetcher.running()) return;
    const std::string site = m_workspace.settings().text(Setting::txtUpdateSite);
    const QString title = tr(kTitle);
    if (site.empty()) {
        m_dialogs.warning(&m_window, title,
                          tr("Nothing was updated: no update site is set. Choose the menu 设置 → 在线更新网址 and give "
                             "the address the yearly pages are found under (for example "
                             "http://127.0.0.1:8080/85122/kj/, the page of 2014 then being .../2014.html)."));
        return;
    }
    if (auto problem = updateSiteProblem(site, UpdateSiteHint::Menu)) {
        m_dialogs.warning(&m_window, title, tr("Nothing was updated: %1").arg(shown(*problem)));
        return;
    }
    try {
        m_plan = m_workspace.history().planUpdate();
    } catch (const std::exception& error) {
        m_dialogs.warning(&m_window, title, tr("Nothing was updated: %1").arg(shownError(error)));
        return;
    }
    if (!m_dialogs.question(&m_window, title, shown(updateConfirmation(m_plan)))) return;
    if (m_plan.years().empty()) {
        m_dialogs.warning(&m_window, title,
                          tr("Nothing was updated: the latest stored draw, %1, is after the current year %2, so "
                             "there is no page to load.")
                              .arg(m_plan.lastStoredIssue)
                              .arg(m_plan.currentYear));
        return;
    }
    setRunning(true);
    m_progress = new QProgressDialog(QString(), tr("取消"), 0, static_cast<int>(m_plan.years().size()), &m_window);
    m_progress->setObjectName(QStringLiteral("updateProgress"));
    m_progress->setWindowTitle(title);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setAutoReset(false);
    m_progress->setAutoClose(false);
    connect(m_progress, &QProgressDialog::canceled, this, [this] { m_fetcher.cancel(); });
    m_fetcher.start(site, m_plan.years());
}

void OnlineUpdate::showProgress(int index, int count, int year) {
    if (m_progress == nullptr) return;
    m_progress->setLabelText(tr("Loading the page of %1: year %2 of %3").arg(year).arg(index).arg(count));
    m_progress->setValue(index - 1);
}

void OnlineUpdate::finish() {
    const QString title = tr(kTitle);
    QString report;
    bool failed = false;
    if (m_fetcher.cancelled()) {
        report = tr("The update was cancelled; the history was left unchanged.");
    } else {
        try {
            UpdateResult result = m_workspace.history().applyUpdate(m_plan, m_fetcher.pages());
            report = shown(updateSummary(result));
        } catch (const std::exception& error) {
            report = tr("The new draws were not stored; the history stays as it was:\n%1").arg(shownError(error));
            failed = true;
        }
    }
    m_progress->deleteLater();
    m_progress->hide();
    m_progress = nullptr;
    setRunning(false);
    emit statusMessage(report.section(QLatin1Char('\n'), 0, 0));
    if (failed)
        m_dialogs.warning(&m_window, title, report);
    else
        m_dialogs.message(&m_window, title, report);
}

void OnlineUpdate::setRunning(bool running) {
    m_button->setEnabled(!running);
    if (running)
        m_busy.emplace(&m_window, Qt::BusyCursor);
    else
        m_busy.reset();
}

void OnlineUpdate::chooseSite() {
    const QString current = fromStd(m_workspace.settings().text(Setting::txtUpdateSite));
    auto typed = m_dialogs.input(&m_window, tr(kSiteTitle),
                                 tr("在线更新的网址前缀（每年的网页为前缀 + 年份 + .html），例如 "
                                    "http://127.0.0.1:8080/85122/kj/"),
                                 current);
    if (!typed) return;
    const std::string site = typed->trimmed().toStdString();
    if (auto problem = updateSiteProblem(site, UpdateSiteHint::Menu); problem && !site.empty()) {
        m_dialogs.warning(&m_window, tr(kSiteTitle), tr("The address was not saved: %1").arg(shown(*problem)));
        return;
    }
    try {
        m_workspace.settings().set(Setting::txtUpdateSite, site);
    } catch (const std::exception& error) {
        m_dialogs.warning(&m_window, tr(kSiteTitle), tr("The address was not saved: %1").arg(shownError(error)));
        return;
    }
    emit statusMessage(site.empty() ? tr("The update site was cleared.")
                                    : tr("The update site is now %1.").arg(fromStd(site)));
}

} // namespace quorvel
