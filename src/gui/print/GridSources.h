// SPDX-License-Identifier: MIT
#pragma once

#include "gui/print/PrintedGrid.h"
#include "gui/views/TrendModels.h"
#include "model/CellGrid.h"

class QAbstractItemModel;

namespace quorvel {

// A font at its size in pixels, so that it keeps its size on a printer's or a PDF's own resolution.
QFont pixelFont(const QFont& font);

// Any grid as its view shows it: the header's captions, and each cell's text on its ground, in its colour and
// alignment. The model must outlive the grid's use.
PrintedGrid modelGrid(const QAbstractItemModel& model, const QFont& font, const QString& title);

// A grid of texts, its first row the header (a report such as the backtest's figures).
PrintedGrid textGrid(const CellGrid& cells, const QFont& font, const QString& title);

// A chart as it is shown now, in one cell without a header.
PrintedGrid chartGrid(QWidget& chart, const QString& title);

// The trend: a row per draw, then the four summary rows; each value cell a ball or a coloured name as in the window;
// the issue column kept on every page of columns.
PrintedGrid trendGrid(const TrendShown& shown, const QFont& font, const QString& title);

} // namespace quorvel
