// SPDX-License-Identifier: MIT
#include "gui/history/HistoryExports.h"
#include "gui/shell/QtText.h"

#include "app/Workspace.h"
#include "gui/history/HistoryPanel.h"
#include "gui/shell/Dialogs.h"
#include "gui/shell/WaitCursor.h"
#include "model/Error.h"
#include "platform/DesktopLinks.h"

#include <QAction>
#include <QDir>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

#include <exception>

namespace quorvel {

HistoryExports::HistoryExports(Workspace& workspace, Dialogs& dialogs, QWidget& window, HistoryPanel& panel)
    : QObject(&window), m_workspace(workspace), m_dialogs(dialogs), m_window(window), m_panel(panel) {
    auto* textButton = panel.findChild<QPushButton*>(QStringLiteral("Command4"));
    auto* workbookEntry = window.findChild<QAction*>(QStringLiteral("mnuDcls"));
    if (textButton == nullptr || workbookEntry == nullptr)
        throw Error("the window has no Command4 button or mnuDcls menu entry");
    connect(textButton, &QPushButton::clicked, this, &HistoryExports::exportText);
    connect(workbookEntry, &QAction::triggered, this, &HistoryExports::exportWorkbook);
    panel.grid()->viewport()->installEventFilter(this);
}

bool HistoryExports::eventFilter(QObject* watched, QEvent* event) {
    // Anywhere on the list, also below its last row: the whole list is exported, not a cell.
    if (watched == m_panel.grid()->viewport() && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        exportWorkbook();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void HistoryExports::exportText() {
    exportAndOpen(
        tr("历史号码导出文本文件"), [this] { return m_workspace.maintenance().exportHistoryText(std::nullopt); },
        Opener::TextEditor);
}

void HistoryExports::exportWorkbook() {
    exportAndOpen(
        tr("导出历史号码"),
        [this] { return m_workspace.maintenance().exportHistoryWorkbook(std::nullopt, windowTranslate()); },
        Opener::Spreadsheet);
}

void HistoryExports::exportAndOpen(const QString& title, const std::function<std::filesystem::path()>& write,
                                   Opener opener) {
    std::filesystem::path file;
    try {
        WaitCursor wait;
        file = write();
    } catch (const std::exception& error) {
        m_dialogs.warning(&m_window, title, tr("Nothing was exported: %1").arg(shownError(error)));
        return;
    }
    const QString shown = QDir::toNativeSeparators(fromPath(file));
    const bool text = opener == Opener::TextEditor;
    if (openWithDesktopApplication(file)) {
        emit statusMessage(
            text ? tr("The history was written to %1 and opened in the text editor.").arg(shown)
                 : tr("The history was written to %1 and opened in the spreadsheet application.").arg(shown));
        return;
    }
    emit statusMessage(tr("The history was written to %1.").arg(shown));
    m_dialogs.warning(&m_window, title,
                      text ? tr("The history was written to %1, but no text editor on this desktop could open it; "
                                "the file is kept there.")
                                 .arg(shown)
                           : tr("The history was written to %1, but no spreadsheet application on this desktop "
                                "could open it; the file is kept there.")
                                 .arg(shown));
}

} // namespace quorvel
