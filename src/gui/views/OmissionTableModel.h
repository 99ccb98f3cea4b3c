// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/OmissionTable.h"
#include "app/results/TableColumns.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace quorvel {

// The omission table grid grdTable: one row per value, the columns a grid shows, cells filled by the table's colour
// scale. Sorting by a column (a click on its header) orders the rows as the core orders them.
class OmissionTableModel : public QAbstractTableModel {
  public:
    explicit OmissionTableModel(QObject* parent = nullptr);

    // Shows a table of a kind, ordered by the column and direction last chosen.
    void setTable(OmissionTable table, AttributeKind kind);
    const std::vector<TableRow>& rows() const { return m_rows; }
    std::optional<TableRow> rowAt(int row) const;
    // The grid row of a value; -1 when it is not shown.
    int rowOfValue(int value) const;
    // Every cell as shown under the header, and the colours of its cells (what the workbook gets).
    CellGrid cells() const;
    std::vector<CellFill> fills() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

  private:
    std::vector<TableRow> m_rows;
    AttributeKind m_kind = AttributeKind::Number;
    std::optional<std::pair<int, Qt::SortOrder>> m_sort;
};

} // namespace quorvel
