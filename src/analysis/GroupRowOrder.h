// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "model/GroupRow.h"
#include "model/GroupSort.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The key that orders group labels: values as numbers, names (生肖, 波色, 单双) in their table order.
std::string groupLabelKey(std::string_view label);

// The order in which a sort shows group rows, worked out in memory: the indexes of `rows` by the sort's
// column ascending (label: by the values of the label in their table order; p: by the chance of an omission at least as
// long as the last, rows without it last), equal values by their place in the stored order (`stored[i]` is row i's
// place). It is the order in which reading YL by that sort gives the rows.
std::vector<std::uint32_t> groupRowOrder(const std::vector<GroupRow>& rows, const std::vector<std::uint32_t>& stored,
                                         GroupSort sort);
std::vector<std::uint32_t> groupRowOrder(const GroupRows& rows, const std::vector<std::uint32_t>& stored,
                                         GroupSort sort);
// The same for rows held in the order stored (row i at place i), without a list of places.
std::vector<std::uint32_t> groupRowOrder(const GroupRows& rows, GroupSort sort);

} // namespace quorvel
