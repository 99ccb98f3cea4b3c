// SPDX-License-Identifier: MIT
#include "gui/main/MainWindow.h"

#include "app/Workspace.h"
#include "app/history/HistoryListing.h"
#include "app/history/ImportSummary.h"
#include "app/history/ManualDrawCheck.h"
#include "app/history/NextIssueDisplay.h"
#include "gui/charts/OmissionChart.h"
#include "gui/grids/GridCopy.h"
#include "gui/history/HistoryChangeWatcher.h"
#include "gui/history/HistoryExports.h"
#include "gui/history/HistoryManagement.h"
#include "gui/history/HistoryPanel.h"
#include "gui/history/ManualEntryRow.h"
#include "gui/history/OnlineUpdate.h"
#include "gui/history/ShippedHistory.h"
#include "gui/history/StoredBasesCheck.h"
#include "gui/history/WelcomeHint.h"
#include "gui/main/AnalysisController.h"
#include "gui/main/CombinationPanel.h"
#include "gui/main/DetailPanel.h"
#include "gui/main/MainMenus.h"
#include "gui/main/OptionsPanel.h"
#include "gui/main/ResultsPanel.h"
#include "gui/main/SelectionBar.h"
#include "gui/main/WindowContent.h"
#include "gui/print/GridSources.h"
#include "gui/print/ViewOutput.h"
#include "gui/shell/BusyScope.h"
#include "gui/shell/QtText.h"
#include "gui/shell/Translations.h"
#include "gui/views/BacktestWindow.h"
#include "gui/views/TableWindow.h"
#include "gui/views/TrendWindow.h"
#include "platform/DesktopLinks.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QUrl>

#include <exception>

namespace quorvel {

namespace {

const char* const kImportTitle = QT_TRANSLATE_NOOP("quorvel::MainWindow", "读入历史");
const char* const kImportQuestion =
    QT_TRANSLATE_NOOP("quorvel::MainWindow", "确实要读入最新历史号码吗？点击'确认'读入,点击'取消'"
                                             "放弃该操作。确要读入请保证安装目录下存在历史号码的文本文件文件。"
                                             "读取时可能要花费一段时间,请耐心等候！");
const char* const kWrongInput = QT_TRANSLATE_NOOP("quorvel::MainWindow", "输入有误");

// Small enough for every screen the window supports, 1024x768 with a taskbar and 1920x1080 at 200% (960x540
// in the window's pixels) included; below the content's own size the content scrolls.
constexpr QSize kMinimumSize(640, 400);

} // namespace

MainWindow::MainWindow(Workspace& workspace, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_workspace(workspace), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("frmMain"));
    setProperty("busy", false);

    m_history = new HistoryPanel(shippedHistoryFile(), this);
    m_options = new OptionsPanel(workspace, this);
    m_combinations = new CombinationPanel(this);
    m_results = new ResultsPanel(this);
    auto* chart = new OmissionChart(this);
    setCentralWidget(
        new WindowContent({m_history, m_options, m_combinations, chart, m_results, m_results->detail()}, this));
    setMinimumSize(kMinimumSize);
    m_menus = new MainMenus(*this, workspace.settings());
    m_bases = new StoredBasesCheck(workspace, dialogs, *this);
    statusBar();
    // Check boxes and option buttons react to clicks on their indicator and caption only; kept at their
    // natural width, a click anywhere on one lands there.
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (!qobject_cast<QCheckBox*>(button) && !qobject_cast<QRadioButton*>(button)) continue;
        QSizePolicy policy = button->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Maximum);
        policy.setVerticalPolicy(QSizePolicy::Fixed);
        button->setSizePolicy(policy);
    }

    connect(m_options, &OptionsPanel::kindChosen, this, [this](AttributeKind kind) { layoutCombinations(kind); });
    connect(m_options, &OptionsPanel::statusMessage, this, &MainWindow::showStatus);
    connect(m_menus, &MainMenus::statusMessage, this, &MainWindow::showStatus);
    connect(m_menus, &MainMenus::linkRequested, this, &MainWindow::openLink);
    connect(m_menus, &MainMenus::baseChosen, m_bases, &StoredBasesCheck::afterBaseChosen);
    connect(m_menus->tableEntry(), &QAction::triggered, this, &MainWindow::openTable);
    connect(m_menus->trendEntry(), &QAction::triggered, this, &MainWindow::openTrend);
    connect(m_menus->backtestEntry(), &QAction::triggered, this, &MainWindow::openBacktest);
    connect(m_bases, &StoredBasesCheck::statusMessage, this, &MainWindow::showStatus);
    connect(m_options, &OptionsPanel::setupRequested, this,
            [this] { m_dialogs.popup(*m_menus->setupMenu(), QCursor::pos()); });
    connect(m_history->importButton(), &QPushButton::clicked, this, &MainWindow::importFromUser);
    connect(m_history->welcome(), &WelcomeHint::importRequested, this, &MainWindow::importFile);
    connect(m_history->entry(), &ManualEntryRow::drawTyped, this, &MainWindow::storeTypedDraw);
    connectHistoryManagement();
    // Ctrl+C on every grid; the result grids also offer 复制 on a right click (the history list's right
    // click opens the history management).
    new GridCopy(*m_history->grid(), nullptr);
    m_results->offerCopy(dialogs);
    offerOutputs();
    m_update = new OnlineUpdate(workspace, dialogs, *this, *m_history, *m_menus->setupMenu());
    connect(m_update, &OnlineUpdate::statusMessage, this, &MainWindow::showStatus);
    m_analyses = new AnalysisController(workspace, dialogs, *this, {m_options, m_combinations, m_results, chart});
    connect(m_analyses, &AnalysisController::statusMessage, this, &MainWindow::showStatus);
    connect(m_combinations, &CombinationPanel::statusMessage, this, &MainWindow::showStatus);
    auto* selections = new SelectionBar(workspace, dialogs, *m_combinations);
    m_combinations->addRow(selections);
    connect(selections, &SelectionBar::statusMessage, this, &MainWindow::showStatus);

    m_subscription = m_workspace.history().subscribe([this](HistoryChange change) { showChangedHistory(change); });
    resize(1280, 800);
    retranslate();
    startUp();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate() {
    setWindowTitle(tr("quorvel 六合彩遗漏分析"));
    m_menus->retranslate();
    m_update->retranslate();
    if (m_analyses) m_analyses->retitleChart();
    // The status line was written in the language before: it stays until the next action writes one, but the
    // warning about the stored bases is said again at once.
    showStatus(m_statusText);
}

void MainWindow::setEngine(EngineKind engine) { m_analyses->setEngine(engine); }

void MainWindow::startUp() {
    BusyScope busy(this, std::nullopt);
    try {
        showNextIssue();
        m_options->startUp();
        m_menus->tickBases(m_workspace.settings().bases());
        m_menus->tickLanguage(windowLanguage(fromStd(m_workspace.settings().text(Setting::txtLanguage))));
        showHistory();
        QStringList notes;
        if (const auto& aside = m_workspace.logSetAside())
            notes << tr("A leftover log file of another history was found beside the store and set aside as %1 "
                        "before anything was read; your history is as it was.")
                         .arg(fromPath(*aside));
        if (const auto& note = m_workspace.storeIdentityNote()) notes << shown(*note);
        if (auto warning = m_workspace.settings().readWarning()) notes << shown(*warning);
        showStatus(notes.join(QStringLiteral("　")));
    } catch (const std::exception& error) {
        showStatus(tr("The history could not be read: %1").arg(shownError(error)));
    }
}

void MainWindow::connectHistoryManagement() {
    auto* management = new HistoryManagement(m_workspace, m_dialogs, *this, *m_history, *m_menus->historyMenu());
    connect(management, &HistoryManagement::restoreRequested, this, &MainWindow::restoreSafetyCopy);
    connect(management, &HistoryManagement::statusMessage, this, &MainWindow::showStatus);
    auto* exports = new HistoryExports(m_workspace, m_dialogs, *this, *m_history);
    connect(exports, &HistoryExports::statusMessage, this, &MainWindow::showStatus);
    m_watcher = new HistoryChangeWatcher(m_workspace, *this);
    // The stored group results are not the history: the list and the grids stay, the status bar tells.
    connect(m_watcher, &HistoryChangeWatcher::storedResultsChanged, this, [this] {
        showStatus(tr("Another program stored new group results (分组计算); the history did not change, so the list "
                      "and the results shown stay as they are."));
    });
}

void MainWindow::showHistory() {
    HistoryListing listing = m_workspace.history().historyListing();
    m_history->welcome()->setVisible(listing.drawCount() == 0);
    m_history->showHistory(std::move(listing));
    emit historyShown();
}

void MainWindow::offerOutputs() {
    auto say = [this](const QString& text) { showStatus(text); };
    m_results->offerOutputs(
        m_dialogs, m_workspace.dataFolder(),
        [this](const Message& view) { return analysisPrintTitle(view, optionChoices()); }, say);
    // The history list's right click opens the history management: its menu takes the entries.
    QTableView* list = m_history->grid();
    auto* output = new ViewOutput(
        *list, m_dialogs, m_workspace.dataFolder(), list->objectName(),
        [this, list]() -> std::optional<PrintedGrid> {
            const Message view = Message::core(QT_TRANSLATE_NOOP("Core", "Draw history"));
            PrintTitle title{view, std::nullopt, {}, std::nullopt, {}};
            const auto first = m_workspace.history().firstIssue();
            const auto latest = m_workspace.history().latestIssue();
            if (first && latest) title.range = IssueRange{*first, *latest};
            PrintedGrid grid = modelGrid(*list->model(), list->font(), printTitleText(title));
            grid.fileStem = printFileStemText(view, latest);
            return grid;
        },
        say);
    output->addEntries(*m_menus->historyMenu());
    // The chart beside the results: a picture of it as it is shown.
    if (auto* chart = findChild<OmissionChart*>(QStringLiteral("chtOmission"))) {
        auto* pictures = new ViewOutput(
            *chart, m_dialogs, m_workspace.dataFolder(), chart->objectName(),
            [this, chart]() -> std::optional<PrintedGrid> {
                const Message view = Message::core(QT_TRANSLATE_NOOP("Core", "Omission chart"));
                const PrintTitle title = analysisPrintTitle(view, optionChoices());
                PrintedGrid grid = chartGrid(*chart, printTitleText(title));
                grid.fileStem =
                    printFileStemText(view, title.range ? std::optional<int>(title.range->end) : std::nullopt);
                return grid;
            },
            say);
        pictures->offerMenuOn(*chart->viewport());
    }
}

AnalysisChoices MainWindow::optionChoices() const {
    AnalysisChoices choices;
    m_options->readChoices(choices);
    return choices;
}

void MainWindow::openTable() {
    if (!m_table) {
        m_table = new TableWindow(
            m_workspace, m_dialogs, [this] { return optionChoices(); }, this);
        connect(this, &MainWindow::historyShown, m_table, [this] {
            if (m_table->isVisible()) m_table->recount();
        });
    }
    m_table->open();
}

void MainWindow::openTrend() {
    if (!m_trend) {
        m_trend = new TrendWindow(
            m_workspace, m_dialogs, [this] { return optionChoices(); }, this);
        connect(this, &MainWindow::historyShown, m_trend, [this] {
            if (m_trend->isVisible()) m_trend->recount();
        });
    }
    m_trend->open();
}

void MainWindow::openBacktest() {
    if (!m_backtest) {
        m_backtest = new BacktestWindow(
            m_workspace, m_dialogs,
            [this] {
                // The choices a group calculation would take now.
                AnalysisChoices choices = optionChoices();
                choices.ticked = m_combinations->ticks();
                choices.groupSize = m_combinations->applyGroupSize();
                return choices;
            },
            [this] { return m_combinations->noLimit(); }, this);
        connect(this, &MainWindow::historyShown, m_backtest, &BacktestWindow::historyChanged);
    }
    m_backtest->open();
}

void MainWindow::showNextIssue() {
    NextIssueDisplay display = nextIssueDisplay(m_workspace.history().latestIssue(), m_workspace.clock().currentYear());
    m_history->setNextIssueText(fromStd(display.nextIssueText));
    m_options->showNextIssue(display);
    // The zodiac tips of the combination boxes follow the zodiac year of the next issue.
    layoutCombinations(m_options->kind());
}

void MainWindow::layoutCombinations(AttributeKind kind) {
    try {
        m_combinations->layoutFor(kind, m_workspace.bases(), m_workspace.history().nextIssue());
    } catch (const std::exception& error) {
        showStatus(tr("The history could not be read: %1").arg(shownError(error)));
    }
}

void MainWindow::showChangedHistory(HistoryChange change) {
    switch (change) {
    case HistoryChange::Updated:
        try {
            showHistory();
            m_options->followHistoryUpdate();
            showNextIssue();
        } catch (const std::exception& error) {
            showStatus(tr("The history was updated but could not be shown again: %1").arg(shownError(error)));
        }
        return;
    case HistoryChange::Cleared:
        try {
            showHistory();
            // The prompt names the issue the next typed draw is stored under, also after clearing.
            showNextIssue();
        } catch (const std::exception& error) {
            showStatus(tr("The history list could not be shown again: %1").arg(shownError(error)));
        }
        return;
    case HistoryChange::Changed:
    case HistoryChange::Elsewhere: break;
    }
    try {
        showHistory();
        showNextIssue();
    } catch (const std::exception& error) {
        showStatus(tr("The history changed but could not be shown again: %1").arg(shownError(error)));
    }
    m_options->refreshSearch();
    if (change == HistoryChange::Elsewhere)
        showStatus(tr("Another program changed the history; the list was read again."));
}

void MainWindow::importFromUser() {
    if (!m_dialogs.question(this, tr(kImportTitle), tr(kImportQuestion))) return;
    const QString folder = fromPath(m_workspace.dataFolder() / textPath("历史号码"));
    auto chosen = m_dialogs.openFile(this, tr("读取历史号文本"), folder, tr("Text(*.txt)"));
    if (!chosen) return;
    if (!chosen->endsWith(QStringLiteral("txt"), Qt::CaseInsensitive)) {
        showStatus(tr("Nothing was read: %1 is not a history text file (its name must end in .txt).")
                       .arg(QFileInfo(*chosen).fileName()));
        return;
    }
    importFile(*chosen);
}

void MainWindow::importFile(const QString& file) {
    readHistoryFile(
        file, [this](const std::filesystem::path& path) { return m_workspace.history().importHistoryFile(path); });
}

void MainWindow::restoreSafetyCopy(const QString& file) {
    readHistoryFile(
        file, [this](const std::filesystem::path& path) { return m_workspace.maintenance().restoreSafetyCopy(path); });
}

void MainWindow::readHistoryFile(const QString& file,
                                 const std::function<ImportResult(const std::filesystem::path&)>& read) {
    QString report;
    bool imported = false;
    bool wasEmpty = false;
    {
        BusyScope busy(this);
        try {
            wasEmpty = !m_workspace.history().latestIssue();
            ImportResult result = read(toPath(file));
            report = shown(importSummary(result, QFileInfo(file).fileName().toStdString()));
            imported = true;
        } catch (const std::exception& error) {
            report = tr("The history was not read and stays as it was:\n%1").arg(shownError(error));
        }
        if (imported) {
            // A first history: the range covers it from its first draw, not from a start typed for none.
            if (wasEmpty) m_options->showWholeRange();
        }
    }
    if (imported) showStatus(report.section(QLatin1Char('\n'), 0, 0));
    if (imported)
        m_dialogs.message(this, tr(kImportTitle), report);
    else
        m_dialogs.warning(this, tr(kImportTitle), report);
}

void MainWindow::storeTypedDraw() {
    ManualEntryRow* entry = m_history->entry();
    ManualDrawCheck check = checkManualDraw(entry->typedTexts());
    if (!check.numbers) {
        m_dialogs.warning(this, tr(kWrongInput), shown(check.problem));
        entry->refuse(check.box);
        return;
    }
    AddResult added;
    try {
        added = m_workspace.history().addDraw(std::nullopt, *check.numbers);
    } catch (const std::exception& error) {
        m_dialogs.warning(this, tr(kWrongInput), tr("The draw was not stored: %1").arg(shownError(error)));
        entry->focusBox(1);
        return;
    }
    entry->clearAndRestart();
    QStringList numbers;
    for (int number : *check.numbers)
        numbers << QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    // The numbers as stored, so that a slip of the finger is seen at once.
    showStatus(tr("Stored the draw of issue %1: %2 (special number %3).")
                   .arg(added.issue)
                   .arg(numbers.mid(0, 6).join(QLatin1Char(' ')), numbers.at(6)));
}

void MainWindow::openLink(Setting address, const QString& caption) {
    std::string url = m_workspace.settings().text(address);
    const QString name = plainCaption(caption);
    if (url.empty()) {
        // No address yet: the user gives it here, and it is kept for the next time.
        auto typed = m_dialogs.input(this, name,
                                     tr("No address is set for %1 yet. Type the address of its web page (starting "
                                        "with http:// or https://); it is kept for the next time.")
                                         .arg(name),
                                     QString());
        if (!typed || typed->trimmed().isEmpty()) return;
        const QUrl page(typed->trimmed(), QUrl::StrictMode);
        // Only a web page: the desktop would hand any other scheme (a file, a program) to whatever handles it.
        if (!page.isValid() || page.host().isEmpty() ||
            (page.scheme() != QStringLiteral("http") && page.scheme() != QStringLiteral("https"))) {
            m_dialogs.warning(this, name,
                              tr("The address was not saved: '%1' is not a web address; it starts with http:// or "
                                 "https://.")
                                  .arg(typed->trimmed()));
            return;
        }
        url = typed->trimmed().toStdString();
        try {
            m_workspace.settings().set(address, url);
        } catch (const std::exception& error) {
            m_dialogs.warning(this, name, tr("The address was not saved: %1").arg(shownError(error)));
            return;
        }
    }
    if (!openWebAddress(url))
        m_dialogs.warning(
            this, name,
            tr("The desktop could not open %1 (%2): no web browser took the address.").arg(fromStd(url), name));
}

void MainWindow::showStatus(const QString& text) {
    m_statusText = text;
    const QString warning = m_bases->warning();
    statusBar()->showMessage(warning.isEmpty() ? text
                             : text.isEmpty()  ? warning
                                               : warning + QStringLiteral("　") + text);
}

} // namespace quorvel
