// SPDX-License-Identifier: MIT
#pragma once

#include "app/choices/WindowRequests.h"
#include "app/results/ValueViewChoices.h"

#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;

namespace quorvel {

class Dialogs;
class OmissionChart;
class OmissionTableModel;
class SavedGeometry;
class StatusLine;
class ValueChoiceBar;
class ViewOutput;
class Workspace;

// The omission table window frmTable (遗漏总表), non-modal: every value of a kind with its hits, omissions and
// recent hits in the grid grdTable (a click on a header orders the rows, colours mark values away unusually long
// and hot ones), the gaps of the selected value in the chart chtTable, and 导出 (cmdTableXlsx) to a workbook with
// the colours; 打印 (cmdTablePrint), 导出PDF (cmdTablePdf) and, on the grid's right-click menu, pictures of the table.
// It remembers its size and place, and counts again whenever a choice or the history changes. Its captions, the caption
// above the grid and the chart follow the window's language at once; the status line keeps its words until the next
// action.
class TableWindow : public QWidget {
    Q_OBJECT
  public:
    // What the main window's options say now (kind, number order and range texts are read).
    using MainChoices = std::function<AnalysisChoices()>;
    using FileOpener = std::function<bool(const std::filesystem::path&)>;

    TableWindow(Workspace& workspace, Dialogs& dialogs, MainChoices mainChoices, QWidget* parent);
    ~TableWindow() override;

    // Shows and raises the window with the main window's kind.
    void open();
    // Counts the table again (the history or the main window's range changed).
    void recount();
    // How a written workbook is opened (the desktop's application unless replaced).
    void setFileOpener(FileOpener opener) { m_openFile = std::move(opener); }

  protected:
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void showChart();
    void exportTable();
    // The caption above the grid: the kind, the place, the range and the gap rule.
    QString caption(const ValuesRequest& request) const;
    void say(const QString& text);

    Workspace& m_workspace;
    Dialogs& m_dialogs;
    MainChoices m_mainChoices;
    FileOpener m_openFile;
    ValueChoiceBar* m_choices;
    QLabel* m_caption;
    OmissionTableModel* m_model;
    QTableView* m_grid;
    OmissionChart* m_chart;
    QPushButton* m_export;
    QPushButton* m_print;
    QPushButton* m_pdf;
    ViewOutput* m_output = nullptr;
    QLabel* m_legend;
    StatusLine* m_status;
    std::unique_ptr<SavedGeometry> m_geometry;
    std::optional<ValuesRequest> m_request; // the request of the table shown
    std::optional<int> m_selected;          // the value whose gaps the chart shows
};

} // namespace quorvel
