// SPDX-License-Identifier: MIT
#pragma once

#include "gui/grids/CellGridModel.h"
#include "model/CellGrid.h"

namespace quorvel {

class ResultsView;

// The omission grid MSFlexGrid3 over the rows the results hold (a search's summary row or the rows of a group
// calculation), each cell's text made when it is shown, so that a million groups appear at once.
class OmissionRowsModel : public CellGridModel {
  public:
    explicit OmissionRowsModel(QObject* parent = nullptr);

    // Shows the omission rows of `view` (none until then); the view outlives the model's use.
    void showFrom(const ResultsView& view);
    // Every cell as shown, the header row first (what the workbook export writes).
    CellGrid cells() const;
    // The captions, the column the group rows are ordered by marked ▲ (ascending) or ▼ (descending); EditRole
    // gives the caption alone.
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    int cellRows() const override;
    std::string cellText(int row, int column) const override;

    const ResultsView* m_view = nullptr;
};

} // namespace quorvel
