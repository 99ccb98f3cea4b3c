// SPDX-License-Identifier: MIT
#include "app/choices/CombinationSelection.h"

#include "app/choices/PositionSearchState.h"

namespace quorvel {

BoxTicks applyBulkChange(const BoxTicks& ticks, BulkChange change) {
    BoxTicks result = ticks;
    for (bool& tick : result)
        tick = change == BulkChange::TickAll ? true : change == BulkChange::ClearAll ? false : !tick;
    return result;
}

int tickedCount(const BoxTicks& ticks, AttributeKind kind) {
    int count = 0;
    for (int box = 1; box <= kindInfo(kind).boxCount; ++box)
        count += ticks[static_cast<std::size_t>(box - 1)] ? 1 : 0;
    return count;
}

GroupSizeEntry readGroupSize(std::string_view text, int previous, bool noLimit) {
    auto size = typedNumber(text);
    if (size && !noLimit && (*size < 1 || *size > 6))
        return {previous, Message::core(QT_TRANSLATE_NOOP("Core", "组合位数 %1 is not one of the group sizes 1, 2, 3, "
                                                                  "4, 5 and 6: the group size stays %2."),
                                        *size, previous)};
    if (size && *size >= -32768 && *size <= 32767) return {*size, {}};
    return {previous,
            Message::core(QT_TRANSLATE_NOOP("Core", "组合位数 '%1' is not a number: the group size stays %2."),
                          std::string(text), previous)};
}

} // namespace quorvel
