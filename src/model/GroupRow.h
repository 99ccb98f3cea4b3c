// SPDX-License-Identifier: MIT
#pragma once

#include "model/OmissionStatistics.h"

#include <string>

namespace quorvel {

// One row of the group results (table YL), with the group's fuller figures (kept beside YL).
struct GroupRow {
    std::string content;
    int min = 0;
    int max = 0;
    int last = 0;
    OmissionStatistics statistics{};

    bool operator==(const GroupRow&) const = default;
};

} // namespace quorvel
