// SPDX-License-Identifier: MIT
#include "analysis/GroupHits.h"

#include "analysis/GroupPlan.h"
#include "model/Error.h"

#include <algorithm>
#include <sstream>

namespace quorvel {

std::optional<PositionSearchRequest> groupHitsRequest(const GroupRequest& request, const std::string& content) {
    GroupPlan plan;
    try {
        plan = planGroups(request);
    } catch (const Error&) {
        return std::nullopt; // over the size limit: the request made no group
    }
    if (!plan.makesGroups()) return std::nullopt;
    std::istringstream words(content);
    std::vector<int> elements;
    for (std::string word; words >> word;) {
        auto found = std::find(plan.labels.begin(), plan.labels.end(), word);
        if (found == plan.labels.end()) return std::nullopt;
        const int element = static_cast<int>(found - plan.labels.begin());
        if (!elements.empty() && element <= elements.back()) return std::nullopt; // groups list values ascending
        elements.push_back(element);
    }
    if (static_cast<int>(elements.size()) != plan.groupSize || groupLabel(plan, elements) != content)
        return std::nullopt;

    PositionSearchRequest search;
    search.kind = request.kind;
    search.mode = PositionMode::Free;
    search.includeSpecial = request.includeSpecial;
    search.range = request.range;
    search.bases = request.bases;
    search.gapsFrom = request.gapsFrom;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        search.selected[i] = true;
        search.values[i] = plan.codes[static_cast<std::size_t>(elements[i])];
        search.texts[i] = plan.labels[static_cast<std::size_t>(elements[i])];
    }
    return search;
}

} // namespace quorvel
