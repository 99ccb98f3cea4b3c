// SPDX-License-Identifier: MIT
#include "gui/print/GridSources.h"

#include "gui/views/TrendCellPainter.h"

#include <QAbstractItemModel>
#include <QBrush>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace quorvel {

namespace {

constexpr int kCellMargin = 12; // a cell's text keeps a margin on either side
constexpr int kWidestCell = 420;

} // namespace

QFont pixelFont(const QFont& font) {
    QFont sized = font;
    if (font.pixelSize() <= 0) sized.setPixelSize(std::max(1, qRound(font.pointSizeF() * 96.0 / 72.0)));
    return sized;
}

PrintedGrid modelGrid(const QAbstractItemModel& model, const QFont& font, const QString& title) {
    PrintedGrid grid;
    grid.title = title;
    grid.font = pixelFont(font);
    const QFontMetrics metrics(grid.font);
    grid.rows = model.rowCount();
    grid.rowHeight = metrics.height() + 8;
    for (int column = 0; column < model.columnCount(); ++column) {
        const QString caption = model.headerData(column, Qt::Horizontal).toString();
        grid.header << caption;
        int widest = metrics.horizontalAdvance(caption);
        for (int row = 0; row < grid.rows; ++row)
            widest = std::max(widest, metrics.horizontalAdvance(model.index(row, column).data().toString()));
        grid.widths.push_back(std::min(widest + kCellMargin, kWidestCell));
    }
    grid.paintCell = [&model](QPainter& painter, const QRect& cell, int row, int column) {
        const QModelIndex index = model.index(row, column);
        const QVariant ground = index.data(Qt::BackgroundRole);
        if (ground.isValid()) painter.fillRect(cell, ground.value<QBrush>());
        const QVariant colour = index.data(Qt::ForegroundRole);
        if (colour.isValid()) painter.setPen(colour.value<QBrush>().color());
        const QVariant aligned = index.data(Qt::TextAlignmentRole);
        const int alignment = aligned.isValid() ? aligned.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
        painter.drawText(cell.adjusted(kCellMargin / 2, 0, -kCellMargin / 2, 0), alignment, index.data().toString());
    };
    return grid;
}

PrintedGrid textGrid(const CellGrid& cells, const QFont& font, const QString& title) {
    PrintedGrid grid;
    grid.title = title;
    grid.font = pixelFont(font);
    const QFontMetrics metrics(grid.font);
    grid.rowHeight = metrics.height() + 8;
    std::size_t columns = 0;
    for (const auto& line : cells)
        columns = std::max(columns, line.size());
    auto text = [&cells](std::size_t row, std::size_t column) {
        return row < cells.size() && column < cells[row].size() ? QString::fromStdString(cells[row][column])
                                                                : QString();
    };
    for (std::size_t column = 0; column < columns; ++column) {
        grid.header << text(0, column);
        int widest = 0;
        for (std::size_t row = 0; row < cells.size(); ++row)
            widest = std::max(widest, metrics.horizontalAdvance(text(row, column)));
        grid.widths.push_back(std::min(widest + kCellMargin, kWidestCell));
    }
    grid.rows = std::max(0, static_cast<int>(cells.size()) - 1);
    auto held = std::make_shared<const CellGrid>(cells);
    grid.paintCell = [held](QPainter& painter, const QRect& cell, int row, int column) {
        const auto& line = (*held)[static_cast<std::size_t>(row) + 1];
        if (static_cast<std::size_t>(column) < line.size())
            painter.drawText(cell.adjusted(kCellMargin / 2, 0, -kCellMargin / 2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             QString::fromStdString(line[static_cast<std::size_t>(column)]));
    };
    return grid;
}

PrintedGrid chartGrid(QWidget& chart, const QString& title) {
    PrintedGrid grid;
    grid.title = title;
    grid.font = pixelFont(chart.font());
    const QPixmap shown = chart.grab();
    grid.widths.push_back(chart.width());
    grid.rowHeight = chart.height();
    grid.rows = 1;
    grid.paintCell = [shown](QPainter& painter, const QRect& cell, int, int) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawPixmap(cell, shown);
    };
    return grid;
}

PrintedGrid trendGrid(const TrendShown& shown, const QFont& font, const QString& title) {
    PrintedGrid grid;
    grid.title = title;
    grid.font = pixelFont(font);
    const Trend& trend = *shown.trend;
    const TrendMetrics sizes = TrendMetrics::of(QFontMetrics(grid.font), trend);
    auto cells = std::make_shared<const TrendCells>(shown.cells());
    const Wording wording = windowWording();
    grid.header << QString::fromStdString(wording.said(TrendCells::issueCaption()));
    grid.widths.push_back(sizes.issueWidth);
    for (int column = 0; column < trend.columnCount(); ++column) {
        grid.header << QString::fromStdString(cells->columnLabel(column));
        grid.widths.push_back(sizes.valueWidth);
    }
    grid.rows = trend.rowCount() + TrendCells::kSummaryRows;
    grid.rowHeight = sizes.rowHeight;
    grid.keptColumns = 1;
    // The cells read the trend the picture holds on to.
    grid.paintCell = [cells, trendHeld = shown.trend, wording](QPainter& painter, const QRect& cell, int row,
                                                               int column) {
        const int draws = trendHeld->rowCount();
        if (row < draws) {
            if (column == 0) {
                painter.drawText(cell, Qt::AlignCenter, QString::number(trendHeld->issue(row)));
            } else {
                paintTrendCell(painter, cell, cells->cell(row, column - 1));
            }
            return;
        }
        // The summary rows on their ground, as in the window.
        const int summary = row - draws;
        painter.fillRect(cell, QColor(0xFF, 0xF8, 0xE1));
        const QString text =
            column == 0
                ? QString::fromStdString(wording.said(TrendCells::summaryCaptions()[static_cast<std::size_t>(summary)]))
                : QString::fromStdString(cells->summaryText(summary, column - 1));
        painter.drawText(cell, Qt::AlignCenter, text);
    };
    return grid;
}

} // namespace quorvel
