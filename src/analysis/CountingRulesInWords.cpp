// SPDX-License-Identifier: MIT
#include "analysis/CountingRules.h"

#include "model/KindCodes.h"

namespace quorvel {

namespace {

Message drawsLine(const IssueRange& range) {
    return Message::core(QT_TRANSLATE_NOOP("Core", "Draws counted: issues %1 to %2."), range.start, range.end);
}

Message gapLine(GapStart gapsFrom) {
    return gapsFrom == GapStart::Range
               ? Message::core(QT_TRANSLATE_NOOP("Core", "A gap is the number of draws from one hit of a value to "
                                                         "the next. Every figure counts its first gap from the first "
                                                         "of these draws, as if the draw just before them had been "
                                                         "a hit."))
               : Message::core(QT_TRANSLATE_NOOP("Core", "A gap is the number of draws from one hit of a value to "
                                                         "the next. The shortest and the longest gap count the "
                                                         "first gap from the first stored draw, not from the first "
                                                         "of these draws; the average gap, the longest run and the "
                                                         "previous gap count only the gaps within these draws, the "
                                                         "first from their first draw."));
}

Message currentLine() {
    return Message::core(QT_TRANSLATE_NOOP("Core", "The current gap counts up to the latest stored draw, even when "
                                                   "these draws end earlier."));
}

Message specialLine(PositionMode mode, bool includeSpecial) {
    if (mode == PositionMode::Fixed)
        return Message::core(QT_TRANSLATE_NOOP("Core", "Fixed positions: the special number counts only as the "
                                                       "seventh position."));
    if (includeSpecial)
        return Message::core(QT_TRANSLATE_NOOP("Core", "The special number counts as well as the six regular "
                                                       "numbers."));
    return Message::core(QT_TRANSLATE_NOOP("Core", "Only the six regular numbers count; the special number does not."));
}

Message basesLine(const ParameterBases& bases) {
    return Message::core(QT_TRANSLATE_NOOP("Core", "Bases from the settings: %1, %2, %3."),
                         Message::core(QT_TRANSLATE_NOOP("Core", "zodiac base %1"), bases.zodiac),
                         Message::core(QT_TRANSLATE_NOOP("Core", "segment base %1"), bases.segment),
                         Message::core(QT_TRANSLATE_NOOP("Core", "colour base %1"), bases.colour));
}

// The kinds with a tie say how 49 counts, as these bets count it.
void addTieLine(Messages& lines, AttributeKind kind) {
    if (hasTieValue(kind))
        lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "49 counts as the tie (和) of this kind, none of its "
                                                                "other values, as these bets count it.")));
}

Messages rulesLines(AttributeKind kind, const IssueRange& range, PositionMode mode, bool includeSpecial,
                    GapStart gapsFrom, const ParameterBases& bases) {
    Messages lines{drawsLine(range), gapLine(gapsFrom), currentLine(), specialLine(mode, includeSpecial),
                   basesLine(bases)};
    addTieLine(lines, kind);
    return lines;
}

// Where a value of the views of every value is looked for, in words.
Message placeWords(const ValuesRequest& request) {
    switch (request.place) {
    case ValuePlace::Special: break;
    case ValuePlace::Regular: return Message::core(QT_TRANSLATE_NOOP("Core", "any of the six regular numbers"));
    case ValuePlace::Any: return Message::core(QT_TRANSLATE_NOOP("Core", "any of the seven numbers"));
    case ValuePlace::Position:
        if (request.position == 7) break;
        return request.order == NumberOrder::Sorted
                   ? Message::core(QT_TRANSLATE_NOOP("Core", "regular number %1 in sorted order"), request.position)
                   : Message::core(QT_TRANSLATE_NOOP("Core", "regular number %1 in drawn order"), request.position);
    }
    return Message::core(QT_TRANSLATE_NOOP("Core", "the special number"));
}

} // namespace

Messages countingRulesInWords(const PositionSearchRequest& request) {
    return rulesLines(request.kind, request.range, request.mode, request.includeSpecial, request.gapsFrom,
                      request.bases);
}

Messages countingRulesInWords(const PartialSearchRequest& request) {
    return rulesLines(request.kind, request.range, request.mode, request.includeSpecial, request.gapsFrom,
                      request.bases);
}

Messages countingRulesInWords(const GroupRequest& request) {
    return rulesLines(request.kind, request.range, PositionMode::Free, request.includeSpecial, request.gapsFrom,
                      request.bases);
}

Messages countingRulesInWords(const ValuesRequest& request) {
    const PositionSearchRequest search = valueSearchRequest(request, kindValues(request.kind, request.bases).front());
    Messages lines{Message::core(QT_TRANSLATE_NOOP("Core", "Each row is the search for one value, looked for in %1."),
                                 placeWords(request))};
    for (Message& line : countingRulesInWords(search))
        lines.push_back(std::move(line));
    lines.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "The columns of the latest 10, 30 and 100 draws count "
                                                            "the hits among the latest 10, 30 and 100 of these "
                                                            "draws.")));
    return lines;
}

Messages trendRulesInWords(const ValuesRequest& request) {
    Messages lines{
        Message::core(QT_TRANSLATE_NOOP("Core", "Each column is one value, looked for in %1; each row is one "
                                                "draw, the oldest first."),
                      placeWords(request)),
        drawsLine(request.range),
        Message::core(QT_TRANSLATE_NOOP("Core", "A hit shows the value. A miss shows how many draws the value "
                                                "has been away, that draw included, so the first rows carry "
                                                "what came before these draws.")),
        Message::core(QT_TRANSLATE_NOOP("Core", "That count is one less than the omission table's current gap: "
                                                "a value drawn in the latest draw shows as a hit where the "
                                                "table says 1.")),
        Message::core(QT_TRANSLATE_NOOP("Core", "Below the draws: the hits; the average gap, (draws - hits) / "
                                                "(hits + 1) with two decimals; the longest gap, the largest "
                                                "count shown; and the longest run of hits in consecutive "
                                                "draws.")),
        basesLine(request.bases)};
    addTieLine(lines, request.kind);
    return lines;
}

} // namespace quorvel
