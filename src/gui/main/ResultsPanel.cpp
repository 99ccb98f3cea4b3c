// SPDX-License-Identifier: MIT
#include "gui/main/ResultsPanel.h"

#include "app/results/DetailFigures.h"
#include "app/results/ResultsView.h"
#include "gui/grids/GridCopy.h"
#include "gui/grids/GridSetup.h"
#include "gui/grids/HitListModel.h"
#include "gui/grids/OmissionRowsModel.h"
#include "gui/main/DetailPanel.h"
#include "gui/print/GridSources.h"
#include "gui/print/ViewOutput.h"
#include "gui/shell/QtText.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>

#include <algorithm>

namespace quorvel {

ResultsPanel::ResultsPanel(QWidget* parent) : QWidget(parent) {
    m_hitModel = new HitListModel(this);
    m_omissionModel = new OmissionRowsModel(this);
    m_hits = makeGrid(QStringLiteral("MSFlexGrid2"), m_hitModel, this);
    m_texts.addToolTip(m_hits, QT_TR_NOOP("鼠标双击列表可以将列表导出到EXCEL"));
    m_omissions = makeGrid(QStringLiteral("MSFlexGrid3"), m_omissionModel, this);
    fitColumns();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_hits, 3);
    layout->addWidget(m_omissions, 2);
    // The window places the details: beside the grids, or beside the chart in a narrow window.
    m_detail = new DetailPanel(this);

    connect(m_omissions->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ResultsPanel::showDetail);
    connect(m_omissionModel, &QAbstractItemModel::modelReset, this, &ResultsPanel::showDetail);
    connect(m_omissionModel, &QAbstractItemModel::layoutChanged, this, &ResultsPanel::showDetail);
    showDetail();

    m_hits->viewport()->installEventFilter(this);
    m_omissions->viewport()->installEventFilter(this);
    connect(m_hits->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, &ResultsPanel::hitsExportRequested);
    connect(m_omissions, &QTableView::clicked, this, [this](const QModelIndex& index) {
        // Shift and Ctrl extend the selection, as in any list; only a plain click orders.
        if (m_pressModifiers & (Qt::ShiftModifier | Qt::ControlModifier)) return;
        emit omissionClicked(index.row(), index.column());
    });
    connect(m_omissions->horizontalHeader(), &QHeaderView::sectionClicked, this, &ResultsPanel::omissionHeaderClicked);
    // The header shows which column orders the rows; the grid itself never sorts. A click on it orders without
    // selecting the column, so that the group the user selected stays selected.
    m_omissions->horizontalHeader()->setSortIndicatorShown(false);
    disconnect(m_omissions->horizontalHeader(), &QHeaderView::sectionPressed, m_omissions, nullptr);
    disconnect(m_omissions->horizontalHeader(), &QHeaderView::sectionEntered, m_omissions, nullptr);
    connect(m_omissions->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int column) { emit omissionsExportRequested(-1, column); });
    connect(m_detail, &DetailPanel::sortChosen, this, &ResultsPanel::sortChosen);
    for (QTableView* grid : {m_hits, m_omissions})
        connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &ResultsPanel::currentRowChanged);
}

void ResultsPanel::showResultsOf(const ResultsView& view) {
    m_view = &view;
    m_hitModel->showFrom(view);
    m_omissionModel->showFrom(view);
}

void ResultsPanel::changeResults(Grids grids, const std::function<void()>& change) {
    if (grids == Both)
        m_hitModel->redraw([&] { m_omissionModel->redraw(change); });
    else if (grids == HitList)
        m_hitModel->redraw(change);
    else
        m_omissionModel->redraw(change);
}

void ResultsPanel::offerCopy(Dialogs& dialogs) {
    new GridCopy(*m_hits, &dialogs);
    new GridCopy(*m_omissions, &dialogs);
}

void ResultsPanel::offerOutputs(Dialogs& dialogs, const std::filesystem::path& folder,
                                std::function<PrintTitle(const Message& view)> titleOf,
                                std::function<void(const QString&)> say) {
    auto offer = [&](QTableView* grid, Message view, bool withDetail) {
        auto source = [this, grid, view, titleOf, withDetail]() -> std::optional<PrintedGrid> {
            const PrintTitle title = titleOf(view);
            PrintedGrid printed = modelGrid(*grid->model(), grid->font(), printTitleText(title));
            if (withDetail && m_view != nullptr) {
                if (auto row = m_view->omissionRow(std::max(0, currentOmissionRow()))) {
                    QStringList figures;
                    for (const DetailFigure& figure : detailFigures(*row))
                        figures << QStringLiteral("%1 %2").arg(shown(figure.caption), shown(figure.text));
                    const QString figuresText = figures.join(QStringLiteral("  "));
                    printed.notes << (row->content.empty()
                                          ? figuresText
                                          : QStringLiteral("%1: %2").arg(fromStd(row->content), figuresText));
                }
            }
            printed.fileStem =
                printFileStemText(view, title.range ? std::optional<int>(title.range->end) : std::nullopt);
            return printed;
        };
        auto* output = new ViewOutput(*grid, dialogs, folder, grid->objectName(), source, say);
        if (auto* menu = grid->findChild<QMenu*>(QStringLiteral("mnuGrid_%1").arg(grid->objectName())))
            output->addEntries(*menu);
    };
    offer(m_hits, Message::core(QT_TRANSLATE_NOOP("Core", "Search hits")), false);
    offer(m_omissions, Message::core(QT_TRANSLATE_NOOP("Core", "Omission statistics")), true);
}

bool ResultsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) m_pressModifiers = static_cast<QMouseEvent*>(event)->modifiers();
    if (event->type() != QEvent::MouseButtonDblClick) return false;
    const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (watched == m_hits->viewport()) {
        emit hitsExportRequested();
    } else if (watched == m_omissions->viewport()) {
        const int column = m_omissions->columnAt(position.x());
        if (column >= 0) emit omissionsExportRequested(m_omissions->rowAt(position.y()), column);
    }
    return false;
}

int ResultsPanel::currentHitRow() const { return m_hits->currentIndex().row(); }

int ResultsPanel::currentOmissionRow() const { return m_omissions->currentIndex().row(); }

void ResultsPanel::showOmissionCell(int row, int column) {
    fitColumns();
    if (m_omissionModel->rowCount() > 0) {
        const QModelIndex index =
            m_omissionModel->index(row, std::clamp(column, 0, m_omissionModel->columnCount() - 1));
        m_omissions->setCurrentIndex(index);
        m_omissions->scrollTo(index);
    }
}

CellGrid ResultsPanel::hitCells() const { return m_hitModel->cells(); }

CellGrid ResultsPanel::omissionCells() const { return m_omissionModel->cells(); }

GroupSort ResultsPanel::sortChoice() const { return m_detail->sortChoice(); }

bool ResultsPanel::descendingChoice() const { return m_detail->descendingChoice(); }

void ResultsPanel::showSort(GroupSort sort, bool descending) {
    m_detail->showSort(sort, descending);
    m_omissions->horizontalHeader()->setSortIndicator(sort == GroupSort::P ? -1 : columnOfSort(sort),
                                                      descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_omissionModel->headerDataChanged(Qt::Horizontal, 0, std::max(0, m_omissionModel->columnCount() - 1));
}

void ResultsPanel::showDetail() {
    m_detail->showRow(m_view ? m_view->omissionRow(std::max(0, m_omissions->currentIndex().row())) : std::nullopt);
}

void ResultsPanel::fitColumns() {
    setColumnWidthsTwips(m_hits, {1000, 800, 800, 800, 800, 800, 800, 800, 800, 680});
    setColumnWidthsTwips(m_omissions, {1880, 880, 880, 880});
    // Every column stays readable: a grid is never narrower than its columns (the window scrolls instead).
    m_hits->setMinimumWidth(gridWidth(m_hits));
    m_omissions->setMinimumWidth(gridWidth(m_omissions));
}

void ResultsPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void ResultsPanel::retranslate() {
    m_texts.apply();
    // The grids' headers are asked for again, in the new language.
    for (QAbstractItemModel* model :
         {static_cast<QAbstractItemModel*>(m_hitModel), static_cast<QAbstractItemModel*>(m_omissionModel)})
        if (model->columnCount() > 0) emit model->headerDataChanged(Qt::Horizontal, 0, model->columnCount() - 1);
}

} // namespace quorvel
