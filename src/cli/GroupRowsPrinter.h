// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace quorvel {

// Prints group rows in an order, as --json ({"rows": [...], "rules": "..."}) or as the omission table, the
// table of figures and the rules. A million rows stream through one buffer written in large blocks: no text
// or JSON object is built per row, and the numbers read exactly as a JSON library and printf("%.6g") give them.
void printGroupRows(std::ostream& out, bool json, const std::vector<GroupRow>& rows,
                    const std::vector<std::uint32_t>& order, const std::string& rules);

} // namespace quorvel
