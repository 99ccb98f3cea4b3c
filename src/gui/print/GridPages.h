// SPDX-License-Identifier: MIT
#pragma once

#include "gui/print/PrintedGrid.h"

#include <QSize>

#include <vector>

class QPainter;

namespace quorvel {

// Cuts a grid into pages of one size: the rows into pages below the title and the repeated header; the columns
// either squeezed into the page width or cut into bands of columns, every band beginning with the kept columns, all
// pages of one band before the next. One layout for every view, the printer, PDF and pictures alike.
class GridPages {
  public:
    // `page`: the page's size in pixels of the grid's font; a height of 0 puts every row on one page.
    GridPages(const PrintedGrid& grid, QSize page, bool fitWidth);

    int count() const { return static_cast<int>(m_pages.size()); }
    // Paints a page with its top left at the painter's origin, in pixels of the grid's font.
    void paint(QPainter& painter, int page) const;
    // The size a page's content takes (its title, header and rows), in pixels of the grid's font.
    QSize used(int page) const;
    // The scale the page is painted at (below 1 when the columns were squeezed into the width).
    double scale() const { return m_scale; }

  private:
    struct Page {
        int band = 0;
        int firstRow = 0;
        int rowCount = 0;
    };
    int titleHeight() const;
    // The header row's height; none without a header.
    int headerHeight() const;
    int bandWidth(int band) const;

    const PrintedGrid& m_grid;
    double m_scale = 1.0;
    std::vector<std::vector<int>> m_bands; // the columns of each band, in order
    std::vector<Page> m_pages;
    int m_textWidth = 0; // the width the title and notes wrap in
};

} // namespace quorvel
