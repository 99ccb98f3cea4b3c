// SPDX-License-Identifier: MIT
#include "analysis/CountingRules.h"

#include "model/KindCodes.h"

namespace quorvel {

namespace {

// What the kinds with a tie add to their rules.
std::string tieWords(AttributeKind kind) {
    return hasTieValue(kind) ? " 49 counts as the tie (和) of the kind, none of its other values." : "";
}

std::string rulesLine(PositionMode mode, bool includeSpecial, GapStart gapsFrom) {
    std::string special;
    if (mode == PositionMode::Fixed)
        special = "fixed positions: the special number counts only as position 7 (特位)";
    else if (includeSpecial)
        special = "the special number is counted (自由位计特码)";
    else
        special = "the special number is not counted, only the six regular numbers";
    const std::string firstGap =
        gapsFrom == GapStart::Range
            ? "the first gap of every figure (min, max, average and the chart) from the range's first draw (the "
              "draw just before the range counts as a hit)"
            : "the first gap of min and max from the first stored draw (not the start of the range); average, "
              "longest_run, previous and the chart count only gaps inside the range, the first from the range's "
              "first draw (the draw just before the range counts as a hit)";
    return "Gaps count draws by IDX: " + firstGap +
           "; the last omission from the draw after the latest stored draw (not the end of the range); " + special +
           ".";
}

// Where a value of the views of every value is looked for, in words.
std::string placeWords(const ValuesRequest& request) {
    std::string where;
    switch (request.place) {
    case ValuePlace::Special: where = "the special number"; break;
    case ValuePlace::Regular: where = "any of the six regular numbers"; break;
    case ValuePlace::Any: where = "any of the seven numbers"; break;
    case ValuePlace::Position:
        where = request.position == 7 ? "the special number"
                                      : "regular position " + std::to_string(request.position) +
                                            (request.order == NumberOrder::Sorted ? " in sorted order (顺序码)"
                                                                                  : " in drawn order (落地码)");
        break;
    }
    return where;
}

} // namespace

std::string countingRules(const PositionSearchRequest& request) {
    return rulesLine(request.mode, request.includeSpecial, request.gapsFrom) + tieWords(request.kind);
}

std::string countingRules(const PartialSearchRequest& request) {
    return rulesLine(request.mode, request.includeSpecial, request.gapsFrom) + tieWords(request.kind);
}

std::string countingRules(const GroupRequest& request) {
    return rulesLine(PositionMode::Free, request.includeSpecial, request.gapsFrom) + tieWords(request.kind);
}

std::string countingRules(const ValuesRequest& request) {
    const PositionSearchRequest search = valueSearchRequest(request, kindValues(request.kind, request.bases).front());
    return "Each row is the position search for one value, looked for in " + placeWords(request) + ". " +
           rulesLine(search.mode, search.includeSpecial, search.gapsFrom) +
           " hits_10, hits_30 and hits_100 count the hits among the latest 10, 30 and 100 draws of the range." +
           tieWords(request.kind);
}

std::string trendRules(const ValuesRequest& request) {
    return "Each column is one value, looked for in " + placeWords(request) +
           "; each row one draw of the range, oldest first. A cell is 0 when the draw holds the value, else the "
           "draws since the value's latest hit before it, counting the draw (its IDX minus that hit's IDX, or its IDX "
           "when the value has no earlier stored draw), so the first rows carry what came before the range. A miss "
           "count is one less than the omission table's gap: a value hit in the latest draw has cell 0 and last "
           "omission 1. Over the shown rows: hits (出现次数); max (最大遗漏值), the largest cell; average "
           "(平均遗漏值), "
           "(rows - hits) / (hits + 1) rounded to two decimals; longest_run (最大连出值), the longest run of hits in "
           "consecutive draws." +
           tieWords(request.kind);
}

} // namespace quorvel
