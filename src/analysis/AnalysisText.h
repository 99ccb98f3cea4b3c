// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"

#include <string>

namespace quorvel {

// The label of a position search: fixed mode names each selected value as two digits and a space,
// free mode gives each selected position's text and a space.
std::string positionSearchLabel(const PositionSearchRequest& request);

// The label of a partial search: the seven position texts, each and a space, then the part size text.
std::string partialSearchLabel(const PartialSearchRequest& request);

// What a hit list cell shows for a value of a kind (names for zodiac, colour and parity).
std::string hitCellText(AttributeKind kind, int value, const ParameterBases& bases);

} // namespace quorvel
