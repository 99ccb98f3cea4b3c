// SPDX-License-Identifier: MIT
#include "app/results/PrintTitle.h"

#include "model/AttributeKind.h"

#include <vector>

namespace quorvel {

PrintTitle valuesPrintTitle(Message view, const ValuesRequest& request) {
    return {std::move(view), request.kind, placeInWords(request), request.range, gapRuleInBrief(request.gapsFrom)};
}

PrintTitle analysisPrintTitle(Message view, const AnalysisChoices& choices) {
    std::string positions;
    for (std::size_t p = 0; p < choices.selected.size(); ++p) {
        if (!choices.selected[p]) continue;
        if (!positions.empty()) positions += ", ";
        positions += std::to_string(p + 1);
    }
    Message place;
    if (!positions.empty())
        place = choices.fixedPositions ? Message::core(QT_TRANSLATE_NOOP("Core", "fixed positions %1"), positions)
                                       : Message::core(QT_TRANSLATE_NOOP("Core", "free positions %1"), positions);
    return {std::move(view), choices.kind, std::move(place), WindowRequests(choices).range().range,
            gapRuleInBrief(choices.gapsFrom)};
}

Message placeInWords(const ValuesRequest& request) {
    switch (request.place) {
    case ValuePlace::Special: return Message::core(QT_TRANSLATE_NOOP("Core", "special number"));
    case ValuePlace::Regular: return Message::core(QT_TRANSLATE_NOOP("Core", "regular numbers"));
    case ValuePlace::Any: return Message::core(QT_TRANSLATE_NOOP("Core", "any of the seven"));
    case ValuePlace::Position: break;
    }
    return request.order == NumberOrder::Sorted
               ? Message::core(QT_TRANSLATE_NOOP("Core", "position %1, sorted order"), request.position)
               : Message::core(QT_TRANSLATE_NOOP("Core", "position %1, drawn order"), request.position);
}

Message trendRuleInBrief() {
    return Message::core(QT_TRANSLATE_NOOP("Core", "a number: the draws since the value's last hit"));
}

Message gapRuleInBrief(GapStart start) {
    return start == GapStart::Range ? Message::core(QT_TRANSLATE_NOOP("Core", "gaps from the range's first draw"))
                                    : Message::core(QT_TRANSLATE_NOOP("Core", "first gap from the first stored draw"));
}

std::string printTitleLine(const PrintTitle& title, const std::string& day, const Message::Translate& translate) {
    std::vector<Message> parts;
    parts.push_back(title.view);
    if (title.kind) parts.push_back(Message::core(kindInfo(*title.kind).chineseName.data()));
    parts.push_back(title.place);
    if (title.range)
        parts.push_back(
            Message::core(QT_TRANSLATE_NOOP("Core", "issues %1 to %2"), title.range->start, title.range->end));
    parts.push_back(title.rule);
    parts.push_back(Message::core(QT_TRANSLATE_NOOP("Core", "printed %1"), day));
    std::string line;
    for (const Message& part : parts) {
        if (part.empty()) continue;
        if (!line.empty()) line += "  ·  ";
        line += part.rendered(translate);
    }
    return line;
}

std::string printFileStem(const std::string& viewName, std::optional<int> latestIssue) {
    return latestIssue ? viewName + "-" + std::to_string(*latestIssue) : viewName;
}

} // namespace quorvel
