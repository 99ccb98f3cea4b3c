// SPDX-License-Identifier: MIT
#include "app/choices/GroupLimits.h"

#include "analysis/GroupPlan.h"
#include "model/Error.h"

namespace quorvel {

GroupLimits groupLimits(EngineKind engine, const GroupRequest& request) {
    GroupLimits limits;
    const bool keepsLimits = request.noLimit && engine == EngineKind::Sql;
    if (keepsLimits) limits.keptNote = sqlEngineKeepsLimits();
    GroupRequest planned = request;
    planned.noLimit = request.noLimit && !keepsLimits;
    try {
        const GroupPlan plan = planGroups(planned);
        if (plan.makesGroups()) limits.groups = combinationCount(static_cast<int>(plan.codes.size()), plan.groupSize);
    } catch (const Error& limit) {
        limits.refusal = keepsLimits ? Message({}, "%1\n%2", {limit.message(), limits.keptNote}) : limit.message();
    }
    return limits;
}

} // namespace quorvel
