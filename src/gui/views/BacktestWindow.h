// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Backtest.h"
#include "app/choices/WindowRequests.h"

#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quorvel {

class CalibrationChart;
class Dialogs;
class StatusLine;
class ViewOutput;
class Workspace;
struct BacktestCaptions;
struct PrintedGrid;

// The backtest window frmBacktest (回测), non-modal: with the main window's kind, ticked boxes, group size,
// special switch and no-limit setting, and its own start issue, picks per decision, seed and (for groups of one
// value) where a value is looked for, 回测 (cmdBacktestRun) walks the history with progress and cancel; the
// window shows the sentence, the overdue picks beside the random ones, and the calibration chart chtCalibration;
// 导出 (cmdBacktestXlsx) writes them to a workbook, 打印 (cmdBacktestPrint) and 导出PDF (cmdBacktestPdf) print the
// report; a right click on the chart offers them with pictures to send. Its captions, the choices' line, the sentence
// and the figures follow the window's language at once; the status line keeps its words until the next action.
class BacktestWindow : public QWidget {
    Q_OBJECT
  public:
    using MainChoices = std::function<AnalysisChoices()>;
    using NoLimit = std::function<bool()>;
    using FileOpener = std::function<bool(const std::filesystem::path&)>;

    BacktestWindow(Workspace& workspace, Dialogs& dialogs, MainChoices mainChoices, NoLimit noLimit, QWidget* parent);

    // Shows and raises the window with the main window's choices described.
    void open();
    // The history changed: the results shown belong to the old one.
    void historyChanged();
    void setFileOpener(FileOpener opener) { m_openFile = std::move(opener); }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void run();
    void showResult(const BacktestResult& result);
    void exportResult();
    // The captions of the figures in the language now in use.
    BacktestCaptions captions() const;
    // The report as it is printed: the figures and the bins, the sentence and the run's details under the title.
    std::optional<PrintedGrid> printed() const;
    // The line naming the main window's choices the run takes.
    void describeChoices();
    void say(const QString& text);

    Workspace& m_workspace;
    Dialogs& m_dialogs;
    MainChoices m_mainChoices;
    NoLimit m_noLimit;
    FileOpener m_openFile;
    QLabel* m_choices;
    QLabel* m_whereLabel;
    QLabel* m_fromLabel;
    QLabel* m_pickLabel;
    QLabel* m_seedLabel;
    QComboBox* m_where;
    QLineEdit* m_from;
    QSpinBox* m_pick;
    QSpinBox* m_seed;
    QPushButton* m_run;
    QPushButton* m_export;
    QPushButton* m_print;
    QPushButton* m_pdf;
    ViewOutput* m_output = nullptr;
    QLabel* m_sentence;
    std::array<QLabel*, 5> m_overdue{};
    std::array<QLabel*, 5> m_random{};
    QGroupBox* m_overdueFrame = nullptr;
    QGroupBox* m_randomFrame = nullptr;
    std::array<QLabel*, 10> m_figureNames{}; // the names of the five figures in each of the two frames
    QLabel* m_details;
    QLabel* m_note;
    CalibrationChart* m_chart;
    StatusLine* m_status;
    std::optional<BacktestResult> m_result;
    bool m_running = false;
};

} // namespace quorvel
