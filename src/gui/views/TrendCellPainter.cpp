// SPDX-License-Identifier: MIT
#include "gui/views/TrendCellPainter.h"

#include "gui/views/TrendModels.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace quorvel {

TrendMetrics TrendMetrics::of(const QFontMetrics& metrics, const Trend& trend) {
    TrendMetrics sizes;
    sizes.rowHeight = metrics.height() + 8;
    // The issue column also holds the summary rows' captions.
    sizes.issueWidth = metrics.horizontalAdvance(QStringLiteral("0000000"));
    const Wording wording = windowWording();
    for (const Message& caption : TrendCells::summaryCaptions())
        sizes.issueWidth =
            std::max(sizes.issueWidth, metrics.horizontalAdvance(QString::fromStdString(wording.said(caption))));
    sizes.issueWidth += 16;
    int widest = metrics.horizontalAdvance(QStringLiteral("00"));
    for (const TrendColumn& column : trend.columns())
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(wording.names(column.label))));
    // The largest count shown and the widest average ("47.29").
    const TrendSummary& summary = trend.summary();
    int largest = 0;
    double average = 0;
    for (std::size_t c = 0; c < summary.max.size(); ++c) {
        largest = std::max(largest, summary.max[c]);
        average = std::max(average, summary.average[c]);
    }
    widest = std::max(widest, metrics.horizontalAdvance(QString::number(largest)));
    widest = std::max(widest, metrics.horizontalAdvance(QString::number(average, 'f', 2)));
    // A grid cell keeps a margin on either side of its text.
    sizes.valueWidth = std::max(widest + 12, sizes.rowHeight);
    return sizes;
}

void paintTrendCell(QPainter& painter, const QRect& rect, const TrendCellLook& look) {
    if (look.mark == TrendMark::Hidden) return;
    const QString text = QString::fromStdString(look.text);
    const QColor colour = QColor::fromRgb(static_cast<QRgb>(look.rgb));
    if (look.mark == TrendMark::Miss) {
        painter.setPen(colour);
        painter.drawText(rect, Qt::AlignCenter, text);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    if (look.mark == TrendMark::Ball) {
        const int diameter = std::min(rect.width(), rect.height()) - 2;
        painter.drawEllipse(QRectF(rect.center().x() - diameter / 2.0 + 0.5, rect.center().y() - diameter / 2.0 + 0.5,
                                   diameter, diameter));
    } else {
        // A chip around the name, not a bar across a wide column.
        const qreal width = std::min<qreal>(
            rect.width() - 3, std::max<qreal>(rect.height() * 1.6, painter.fontMetrics().horizontalAdvance(text) + 12));
        painter.drawRoundedRect(QRectF(rect.center().x() + 0.5 - width / 2, rect.top() + 1.5, width, rect.height() - 3),
                                3, 3);
    }
    painter.setPen(QColor::fromRgb(static_cast<QRgb>(kTrendHitTextRgb)));
    painter.drawText(rect, Qt::AlignCenter, text);
    painter.restore();
}

void TrendCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    if (index.column() == 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    paintTrendCell(*painter, option.rect, m_model.look(index.row(), index.column()));
}

} // namespace quorvel
