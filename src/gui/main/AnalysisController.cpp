// SPDX-License-Identifier: MIT
#include "gui/main/AnalysisController.h"

#include "analysis/CountingRules.h"
#include "analysis/GroupPlan.h"
#include "analysis/ResultCells.h"
#include "app/Workspace.h"
#include "app/choices/CodeMeaning.h"
#include "app/choices/GroupLimits.h"
#include "gui/charts/OmissionChart.h"
#include "gui/main/CombinationPanel.h"
#include "gui/main/DetailPanel.h"
#include "gui/main/OptionsPanel.h"
#include "gui/main/ResultsPanel.h"
#include "gui/shell/BusyScope.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/QtText.h"
#include "gui/shell/RunProgress.h"
#include "gui/shell/Translations.h"
#include "gui/shell/WaitCursor.h"
#include "model/Error.h"
#include "platform/DesktopLinks.h"

#include <QApplication>

namespace quorvel {

namespace {

// How often the window looks whether the store has written a group calculation's rows.
constexpr int kStoreWatchMs = 20;

QString searchName(SearchKind kind) {
    return kind == SearchKind::Partial ? AnalysisController::tr("分部检索") : AnalysisController::tr("检索");
}

} // namespace

AnalysisController::AnalysisController(Workspace& workspace, Dialogs& dialogs, QWidget& window, Panels panels)
    : QObject(&window), m_workspace(workspace), m_dialogs(dialogs), m_window(window), m_panels(panels),
      m_openFile(openWithDesktopApplication) {
    setObjectName(QStringLiteral("analyses"));
    m_subscription = m_workspace.history().subscribe([this](HistoryChange) { m_view.historyChanged(); });
    m_panels.results->showResultsOf(m_view);
    // The details panel names the row it details: a search's codes with their names, a group in the language.
    m_panels.results->detail()->setRowLabel([this](const std::string& content) {
        return m_view.holdsGroups() ? fromStd(windowWording().names(content)).trimmed()
                                    : searchedLabel(content, m_view.searchKind());
    });
    connect(m_panels.options, &OptionsPanel::searchRequested, this, &AnalysisController::runPositionSearch);
    connect(m_panels.options, &OptionsPanel::partialSearchRequested, this, &AnalysisController::runPartialSearch);
    connect(m_panels.combinations, &CombinationPanel::groupRequested, this, &AnalysisController::runGroupCalculation);
    // 不限组数 starts as saved and is saved as soon as it changes.
    m_panels.combinations->showNoLimit(m_workspace.settings().boolean(Setting::bolNoLimit));
    m_panels.combinations->showGroupSize(m_workspace.settings().integer(Setting::intGroupSize));
    connect(m_panels.combinations, &CombinationPanel::groupSizeChosen, this, [this](int size) {
        try {
            m_workspace.settings().set(Setting::intGroupSize, std::to_string(size));
        } catch (const std::exception& error) {
            emit statusMessage(tr("组合位数 was not saved: %1").arg(shownError(error)));
        }
    });
    connect(m_panels.combinations, &CombinationPanel::noLimitChosen, this, [this](bool ticked) {
        try {
            m_workspace.settings().set(Setting::bolNoLimit, ticked ? "True" : "False");
        } catch (const std::exception& error) {
            emit statusMessage(tr("不限组数 was not saved: %1").arg(shownError(error)));
        }
    });

    ResultsPanel* results = m_panels.results;
    connect(results, &ResultsPanel::hitsExportRequested, this, &AnalysisController::exportHits);
    connect(results, &ResultsPanel::omissionClicked, this, &AnalysisController::omissionCellClicked);
    connect(results, &ResultsPanel::omissionsExportRequested, this, &AnalysisController::exportOmissions);
    connect(results, &ResultsPanel::omissionHeaderClicked, this, &AnalysisController::omissionHeaderClicked);
    connect(results, &ResultsPanel::sortChosen, this, [this](GroupSort sort, bool descending) {
        if (!m_running)
            orderGroupRows(sort, descending, m_view.groupAt(m_panels.results->currentOmissionRow()),
                           columnOfSort(sort));
    });

    // The chart follows the selection once the grids are drawn, and only for the latest selection.
    m_chartTimer.setSingleShot(true);
    m_chartTimer.setInterval(0);
    connect(&m_chartTimer, &QTimer::timeout, this, &AnalysisController::updateChart);
    connect(results, &ResultsPanel::currentRowChanged, &m_chartTimer, qOverload<>(&QTimer::start));

    // The store writes a group calculation's rows beside the window, which only looks now and then whether
    // it has finished.
    m_storeWatch.setInterval(kStoreWatchMs);
    connect(&m_storeWatch, &QTimer::timeout, this, [this] {
        if (!m_workspace.analyses().groupResultsWriting()) groupResultsStored();
    });
}

std::optional<WindowRequests> AnalysisController::readRequests() {
    AnalysisChoices choices;
    m_panels.options->readChoices(choices);
    m_searchedKind = choices.kind;
    choices.ticked = m_panels.combinations->ticks();
    choices.groupSize = m_panels.combinations->applyGroupSize();
    WindowRequests requests(std::move(choices));
    if (!requests.range().problem.empty()) {
        emit statusMessage(shown(requests.range().problem));
        return std::nullopt;
    }
    if (m_workspace.history().drawCount() == 0) {
        emit statusMessage(tr("There is no history to analyse: read a history text file (读取历史号文本) or enter "
                              "draws first. Nothing was run."));
        return std::nullopt;
    }
    // A range without a stored draw still gives the figures the rules define; say that they describe none.
    const IssueRange range = *requests.range().range;
    m_rangeNote.clear();
    if (!m_workspace.analyses().resolveRange(RangeChoice{range.start, range.end, std::nullopt, false}).holdsDraws)
        m_rangeNote = tr(" The range %1 ~ %2 holds no stored draw: the figures describe no draw and the chances "
                         "are left empty.")
                          .arg(range.start)
                          .arg(range.end);
    return requests;
}

bool AnalysisController::run(const QString& what, const std::function<void(const Progress&)>& work) {
    m_running = true;
    bool done = false;
    {
        BusyScope busy(&m_window);
        try {
            RunProgress progress(&m_window, what);
            work(progress.progress());
            done = true;
        } catch (const AnalysisCancelled&) {
            emit statusMessage(tr("%1 was cancelled; the previous results were kept.").arg(what));
        } catch (const std::exception& error) {
            busy.showNormalCursor();
            m_dialogs.warning(&m_window, what,
                              tr("%1 failed; the previous results were kept:\n%2").arg(what, shownError(error)));
            busy.showCursor(Qt::WaitCursor);
        }
    }
    m_running = false;
    return done;
}

void AnalysisController::runPositionSearch() {
    if (m_running) return;
    auto requests = readRequests();
    if (!requests) return;
    if (const Message why = requests->positionSearchRefusal(); !why.empty()) {
        m_dialogs.warning(&m_window, searchName(SearchKind::Position), shown(why));
        return;
    }
    SearchResult result;
    const PositionSearchRequest request = requests->positionSearch();
    if (run(searchName(SearchKind::Position),
            [&](const Progress&) { result = m_workspace.analyses().positionSearch(m_engine, request); }))
        showSearch(std::move(result), SearchKind::Position, countingRulesInWords(request));
}

void AnalysisController::runPartialSearch() {
    if (m_running) return;
    auto requests = readRequests();
    if (!requests) return;
    SearchResult result;
    const PartialSearchRequest request = requests->partialSearch();
    if (!run(searchName(SearchKind::Partial), [&](const Progress& progress) {
            result = m_workspace.analyses().partialSearch(m_engine, request, progress);
        }))
        return;
    showSearch(std::move(result), SearchKind::Partial, countingRulesInWords(request));
    if (request.partSize < 1 || request.partSize > 6)
        emit statusMessage(tr("分部位数 %1 is outside 1..6, so no draw is a hit.").arg(request.partSize));
}

void AnalysisController::runGroupCalculation() {
    if (m_running) return;
    auto requests = readRequests();
    if (!requests) return;
    GroupRequest request = requests->group();
    request.noLimit = m_panels.combinations->noLimit();
    const GroupLimits limits = groupLimits(m_engine, request);
    if (limits.refusal) {
        m_dialogs.warning(&m_window, tr("数据溢出"), shown(*limits.refusal));
        return;
    }
    // A request that makes no group is refused before the rows shown and stored are touched.
    if (const Message why = noGroupReason(request); !why.empty()) {
        m_dialogs.warning(&m_window, tr("分组计算"), shown(why));
        return;
    }
    GroupRun result;
    if (!run(tr("分组计算"), [&](const Progress& progress) {
            result = m_workspace.analyses().groupCalculation(m_engine, request, progress);
        }))
        return;
    const auto count = result.rows->size();
    m_panels.results->changeResults(ResultsPanel::Omissions,
                                    [&] { m_view.showGroupCalculation(std::move(request), std::move(result.rows)); });
    m_storeWatch.start();
    selectGroupRow({}, columnOfSort(GroupSort::Last));
    m_panels.results->showSort(GroupSort::Last);
    QString status = tr("分组计算: %1 groups, ordered by 最后遗漏.").arg(count);
    if (!limits.keptNote.empty()) status += QStringLiteral(" ") + shown(limits.keptNote);
    emit statusMessage(status + m_rangeNote);
}

void AnalysisController::groupResultsStored() {
    m_storeWatch.stop();
    try {
        m_workspace.analyses().finishGroupResults();
    } catch (const std::exception& error) {
        m_dialogs.warning(&m_window, tr("分组计算"),
                          tr("The groups shown were not stored:\n%1").arg(shownError(error)));
    }
    m_chartTimer.start();
}

QString AnalysisController::searchedLabel(const std::string& label, SearchKind kind) const {
    const Wording wording = windowWording();
    // A partial search's label ends with its part size, which is no code.
    if (kind == SearchKind::Partial) return fromStd(wording.names(label)).trimmed();
    return fromStd(wording.names(codesWithNames(label, m_searchedKind, m_workspace.bases(), wording.language)));
}

void AnalysisController::showSearch(SearchResult result, SearchKind kind, Messages rules) {
    const OmissionSummary summary = result.summary;
    const auto hitCount = result.hits.size();
    m_panels.results->changeResults(ResultsPanel::Both,
                                    [&] { m_view.showSearch(kind, std::move(result), std::move(rules)); });
    m_panels.results->fitColumns();
    m_chartTimer.start();
    // The minimum of a value never drawn in the range shows as the omission grid shows it.
    const QString minimum = summary.min == OmissionSummary::kNoMinimum
                                ? QCoreApplication::translate("Core", kNeverHitText)
                                : QString::number(summary.min);
    emit statusMessage(
        tr("%1: %2 hit draws; 最小遗漏 %3, 最大遗漏 %4, 最后遗漏 %5.")
            .arg(QStringLiteral("%1 %2").arg(searchName(kind), searchedLabel(summary.label, kind)).trimmed())
            .arg(hitCount)
            .arg(minimum)
            .arg(summary.max)
            .arg(summary.last) +
        m_rangeNote);
}

void AnalysisController::selectGroupRow(const std::string& keep, int column) {
    m_panels.results->showOmissionCell(m_view.rowOfGroup(keep), column);
    m_chartTimer.start();
}

void AnalysisController::orderGroupRows(GroupSort sort, bool descending, const std::string& keep, int column) {
    if (m_view.showsGroupsIn(sort, descending)) {
        selectGroupRow(keep, column);
        return;
    }
    try {
        if (m_view.holdsGroups()) {
            // The grid holds the rows of YL: they are re-ordered in memory.
            m_panels.results->changeResults(ResultsPanel::Omissions, [&] { m_view.orderGroups(sort, descending); });
        } else {
            std::optional<WaitCursor> storing;
            if (m_workspace.analyses().groupResultsWriting()) storing.emplace();
            std::vector<GroupRow> stored = m_workspace.analyses().groupResults();
            m_panels.results->changeResults(ResultsPanel::Omissions,
                                            [&] { m_view.showStoredGroups(std::move(stored), sort, descending); });
        }
        selectGroupRow(keep, column);
        m_panels.results->showSort(sort, descending);
        emit statusMessage(tr("分组计算: %1 groups, ordered by %2.")
                               .arg(m_view.omissionCount())
                               .arg(shown(sortCaption(sort, descending))));
    } catch (const std::exception& error) {
        if (const auto order = m_view.groupOrder()) m_panels.results->showSort(*order, m_view.groupsDescending());
        emit statusMessage(tr("The group results could not be read: %1").arg(shownError(error)));
    }
}

void AnalysisController::omissionCellClicked(int row, int column) {
    if (m_running) return;
    const ClickedOrder order = orderOfClick(column, false, m_view.groupOrder(), m_view.groupsDescending());
    orderGroupRows(order.sort, order.descending, m_view.groupAt(row), column);
}

void AnalysisController::omissionHeaderClicked(int column) {
    if (m_running) return;
    const ClickedOrder order = orderOfClick(column, true, m_view.groupOrder(), m_view.groupsDescending());
    orderGroupRows(order.sort, order.descending, m_view.groupAt(m_panels.results->currentOmissionRow()), column);
}

void AnalysisController::exportHits() {
    if (m_running) return;
    exportGrid(m_panels.results->hitCells(), "Jiansuo.xlsx", [this] { return m_view.hitRules(); });
}

void AnalysisController::exportOmissions(int row, int column) {
    if (m_running) return;
    omissionCellClicked(row, column);
    exportGrid(m_panels.results->omissionCells(), "Jieguo.xlsx", [this] {
        return m_view.omissionsTakeStoredRules() ? Messages{m_workspace.analyses().groupResultRules()}
                                                 : m_view.omissionRules();
    });
}

void AnalysisController::exportGrid(const CellGrid& grid, const char* fileName,
                                    const std::function<Messages()>& rules) {
    std::filesystem::path file;
    try {
        // The stored rules of group rows are read once the store has written them.
        std::optional<WaitCursor> storing;
        if (m_workspace.analyses().groupResultsWriting()) storing.emplace();
        file = m_workspace.analyses().exportWorkbook({WorkbookView::Grid, grid, {}, rules()}, fileName, std::nullopt,
                                                     windowTranslate());
    } catch (const std::exception& error) {
        m_dialogs.warning(&m_window, tr("导出"),
                          tr("%1 was not written: %2").arg(QString::fromUtf8(fileName), shownError(error)));
        return;
    }
    const QString path = fromPath(file);
    if (m_openFile(file))
        emit statusMessage(tr("Wrote %1 and opened it with the spreadsheet application.").arg(path));
    else
        emit statusMessage(
            tr("Wrote %1; no application could open it, so the file is kept there for you to open.").arg(path));
}

void AnalysisController::retitleChart() {
    if (!m_panels.chart->showsStartNote()) updateChart();
}

void AnalysisController::updateChart() {
    OmissionChart& chart = *m_panels.chart;
    const ResultsChart shown = m_view.chart(m_panels.results->currentOmissionRow());
    const QString group = fromStd(windowWording().names(shown.group));
    switch (shown.kind) {
    case ResultsChart::Kind::SearchHits:
        chart.showHits(m_view.hits(),
                       QStringLiteral("%1 %2").arg(searchName(m_view.searchKind()),
                                                   searchedLabel(m_view.hits().summary.label, m_view.searchKind())));
        chart.markHit(m_panels.results->currentHitRow());
        return;
    case ResultsChart::Kind::NoGroup: return chart.showNote(tr("分组计算: no group to chart"));
    case ResultsChart::Kind::GroupNotRun:
        return chart.showNote(tr("分组 %1: run 分组计算 in this window to chart its hits").arg(group));
    case ResultsChart::Kind::HistoryChanged:
        return chart.showNote(
            tr("分组 %1: the history changed since 分组计算; run it again to chart the group").arg(group));
    case ResultsChart::Kind::GroupHits: break;
    }
    // The group's hits are searched in the store once it has written the rows (groupResultsStored charts them).
    if (m_workspace.analyses().groupResultsWriting()) return;
    try {
        auto hits = m_workspace.analyses().groupHitsSearch(m_engine, *m_view.lastGroup(), shown.group);
        if (!hits) return chart.showNote(tr("分组 %1: not a group of the last 分组计算").arg(group));
        chart.showHits(*hits, tr("分组 %1").arg(group));
    } catch (const std::exception& error) {
        chart.showNote(tr("分组 %1: %2").arg(group, shownError(error)));
    }
}

} // namespace quorvel
