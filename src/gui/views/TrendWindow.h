// SPDX-License-Identifier: MIT
#pragma once

#include "app/choices/WindowRequests.h"
#include "app/results/ValueViewChoices.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace quorvel {

class Dialogs;
class SavedGeometry;
class StatusLine;
class TrendGrid;
class ValueChoiceBar;
class ViewOutput;
class Workspace;

// The trend window frmTrend (走势图), non-modal: one row per draw of the chosen range with the latest at the bottom,
// one column per value of a kind (hits as balls or coloured names, misses as grey counts unless 显示遗漏 is off),
// the four summary rows below; the chosen rows written to a workbook (cmdTrendXlsx) or a picture (cmdTrendPng),
// printed (cmdTrendPrint) or written as PDF (cmdTrendPdf), its columns across pages in order or fitted to the width;
// a right click on the grid offers the same and pictures to send. It
// remembers its size and place, and counts again whenever a choice or the history changes. Its captions and the
// caption above the grid follow the window's language at once; the status line keeps its words until the next
// action.
class TrendWindow : public QWidget {
    Q_OBJECT
  public:
    // What the main window's options say now (kind, number order and range texts are read).
    using MainChoices = std::function<AnalysisChoices()>;
    using FileOpener = std::function<bool(const std::filesystem::path&)>;

    TrendWindow(Workspace& workspace, Dialogs& dialogs, MainChoices mainChoices, QWidget* parent);
    ~TrendWindow() override;

    // Shows and raises the window with the main window's kind.
    void open();
    // Counts the trend again (the history or the main window's range changed).
    void recount();
    // How a written file is opened (the desktop's application unless replaced).
    void setFileOpener(FileOpener opener) { m_openFile = std::move(opener); }

  protected:
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void exportWorkbook();
    void exportPicture();
    // Says where a file was written and opens it.
    void wrote(const std::filesystem::path& file);
    QString caption(const ValuesRequest& request, int rows) const;
    void say(const QString& text);

    Workspace& m_workspace;
    Dialogs& m_dialogs;
    MainChoices m_mainChoices;
    FileOpener m_openFile;
    ValueChoiceBar* m_choices;
    QCheckBox* m_showMiss;
    QPushButton* m_workbook;
    QPushButton* m_picture;
    QPushButton* m_print;
    QPushButton* m_pdf;
    ViewOutput* m_output;
    QLabel* m_caption;
    QLabel* m_legend;
    TrendGrid* m_grid;
    StatusLine* m_status;
    std::unique_ptr<SavedGeometry> m_geometry;
    std::optional<ValuesRequest> m_request; // the request of the trend shown
};

} // namespace quorvel
