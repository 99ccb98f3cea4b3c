// SPDX-License-Identifier: MIT
#pragma once

#include "app/results/TableColumns.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>
#include <vector>

namespace quorvel {

// The omission table as --json writes it: {"rows": [{"value", "label", "hits", "min", "max", "last", ...}],
// "rules"}.
nlohmann::ordered_json tableJson(const std::vector<TableRow>& rows, const std::string& rules);

// The omission table as text: every column, padded to its widest cell (labels to the left, figures to the right),
// then the rules line; captions and names in the wording's words.
void printTableText(std::ostream& out, const std::vector<TableRow>& rows, AttributeKind kind, const std::string& rules,
                    const Wording& wording);

} // namespace quorvel
