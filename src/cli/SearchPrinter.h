// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"
#include "model/ValueNames.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

namespace quorvel {

// A position or partial search as --json writes it: the summary's label, the hits, min, max and last, the fuller
// figures under their names, and the counting rules.
nlohmann::ordered_json searchJson(const SearchResult& result, const std::string& rules);

// A search as text: the hit list, then the summary grid, the fuller figures and the counting rules; captions and
// names in the wording's words.
void printSearchText(std::ostream& out, const SearchResult& result, const std::string& rules, const Wording& wording);

} // namespace quorvel
