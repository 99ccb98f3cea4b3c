// SPDX-License-Identifier: MIT
#include "analysis/ResultCells.h"

#include "model/Message.h"

namespace quorvel {

const char* const kNeverHitText = QT_TRANSLATE_NOOP("Core", "未出");

const std::array<std::string, 10>& hitListHeader() {
    static const std::array<std::string, 10> header{
        QT_TRANSLATE_NOOP("Core", "期号"),  QT_TRANSLATE_NOOP("Core", "平1位"), QT_TRANSLATE_NOOP("Core", "平2位"),
        QT_TRANSLATE_NOOP("Core", "平3位"), QT_TRANSLATE_NOOP("Core", "平4位"), QT_TRANSLATE_NOOP("Core", "平5位"),
        QT_TRANSLATE_NOOP("Core", "平6位"), QT_TRANSLATE_NOOP("Core", "特位"),  QT_TRANSLATE_NOOP("Core", "遗漏次数"),
        QT_TRANSLATE_NOOP("Core", "序号")};
    return header;
}

std::string hitListCell(const HitRow& hit, int column) {
    if (column == 0) return std::to_string(hit.issue);
    if (column >= 1 && column <= 7) return hit.cells[static_cast<std::size_t>(column - 1)];
    if (column == 8) return std::to_string(hit.gap);
    if (column == 9) return std::to_string(hit.seq);
    return {};
}

const std::array<std::string, 4>& omissionHeader() {
    static const std::array<std::string, 4> header{
        QT_TRANSLATE_NOOP("Core", "号码（分组）"), QT_TRANSLATE_NOOP("Core", "最小遗漏"),
        QT_TRANSLATE_NOOP("Core", "最大遗漏"), QT_TRANSLATE_NOOP("Core", "最后遗漏")};
    return header;
}

std::string omissionCell(const GroupRow& row, int column) {
    switch (column) {
    case 0: return row.content;
    case 1: return row.min == OmissionSummary::kNoMinimum ? kNeverHitText : std::to_string(row.min);
    case 2: return std::to_string(row.max);
    case 3: return std::to_string(row.last);
    default: return {};
    }
}

} // namespace quorvel
