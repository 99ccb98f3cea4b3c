// SPDX-License-Identifier: MIT
#pragma once

#include "gui/grids/CellGridModel.h"
#include "model/CellGrid.h"

namespace quorvel {

class ResultsView;

// The hit list MSFlexGrid2 over the hits the results hold: one row per hit, each cell's text made when it is shown.
class HitListModel : public CellGridModel {
  public:
    explicit HitListModel(QObject* parent = nullptr);

    // Shows the hits of `view` (none until then); the view outlives the model's use.
    void showFrom(const ResultsView& view);
    // Every cell as shown, the header row first (what the workbook export writes).
    CellGrid cells() const;

  private:
    int cellRows() const override;
    std::string cellText(int row, int column) const override;

    const ResultsView* m_view = nullptr;
};

} // namespace quorvel
