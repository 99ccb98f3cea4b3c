// SPDX-License-Identifier: MIT
#include "gui/grids/GridWheel.h"

#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

#include <algorithm>

namespace quorvel {

GridWheel::GridWheel(QTableView* grid) : QObject(grid), m_grid(grid) {
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    grid->viewport()->installEventFilter(this);
}

bool GridWheel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    // One row per wheel event, whatever its delta: a fast spin or a fine-grained wheel never skips rows.
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    QScrollBar* bar = m_grid->verticalScrollBar();
    const int top = bar->value();
    bar->setValue(delta <= 0 ? top + 1 : std::max(0, top - 1));
    event->accept();
    return true;
}

} // namespace quorvel
