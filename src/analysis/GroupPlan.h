// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "model/Message.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvel {

// The values a group calculation combines: the ticked boxes of the kind as value codes and labels.
struct GroupPlan {
    AttributeKind kind = AttributeKind::Number;
    std::vector<int> codes;          // value code of each usable ticked box, ascending by box
    std::vector<std::string> labels; // element label of each
    int groupSize = 0;
    Message note; // why no group is made (size outside 1..6, fewer values than k)

    bool makesGroups() const { return note.empty(); }
};

// Box i's value code: the number, zodiac, digit sum, segment and colour boxes stand for code i, the head,
// tail and parity boxes for i - 1.
int groupBoxCode(AttributeKind kind, int box);

// The text naming box i's value in a group label (as the box's caption shows it).
std::string groupBoxLabel(AttributeKind kind, int box, const ParameterBases& bases);

// The most groups one run may make with the size limits lifted (k = 5 over 49 values still fits): each row
// with its figures takes about 150 bytes in memory, and as much again in the grid and the store.
constexpr long kGroupCeiling = 2'000'000;

// Why a request makes no group: its size is outside 1..6, or fewer usable values are ticked than the size;
// empty when it makes groups.
Message noGroupReason(const GroupRequest& request);

// Plans a request: ignores boxes above the kind's box count, then applies the size limits (throws Error
// with the limit message when too many values are ticked for the group size), or with the limits lifted
// the group ceiling (throws Error naming the number of groups and the ceiling).
GroupPlan planGroups(const GroupRequest& request);

// What the reference engine says when asked to lift the size limits: it keeps them.
Message sqlEngineKeepsLimits();

// The number of k-combinations of m elements (0 when k is outside 1..m).
long combinationCount(int m, int k);

// Calls visit with the element indexes of every k-combination of m elements, in lexicographic order.
void forEachCombination(int m, int k, const std::function<void(const std::vector<int>&)>& visit);

// The group label: the element labels joined by one space.
std::string groupLabel(const GroupPlan& plan, const std::vector<int>& elements);

} // namespace quorvel
