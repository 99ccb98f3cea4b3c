// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRange.h"

namespace quorvel {

class HistoryStore;

// Applies the range rules: from/to default to the first and last stored issue; with a reference the end
// is the latest issue, or with beforeReference the reference draw's issue - 1; `to` overrides either.
// Throws Error for an empty history or a reference before every stored draw.
ResolvedRange resolveRange(const HistoryStore& store, const RangeChoice& choice);

} // namespace quorvel
