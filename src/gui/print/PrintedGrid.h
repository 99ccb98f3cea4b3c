// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;
class QRect;

namespace quorvel {

// A grid as it is printed, written as PDF or drawn as a picture: the title line, notes under it, the header row
// repeated on every page, and the cells painted by the view that shows them (colours as on screen, the text kept
// in every cell, so that a page in black and white still reads). Sizes are pixels of `font`.
struct PrintedGrid {
    QString title;
    QStringList notes;       // lines under the title (the figures of a details panel)
    QStringList header;      // empty: no header row and no lines (a picture of a chart)
    std::vector<int> widths; // one per column
    int rows = 0;
    int rowHeight = 0;
    // The first columns repeated on every page when the columns are cut into pages (the issue column).
    int keptColumns = 0;
    QFont font; // its size in pixels
    std::function<void(QPainter& painter, const QRect& cell, int row, int column)> paintCell;
    // The file name offered for the grid written as a file, without its extension ("遗漏总表-2026107").
    QString fileStem;
};

} // namespace quorvel
