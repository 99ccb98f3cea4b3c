// SPDX-License-Identifier: MIT
#pragma once

#include "model/AttributeKind.h"

#include <string>
#include <vector>

namespace quorvel {

// A named set of combination boxes of one kind: one a player saved, or one of the sets built in.
struct Selection {
    std::string name; // a built-in set's name in the language it was asked in
    AttributeKind kind = AttributeKind::Number;
    std::vector<int> boxes; // the ticked boxes, ascending (box j stands for code j, as in the combination boxes)
    bool builtin = false;

    bool operator==(const Selection&) const = default;
};

} // namespace quorvel
