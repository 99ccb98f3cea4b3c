// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include "app/choices/CombinationBoxLayout.h"

#include <string>
#include <string_view>

namespace quorvel {

// The ticks of the 49 combination boxes (Check6_1..49), box j at index j - 1.
using BoxTicks = std::array<bool, kCombinationBoxCount>;

// The three bulk buttons of the frame 组合检索: 全选 (cmdZH_0), 清空 (cmdZH_1), 反选 (cmdZH_2).
enum class BulkChange { TickAll = 0, ClearAll = 1, Invert = 2 };

// Applies a bulk change to every box, the hidden ones too.
BoxTicks applyBulkChange(const BoxTicks& ticks, BulkChange change);

// The recount shown in Text5: the ticked boxes among the kind's visible boxes.
int tickedCount(const BoxTicks& ticks, AttributeKind kind);

// The group size typed into Combo2: the number, or the previous size and a message saying it was kept. Without
// 不限组数 (noLimit) only the sizes of Combo2's list, 1..6, are taken, and a refusal names them.
struct GroupSizeEntry {
    int size = 2;
    Message problem;
};
GroupSizeEntry readGroupSize(std::string_view text, int previous, bool noLimit);

} // namespace quorvel
