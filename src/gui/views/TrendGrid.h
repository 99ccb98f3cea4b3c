// SPDX-License-Identifier: MIT
#pragma once

#include "gui/views/TrendModels.h"

#include <QWidget>

class QScrollBar;
class QTableView;

namespace quorvel {

// The trend's grids: the draws in grdTrend, scrolled by pixels under a header that stays in view; the four summary
// rows in grdTrendSummary below it, always in view; one horizontal scroll bar (hscTrend) moving both. While the
// latest draw is in view it stays in view (a new draw, a larger window).
class TrendGrid : public QWidget {
    Q_OBJECT
  public:
    explicit TrendGrid(QWidget* parent = nullptr);

    // Shows a trend with the latest draw in view.
    void display(TrendShown shown);
    const TrendShown& shown() const;
    void setShowMiss(bool show);
    // The width that shows every column at its own width beside the vertical scroll bar.
    int naturalWidth() const;
    QTableView* rowsView() const { return m_rows; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    // Paints the caption of the issues into the corner above them.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Column widths from the font and the trend, spread over the width when there is room.
    void fitColumns();
    void scrollToLatest();

    TrendRowsModel* m_rowsModel;
    TrendSummaryModel* m_summaryModel;
    QTableView* m_rows;
    QTableView* m_summary;
    QScrollBar* m_scroll;
    QWidget* m_barSpace;
    bool m_atLatest = true;
};

} // namespace quorvel
