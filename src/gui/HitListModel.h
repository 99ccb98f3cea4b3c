// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "model/CellGrid.h"

#include <QAbstractTableModel>

namespace quorvel {

// The hit list MSFlexGrid2 over a search result: one row per hit, each cell's text made when it is shown.
class HitListModel : public QAbstractTableModel {
  public:
    explicit HitListModel(QObject* parent = nullptr);

    void setResult(SearchResult result);
    const SearchResult& result() const { return m_result; }
    // Every cell as shown, the header row first (what the workbook export writes).
    CellGrid cells() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    SearchResult m_result;
};

} // namespace quorvel
