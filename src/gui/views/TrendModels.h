// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/Trend.h"
#include "app/results/TrendCells.h"
#include "gui/shell/Translations.h"

#include <QAbstractTableModel>

#include <memory>

namespace quorvel {

// The trend a grid shows: the trend, its kind and bases, and whether misses show their counts; in the window's
// language.
struct TrendShown {
    std::shared_ptr<const Trend> trend = std::make_shared<Trend>();
    AttributeKind kind = AttributeKind::Number;
    ParameterBases bases;
    bool showMiss = true;

    TrendCells cells() const { return TrendCells(*trend, kind, bases, showMiss, windowWording()); }
};

// The draws of the trend (grdTrend): column 0 the issue, then one column per value; each cell is worked out when
// it is asked for.
class TrendRowsModel : public QAbstractTableModel {
  public:
    explicit TrendRowsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void show(TrendShown shown);
    const TrendShown& shown() const { return m_shown; }
    // Shows or hides the misses' counts; the rows stay where they are.
    void setShowMiss(bool show);
    // A value cell's look (column from 1).
    TrendCellLook look(int row, int column) const { return m_shown.cells().cell(row, column - 1); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  protected:
    // The texts are drawn again when the window's language changes.
    bool event(QEvent* event) override;

  private:
    TrendShown m_shown;
};

// The four summary rows under the draws (grdTrendSummary): column 0 the caption, then one figure per value.
class TrendSummaryModel : public QAbstractTableModel {
  public:
    explicit TrendSummaryModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void show(TrendShown shown);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  protected:
    // The texts are drawn again when the window's language changes.
    bool event(QEvent* event) override;

  private:
    TrendShown m_shown;
};

} // namespace quorvel
