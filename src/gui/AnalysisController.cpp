// SPDX-License-Identifier: MIT
#include "gui/AnalysisController.h"

#include "analysis/CountingRules.h"
#include "app/GroupLimits.h"
#include "app/Workspace.h"
#include "gui/BusyScope.h"
#include "gui/CombinationPanel.h"
#include "gui/DetailPanel.h"
#include "gui/Dialogs.h"
#include "gui/HitListModel.h"
#include "gui/OmissionChart.h"
#include "gui/OmissionRowsModel.h"
#include "gui/OptionsPanel.h"
#include "gui/QtText.h"
#include "gui/ResultsPanel.h"
#include "gui/RunProgress.h"
#include "model/Error.h"
#include "platform/DesktopLinks.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

#include <algorithm>

namespace quorvel {

namespace {

GroupSort sortOfColumn(int column) {
    switch (column) {
    case 1: return GroupSort::Min;
    case 2: return GroupSort::Max;
    case 3: return GroupSort::Last;
    default: return GroupSort::Label;
    }
}

// The column that stays current when rows are ordered by a sort; P names no column: the last omission is nearest.
int columnOfSort(GroupSort sort) {
    switch (sort) {
    case GroupSort::Label: return 0;
    case GroupSort::Min: return 1;
    case GroupSort::Max: return 2;
    default: return 3;
    }
}

} // namespace

AnalysisController::AnalysisController(Workspace& workspace, Dialogs& dialogs, QWidget& window, Panels panels)
    : QObject(&window), m_workspace(workspace), m_dialogs(dialogs), m_window(window), m_panels(panels),
      m_openFile(openWithDesktopApplication) {
    setObjectName(QStringLiteral("analyses"));
    m_subscription = m_workspace.subscribe([this](HistoryChange) { m_lastGroupCurrent = false; });
    connect(m_panels.options->searchButton(), &QPushButton::clicked, this, &AnalysisController::runPositionSearch);
    connect(m_panels.options->partialButton(), &QPushButton::clicked, this, &AnalysisController::runPartialSearch);
    connect(m_panels.combinations->groupButton(), &QPushButton::clicked, this,
            &AnalysisController::runGroupCalculation);
    // 不限组数 starts as saved and is saved as soon as it changes.
    QCheckBox* noLimit = m_panels.combinations->noLimitBox();
    noLimit->setChecked(m_workspace.settings().boolean(Setting::bolNoLimit));
    connect(noLimit, &QCheckBox::toggled, this, [this](bool ticked) {
        try {
            m_workspace.settings().set(Setting::bolNoLimit, ticked ? "True" : "False");
        } catch (const std::exception& error) {
            emit statusMessage(QStringLiteral("不限组数 was not saved: %1").arg(QString::fromUtf8(error.what())));
        }
    });

    QTableView* hits = m_panels.results->hitGrid();
    QTableView* omissions = m_panels.results->omissionGrid();
    hits->viewport()->installEventFilter(this);
    omissions->viewport()->installEventFilter(this);
    connect(hits->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &AnalysisController::exportHits);
    connect(omissions, &QTableView::clicked, this,
            [this](const QModelIndex& index) { omissionCellClicked(index.row(), index.column()); });
    connect(omissions->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { omissionCellClicked(-1, column); });
    connect(omissions->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int column) { exportOmissions(-1, column); });
    connect(m_panels.results->detail(), &DetailPanel::sortChosen, this, [this](GroupSort sort) {
        if (!m_running) orderGroupRows(sort, groupContentAt(omissionGridRow()), columnOfSort(sort));
    });

    // The chart follows the selection once the grids are drawn, and only for the latest selection.
    m_chartTimer.setSingleShot(true);
    m_chartTimer.setInterval(0);
    connect(&m_chartTimer, &QTimer::timeout, this, &AnalysisController::updateChart);
    for (QTableView* grid : {hits, omissions})
        connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, &m_chartTimer,
                qOverload<>(&QTimer::start));
}

bool AnalysisController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonDblClick) return false;
    const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
    QTableView* omissions = m_panels.results->omissionGrid();
    if (watched == m_panels.results->hitGrid()->viewport()) {
        exportHits();
    } else if (watched == omissions->viewport()) {
        const int column = omissions->columnAt(position.x());
        if (column >= 0) exportOmissions(omissions->rowAt(position.y()), column);
    }
    return false;
}

std::optional<WindowRequests> AnalysisController::readRequests() {
    AnalysisChoices choices;
    m_panels.options->readChoices(choices);
    choices.ticked = m_panels.combinations->ticks();
    choices.groupSize = m_panels.combinations->applyGroupSize();
    WindowRequests requests(std::move(choices));
    if (!requests.range().problem.empty()) {
        emit statusMessage(fromStd(requests.range().problem));
        return std::nullopt;
    }
    if (m_workspace.drawCount() == 0) {
        emit statusMessage(QStringLiteral("There is no history to analyse: read a history text file "
                                          "(读取历史号文本) or enter draws first. Nothing was run."));
        return std::nullopt;
    }
    // A range without a stored draw still gives the figures the rules define; say that they describe none.
    const IssueRange range = *requests.range().range;
    m_rangeNote.clear();
    if (!m_workspace.resolveRange(RangeChoice{range.start, range.end, std::nullopt, false}).holdsDraws)
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
            emit statusMessage(QStringLiteral("%1 was cancelled; the previous results were kept.").arg(what));
        } catch (const std::exception& error) {
            busy.showNormalCursor();
            m_dialogs.message(&m_window, what,
                              QStringLiteral("%1 failed; the previous results were kept:\n%2")
                                  .arg(what, QString::fromUtf8(error.what())));
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
    SearchResult result;
    const PositionSearchRequest request = requests->positionSearch();
    if (run(QStringLiteral("检索"), [&](const Progress&) { result = m_workspace.positionSearch(m_engine, request); }))
        showSearch(std::move(result), QStringLiteral("检索"), countingRules(request));
}

void AnalysisController::runPartialSearch() {
    if (m_running) return;
    auto requests = readRequests();
    if (!requests) return;
    SearchResult result;
    const PartialSearchRequest request = requests->partialSearch();
    if (!run(QStringLiteral("分部检索"),
             [&](const Progress& progress) { result = m_workspace.partialSearch(m_engine, request, progress); }))
        return;
    showSearch(std::move(result), QStringLiteral("分部检索"), countingRules(request));
    if (request.partSize < 1 || request.partSize > 6)
        emit statusMessage(QStringLiteral("分部位数 %1 is outside 1..6, so no draw is a hit.").arg(request.partSize));
}

void AnalysisController::runGroupCalculation() {
    if (m_running) return;
    auto requests = readRequests();
    if (!requests) return;
    GroupRequest request = requests->group();
    request.noLimit = m_panels.combinations->noLimitBox()->isChecked();
    const GroupLimits limits = groupLimits(m_engine, request);
    if (limits.refusal) {
        m_dialogs.message(&m_window, QStringLiteral("数据溢出"), fromStd(*limits.refusal));
        return;
    }
    GroupResult result;
    if (!run(QStringLiteral("分组计算"),
             [&](const Progress& progress) { result = m_workspace.groupCalculation(m_engine, request, progress); }))
        return;
    m_lastGroup = request;
    m_lastGroupCurrent = true;
    const auto count = result.rows.size();
    showGroupRows(std::move(result.rows), GroupSort::Last, {}, 3);
    m_groupOrder = GroupSort::Last;
    m_panels.results->detail()->showSort(GroupSort::Last);
    QString status = result.note.empty() ? QStringLiteral("分组计算: %1 groups, ordered by 最后遗漏.").arg(count)
                                         : QStringLiteral("分组计算: %1.").arg(fromStd(result.note));
    if (!limits.keptNote.empty()) status += QStringLiteral(" ") + fromStd(limits.keptNote);
    emit statusMessage(status + m_rangeNote);
}

void AnalysisController::showSearch(SearchResult result, const QString& what, std::string rules) {
    const OmissionSummary summary = result.summary;
    m_searchRules = std::move(rules);
    const auto hitCount = result.hits.size();
    m_searchTitle = QStringLiteral("%1 %2").arg(what, fromStd(summary.label).trimmed());
    m_panels.results->hitModel()->setResult(std::move(result));
    m_panels.results->omissionModel()->setRows(
        {GroupRow{summary.label, summary.min, summary.max, summary.last, summary.statistics}});
    m_omissions = OmissionContent::Summary;
    m_groupOrder.reset();
    m_panels.results->fitColumns();
    m_chartTimer.start();
    emit statusMessage(QStringLiteral("%1: %2 hit draws; 最小遗漏 %3, 最大遗漏 %4, 最后遗漏 %5.")
                           .arg(what)
                           .arg(hitCount)
                           .arg(summary.min)
                           .arg(summary.max)
                           .arg(summary.last) +
                       m_rangeNote);
}

void AnalysisController::showGroupRows(std::vector<GroupRow> rows, GroupSort sort, const std::string& keep,
                                       int column) {
    m_panels.results->omissionModel()->setRows(std::move(rows), sort);
    m_omissions = OmissionContent::Groups;
    selectGroupRow(keep, column);
}

void AnalysisController::selectGroupRow(const std::string& keep, int column) {
    OmissionRowsModel* model = m_panels.results->omissionModel();
    const auto& rows = model->rows();
    int current = 0;
    if (!keep.empty()) {
        auto found = std::find_if(rows.begin(), rows.end(), [&](const GroupRow& row) { return row.content == keep; });
        if (found != rows.end()) current = static_cast<int>(found - rows.begin());
    }
    m_panels.results->fitColumns();
    QTableView* grid = m_panels.results->omissionGrid();
    if (model->rowCount() > 0) {
        const QModelIndex index = model->index(current, std::clamp(column, 0, model->columnCount() - 1));
        grid->setCurrentIndex(index);
        grid->scrollTo(index);
    }
    m_chartTimer.start();
}

void AnalysisController::orderGroupRows(GroupSort sort, const std::string& keep, int column) {
    if (m_omissions == OmissionContent::Groups && m_groupOrder == sort) return;
    try {
        if (m_omissions == OmissionContent::Groups && m_groupOrder) {
            // The grid holds the rows of YL: they are re-ordered in memory.
            m_panels.results->omissionModel()->orderBy(sort);
            selectGroupRow(keep, column);
        } else {
            showGroupRows(m_workspace.groupResults(), sort, keep, column);
        }
        m_groupOrder = sort;
        m_panels.results->detail()->showSort(sort);
        emit statusMessage(QStringLiteral("分组计算: %1 groups, ordered by %2.")
                               .arg(m_panels.results->omissionModel()->rowCount())
                               .arg(m_panels.results->detail()->sortChoice()->currentText()));
    } catch (const std::exception& error) {
        if (m_groupOrder) m_panels.results->detail()->showSort(*m_groupOrder);
        emit statusMessage(
            QStringLiteral("The group results could not be read: %1").arg(QString::fromUtf8(error.what())));
    }
}

void AnalysisController::omissionCellClicked(int row, int column) {
    if (m_running) return;
    orderGroupRows(sortOfColumn(column), groupContentAt(row), column);
}

std::string AnalysisController::groupContentAt(int row) const {
    if (m_omissions != OmissionContent::Groups) return {};
    auto shown = m_panels.results->omissionModel()->rowAt(row);
    return shown ? shown->content : std::string();
}

int AnalysisController::omissionGridRow() const { return m_panels.results->omissionGrid()->currentIndex().row(); }

void AnalysisController::exportHits() {
    if (m_running) return;
    exportGrid(m_panels.results->hitModel()->cells(), "Jiansuo.xlsx", [this] { return m_searchRules; });
}

void AnalysisController::exportOmissions(int row, int column) {
    if (m_running) return;
    omissionCellClicked(row, column);
    exportGrid(m_panels.results->omissionModel()->cells(), "Jieguo.xlsx", [this] {
        return m_omissions == OmissionContent::Groups ? m_workspace.groupResultRules() : m_searchRules;
    });
}

void AnalysisController::exportGrid(const CellGrid& grid, const char* fileName,
                                    const std::function<std::string()>& rules) {
    std::filesystem::path file;
    try {
        file = m_workspace.exportGridWorkbook(grid, fileName, std::nullopt, rules());
    } catch (const std::exception& error) {
        m_dialogs.message(
            &m_window, QStringLiteral("导出"),
            QStringLiteral("%1 was not written: %2").arg(QString::fromUtf8(fileName), QString::fromUtf8(error.what())));
        return;
    }
    const QString path = QString::fromStdString(file.string());
    if (m_openFile(file))
        emit statusMessage(QStringLiteral("Wrote %1 and opened it with the spreadsheet application.").arg(path));
    else
        emit statusMessage(QStringLiteral("Wrote %1; no application could open it, so the file is kept there for "
                                          "you to open.")
                               .arg(path));
}

void AnalysisController::updateChart() {
    OmissionChart& chart = *m_panels.chart;
    if (m_omissions == OmissionContent::Summary) {
        chart.showHits(m_panels.results->hitModel()->result(), m_searchTitle);
        chart.markHit(m_panels.results->hitGrid()->currentIndex().row());
        return;
    }
    const auto& rows = m_panels.results->omissionModel()->rows();
    const int row = std::max(0, m_panels.results->omissionGrid()->currentIndex().row());
    if (rows.empty()) return chart.showNote(QStringLiteral("分组计算: no group to chart"));
    const QString content = fromStd(rows[static_cast<std::size_t>(row)].content);
    if (!m_lastGroup)
        return chart.showNote(QStringLiteral("分组 %1: run 分组计算 in this window to chart its hits").arg(content));
    if (!m_lastGroupCurrent)
        return chart.showNote(
            QStringLiteral("分组 %1: the history changed since 分组计算; run it again to chart the group")
                .arg(content));
    try {
        auto hits = m_workspace.groupHitsSearch(m_engine, *m_lastGroup, rows[static_cast<std::size_t>(row)].content);
        if (!hits) return chart.showNote(QStringLiteral("分组 %1: not a group of the last 分组计算").arg(content));
        chart.showHits(*hits, QStringLiteral("分组 %1").arg(content));
    } catch (const std::exception& error) {
        chart.showNote(QStringLiteral("分组 %1: %2").arg(content, QString::fromUtf8(error.what())));
    }
}

} // namespace quorvel
