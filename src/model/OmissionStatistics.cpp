// SPDX-License-Identifier: MIT
#include "model/OmissionStatistics.h"

namespace quorvel {

std::string_view probabilitySourceText(ProbabilitySource source) {
    return source == ProbabilitySource::Observed ? "observed" : "exact";
}

} // namespace quorvel
