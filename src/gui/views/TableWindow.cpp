// SPDX-License-Identifier: MIT
#include "gui/views/TableWindow.h"

#include "analysis/CountingRules.h"
#include "app/Workspace.h"
#include "gui/charts/OmissionChart.h"
#include "gui/grids/GridCopy.h"
#include "gui/grids/GridSetup.h"
#include "gui/print/GridSources.h"
#include "gui/print/ViewOutput.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/QtText.h"
#include "gui/shell/SavedGeometry.h"
#include "gui/shell/StatusLine.h"
#include "gui/shell/Translations.h"
#include "gui/views/OmissionTableModel.h"
#include "gui/views/ValueChoiceBar.h"
#include "platform/DesktopLinks.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <exception>

namespace quorvel {

namespace {

constexpr const char* kWorkbookName = "遗漏总表.xlsx";

} // namespace

TableWindow::TableWindow(Workspace& workspace, Dialogs& dialogs, MainChoices mainChoices, QWidget* parent)
    : QWidget(parent, Qt::Window), m_workspace(workspace), m_dialogs(dialogs), m_mainChoices(std::move(mainChoices)),
      m_openFile(openWithDesktopApplication), m_choices(new ValueChoiceBar(QStringLiteral("Table"), this)),
      m_caption(new QLabel(this)), m_model(new OmissionTableModel(this)),
      m_grid(makeGrid(QStringLiteral("grdTable"), m_model, this)), m_chart(new OmissionChart(this)),
      m_export(new QPushButton(this)), m_print(new QPushButton(this)), m_pdf(new QPushButton(this)),
      m_legend(new QLabel(this)), m_status(new StatusLine(QStringLiteral("lblTableStatus"), this)),
      m_geometry(std::make_unique<SavedGeometry>(*this, workspace.settings(), Setting::txtTableGeometry)) {
    setObjectName(QStringLiteral("frmTable"));
    m_chart->setObjectName(QStringLiteral("chtTable"));
    m_export->setObjectName(QStringLiteral("cmdTableXlsx"));
    m_print->setObjectName(QStringLiteral("cmdTablePrint"));
    m_pdf->setObjectName(QStringLiteral("cmdTablePdf"));
    m_caption->setObjectName(QStringLiteral("lblTable"));
    // Value order until a header is clicked.
    m_grid->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    m_grid->setSortingEnabled(true);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* copy = new GridCopy(*m_grid, &dialogs);
    m_output = new ViewOutput(
        *this, dialogs, workspace.dataFolder(), m_grid->objectName(),
        [this]() -> std::optional<PrintedGrid> {
            if (!m_request) return std::nullopt;
            const Message view = Message::core(QT_TRANSLATE_NOOP("Core", "Omission table"));
            PrintedGrid grid = modelGrid(*m_model, m_grid->font(), printTitleText(valuesPrintTitle(view, *m_request)));
            grid.fileStem = printFileStemText(view, m_request->range.end);
            return grid;
        },
        [this](const QString& text) { say(text); });
    m_output->addEntries(*copy->menu());
    // The chart of the selected value: a picture of it as it is shown.
    auto* chartOutput = new ViewOutput(
        *m_chart, dialogs, workspace.dataFolder(), m_chart->objectName(),
        [this]() -> std::optional<PrintedGrid> {
            if (!m_request) return std::nullopt;
            const Message view = Message::core(QT_TRANSLATE_NOOP("Core", "Omission chart"));
            PrintedGrid grid = chartGrid(*m_chart, printTitleText(valuesPrintTitle(view, *m_request)));
            grid.fileStem = printFileStemText(view, m_request->range.end);
            return grid;
        },
        [this](const QString& text) { say(text); });
    chartOutput->offerMenuOn(*m_chart->viewport());

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_choices, 1);
    bar->addWidget(m_export);
    bar->addWidget(m_print);
    bar->addWidget(m_pdf);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_grid);
    split->addWidget(m_chart);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    m_legend->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_caption);
    layout->addWidget(split, 1);
    layout->addWidget(m_legend);
    layout->addWidget(m_status);

    connect(m_choices, &ValueChoiceBar::changed, this, &TableWindow::recount);
    connect(m_export, &QPushButton::clicked, this, &TableWindow::exportTable);
    connect(m_print, &QPushButton::clicked, m_output, &ViewOutput::print);
    connect(m_pdf, &QPushButton::clicked, m_output, &ViewOutput::writePdf);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (auto row = m_model->rowAt(current.row())) {
                    m_selected = row->value;
                    showChart();
                }
            });
    // Re-ordered or counted again: the value chosen stays chosen.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        const int row = m_selected ? m_model->rowOfValue(*m_selected) : -1;
        if (row >= 0) {
            m_grid->setCurrentIndex(m_model->index(row, 0));
            m_grid->scrollTo(m_model->index(row, 0));
        }
    });
    // A plain click on a cell orders by its column, ascending, as in the main window's grid; Shift and Ctrl
    // extend the selection instead.
    connect(m_grid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (QApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) return;
        m_grid->sortByColumn(index.column(), Qt::AscendingOrder);
    });
    retranslate();
}

void TableWindow::retranslate() {
    setWindowTitle(tr("遗漏总表"));
    m_export->setText(tr("导出"));
    m_export->setToolTip(tr("Write the table with its colours to a workbook and open it"));
    m_print->setText(tr("打印"));
    m_pdf->setText(tr("导出PDF"));
    m_legend->setText(tr("Blue: away unusually long (a small chance of so long an omission). "
                         "Red: hot, more hits in the latest 10 draws than the hit rate expects."));
    if (m_request) {
        m_caption->setText(caption(*m_request));
        showChart();
    }
}

void TableWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

TableWindow::~TableWindow() = default;

void TableWindow::open() {
    if (!m_geometry->restoreOnce()) resize(1100, 680);
    {
        // The kind is taken from the main window; one count follows below.
        const QSignalBlocker quiet(m_choices);
        m_choices->startFrom(m_mainChoices().kind);
    }
    recount();
    show();
    raise();
    activateWindow();
}

void TableWindow::recount() {
    ValueViewRequest made;
    try {
        made = valueViewRequest(m_workspace, m_choices->choices(m_mainChoices()));
        if (made.request) {
            m_model->setTable(m_workspace.analyses().omissionTable(*made.request), made.request->kind);
            m_request = made.request;
        }
    } catch (const std::exception& error) {
        say(tr("The table could not be counted: %1").arg(shownError(error)));
        return;
    }
    if (made.problem == ValueViewProblem::NoHistory) {
        m_model->setTable({}, m_choices->choices(m_mainChoices()).kind);
        m_request.reset();
        m_caption->clear();
        m_chart->showNote(tr("No history"));
        say(tr("The history is empty: read or add draws in the main window first."));
        return;
    }
    if (made.problem == ValueViewProblem::RangeNotIssues) {
        say(tr("The search range of the main window does not hold two issue numbers: type them there, or choose "
               "the latest draws or 全部 here. The table shows the last range counted."));
        return;
    }
    m_caption->setText(caption(*m_request));
    say(QString());
    if (!m_selected || m_model->rowOfValue(*m_selected) < 0) {
        m_selected = m_model->rowAt(0) ? std::optional<int>(m_model->rowAt(0)->value) : std::nullopt;
        if (m_selected) m_grid->setCurrentIndex(m_model->index(0, 0));
    }
    showChart();
}

QString TableWindow::caption(const ValuesRequest& request) const {
    QString where;
    switch (request.place) {
    case ValuePlace::Special: where = tr("special number"); break;
    case ValuePlace::Regular: where = tr("regular numbers"); break;
    case ValuePlace::Any: where = tr("any of the seven"); break;
    case ValuePlace::Position:
        where = tr("regular position %1, %2")
                    .arg(request.position)
                    .arg(request.order == NumberOrder::Sorted ? tr("sorted order") : tr("drawn order"));
        break;
    }
    return tr("%1 at the %2, issues %3 to %4; %5")
        .arg(shownKindName(request.kind), where)
        .arg(request.range.start)
        .arg(request.range.end)
        .arg(request.gapsFrom == GapStart::Range ? tr("gaps counted from the range's first draw")
                                                 : tr("the first gap counted from the first stored draw"));
}

void TableWindow::showChart() {
    if (!m_request || !m_selected) return;
    try {
        const PositionSearchRequest search = valueSearchRequest(*m_request, *m_selected);
        m_chart->showHits(
            m_workspace.analyses().positionSearch(EngineKind::Memory, search),
            tr("Gaps of %1")
                .arg(fromStd(windowWording().names(valueLabel(m_request->kind, *m_selected, m_request->bases)))));
    } catch (const std::exception& error) {
        m_chart->showNote(shownError(error));
    }
}

void TableWindow::exportTable() {
    if (!m_request) {
        say(tr("There is no table to write yet."));
        return;
    }
    std::filesystem::path file;
    try {
        file = m_workspace.analyses().exportWorkbook(
            {WorkbookView::OmissionTable, m_model->cells(), m_model->fills(), countingRulesInWords(*m_request), 1},
            kWorkbookName, std::nullopt, windowTranslate());
    } catch (const std::exception& error) {
        m_dialogs.warning(this, tr("导出"),
                          tr("%1 was not written: %2").arg(QString::fromUtf8(kWorkbookName), shownError(error)));
        return;
    }
    m_status->sayWritten(file, m_openFile(file));
}

void TableWindow::say(const QString& text) { m_status->say(text); }

void TableWindow::hideEvent(QHideEvent* event) {
    m_geometry->save();
    QWidget::hideEvent(event);
}

} // namespace quorvel
