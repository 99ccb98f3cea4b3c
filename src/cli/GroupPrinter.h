// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "model/ValueNames.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace quorvel {

// Group rows in an order, printed so that a million rows stream through one buffer written in large blocks: no
// text or JSON object is built per row, and the numbers read exactly as a JSON library and printf("%.6g") give them.

// As --json writes them: {"rows": [{"content", "min", "max", "last", the fuller figures}], "rules": "..."}.
void printGroupJson(std::ostream& out, const GroupRows& rows, const std::vector<std::uint32_t>& order,
                    const std::string& rules);

// As text: the omission table, the table of the fuller figures and the counting rules as given (in words).
void printGroupText(std::ostream& out, const GroupRows& rows, const std::vector<std::uint32_t>& order,
                    const std::string& rules, const Wording& wording);

} // namespace quorvel
