// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"

#include <array>
#include <string>

namespace quorvel {

// The header of the hit list (MSFlexGrid2): 期号, 平1位 .. 平6位, 特位, 遗漏次数, 序号.
const std::array<std::string, 10>& hitListHeader();
// The text of column 0..9 of a hit row as the hit list shows it.
std::string hitListCell(const HitRow& hit, int column);

// The header of the omission grid (MSFlexGrid3): 号码（分组）, 最小遗漏, 最大遗漏, 最后遗漏.
const std::array<std::string, 4>& omissionHeader();
// The text of column 0..3 of a result row (a group, or a search's summary) as the omission grid shows it; the
// 最小遗漏 of a group or value never drawn in the range (stored as 32767) shows as kNeverHitText.
std::string omissionCell(const GroupRow& row, int column);

// The 最小遗漏 shown for a group or value that no draw of the range holds.
extern const char* const kNeverHitText;

} // namespace quorvel
