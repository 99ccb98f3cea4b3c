// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/GroupRows.h"
#include "analysis/Progress.h"

#include <string>

namespace quorvel {

class GroupResultBlocks;
class HistoryStore;

// Replaces the rows of table YL, their figures and the counting rules of their run by `rows` and `rules` in one
// transaction, reporting the rows written to `progress`. When it fails or is cancelled, YL keeps the rows it held
// and the error (StoreError, AnalysisCancelled) is raised.
void writeGroupResults(HistoryStore& store, const GroupRows& rows, const std::string& rules,
                       const Progress& progress = {});
// The same with the rows taken block by block from `blocks`, which another thread may be making ahead.
void writeGroupResults(HistoryStore& store, GroupResultBlocks& blocks, const std::string& rules,
                       const Progress& progress = {});

} // namespace quorvel
