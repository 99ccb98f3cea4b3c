// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace quorvel {

// A grid in the window's style: compact rows, a header row, no row numbers, one row per wheel notch.
QTableView* makeGrid(const QString& objectName, QAbstractItemModel* model, QWidget* parent);

// Sets column widths given in twips (15 to a pixel), widened where the header or the cells need more room.
void setColumnWidthsTwips(QTableView* grid, const std::vector<int>& twips);

// The width that shows every column of a grid beside its vertical scroll bar.
int gridWidth(const QTableView* grid);

} // namespace quorvel
