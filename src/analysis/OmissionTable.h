// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisResult.h"

#include <string>
#include <vector>

namespace quorvel {

// One value's row of the omission table (遗漏总表): its code and name, the summary of the position search for
// that value alone (min, max, last and the fuller figures, hits_in_range among them) and its hits among the
// latest 10, 30 and 100 draws of the range.
struct TableRow {
    int value = 0;
    std::string label;
    OmissionSummary summary;
    int hits10 = 0;
    int hits30 = 0;
    int hits100 = 0;

    bool operator==(const TableRow&) const = default;
};

// Every value of a kind, in value order.
struct OmissionTable {
    std::vector<TableRow> rows;

    bool operator==(const OmissionTable&) const = default;
};

} // namespace quorvel
