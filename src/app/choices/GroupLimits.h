// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "analysis/EngineKind.h"

#include "model/Message.h"

#include <optional>
#include <string>

namespace quorvel {

// The size limits a group calculation runs under on an engine: the memory engine lifts them when the request
// asks, the reference engine keeps them always (it would need hours).
struct GroupLimits {
    // Why the request is over the limits the engine keeps (the limit message, and the reference engine's note
    // when it kept limits the request lifted); nothing when it may run.
    std::optional<Message> refusal;
    // The reference engine's note when the request asked to lift the limits it keeps; empty otherwise.
    Message keptNote;
    // How many groups the request makes when it may run.
    long groups = 0;
};

GroupLimits groupLimits(EngineKind engine, const GroupRequest& request);

} // namespace quorvel
