// SPDX-License-Identifier: MIT
#include "analysis/ValuesRequest.h"

#include "model/DrawRecord.h"
#include "model/Error.h"

namespace quorvel {

std::vector<int> kindValues(AttributeKind kind, const ParameterBases& bases) {
    auto run = [](int first, int count) {
        std::vector<int> values(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            values[static_cast<std::size_t>(i)] = first + i;
        return values;
    };
    switch (kind) {
    case AttributeKind::Number: return run(1, 49);
    case AttributeKind::Zodiac: return run(bases.zodiac, 12);
    case AttributeKind::Head: return run(0, 5);
    case AttributeKind::Tail: return run(0, 10);
    case AttributeKind::DigitSum: return run(1, 13);
    case AttributeKind::Segment: return run(bases.segment, 7);
    case AttributeKind::Colour: return run(bases.colour, 3);
    case AttributeKind::Parity: return run(0, 2);
    default: return run(1, kindInfo(kind).boxCount); // the worked-out kinds: 1..
    }
    return {};
}

std::string valueLabel(AttributeKind kind, int value, const ParameterBases& bases) {
    return kind == AttributeKind::Number ? twoDigits(value) : valueText(kind, value, bases);
}

PositionSearchRequest valueSearchRequest(const ValuesRequest& request, int value) {
    PositionSearchRequest search;
    search.kind = request.kind;
    search.order = request.order;
    search.range = request.range;
    search.bases = request.bases;
    search.gapsFrom = request.gapsFrom;
    int position = 7;
    switch (request.place) {
    case ValuePlace::Special: search.mode = PositionMode::Fixed; break;
    case ValuePlace::Regular:
    case ValuePlace::Any:
        search.mode = PositionMode::Free;
        search.includeSpecial = request.place == ValuePlace::Any;
        position = 1;
        break;
    case ValuePlace::Position:
        search.mode = PositionMode::Fixed;
        position = request.position;
        break;
    }
    if (position < 1 || position > 7)
        throw Error(
            Message::core(QT_TRANSLATE_NOOP("Core", "positions are 1..7 (7 is the special number), not %1"), position));
    const auto p = static_cast<std::size_t>(position - 1);
    search.selected[p] = true;
    search.values[p] = value;
    search.texts[p] = valueLabel(request.kind, value, request.bases);
    return search;
}

std::optional<ValuesRequest> parseValuePlace(std::string_view text) {
    ValuesRequest request;
    if (text == "special") {
        request.place = ValuePlace::Special;
    } else if (text == "regular") {
        request.place = ValuePlace::Regular;
    } else if (text == "any") {
        request.place = ValuePlace::Any;
    } else if (text.size() == 1 && text[0] >= '1' && text[0] <= '7') {
        request.place = ValuePlace::Position;
        request.position = text[0] - '0';
    } else {
        return std::nullopt;
    }
    return request;
}

std::string valuePlaceText(const ValuesRequest& request) {
    switch (request.place) {
    case ValuePlace::Special: return "special";
    case ValuePlace::Regular: return "regular";
    case ValuePlace::Any: return "any";
    case ValuePlace::Position: return std::to_string(request.position);
    }
    return {};
}

} // namespace quorvel
