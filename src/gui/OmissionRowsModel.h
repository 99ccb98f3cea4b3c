// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "model/CellGrid.h"

#include <QAbstractTableModel>

#include <vector>

namespace quorvel {

// The omission grid MSFlexGrid3: a search's summary row or the rows of a group calculation, each cell's
// text made when it is shown, so that ten thousand groups appear at once.
class OmissionRowsModel : public QAbstractTableModel {
  public:
    explicit OmissionRowsModel(QObject* parent = nullptr);

    void setRows(std::vector<GroupRow> rows);
    const std::vector<GroupRow>& rows() const { return m_rows; }
    // Every cell as shown, the header row first (what the workbook export writes).
    CellGrid cells() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<GroupRow> m_rows;
};

} // namespace quorvel
