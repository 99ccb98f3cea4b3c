// SPDX-License-Identifier: MIT
#pragma once

#include "model/AttributeKind.h"

#include <string>

namespace quorvel::statements {

// The texts the searches issue on the history store, in the store's own SQL dialect, exactly as written
// (the hit queries have two blanks after their first AND; patterns are in double quotes).

std::string resetCounters();                                       // every intTh to 0
std::string clearFlags();                                          // every bolOk to FALSE
std::string flagHits(int conditions);                              // bolOk TRUE where intTh equals the count
std::string workingListWhole(const std::string& field);            // txtHisP6 = the list field
std::string workingListCut(const std::string& field);              // txtHisP6 = the list field less its last item
std::string pattern(AttributeKind kind, int code, int occurrence); // "*05*" or "*2X05*", quotes included
std::string freeMark(const std::string& target, const std::string& quotedPattern); // target LIKE pattern
// Fixed mark of position 1..7 (7 always reads the drawn fields) with the order's prefix ('L' or 'D').
std::string fixedMark(AttributeKind kind, char prefix, int position, int value);
std::string hitsByCounter(long start, long end, int conditions);
std::string hitsByFlag(long start, long end);
std::string historyInIssueOrder();                    // SELECT * FROM lishi ORDER BY SQQH
std::string groupResultsBy(const std::string& field); // SELECT * FROM YL ORDER BY field

} // namespace quorvel::statements
