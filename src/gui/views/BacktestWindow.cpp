// SPDX-License-Identifier: MIT
#include "gui/views/BacktestWindow.h"
#include "gui/shell/StatusLine.h"

#include "app/Workspace.h"
#include "app/results/BacktestSentence.h"
#include "app/results/BacktestView.h"
#include "gui/charts/CalibrationChart.h"
#include "gui/print/GridSources.h"
#include "gui/print/ViewOutput.h"
#include "gui/shell/BusyScope.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/QtText.h"
#include "gui/shell/RunProgress.h"
#include "platform/DesktopLinks.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <exception>

namespace quorvel {

namespace {

constexpr const char* kWorkbookName = "回测.xlsx";

QLabel* namedLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

BacktestWindow::BacktestWindow(Workspace& workspace, Dialogs& dialogs, MainChoices mainChoices, NoLimit noLimit,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), m_workspace(workspace), m_dialogs(dialogs), m_mainChoices(std::move(mainChoices)),
      m_noLimit(std::move(noLimit)), m_openFile(openWithDesktopApplication),
      m_choices(namedLabel(QStringLiteral("lblBacktestChoices"), this)), m_whereLabel(new QLabel(this)),
      m_fromLabel(new QLabel(this)), m_pickLabel(new QLabel(this)), m_seedLabel(new QLabel(this)),
      m_where(new QComboBox(this)), m_from(new QLineEdit(this)), m_pick(new QSpinBox(this)), m_seed(new QSpinBox(this)),
      m_run(new QPushButton(this)), m_export(new QPushButton(this)), m_print(new QPushButton(this)),
      m_pdf(new QPushButton(this)), m_sentence(namedLabel(QStringLiteral("lblBacktestSentence"), this)),
      m_details(namedLabel(QStringLiteral("lblBacktestDetails"), this)), m_note(new QLabel(this)),
      m_chart(new CalibrationChart(this)), m_status(new StatusLine(QStringLiteral("lblBacktestStatus"), this)) {
    setObjectName(QStringLiteral("frmBacktest"));
    m_choices->setWordWrap(true);
    m_where->setObjectName(QStringLiteral("cboBacktestWhere"));
    // Four entries, their texts set by retranslate().
    m_where->addItems({QString(), QString(), QString(), QString()});
    m_from->setObjectName(QStringLiteral("txtBacktestFrom"));
    m_pick->setObjectName(QStringLiteral("spnBacktestPick"));
    m_pick->setRange(1, 1000);
    m_pick->setValue(10);
    m_seed->setObjectName(QStringLiteral("spnBacktestSeed"));
    m_seed->setRange(0, 999999);
    m_seed->setValue(1);
    m_run->setObjectName(QStringLiteral("cmdBacktestRun"));
    m_export->setObjectName(QStringLiteral("cmdBacktestXlsx"));
    m_export->setEnabled(false);
    m_print->setObjectName(QStringLiteral("cmdBacktestPrint"));
    m_pdf->setObjectName(QStringLiteral("cmdBacktestPdf"));
    // Like 导出, they wait for a result.
    m_print->setEnabled(false);
    m_pdf->setEnabled(false);
    m_output = new ViewOutput(
        *this, dialogs, workspace.dataFolder(), QStringLiteral("chtCalibration"), [this] { return printed(); },
        [this](const QString& text) { say(text); });
    QFont large = m_sentence->font();
    large.setPointSizeF(large.pointSizeF() * 1.15);
    large.setBold(true);
    m_sentence->setFont(large);
    m_sentence->setWordWrap(true);
    m_details->setWordWrap(true);

    auto* choices = new QGridLayout;
    choices->addWidget(m_whereLabel, 0, 0);
    choices->addWidget(m_where, 0, 1);
    choices->addWidget(m_fromLabel, 0, 2);
    choices->addWidget(m_from, 0, 3);
    choices->addWidget(m_pickLabel, 1, 0);
    choices->addWidget(m_pick, 1, 1);
    choices->addWidget(m_seedLabel, 1, 2);
    choices->addWidget(m_seed, 1, 3);
    choices->setColumnStretch(4, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_run);
    buttons->addWidget(m_export);
    buttons->addWidget(m_print);
    buttons->addWidget(m_pdf);
    auto* top = new QHBoxLayout;
    top->addLayout(choices, 1);
    top->addLayout(buttons);

    std::size_t named = 0;
    auto results = [&](const QString& name, std::array<QLabel*, 5>& values) {
        auto* frame = new QGroupBox(this);
        frame->setObjectName(name);
        auto* form = new QFormLayout(frame);
        for (int i = 0; i < 5; ++i) {
            values[static_cast<std::size_t>(i)] = namedLabel(QStringLiteral("%1_%2").arg(name).arg(i), frame);
            m_figureNames[named] = new QLabel(frame);
            form->addRow(m_figureNames[named++], values[static_cast<std::size_t>(i)]);
        }
        return frame;
    };
    m_overdueFrame = results(QStringLiteral("fraBacktestOverdue"), m_overdue);
    m_randomFrame = results(QStringLiteral("fraBacktestRandom"), m_random);
    auto* sideBySide = new QHBoxLayout;
    sideBySide->addWidget(m_overdueFrame);
    sideBySide->addWidget(m_randomFrame);
    m_note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_choices);
    layout->addLayout(top);
    layout->addWidget(m_sentence);
    layout->addLayout(sideBySide);
    layout->addWidget(m_details);
    layout->addWidget(m_chart, 1);
    layout->addWidget(m_note);
    layout->addWidget(m_status);
    say(QString());
    m_details->hide();

    connect(m_run, &QPushButton::clicked, this, &BacktestWindow::run);
    connect(m_export, &QPushButton::clicked, this, &BacktestWindow::exportResult);
    connect(m_print, &QPushButton::clicked, m_output, &ViewOutput::print);
    connect(m_pdf, &QPushButton::clicked, m_output, &ViewOutput::writePdf);
    m_output->offerMenuOn(*m_chart->viewport());
    retranslate();
}

void BacktestWindow::retranslate() {
    setWindowTitle(tr("回测"));
    const QStringList where = {tr("as the group calculation counts"), tr("special number"), tr("regular numbers"),
                               tr("any of the seven")};
    for (int i = 0; i < where.size(); ++i)
        m_where->setItemText(i, where[i]);
    m_where->setToolTip(tr("Where a value is looked for; only for groups of one value"));
    m_from->setPlaceholderText(tr("the 500th draw"));
    m_from->setToolTip(tr("The issue of the first decision draw; empty: the 500th stored draw"));
    m_pick->setToolTip(tr("How many of the groups away longest are picked at each decision"));
    m_seed->setToolTip(tr("Seed of the random picks the longest-away picks are compared with"));
    m_run->setText(tr("回测"));
    m_run->setToolTip(tr("Walk the history: at each draw pick the groups away longest and see whether the next "
                         "draw hit them"));
    m_export->setText(tr("导出"));
    m_export->setToolTip(tr("Write the results to a workbook and open it"));
    m_print->setText(tr("打印"));
    m_pdf->setText(tr("导出PDF"));
    m_whereLabel->setText(tr("Look for a value at:"));
    m_fromLabel->setText(tr("First decision issue:"));
    m_pickLabel->setText(tr("Picks per decision:"));
    m_seedLabel->setText(tr("Random seed:"));
    m_overdueFrame->setTitle(tr("Longest-away picks"));
    m_randomFrame->setTitle(tr("Random picks"));
    const QStringList figures = {tr("Picked"), tr("Hits"), tr("Expected by chance"), QStringLiteral("z"),
                                 QStringLiteral("p")};
    for (std::size_t i = 0; i < m_figureNames.size(); ++i)
        m_figureNames[i]->setText(figures[static_cast<qsizetype>(i % 5)]);
    m_note->setText(tr("The backtest measures the past: whether the groups that looked most overdue came up in the "
                       "next draw more often than their hit rates say. It cannot make a lottery predictable."));
    if (isVisible()) describeChoices();
    if (m_result) showResult(*m_result);
}

void BacktestWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void BacktestWindow::open() {
    if (!isVisible()) {
        // As large as the screen allows, up to a comfortable size.
        const QSize room = screen() ? screen()->availableSize() : QSize(1024, 768);
        resize(std::min(960, room.width() - 40), std::min(720, room.height() - 60));
    }
    describeChoices();
    show();
    raise();
    activateWindow();
}

void BacktestWindow::historyChanged() {
    if (!m_result) return;
    say(tr("The history changed since these results were counted: press 回测 to count them again."));
}

void BacktestWindow::describeChoices() {
    const AnalysisChoices main = m_mainChoices();
    int ticked = 0;
    for (bool box : main.ticked)
        ticked += box;
    m_choices->setText(
        tr("From the main window: %1, %2 box(es) ticked, groups of %3; %4%5")
            .arg(shownKindName(main.kind))
            .arg(ticked)
            .arg(main.groupSize)
            .arg(main.includeSpecial ? tr("the special number counts") : tr("the special number does not count"))
            .arg(m_noLimit() ? tr("; no size limits") : QString()));
    m_where->setEnabled(backtestWhereApplies(main.groupSize));
}

void BacktestWindow::run() {
    if (m_running) return;
    describeChoices();
    BacktestWindowChoices own;
    own.where = m_where->currentIndex();
    own.fromText = m_from->text().toStdString();
    own.pick = m_pick->value();
    own.seed = m_seed->value();
    const BacktestPlan plan = backtestPlan(m_mainChoices(), m_noLimit(), own);
    if (plan.problem == BacktestProblem::FromNotIssue) {
        say(tr("The first decision issue must be an issue number such as 2020001, or empty for the 500th draw."));
        return;
    }
    m_running = true;
    {
        BusyScope busy(parentWidget(), std::nullopt);
        m_run->setEnabled(false);
        say(QString());
        try {
            RunProgress progress(this, tr("Backtest"));
            const BacktestResult result = m_workspace.analyses().backtest(*plan.request, progress.progress());
            showResult(result);
        } catch (const AnalysisCancelled&) {
            say(tr("The backtest was cancelled; the results shown are those of the previous run."));
        } catch (const std::exception& error) {
            say(tr("The backtest could not run: %1").arg(shownError(error)));
        }
        m_run->setEnabled(true);
    }
    m_running = false;
}

void BacktestWindow::showResult(const BacktestResult& result) {
    m_result = result;
    m_sentence->setText(shown(backtestSentence(result)));
    auto fill = [](std::array<QLabel*, 5>& labels, const BacktestFigures& f) {
        labels[0]->setText(QString::number(f.picked));
        labels[1]->setText(QString::number(f.hits));
        labels[2]->setText(QString::number(f.expected, 'f', 1));
        labels[3]->setText(QString::number(f.z, 'f', 2));
        labels[4]->setText(fromStd(pValueText(f.pValue)));
    };
    fill(m_overdue, result.overdue);
    fill(m_random, result.baseline);
    m_details->setText(tr("%1 decisions at issues %2 to %3; ties with the last pick, summed: %4; random seed %5.")
                           .arg(result.decisions)
                           .arg(result.firstIssue)
                           .arg(result.lastIssue)
                           .arg(result.ties)
                           .arg(result.seed));
    m_details->show();
    m_chart->showResult(result);
    m_export->setEnabled(true);
    m_print->setEnabled(true);
    m_pdf->setEnabled(true);
}

void BacktestWindow::exportResult() {
    if (!m_result) {
        say(tr("There are no results to write yet."));
        return;
    }
    std::filesystem::path file;
    try {
        file = m_workspace.analyses().exportWorkbook(
            {WorkbookView::Backtest,
             backtestGrid(*m_result, captions(), m_sentence->text().toStdString()),
             {},
             backtestRulesInWords(*m_result)},
            kWorkbookName, std::nullopt, windowTranslate());
    } catch (const std::exception& error) {
        m_dialogs.warning(this, tr("导出"),
                          tr("%1 was not written: %2").arg(QString::fromUtf8(kWorkbookName), shownError(error)));
        return;
    }
    m_status->sayWritten(file, m_openFile(file));
}

BacktestCaptions BacktestWindow::captions() const {
    BacktestCaptions captions;
    captions.overdue = tr("Longest-away picks").toStdString();
    captions.random = tr("Random picks").toStdString();
    captions.picked = tr("Picked").toStdString();
    captions.hits = tr("Hits").toStdString();
    captions.expected = tr("Expected by chance").toStdString();
    captions.ties = tr("Ties with the last pick, summed").toStdString();
    captions.decisions = tr("Decisions").toStdString();
    captions.seed = tr("Random seed").toStdString();
    const QStringList bins = {tr("p from"), tr("p to"), tr("Groups"), tr("Hits"), tr("Expected by chance")};
    for (int i = 0; i < 5; ++i)
        captions.binColumns[i] = bins[i].toStdString();
    return captions;
}

std::optional<PrintedGrid> BacktestWindow::printed() const {
    if (!m_result) return std::nullopt;
    // The sentence goes under the title, where it has the page's width.
    const std::string sentence = m_sentence->text().toStdString();
    CellGrid cells = backtestGrid(*m_result, captions(), sentence);
    std::erase_if(cells, [&](const std::vector<std::string>& line) { return line.size() == 1 && line[0] == sentence; });
    const Message view = Message::core(QT_TRANSLATE_NOOP("Core", "Backtest"));
    PrintTitle title{view, m_mainChoices().kind, {}, IssueRange{m_result->firstIssue, m_result->lastIssue}, {}};
    PrintedGrid grid = textGrid(cells, font(), printTitleText(title));
    grid.notes << m_choices->text() << m_sentence->text() << m_details->text() << m_note->text();
    grid.fileStem = printFileStemText(view, m_result->lastIssue);
    return grid;
}

void BacktestWindow::say(const QString& text) { m_status->say(text); }

} // namespace quorvel
