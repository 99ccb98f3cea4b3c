// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "gui/CellGridModel.h"
#include "model/CellGrid.h"
#include "model/GroupSort.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel {

// The omission grid MSFlexGrid3: a search's summary row or the rows of a group calculation, each cell's
// text made when it is shown, so that a million groups appear at once. Group rows are re-ordered in memory.
class OmissionRowsModel : public CellGridModel {
  public:
    explicit OmissionRowsModel(QObject* parent = nullptr);

    // Shows rows in the order given, which also counts as the order they were stored in.
    void setRows(std::vector<GroupRow> rows);
    // Shows rows given in the order stored, ordered by a sort.
    void setRows(std::vector<GroupRow> rows, GroupSort sort);
    // Re-orders the shown rows by a sort, equal values in the order stored (as reading YL by it gives them).
    void orderBy(GroupSort sort);
    const std::vector<GroupRow>& rows() const { return m_rows; }
    // The row at a grid row with its fuller figures; nothing outside the rows.
    std::optional<GroupRow> rowAt(int row) const {
        if (row < 0 || row >= static_cast<int>(m_rows.size())) return std::nullopt;
        return m_rows[static_cast<std::size_t>(row)];
    }
    // Every cell as shown, the header row first (what the workbook export writes).
    CellGrid cells() const;

  private:
    int cellRows() const override { return static_cast<int>(m_rows.size()); }
    std::string cellText(int row, int column) const override;

    std::vector<GroupRow> m_rows;
    std::vector<std::uint32_t> m_stored; // the place of each shown row in the order stored
};

} // namespace quorvel
