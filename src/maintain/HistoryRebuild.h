// SPDX-License-Identifier: MIT
#pragma once

#include "model/Draw.h"
#include "model/DrawRecord.h"
#include "model/ParameterBases.h"
#include "store/HistoryStore.h"

#include <filesystem>
#include <functional>
#include <vector>

namespace quorvel {

// Derives the row of one draw. The rebuild takes it as a parameter so that a test can make it fail.
using RowDeriver = std::function<DrawRecord(const Draw&, const ParameterBases&)>;

// The derivation every path that adds draws uses: the zodiac year of the draw's own issue.
DrawRecord deriveInIssueYear(const Draw& draw, const ParameterBases& bases);

// Reads a backup file written in the history text format. Every line must become a draw: a line the
// reader would skip refuses the whole file (Error naming the line), so that no draw is silently dropped.
std::vector<Draw> readBackupFile(const std::filesystem::path& file);

// Replaces the history by these draws in this order, each derived again with the bases and carrying the
// list fields of the draw before it in txtHisPre* (empty for the first), and records the bases as those the
// rows were derived with. Runs in one transaction: when a
// derivation or the store fails the history stays exactly as it was and the failure is raised.
void rebuildHistory(HistoryStore& store, const std::vector<Draw>& draws, const ParameterBases& bases,
                    const RowDeriver& derive = deriveInIssueYear);

// Rebuilds the history from a backup file (readBackupFile, then rebuildHistory); returns the draws stored.
int rebuildFromBackup(HistoryStore& store, const std::filesystem::path& file, const ParameterBases& bases,
                      const RowDeriver& derive = deriveInIssueYear);

} // namespace quorvel
