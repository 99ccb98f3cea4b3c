// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace quorvel {

// Name of a per-position field: prefix ('L' or 'D'), position 1..7 and attribute letter ("L3B").
std::string positionField(char prefix, int position, char letter);

// Every column of table Lishi, in table order: IDX, SQQH, the per-position fields, the list fields,
// the previous-draw list fields and the search working fields.
const std::vector<std::string>& lishiColumns();

// The per-position columns in the order a row is written.
const std::vector<std::string>& positionColumns();

// Names of the list fields and of their previous-draw copies, by kind index.
const std::vector<std::string>& listColumns();
const std::vector<std::string>& previousListColumns();

// Statements that create Lishi, YL and DerivedBases in a new store (each only when missing).
std::vector<std::string> schemaStatements();

// The index that holds, in issue order, what the history list and the analyses of the numbers read of every draw:
// IDX, the issue, the numbers in both orders and the numbers' list field. A read of only those fields scans its
// small pages instead of the wide rows of the table (SQLite picks it by itself). It is made with the tables, and
// added to a store made before it when the store is opened (only where that need not wait, see HistoryStore).
inline constexpr const char* kNumbersIndex = "LishiNumbers";
std::string numbersIndexStatement();

// Statements that create the tables kept beside YL (each only when missing): YLFigures, the fuller figures of
// the YL rows packed in blocks (each keyed by the rowid of its first row), and YLRules, the one row of counting
// rules of the run. They are made by the first group calculation, so a store that never ran one keeps only the
// tables above. (Earlier versions kept the figures a row per YL row in table YLStats; the first calculation
// of this version drops it.)
std::vector<std::string> groupFigureTableStatements();

} // namespace quorvel
