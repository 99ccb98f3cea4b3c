// SPDX-License-Identifier: MIT
#pragma once

#include "app/results/TrendCells.h"

#include <QStyledItemDelegate>

class QFontMetrics;
class QPainter;

namespace quorvel {

class TrendRowsModel;

// The sizes of the trend's cells for a font: rows tall enough for a ball, value columns wide enough for the values'
// names and the largest count shown, the issue column for a seven-digit issue.
struct TrendMetrics {
    int rowHeight = 0;
    int issueWidth = 0;
    int valueWidth = 0;

    static TrendMetrics of(const QFontMetrics& metrics, const Trend& trend);
};

// Paints one value cell of the trend: a ball or a ground with the value's name, a grey count, or nothing.
void paintTrendCell(QPainter& painter, const QRect& rect, const TrendCellLook& look);

// Paints the value cells of grdTrend straight from the model's looks; the issue column as any grid cell.
class TrendCellDelegate : public QStyledItemDelegate {
  public:
    TrendCellDelegate(const TrendRowsModel& model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const TrendRowsModel& m_model;
};

} // namespace quorvel
