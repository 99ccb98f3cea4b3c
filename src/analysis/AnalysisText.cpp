// SPDX-License-Identifier: MIT
#include "analysis/AnalysisText.h"

#include "model/DrawRecord.h"

namespace quorvel {

std::string positionSearchLabel(const PositionSearchRequest& request) {
    std::string label;
    for (std::size_t p = 0; p < 7; ++p) {
        if (!request.selected[p]) continue;
        label += request.mode == PositionMode::Fixed ? twoDigits(request.values[p]) : request.texts[p];
        label += " ";
    }
    return label;
}

std::string partialSearchLabel(const PartialSearchRequest& request) {
    std::string label;
    for (const auto& text : request.texts)
        label += text + " ";
    return label + request.partSizeText;
}

std::string hitCellText(AttributeKind kind, int value, const ParameterBases& bases) {
    return valueText(kind, value, bases);
}

} // namespace quorvel
