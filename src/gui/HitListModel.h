// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "gui/CellGridModel.h"
#include "model/CellGrid.h"

namespace quorvel {

// The hit list MSFlexGrid2 over a search result: one row per hit, each cell's text made when it is shown.
class HitListModel : public CellGridModel {
  public:
    explicit HitListModel(QObject* parent = nullptr);

    void setResult(SearchResult result);
    const SearchResult& result() const { return m_result; }
    // Every cell as shown, the header row first (what the workbook export writes).
    CellGrid cells() const;

  private:
    int cellRows() const override { return static_cast<int>(m_result.hits.size()); }
    std::string cellText(int row, int column) const override;

    SearchResult m_result;
};

} // namespace quorvel
