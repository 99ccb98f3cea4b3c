// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <filesystem>
#include <functional>

class QWidget;

namespace quorvel {

class Dialogs;
class HistoryPanel;
class Workspace;

// The history's exports: Command4 writes the history text file and opens it in the desktop's text editor;
// mnuDcls and a double click on the history list write lishi.xlsx and open it in the spreadsheet
// application. The status bar says where the file went; when nothing can open it the user is told and the
// file is kept.
class HistoryExports : public QObject {
    Q_OBJECT
  public:
    HistoryExports(Workspace& workspace, Dialogs& dialogs, QWidget& window, HistoryPanel& panel);

  signals:
    void statusMessage(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The application the desktop opens the written file with.
    enum class Opener { TextEditor, Spreadsheet };

    void exportText();
    void exportWorkbook();
    // Writes the file, says where it went and opens it with the desktop's application for its type.
    void exportAndOpen(const QString& title, const std::function<std::filesystem::path()>& write, Opener opener);

    Workspace& m_workspace;
    Dialogs& m_dialogs;
    QWidget& m_window;
    HistoryPanel& m_panel;
};

} // namespace quorvel
