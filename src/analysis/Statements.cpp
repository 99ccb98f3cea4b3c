// SPDX-License-Identifier: MIT
#include "analysis/Statements.h"

#include "store/LishiSchema.h"

namespace quorvel::statements {

namespace {

const std::string kMarkHead = "UPDATE [Lishi] SET [intTh]=([intTh] +1) WHERE ";

std::string hitsHead(long start, long end) {
    return "SELECT * FROM [lishi] WHERE [SQQH] >= " + std::to_string(start) + " AND  [SQQH] <= " + std::to_string(end) +
           " AND ";
}

} // namespace

std::string resetCounters() { return "UPDATE [Lishi] SET [intTh]=0"; }

std::string clearFlags() { return "UPDATE [Lishi] SET [bolOk]= FALSE"; }

std::string flagHits(int conditions) {
    return "UPDATE [Lishi] SET [bolOk]= TRUE WHERE [intTh] = " + std::to_string(conditions);
}

std::string workingListWhole(const std::string& field) { return "UPDATE [Lishi] SET [txtHisP6]= [" + field + "]"; }

std::string workingListCut(const std::string& field) {
    return "UPDATE [Lishi] SET [txtHisP6]= LEFT([" + field + "],LEN([" + field + "])-4)";
}

std::string pattern(AttributeKind kind, int code, int occurrence) {
    std::string text = formatCode(kind, code);
    if (kind != AttributeKind::Number) text = std::to_string(occurrence) + "X" + text;
    return "\"*" + text + "*\"";
}

std::string freeMark(const std::string& target, const std::string& quotedPattern) {
    return kMarkHead + "[" + target + "] LIKE " + quotedPattern;
}

std::string fixedMark(AttributeKind kind, char prefix, int position, int value) {
    char effective = position == 7 ? 'L' : prefix;
    std::string v = std::to_string(value);
    switch (kind) {
    case AttributeKind::DigitSum:
        return kMarkHead + "([" + positionField(effective, position, 'E') + "] + [" +
               positionField(effective, position, 'F') + "]) = " + v;
    case AttributeKind::Parity: return kMarkHead + "([" + positionField(effective, position, 'A') + "] MOD 2) = " + v;
    default: return kMarkHead + "[" + positionField(effective, position, kindInfo(kind).letter) + "] = " + v;
    }
}

std::string hitsByCounter(long start, long end, int conditions) {
    return hitsHead(start, end) + "[intTh] = " + std::to_string(conditions) + " ORDER BY [IDX]";
}

std::string hitsByFlag(long start, long end) { return hitsHead(start, end) + "[bolOk]= TRUE ORDER BY [IDX]"; }

std::string historyInIssueOrder() { return "SELECT * FROM lishi ORDER BY SQQH"; }

std::string groupResultsBy(const std::string& field) { return "SELECT * FROM YL ORDER BY " + field; }

} // namespace quorvel::statements
