// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "model/CellGrid.h"

#include <vector>

namespace quorvel {

// The hit list: 期号, 平1位 .. 平6位, 特位, 遗漏次数, 序号, then one row per hit.
CellGrid hitListGrid(const SearchResult& result);

// The omission grid after a search: the header and the one summary row.
CellGrid summaryGrid(const OmissionSummary& summary);

// The omission grid after a group calculation: the header and one row per group, in the given order.
CellGrid groupResultGrid(const std::vector<GroupRow>& rows);

} // namespace quorvel
