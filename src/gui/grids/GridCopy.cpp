// SPDX-License-Identifier: MIT
#include "gui/grids/GridCopy.h"

#include "app/results/GridText.h"
#include "gui/shell/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>

#include <algorithm>

namespace quorvel {

GridCopy::GridCopy(QTableView& grid, Dialogs* menuDialogs) : QObject(&grid), m_grid(grid), m_dialogs(menuDialogs) {
    if (m_dialogs != nullptr) {
        m_menu = new QMenu(&grid);
        m_menu->setObjectName(QStringLiteral("mnuGrid_%1").arg(grid.objectName()));
    }
    m_copy = new QAction(tr("Copy"), m_menu != nullptr ? static_cast<QObject*>(m_menu) : &grid);
    QAction* copy = m_copy;
    copy->setObjectName(QStringLiteral("mnuCopy_%1").arg(grid.objectName()));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    grid.addAction(copy);
    connect(copy, &QAction::triggered, this, &GridCopy::copySelection);
    // The grid takes Ctrl+C as a key of its own (it would copy only the current cell): the filter answers it.
    grid.installEventFilter(this);
    if (m_menu != nullptr) {
        m_menu->addAction(copy);
        grid.viewport()->installEventFilter(this);
    }
}

void GridCopy::copySelection() {
    const QModelIndexList selected = m_grid.selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return;
    int top = selected.front().row(), bottom = top, left = selected.front().column(), right = left;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    const QAbstractItemModel& model = *m_grid.model();
    CellGrid cells;
    std::vector<std::string> header;
    // The caption alone where a grid marks its order beside it (EditRole), else the caption shown.
    for (int column = left; column <= right; ++column) {
        const QVariant plain = model.headerData(column, Qt::Horizontal, Qt::EditRole);
        header.push_back((plain.isValid() ? plain : model.headerData(column, Qt::Horizontal)).toString().toStdString());
    }
    cells.push_back(std::move(header));
    for (int row = top; row <= bottom; ++row) {
        std::vector<std::string> line;
        for (int column = left; column <= right; ++column) {
            const QModelIndex index = model.index(row, column);
            line.push_back(m_grid.selectionModel()->isSelected(index) ? index.data().toString().toStdString()
                                                                      : std::string());
        }
        cells.push_back(std::move(line));
    }
    QApplication::clipboard()->setText(QString::fromStdString(tabSeparatedText(cells)));
}

bool GridCopy::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_grid && event->type() == QEvent::LanguageChange) m_copy->setText(tr("Copy"));
    if (watched == &m_grid && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            event->accept();
            if (event->type() == QEvent::KeyPress) copySelection();
            return true;
        }
    }
    if (watched == m_grid.viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            m_dialogs->popup(*m_menu, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quorvel
