// SPDX-License-Identifier: MIT
#include "analysis/MemoryEngine.h"

#include "analysis/AnalysisText.h"
#include "analysis/CombinationSlices.h"
#include "analysis/CountingRules.h"
#include "analysis/GroupHitLists.h"
#include "analysis/GroupResultWrite.h"
#include "analysis/OmissionBaseline.h"
#include "analysis/OmissionTally.h"
#include "analysis/ParallelTasks.h"
#include "analysis/SearchSupport.h"
#include "model/Error.h"
#include "store/Savepoint.h"

#include <algorithm>
#include <optional>

namespace quorvel {

const DrawBitset& MemoryEngine::listCondition(AttributeKind kind, bool cut, int code, int occurrence) const {
    // Number items carry no occurrence: a number occurs at most once in a draw.
    if (kind == AttributeKind::Number) occurrence = 0;
    if (code < 0 || code >= kCodes || occurrence < 0 || occurrence >= kOccurrences) return m_none;
    const DrawBitset& bits =
        m_listConditions[static_cast<std::size_t>(conditionSlot(static_cast<int>(kind), cut, code, occurrence))];
    return bits.size() == 0 ? m_none : bits;
}

DrawBitset MemoryEngine::positionCondition(AttributeKind kind, NumberOrder order, int position, int value) const {
    DrawBitset bits(static_cast<int>(m_records.size()));
    for (std::size_t i = 0; i < m_records.size(); ++i)
        if (attributeValue(m_records[i], kind, order, position) == value) bits.set(static_cast<int>(i));
    return bits;
}

std::pair<int, int> MemoryEngine::rangeIndexes(const IssueRange& range) const {
    auto begin = std::lower_bound(m_records.begin(), m_records.end(), range.start,
                                  [](const DrawRecord& r, int issue) { return r.issue < issue; });
    auto end = std::upper_bound(m_records.begin(), m_records.end(), range.end,
                                [](int issue, const DrawRecord& r) { return issue < r.issue; });
    int b = static_cast<int>(begin - m_records.begin());
    int e = static_cast<int>(end - m_records.begin());
    return {b, std::max(b, e)};
}

int MemoryEngine::rangeBase(int begin) const {
    return begin < static_cast<int>(m_records.size()) ? m_records[static_cast<std::size_t>(begin)].idx - 1
                                                      : m_records.back().idx;
}

SearchResult MemoryEngine::listHits(const DrawBitset& hits, const IssueRange& range, AttributeKind kind,
                                    NumberOrder order, const ParameterBases& bases, GapStart gapsFrom,
                                    std::string label, ConditionRates rates) const {
    SearchResult result;
    auto [begin, end] = rangeIndexes(range);
    result.rangeBase = rangeBase(begin);
    OmissionTally tally(result.rangeBase, gapsFrom);
    hits.forEachIn(begin, end, [&](int i) {
        const DrawRecord& record = m_records[static_cast<std::size_t>(i)];
        HitRow row;
        row.issue = record.issue;
        for (int p = 1; p <= 7; ++p)
            row.cells[static_cast<std::size_t>(p - 1)] =
                hitCellText(kind, attributeValue(record, kind, order, p), bases);
        row.gap = tally.add(record.idx);
        row.seq = static_cast<int>(result.hits.size()) + 1;
        row.idx = record.idx;
        result.hits.push_back(std::move(row));
    });
    result.summary = tally.summary(std::move(label), m_records.back().idx);
    addBaseline(result.summary.statistics, result.summary.last, m_timeline, range, rates);
    return result;
}

SearchResult MemoryEngine::positionSearch(const PositionSearchRequest& request) {
    prepare(request.kind);
    DrawBitset hits(static_cast<int>(m_records.size()), true);
    std::vector<int> occurrences(64, 0);
    for (int p = 1; p <= 7; ++p) {
        if (!request.selected[static_cast<std::size_t>(p - 1)]) continue;
        const int value = request.values[static_cast<std::size_t>(p - 1)];
        if (request.mode == PositionMode::Fixed) {
            hits &= positionCondition(request.kind, request.order, p, value);
        } else if (request.kind == AttributeKind::Number) {
            hits &= listCondition(request.kind, !request.includeSpecial, value, 0);
        } else if (auto slot = counterSlot(request.kind, value)) {
            int occurrence = ++occurrences[static_cast<std::size_t>(*slot)];
            hits &= listCondition(request.kind, !request.includeSpecial, value, occurrence);
        } else {
            hits &= m_none;
        }
    }
    return listHits(hits, request.range, request.kind, request.order, request.bases, request.gapsFrom,
                    positionSearchLabel(request), ConditionRates(positionSearchCondition(request)));
}

SearchResult MemoryEngine::partialSearch(const PartialSearchRequest& request, const Progress& progress) {
    prepare(request.kind);
    const int n = static_cast<int>(m_records.size());
    DrawBitset flagged(n);
    const int positions = request.regularOnly ? 6 : 7;
    const long total = combinationCount(positions, request.partSize);
    long done = 0;
    forEachCombination(positions, request.partSize, [&](const std::vector<int>& combination) {
        progress.step(done++, total);
        DrawBitset hits(n, true);
        for (int element : combination) {
            const int value = request.values[static_cast<std::size_t>(element)];
            if (request.mode == PositionMode::Fixed) {
                hits &= positionCondition(request.kind, request.order, element + 1, value);
            } else if (request.kind == AttributeKind::Number) {
                hits &= listCondition(request.kind, !request.includeSpecial, value, 0);
            } else if (counterSlot(request.kind, value)) {
                // Positions of the combination that share a value all ask for its count within the combination.
                int occurrence = static_cast<int>(std::count_if(combination.begin(), combination.end(), [&](int other) {
                    return request.values[static_cast<std::size_t>(other)] == value;
                }));
                hits &= listCondition(request.kind, !request.includeSpecial, value, occurrence);
            } else {
                hits &= m_none;
            }
        }
        flagged |= hits;
    });
    // The partial search's rate is observed: the draws of the whole history that any combination hits.
    long flaggedDraws = 0;
    flagged.forEachIn(0, n, [&](int) { ++flaggedDraws; });
    return listHits(flagged, request.range, request.kind, request.order, request.bases, request.gapsFrom,
                    partialSearchLabel(request), ConditionRates::observed(static_cast<double>(flaggedDraws) / n));
}

GroupRows MemoryEngine::groupRows(const GroupPlan& plan, const GroupRequest& request, const Progress& progress) const {
    const int n = static_cast<int>(m_records.size());
    const int m = static_cast<int>(plan.codes.size());
    const int k = plan.groupSize;
    std::vector<const DrawBitset*> conditions;
    for (int code : plan.codes)
        conditions.push_back(&listCondition(plan.kind, !request.includeSpecial, code, 1));
    auto [begin, end] = rangeIndexes(request.range);
    const int base = rangeBase(begin);
    const int latest = m_records.back().idx;
    // Every figure of a row fits the 16 bits a row keeps (a gap or a count is at most the latest IDX + 1).
    if (latest + 1 > GroupFigures::kMostDraws)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the history holds %1 draws; a group calculation "
                                                            "counts at most %2 draws: keep fewer draws first"),
                                  latest, GroupFigures::kMostDraws - 1));
    const long total = combinationCount(m, k);
    auto groupCodes = [&](const std::vector<int>& elements) {
        std::vector<int> codes;
        for (int element : elements)
            codes.push_back(plan.codes[static_cast<std::size_t>(element)]);
        return codes;
    };
    // Every group of k distinct numbers has the same hit rate: its baseline figures are worked out once per
    // last omission (or once per group when there are fewer groups than draws), not once per group, and
    // the rows read them from that table when asked.
    std::optional<ConditionRates> numberRates;
    GroupBaselines baselines;
    if (plan.kind == AttributeKind::Number) {
        std::vector<int> firstGroup(static_cast<std::size_t>(k));
        for (int i = 0; i < k; ++i)
            firstGroup[static_cast<std::size_t>(i)] = i;
        numberRates.emplace(groupCondition(plan.kind, groupCodes(firstGroup), request.includeSpecial, request.bases));
        numberRates->at(m_timeline.nextZodiacYear());
        if (total > latest)
            baselines.shared = std::make_shared<const SharedBaseline>(m_timeline, request.range, *numberRates);
    }
    if (!baselines.shared) baselines.perRow.resize(static_cast<std::size_t>(total));

    // The draws of the range that hold each value at least once (a multiset kind hits on distinct values),
    // as bits per draw, then the cheaper count: each draw's k-subsets, or an AND of bitsets per group.
    std::optional<GroupHitLists> lists;
    if (m <= 64 && m_counting != GroupCounting::Bitsets) {
        std::vector<std::uint64_t> held(static_cast<std::size_t>(end - begin), 0);
        for (int e = 0; e < m; ++e)
            conditions[static_cast<std::size_t>(e)]->forEachIn(
                begin, end, [&](int i) { held[static_cast<std::size_t>(i - begin)] |= std::uint64_t{1} << e; });
        const double walkCost =
            2.0 * static_cast<double>(GroupHitLists::walkSteps(held, k)) + static_cast<double>(total);
        const double bitsetCost = static_cast<double>(total) * k * ((n + 63) / 64);
        if (m_counting == GroupCounting::DrawSubsets || walkCost < bitsetCost) lists.emplace(held, begin, m, k);
    }

    // The IDX of each draw, apart from the large records.
    std::vector<int> idxOf(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        idxOf[static_cast<std::size_t>(i)] = m_records[static_cast<std::size_t>(i)].idx;

    GroupFigureArray figures(static_cast<std::size_t>(total));
    const std::vector<CombinationSlice> slices = sliceCombinations(m, k);
    runTasks(slices.size(), m_threads, total, progress, [&](std::size_t s) {
        const CombinationSlice& slice = slices[s];
        // levels[i]: the draws holding the group's elements 0..i, kept while those elements stay.
        std::vector<DrawBitset> levels(lists ? 0 : static_cast<std::size_t>(k), DrawBitset(n));
        std::optional<ConditionRates> sharedRates = numberRates;
        auto rank = static_cast<std::size_t>(slice.first);
        forEachInSlice(slice, m, k, [&](const std::vector<int>& elements, int changed) {
            const std::size_t at = rank++;
            OmissionTally tally(base, request.gapsFrom);
            if (lists) {
                for (int i : lists->hits(static_cast<long>(at)))
                    tally.add(idxOf[static_cast<std::size_t>(i)]);
            } else {
                for (int i = changed; i < k; ++i) {
                    const DrawBitset& condition =
                        *conditions[static_cast<std::size_t>(elements[static_cast<std::size_t>(i)])];
                    if (i == 0)
                        levels[0] = condition;
                    else
                        levels[static_cast<std::size_t>(i)].assignAnd(levels[static_cast<std::size_t>(i - 1)],
                                                                      condition);
                }
                levels.back().forEachIn(begin, end, [&](int i) { tally.add(idxOf[static_cast<std::size_t>(i)]); });
            }
            GroupFigures& target = figures[at];
            tally.fill(target, latest);
            if (baselines.shared) return;
            OmissionStatistics& baseline = baselines.perRow[at];
            baseline.hitsInRange = target.hitsInRange;
            if (sharedRates) {
                addBaseline(baseline, target.last, m_timeline, request.range, *sharedRates);
            } else {
                ConditionRates rates(
                    groupCondition(plan.kind, groupCodes(elements), request.includeSpecial, request.bases));
                addBaseline(baseline, target.last, m_timeline, request.range, rates);
            }
        });
        return slice.count;
    });
    return GroupRows(plan.labels, k, std::move(figures), base, latest, std::move(baselines));
}

GroupResult MemoryEngine::calculateGroups(const GroupRequest& request, const Progress& progress) {
    prepare(request.kind);
    GroupPlan plan = planGroups(request);
    GroupResult result;
    result.note = plan.note;
    if (plan.makesGroups()) result.rows = groupRows(plan, request, progress);
    return result;
}

GroupResult MemoryEngine::groupCalculation(const GroupRequest& request, const Progress& progress) {
    // Working out the groups and storing their rows are reported as one run of twice as many steps.
    long groups = 0;
    auto phase = [&progress, &groups](bool storing) {
        return Progress([&progress, &groups, storing](long done, long total) {
            groups = total;
            progress.step(storing ? groups + done : done, 2 * groups);
            return true;
        });
    };
    GroupResult result = calculateGroups(request, phase(false));
    writeGroupResults(m_store, result.rows, countingRules(request), phase(true));
    return result;
}

} // namespace quorvel
