// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace quorvel {

// Which column orders the group results; P orders by the chance of an omission at least as long as the
// last one (the groups that stayed away unusually long first, groups without that figure last).
enum class GroupSort { Min, Max, Last, Label, P };

// Parses min, max, last, label or p.
std::optional<GroupSort> parseGroupSort(std::string_view text);

} // namespace quorvel
