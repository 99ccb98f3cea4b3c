// SPDX-License-Identifier: MIT
#include "gui/views/TrendPicture.h"

#include "gui/shell/Translations.h"
#include "gui/views/TrendCellPainter.h"

#include <QFontMetrics>
#include <QPainter>

namespace quorvel {

namespace {

QString fromStd(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

int trendPictureHeight(const TrendShown& shown, const QFont& font) {
    const TrendMetrics sizes = TrendMetrics::of(QFontMetrics(font), *shown.trend);
    return (1 + shown.trend->rowCount() + TrendCells::kSummaryRows) * sizes.rowHeight + 1;
}

QImage trendPicture(const TrendShown& shown, const QFont& font) {
    const Trend& trend = *shown.trend;
    const TrendMetrics sizes = TrendMetrics::of(QFontMetrics(font), trend);
    const int width = sizes.issueWidth + trend.columnCount() * sizes.valueWidth + 1;
    QImage image(width, trendPictureHeight(shown, font), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    const TrendCells cells = shown.cells();
    auto cellRect = [&](int line, int column) {
        const int x = column == 0 ? 0 : sizes.issueWidth + (column - 1) * sizes.valueWidth;
        return QRect(x, line * sizes.rowHeight, column == 0 ? sizes.issueWidth : sizes.valueWidth, sizes.rowHeight);
    };
    // The header and the summary rows on their grounds, as in the window.
    const int summaryLine = 1 + trend.rowCount();
    painter.fillRect(0, 0, width, sizes.rowHeight, QColor(0xEE, 0xEE, 0xEE));
    painter.fillRect(0, summaryLine * sizes.rowHeight, width, TrendCells::kSummaryRows * sizes.rowHeight,
                     QColor(0xFF, 0xF8, 0xE1));
    painter.setPen(Qt::black);
    const Wording wording = windowWording();
    painter.drawText(cellRect(0, 0), Qt::AlignCenter, fromStd(wording.said(TrendCells::issueCaption())));
    for (int c = 0; c < trend.columnCount(); ++c)
        painter.drawText(cellRect(0, c + 1), Qt::AlignCenter, QString::fromStdString(cells.columnLabel(c)));
    for (int r = 0; r < trend.rowCount(); ++r) {
        painter.setPen(Qt::black);
        painter.drawText(cellRect(1 + r, 0), Qt::AlignCenter, QString::number(trend.issue(r)));
        for (int c = 0; c < trend.columnCount(); ++c)
            paintTrendCell(painter, cellRect(1 + r, c + 1), cells.cell(r, c));
    }
    painter.setPen(Qt::black);
    for (int s = 0; s < TrendCells::kSummaryRows; ++s) {
        painter.drawText(cellRect(summaryLine + s, 0), Qt::AlignCenter,
                         fromStd(wording.said(TrendCells::summaryCaptions()[static_cast<std::size_t>(s)])));
        for (int c = 0; c < trend.columnCount(); ++c)
            painter.drawText(cellRect(summaryLine + s, c + 1), Qt::AlignCenter,
                             QString::fromStdString(cells.summaryText(s, c)));
    }
    // Grid lines between the cells.
    painter.setPen(QColor(0xD0, 0xD0, 0xD0));
    for (int line = 0; line <= summaryLine + TrendCells::kSummaryRows; ++line)
        painter.drawLine(0, line * sizes.rowHeight, width - 1, line * sizes.rowHeight);
    for (int column = 0; column <= trend.columnCount() + 1; ++column) {
        const int x = column == 0 ? 0 : sizes.issueWidth + (column - 1) * sizes.valueWidth;
        painter.drawLine(x, 0, x, image.height() - 1);
    }
    return image;
}

} // namespace quorvel
