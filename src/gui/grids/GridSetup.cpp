// SPDX-License-Identifier: MIT
#include "gui/grids/GridSetup.h"

#include "gui/grids/GridWheel.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace quorvel {

QTableView* makeGrid(const QString& objectName, QAbstractItemModel* model, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(objectName);
    grid->setModel(model);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    new GridWheel(grid);
    return grid;
}

void setColumnWidthsTwips(QTableView* grid, const std::vector<int>& twips) {
    const QFontMetrics headerMetrics = grid->horizontalHeader()->fontMetrics();
    const QFontMetrics cellMetrics = grid->fontMetrics();
    const QAbstractItemModel* model = grid->model();
    const int lastRow = model->rowCount() - 1;
    for (int column = 0; column < static_cast<int>(twips.size()); ++column) {
        int needed = headerMetrics.horizontalAdvance(model->headerData(column, Qt::Horizontal).toString());
        // Rows of one grid hold texts of one width per column (issues, numbers); the last row stands for all.
        if (lastRow >= 0)
            needed = std::max(needed, cellMetrics.horizontalAdvance(model->index(lastRow, column).data().toString()));
        grid->setColumnWidth(column, std::max(twips[static_cast<std::size_t>(column)] / 15, needed + 10));
    }
}

int gridWidth(const QTableView* grid) {
    int width = 2 * grid->frameWidth() + grid->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        width += grid->columnWidth(column);
    return width;
}

} // namespace quorvel
