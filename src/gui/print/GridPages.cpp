// SPDX-License-Identifier: MIT
#include "gui/print/GridPages.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace quorvel {

namespace {

constexpr int kGap = 6; // between the title block and the header row

QFont titleFont(const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    return bold;
}

int wrappedHeight(const QFont& font, int width, const QString& text) {
    if (text.isEmpty()) return 0;
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text).height();
}

} // namespace

GridPages::GridPages(const PrintedGrid& grid, QSize page, bool fitWidth) : m_grid(grid) {
    const int columns = static_cast<int>(grid.widths.size());
    const int whole = std::accumulate(grid.widths.begin(), grid.widths.end(), 0);
    const int pageWidth = std::max(page.width(), 1);
    if (fitWidth && whole > pageWidth) m_scale = static_cast<double>(pageWidth) / whole;
    const int width = static_cast<int>(pageWidth / m_scale);
    const int height = page.height() > 0 ? static_cast<int>(page.height() / m_scale) : 0;
    m_textWidth = width;

    // Bands of columns: each begins with the kept columns and takes as many of the others as fit.
    const int kept = std::clamp(grid.keptColumns, 0, columns);
    const int keptWidth = std::accumulate(grid.widths.begin(), grid.widths.begin() + kept, 0);
    std::vector<int> band;
    int used = 0;
    for (int column = kept; column < columns; ++column) {
        const int next = grid.widths[static_cast<std::size_t>(column)];
        if (!band.empty() && keptWidth + used + next > width) {
            m_bands.push_back(std::move(band));
            band.clear();
            used = 0;
        }
        band.push_back(column);
        used += next;
    }
    if (!band.empty() || m_bands.empty()) m_bands.push_back(std::move(band));
    for (auto& each : m_bands) {
        std::vector<int> withKept(static_cast<std::size_t>(kept));
        std::iota(withKept.begin(), withKept.end(), 0);
        withKept.insert(withKept.end(), each.begin(), each.end());
        each = std::move(withKept);
    }

    const int rowHeight = std::max(grid.rowHeight, 1);
    const int perPage =
        height > 0 ? std::max(1, (height - titleHeight() - headerHeight()) / rowHeight) : std::max(grid.rows, 1);
    for (int b = 0; b < static_cast<int>(m_bands.size()); ++b) {
        int first = 0;
        do {
            m_pages.push_back({b, first, std::min(perPage, grid.rows - first)});
            first += perPage;
        } while (first < grid.rows);
    }
}

int GridPages::titleHeight() const {
    int height = wrappedHeight(titleFont(m_grid.font), m_textWidth, m_grid.title);
    for (const QString& note : m_grid.notes)
        height += wrappedHeight(m_grid.font, m_textWidth, note);
    return height + kGap;
}

int GridPages::headerHeight() const { return m_grid.header.isEmpty() ? 0 : m_grid.rowHeight; }

int GridPages::bandWidth(int band) const {
    int width = 0;
    for (int column : m_bands[static_cast<std::size_t>(band)])
        width += m_grid.widths[static_cast<std::size_t>(column)];
    return width;
}

QSize GridPages::used(int page) const {
    const Page& shown = m_pages[static_cast<std::size_t>(page)];
    // The title and notes as wide as they are written, up to where they wrap.
    int text = QFontMetrics(titleFont(m_grid.font)).boundingRect(m_grid.title).width();
    for (const QString& note : m_grid.notes)
        text = std::max(text, QFontMetrics(m_grid.font).boundingRect(note).width());
    const int width = std::max(bandWidth(shown.band), std::min(m_textWidth, text + kGap));
    const int height = titleHeight() + headerHeight() + shown.rowCount * m_grid.rowHeight + 1;
    return QSize(static_cast<int>(width * m_scale) + 1, static_cast<int>(height * m_scale) + 1);
}

void GridPages::paint(QPainter& painter, int page) const {
    const Page& shown = m_pages[static_cast<std::size_t>(page)];
    const std::vector<int>& band = m_bands[static_cast<std::size_t>(shown.band)];
    painter.save();
    painter.scale(m_scale, m_scale);
    painter.setPen(Qt::black);

    int y = 0;
    auto wrapped = [&](const QFont& font, const QString& text) {
        painter.setFont(font);
        const QRect box(0, y, m_textWidth, 100000);
        QRect taken;
        painter.drawText(box, Qt::TextWordWrap, text, &taken);
        y += taken.height();
    };
    if (!m_grid.title.isEmpty()) wrapped(titleFont(m_grid.font), m_grid.title);
    for (const QString& note : m_grid.notes)
        wrapped(m_grid.font, note);
    y += kGap;
    painter.setFont(m_grid.font);

    const int rowHeight = m_grid.rowHeight;
    const int width = bandWidth(shown.band);
    // The header row on its grey ground, then the rows, each cell painted by the view.
    const int header = headerHeight();
    if (header > 0) {
        painter.fillRect(0, y, width, header, QColor(0xEE, 0xEE, 0xEE));
        int x = 0;
        for (int column : band) {
            const int w = m_grid.widths[static_cast<std::size_t>(column)];
            painter.drawText(QRect(x, y, w, header), Qt::AlignCenter, m_grid.header.value(column));
            x += w;
        }
    }
    for (int r = 0; r < shown.rowCount; ++r) {
        const int top = y + header + r * rowHeight;
        int x = 0;
        for (int column : band) {
            const int w = m_grid.widths[static_cast<std::size_t>(column)];
            painter.save();
            painter.setPen(Qt::black);
            m_grid.paintCell(painter, QRect(x, top, w, rowHeight), shown.firstRow + r, column);
            painter.restore();
            x += w;
        }
    }
    // Lines between the cells, dark enough for a printer's grey; a picture of a chart has none.
    if (header == 0) {
        painter.restore();
        return;
    }
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 0));
    const int bottom = y + header + shown.rowCount * rowHeight;
    painter.drawLine(0, y, width, y);
    for (int line = 0; line <= shown.rowCount; ++line)
        painter.drawLine(0, y + header + line * rowHeight, width, y + header + line * rowHeight);
    int x = 0;
    painter.drawLine(0, y, 0, bottom);
    for (int column : band) {
        x += m_grid.widths[static_cast<std::size_t>(column)];
        painter.drawLine(x, y, x, bottom);
    }
    painter.restore();
}

} // namespace quorvel
