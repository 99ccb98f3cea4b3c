// SPDX-License-Identifier: MIT
#include "gui/views/TrendWindow.h"

#include "analysis/CountingRules.h"
#include "app/Workspace.h"
#include "gui/print/GridSources.h"
#include "gui/print/ViewOutput.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/QtText.h"
#include "gui/shell/SavedGeometry.h"
#include "gui/shell/StatusLine.h"
#include "gui/views/TrendGrid.h"
#include "gui/views/TrendPicture.h"
#include "gui/views/ValueChoiceBar.h"
#include "platform/DesktopLinks.h"

#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace quorvel {

namespace {

constexpr const char* kWorkbookName = "走势图.xlsx";
constexpr const char* kPictureName = "走势图.png";

} // namespace

TrendWindow::TrendWindow(Workspace& workspace, Dialogs& dialogs, MainChoices mainChoices, QWidget* parent)
    : QWidget(parent, Qt::Window), m_workspace(workspace), m_dialogs(dialogs), m_mainChoices(std::move(mainChoices)),
      m_openFile(openWithDesktopApplication),
      m_choices(new ValueChoiceBar(QStringLiteral("Trend"), trendViewRows(), false, this)),
      m_showMiss(new QCheckBox(this)), m_workbook(new QPushButton(this)), m_picture(new QPushButton(this)),
      m_print(new QPushButton(this)), m_pdf(new QPushButton(this)), m_caption(new QLabel(this)),
      m_legend(new QLabel(this)), m_grid(new TrendGrid(this)),
      m_status(new StatusLine(QStringLiteral("lblTrendStatus"), this)),
      m_geometry(std::make_unique<SavedGeometry>(*this, workspace.settings(), Setting::txtTrendGeometry)) {
    setObjectName(QStringLiteral("frmTrend"));
    m_showMiss->setObjectName(QStringLiteral("chkShowMiss"));
    m_showMiss->setChecked(true);
    m_workbook->setObjectName(QStringLiteral("cmdTrendXlsx"));
    m_picture->setObjectName(QStringLiteral("cmdTrendPng"));
    m_print->setObjectName(QStringLiteral("cmdTrendPrint"));
    m_pdf->setObjectName(QStringLiteral("cmdTrendPdf"));
    m_output = new ViewOutput(
        *this, dialogs, workspace.dataFolder(), m_grid->rowsView()->objectName(),
        [this]() -> std::optional<PrintedGrid> {
            if (!m_request) return std::nullopt;
            const Message view = Message::core(QT_TRANSLATE_NOOP("Core", "Trend"));
            PrintTitle title = valuesPrintTitle(view, *m_request);
            title.rule = trendRuleInBrief();
            PrintedGrid grid = trendGrid(m_grid->shown(), m_grid->rowsView()->font(), printTitleText(title));
            grid.fileStem = printFileStemText(view, m_request->range.end);
            return grid;
        },
        [this](const QString& text) { say(text); }, true);
    m_output->offerMenuOn(*m_grid->rowsView()->viewport());
    m_caption->setObjectName(QStringLiteral("lblTrend"));
    // The choices start from the main window's range.
    m_choices->chooseRows(kSearchRangeRows);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_choices, 1);
    bar->addWidget(m_showMiss);
    bar->addWidget(m_workbook);
    bar->addWidget(m_picture);
    bar->addWidget(m_print);
    bar->addWidget(m_pdf);
    m_legend->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_caption);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_legend);
    layout->addWidget(m_status);
    say(QString());

    connect(m_choices, &ValueChoiceBar::changed, this, &TrendWindow::recount);
    connect(m_showMiss, &QCheckBox::toggled, m_grid, &TrendGrid::setShowMiss);
    connect(m_workbook, &QPushButton::clicked, this, &TrendWindow::exportWorkbook);
    connect(m_picture, &QPushButton::clicked, this, &TrendWindow::exportPicture);
    connect(m_print, &QPushButton::clicked, m_output, &ViewOutput::print);
    connect(m_pdf, &QPushButton::clicked, m_output, &ViewOutput::writePdf);
    retranslate();
}

void TrendWindow::retranslate() {
    setWindowTitle(tr("走势图"));
    m_showMiss->setText(tr("显示遗漏"));
    m_showMiss->setToolTip(tr("Show in each cell without a hit how many draws the value has been away"));
    m_workbook->setText(tr("Export workbook"));
    m_workbook->setToolTip(tr("Write every chosen draw with its colours to a workbook and open it"));
    m_picture->setText(tr("Export picture"));
    m_picture->setToolTip(tr("Save every chosen draw as a picture and open it"));
    m_print->setText(tr("打印"));
    m_pdf->setText(tr("导出PDF"));
    m_legend->setText(tr("A ball or a coloured name: drawn in that draw. A grey number: the draws since the value "
                         "was last drawn, one less than its current omission in the omission table."));
    if (m_request) m_caption->setText(caption(*m_request, m_grid->shown().trend->rowCount()));
}

void TrendWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

TrendWindow::~TrendWindow() = default;

void TrendWindow::open() {
    {
        // The kind is taken from the main window; one count follows below.
        const QSignalBlocker quiet(m_choices);
        m_choices->startFrom(m_mainChoices().kind);
    }
    recount();
    if (!m_geometry->restoreOnce()) {
        // Wide enough for every column where the screen allows.
        const QRect screen =
            (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())->availableGeometry();
        const int width = m_grid->naturalWidth() + 2 * layout()->contentsMargins().left() + 8;
        resize(std::clamp(width, 800, screen.width() * 95 / 100), std::min(760, screen.height() * 9 / 10));
    }
    show();
    raise();
    activateWindow();
}

void TrendWindow::recount() {
    ValueViewRequest made;
    try {
        made = valueViewRequest(m_workspace, m_choices->choices(m_mainChoices()));
        if (made.request) {
            TrendShown shown;
            shown.trend = std::make_shared<const Trend>(m_workspace.analyses().trend(*made.request));
            shown.kind = made.request->kind;
            shown.bases = made.request->bases;
            shown.showMiss = m_showMiss->isChecked();
            m_grid->display(std::move(shown));
            m_request = made.request;
        }
    } catch (const std::exception& error) {
        say(tr("The trend could not be counted: %1").arg(shownError(error)));
        return;
    }
    if (made.problem == ValueViewProblem::NoHistory) {
        TrendShown empty;
        empty.kind = m_choices->choices(m_mainChoices()).kind;
        m_grid->display(std::move(empty));
        m_request.reset();
        m_caption->clear();
        say(tr("The history is empty: read or add draws in the main window first."));
        return;
    }
    if (made.problem == ValueViewProblem::RangeNotIssues) {
        say(tr("The search range of the main window does not hold two issue numbers: type them there, or choose "
               "the latest draws or 全部 here. The chart shows the last range counted."));
        return;
    }
    m_caption->setText(caption(*m_request, m_grid->shown().trend->rowCount()));
    say(QString());
}

QString TrendWindow::caption(const ValuesRequest& request, int rows) const {
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
    return tr("%1 at the %2, issues %3 to %4: %5 draws")
        .arg(shownKindName(request.kind), where)
        .arg(request.range.start)
        .arg(request.range.end)
        .arg(rows);
}

void TrendWindow::exportWorkbook() {
    if (!m_request) {
        say(tr("There is no trend to write yet."));
        return;
    }
    std::filesystem::path file;
    try {
        const TrendCells cells = m_grid->shown().cells();
        file = m_workspace.analyses().exportWorkbook(
            {WorkbookView::Trend, cells.grid(), cells.fills(), trendRulesInWords(*m_request)}, kWorkbookName,
            std::nullopt, windowTranslate());
    } catch (const std::exception& error) {
        m_dialogs.warning(this, tr("Export"),
                          tr("%1 was not written: %2").arg(QString::fromUtf8(kWorkbookName), shownError(error)));
        return;
    }
    wrote(file);
}

void TrendWindow::exportPicture() {
    if (!m_request) {
        say(tr("There is no trend to write yet."));
        return;
    }
    const TrendShown& shown = m_grid->shown();
    const QFont font = m_grid->rowsView()->font();
    const int height = trendPictureHeight(shown, font);
    if (height > kTrendPictureMaxHeight) {
        say(tr("A picture of %1 draws would be %2 pixels tall, more than picture viewers open (%3). Choose fewer "
               "draws (the latest 30 to 200, or a shorter search range) and save the picture again; a workbook "
               "holds any number of draws.")
                .arg(shown.trend->rowCount())
                .arg(height)
                .arg(kTrendPictureMaxHeight));
        return;
    }
    const std::filesystem::path file = m_workspace.dataFolder() / textPath(kPictureName);
    // Written beside the target and put in its place only once complete.
    QSaveFile out(fromPath(file));
    if (!out.open(QIODevice::WriteOnly) || !trendPicture(shown, font).save(&out, "PNG") || !out.commit()) {
        m_dialogs.warning(this, tr("Export"),
                          tr("%1 was not written: %2").arg(QString::fromUtf8(kPictureName), out.errorString()));
        return;
    }
    wrote(file);
}

void TrendWindow::wrote(const std::filesystem::path& file) { m_status->sayWritten(file, m_openFile(file)); }

void TrendWindow::say(const QString& text) { m_status->say(text); }

void TrendWindow::hideEvent(QHideEvent* event) {
    m_geometry->save();
    QWidget::hideEvent(event);
}

} // namespace quorvel
