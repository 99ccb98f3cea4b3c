// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QTableView;

namespace quorvel {

class Dialogs;

// Copying from a grid: Ctrl+C puts the selected cells, under their header row, on the clipboard as
// tab-separated text (it pastes into a spreadsheet). With a menu, a right click on the grid offers "复制" (in the
// window's language, following it at once).
class GridCopy : public QObject {
    Q_OBJECT
  public:
    GridCopy(QTableView& grid, Dialogs* menuDialogs);

    // Copies the selected cells (the rectangle they span) with the header row; nothing when none is selected.
    void copySelection();
    // The right-click menu; nothing for a grid without one.
    QMenu* menu() const { return m_menu; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTableView& m_grid;
    Dialogs* m_dialogs;
    QMenu* m_menu = nullptr;
    QAction* m_copy;
};

} // namespace quorvel
