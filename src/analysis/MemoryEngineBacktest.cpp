// SPDX-License-Identifier: MIT
// The memory engine's backtest: the ticked values' draws as bits per draw, handed to the walk.
#include "analysis/BacktestWalk.h"
#include "analysis/MemoryEngine.h"
#include "analysis/SearchSupport.h"
#include "model/Error.h"
#include "model/KindCodes.h"
#include "model/NumberTables.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace quorvel {

BacktestResult MemoryEngine::backtest(const BacktestRequest& request, const Progress& progress) {
    prepare(request.groups.kind);
    GroupRequest groups = request.groups;
    if (request.place) {
        if (groups.groupSize != 1)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "where a value is looked for (special, regular or any) "
                                                                "applies to groups of one value; choose group size 1, "
                                                                "or leave it out to count groups as the group "
                                                                "calculation does")));
        if (*request.place == ValuePlace::Position)
            throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the backtest looks for a value as the special number, "
                                                                "among the regular numbers or among all seven, not at "
                                                                "one position")));
        groups.includeSpecial = *request.place == ValuePlace::Any;
    }
    if (request.pick < 1)
        throw Error(Message::core(
            QT_TRANSLATE_NOOP("Core", "the backtest picks at least one group per decision, not %1"), request.pick));
    const GroupPlan plan = planGroups(groups);
    if (!plan.makesGroups())
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "%1; nothing to backtest"), plan.note));
    const long groupCount = combinationCount(static_cast<int>(plan.codes.size()), plan.groupSize);
    // With every group picked the overdue and the random picks are the same: nothing is compared.
    if (request.pick >= groupCount)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the backtest picks %1 groups per decision, but the ticked "
                                                            "values make only %2 groups: picking them all compares "
                                                            "nothing with chance; pick fewer than %2"),
                                  request.pick, groupCount));
    const bool special = request.place == ValuePlace::Special;

    const int n = static_cast<int>(m_records.size());
    int first = kDefaultFirstDecision - 1;
    if (request.fromIssue)
        first = static_cast<int>(std::lower_bound(m_records.begin(), m_records.end(), *request.fromIssue,
                                                  [](const DrawRecord& r, int issue) { return r.issue < issue; }) -
                                 m_records.begin());
    if (first >= n - 1)
        throw Error(
            request.fromIssue
                ? Message::core(QT_TRANSLATE_NOOP("Core", "the backtest needs a decision draw before the latest one, "
                                                          "but the history holds %1 draws and the first decision "
                                                          "would be at issue %2 or later; choose an earlier start "
                                                          "issue"),
                                n, *request.fromIssue)
                : Message::core(QT_TRANSLATE_NOOP("Core", "the backtest needs a decision draw before the latest one, "
                                                          "but the history holds %1 draws and the first decision "
                                                          "would be the %2th draw; choose an earlier start issue"),
                                n, kDefaultFirstDecision));

    // The walk visits every group at each decision and weighs every pair of picks, twice: both grow without
    // bound, so a run that would take minutes or more is refused with its figures.
    const std::int64_t decisions = n - 1 - first;
    if (const std::int64_t work = decisions * groupCount; work > kBacktestWorkLimit)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the backtest would walk %1 decisions × %2 groups = %3, "
                                                            "more than the %4 one run may walk; tick fewer values, "
                                                            "choose a smaller group size or a later start issue"),
                                  decisions, groupCount, work, kBacktestWorkLimit));
    if (const std::int64_t pairs = decisions * request.pick * request.pick; pairs > kBacktestPairLimit)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the backtest would weigh %1 decisions × %2 picks × %2 "
                                                            "picks = %3 pairs of picks, more than the %4 one run may "
                                                            "weigh; pick fewer groups or choose a later start issue"),
                                  decisions, request.pick, pairs, kBacktestPairLimit));

    BacktestInput input;
    input.elements = static_cast<int>(plan.codes.size());
    input.groupSize = plan.groupSize;
    input.firstDecision = first;
    input.pick = request.pick;
    input.seed = request.seed;
    input.sharedRate = plan.kind == AttributeKind::Number;
    input.yearDependent = followsZodiacYear(plan.kind);
    input.exclusive = special;
    input.held.assign(static_cast<std::size_t>(n), 0);
    for (int e = 0; e < input.elements; ++e) {
        const std::uint64_t bit = std::uint64_t{1} << e;
        const int code = plan.codes[static_cast<std::size_t>(e)];
        if (special) {
            for (int i = 0; i < n; ++i)
                if (attributeValue(m_records[static_cast<std::size_t>(i)], plan.kind, NumberOrder::Drawn, 7) == code)
                    input.held[static_cast<std::size_t>(i)] |= bit;
        } else {
            listCondition(plan.kind, !groups.includeSpecial, code, 1).forEachIn(0, n, [&](int i) {
                input.held[static_cast<std::size_t>(i)] |= bit;
            });
        }
    }
    std::vector<int> years;
    for (const DrawRecord& record : m_records) {
        const int year = zodiacYearOfIssue(record.issue);
        auto at = std::find(years.begin(), years.end(), year);
        input.yearSlot.push_back(static_cast<int>(at - years.begin()));
        if (at == years.end()) years.push_back(year);
    }
    ValuesRequest specialValues;
    specialValues.kind = plan.kind;
    specialValues.place = ValuePlace::Special;
    specialValues.bases = groups.bases;
    input.rate = [&plan, &groups, &years, special, &specialValues](std::uint64_t elements, int slot) {
        std::vector<int> codes;
        for (int e = 0; e < static_cast<int>(plan.codes.size()); ++e)
            if (elements >> e & 1) codes.push_back(plan.codes[static_cast<std::size_t>(e)]);
        const int year = years[static_cast<std::size_t>(slot)];
        if (special && codes.size() == 1)
            return hitProbability(positionSearchCondition(valueSearchRequest(specialValues, codes.front())), year);
        return hitProbability(groupCondition(plan.kind, codes, groups.includeSpecial, groups.bases), year);
    };

    BacktestResult result = walkBacktest(input, m_threads, progress);
    result.firstIssue = m_records[static_cast<std::size_t>(first)].issue;
    result.lastIssue = m_records[static_cast<std::size_t>(n - 2)].issue;
    return result;
}

} // namespace quorvel
