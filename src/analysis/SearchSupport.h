// SPDX-License-Identifier: MIT
#pragma once

#include "store/HistoryStore.h"

namespace quorvel {

// Refuses an analysis of an empty history.
void requireHistory(const HistoryStore& store);

} // namespace quorvel
