// SPDX-License-Identifier: MIT
#include "analysis/GroupPlan.h"

#include "model/DrawRecord.h"
#include "model/Error.h"

#include <algorithm>
#include <set>

namespace quorvel {

namespace {

struct SizeLimit {
    int groupSize;
    int maximumValues;
    const char* message;
};

constexpr SizeLimit kLimits[] = {
    {3, 40, QT_TRANSLATE_NOOP("Core", "3个分组请选择40个（含）以内的个数的号码")},
    {4, 24, QT_TRANSLATE_NOOP("Core", "4个分组请选择24个（含）以内的个数的号码")},
    {5, 18, QT_TRANSLATE_NOOP("Core", "5个分组请选择18个（含）以内的个数的号码")},
    {6, 16, QT_TRANSLATE_NOOP("Core", "6个分组请选择16个（含）以内的个数的号码")},
};

// The ticked boxes the kind has, each once, ascending.
std::set<int> usableBoxes(const GroupRequest& request) {
    const int boxCount = kindInfo(request.kind).boxCount;
    std::set<int> ticked;
    for (int box : request.boxes)
        if (box >= 1 && box <= boxCount) ticked.insert(box);
    return ticked;
}

} // namespace

int groupBoxCode(AttributeKind kind, int box) {
    switch (kind) {
    case AttributeKind::Head:
    case AttributeKind::Tail:
    case AttributeKind::Parity: return box - 1;
    default: return box;
    }
}

std::string groupBoxLabel(AttributeKind kind, int box, const ParameterBases& bases) {
    switch (kind) {
    case AttributeKind::Number:
    case AttributeKind::DigitSum: return twoDigits(box);
    case AttributeKind::Zodiac:
    case AttributeKind::Colour: return valueText(kind, box, bases);
    case AttributeKind::Parity: return valueText(kind, box - 1, bases);
    default: return isWorkedOutKind(kind) ? valueText(kind, box, bases) : std::to_string(groupBoxCode(kind, box));
    }
}

Message noGroupReason(const GroupRequest& request) {
    const int m = static_cast<int>(usableBoxes(request).size());
    if (request.groupSize < 1 || request.groupSize > 6)
        return Message::core(QT_TRANSLATE_NOOP("Core", "group size %1 is outside 1..6: no group to calculate; choose "
                                                       "a size from 1 to 6"),
                             request.groupSize);
    if (m < request.groupSize)
        return Message::core(QT_TRANSLATE_NOOP("Core", "%1 usable value(s) ticked for groups of %2: no group to "
                                                       "calculate (tick at least %2 of boxes 1..%3)"),
                             m, request.groupSize, kindInfo(request.kind).boxCount);
    return {};
}

GroupPlan planGroups(const GroupRequest& request) {
    GroupPlan plan;
    plan.kind = request.kind;
    plan.groupSize = request.groupSize;
    const std::set<int> ticked = usableBoxes(request);
    const int m = static_cast<int>(ticked.size());
    if (!request.noLimit) {
        for (const SizeLimit& limit : kLimits)
            if (request.groupSize == limit.groupSize && m > limit.maximumValues)
                throw Error(Message::core(limit.message));
    } else if (const long groups = combinationCount(m, request.groupSize); groups > kGroupCeiling) {
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "%1 values in groups of %2 make %3 groups, more than the "
                                                            "ceiling of %4 groups of one run with the size limits "
                                                            "lifted (不限组数). Tick fewer values or choose a smaller "
                                                            "group size; nothing was calculated."),
                                  m, request.groupSize, groups, kGroupCeiling));
    }
    for (int box : ticked) {
        plan.codes.push_back(groupBoxCode(request.kind, box));
        plan.labels.push_back(groupBoxLabel(request.kind, box, request.bases));
    }
    plan.note = noGroupReason(request);
    return plan;
}

Message sqlEngineKeepsLimits() {
    return Message::core(QT_TRANSLATE_NOOP("Core", "The reference engine (--engine sql) keeps the size limits even "
                                                   "when they are lifted (不限组数, --no-limit): it runs statements "
                                                   "for every group and would need hours. The memory engine lifts "
                                                   "them."));
}

long combinationCount(int m, int k) {
    if (k < 1 || k > m) return 0;
    long count = 1;
    for (int i = 1; i <= k; ++i)
        count = count * (m - k + i) / i;
    return count;
}

void forEachCombination(int m, int k, const std::function<void(const std::vector<int>&)>& visit) {
    if (k < 1 || k > m) return;
    std::vector<int> elements(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i)
        elements[static_cast<std::size_t>(i)] = i;
    while (true) {
        visit(elements);
        int i = k - 1;
        while (i >= 0 && elements[static_cast<std::size_t>(i)] == m - k + i)
            --i;
        if (i < 0) return;
        ++elements[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            elements[static_cast<std::size_t>(j)] = elements[static_cast<std::size_t>(j - 1)] + 1;
    }
}

std::string groupLabel(const GroupPlan& plan, const std::vector<int>& elements) {
    std::string label;
    for (int element : elements) {
        if (!label.empty()) label += " ";
        label += plan.labels[static_cast<std::size_t>(element)];
    }
    return label;
}

} // namespace quorvel
