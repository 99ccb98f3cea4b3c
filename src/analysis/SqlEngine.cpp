// SPDX-License-Identifier: MIT
#include "analysis/SqlEngine.h"

#include "analysis/AnalysisText.h"
#include "analysis/CountingRules.h"
#include "analysis/GroupPlan.h"
#include "analysis/GroupResultTable.h"
#include "analysis/OmissionBaseline.h"
#include "analysis/OmissionTally.h"
#include "analysis/SearchSupport.h"
#include "analysis/Statements.h"
#include "model/Error.h"
#include "store/LishiSchema.h"
#include "store/Savepoint.h"

#include <vector>

namespace quorvel {

namespace {

// The kind's value at a position of the current row of a hit query, read as the stored fields give it.
int rowValue(const StoreRow& row, AttributeKind kind, char prefix, int position) {
    char effective = position == 7 ? 'L' : prefix;
    auto field = [&](char letter) { return row.integer(positionField(effective, position, letter).c_str()); };
    switch (kind) {
    case AttributeKind::DigitSum: return field('E') + field('F');
    case AttributeKind::Parity: return field('A') % 2;
    default: return field(kindInfo(kind).letter);
    }
}

// Occurrence counters of one search step, one per value code of the kind.
class OccurrenceCounters {
  public:
    explicit OccurrenceCounters(AttributeKind kind)
        : m_kind(kind), m_counts(static_cast<std::size_t>(kindInfo(kind).counterSlots), 0) {}

    // Counts one more position with this value; false when the value has no counter slot.
    bool count(int code) {
        auto slot = counterSlot(m_kind, code);
        if (!slot) return false;
        ++m_counts[static_cast<std::size_t>(*slot)];
        return true;
    }
    // The counter of a value (0 when it has no slot).
    int operator[](int code) const {
        auto slot = counterSlot(m_kind, code);
        return slot ? m_counts[static_cast<std::size_t>(*slot)] : 0;
    }

  private:
    AttributeKind m_kind;
    std::vector<int> m_counts;
};

// The statements of this engine read stored fields, which the worked-out kinds do not have.
void refuseWorkedOutKind(AttributeKind kind) {
    if (isWorkedOutKind(kind))
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "The kind %1 is counted by the in-memory engine only: the "
                                                            "reference engine (--engine sql) reads stored fields, "
                                                            "which this kind does not have. Use the memory engine."),
                                  Message::core(kindInfo(kind).chineseName.data())));
}

// The plan under the size limits, which this engine keeps also when a request lifts them; then its refusal
// says so.
GroupPlan planWithLimits(const GroupRequest& request) {
    GroupRequest limited = request;
    limited.noLimit = false;
    try {
        return planGroups(limited);
    } catch (const Error& limit) {
        if (!request.noLimit) throw;
        throw Error(Message({}, "%1\n%2", {limit.message(), sqlEngineKeepsLimits()}));
    }
}

} // namespace

void SqlEngine::execute(const std::string& statement) { m_store.executeJet(statement); }

int SqlEngine::latestIdx() { return m_store.maxIdx(); }

int SqlEngine::rangeBase(const IssueRange& range) { return m_store.idxBeforeIssue(range.start); }

HistoryTimeline SqlEngine::timeline() { return HistoryTimeline(m_store.idxAndIssues()); }

SearchResult SqlEngine::listHits(const std::string& query, const IssueRange& range, AttributeKind kind,
                                 NumberOrder order, const ParameterBases& bases, GapStart gapsFrom, std::string label,
                                 ConditionRates rates) {
    SearchResult result;
    result.rangeBase = rangeBase(range);
    OmissionTally tally(result.rangeBase, gapsFrom);
    const char prefix = positionPrefix(order);
    m_store.selectJet(query, [&](const StoreRow& hit) {
        HitRow row;
        row.issue = hit.integer("SQQH");
        for (int p = 1; p <= 7; ++p)
            row.cells[static_cast<std::size_t>(p - 1)] = hitCellText(kind, rowValue(hit, kind, prefix, p), bases);
        row.idx = hit.integer("IDX");
        row.gap = tally.add(row.idx);
        row.seq = static_cast<int>(result.hits.size()) + 1;
        result.hits.push_back(std::move(row));
    });
    result.summary = tally.summary(std::move(label), latestIdx());
    addBaseline(result.summary.statistics, result.summary.last, timeline(), range, rates);
    return result;
}

OmissionSummary SqlEngine::summarize(const std::string& query, int rangeBase, GapStart gapsFrom, std::string label) {
    OmissionTally tally(rangeBase, gapsFrom);
    m_store.selectJet(query, [&](const StoreRow& hit) { tally.add(hit.integer("IDX")); });
    return tally.summary(std::move(label), latestIdx());
}

SearchResult SqlEngine::positionSearch(const PositionSearchRequest& request) {
    refuseWorkedOutKind(request.kind);
    requireHistory(m_store);
    Savepoint transaction(m_store);
    const std::string field(kindInfo(request.kind).listField);
    execute(statements::resetCounters());
    int conditions = 0;
    if (request.mode == PositionMode::Free) {
        OccurrenceCounters counters(request.kind);
        const std::string target = request.includeSpecial ? field : "txtHisP6";
        if (!request.includeSpecial) execute(statements::workingListCut(field));
        for (int p = 1; p <= 7; ++p) {
            if (!request.selected[static_cast<std::size_t>(p - 1)]) continue;
            const int value = request.values[static_cast<std::size_t>(p - 1)];
            ++conditions;
            if (request.kind == AttributeKind::Number) {
                execute(statements::freeMark(target, statements::pattern(request.kind, value, 0)));
            } else if (counters.count(value)) {
                execute(statements::freeMark(target, statements::pattern(request.kind, value, counters[value])));
            }
        }
    } else {
        for (int p = 1; p <= 7; ++p) {
            if (!request.selected[static_cast<std::size_t>(p - 1)]) continue;
            ++conditions;
            execute(statements::fixedMark(request.kind, positionPrefix(request.order), p,
                                          request.values[static_cast<std::size_t>(p - 1)]));
        }
    }
    SearchResult result = listHits(statements::hitsByCounter(request.range.start, request.range.end, conditions),
                                   request.range, request.kind, request.order, request.bases, request.gapsFrom,
                                   positionSearchLabel(request), ConditionRates(positionSearchCondition(request)));
    transaction.commit();
    return result;
}

SearchResult SqlEngine::partialSearch(const PartialSearchRequest& request, const Progress& progress) {
    refuseWorkedOutKind(request.kind);
    requireHistory(m_store);
    Savepoint transaction(m_store);
    const std::string field(kindInfo(request.kind).listField);
    const int positions = request.regularOnly ? 6 : 7;
    const int k = request.partSize;
    execute(statements::clearFlags());
    if (request.mode == PositionMode::Free)
        execute(request.includeSpecial ? statements::workingListWhole(field) : statements::workingListCut(field));
    const long total = combinationCount(positions, k);
    long done = 0;
    forEachCombination(positions, k, [&](const std::vector<int>& combination) {
        progress.step(done++, total);
        execute(statements::resetCounters());
        if (request.mode == PositionMode::Free) {
            OccurrenceCounters counters(request.kind);
            for (int element : combination)
                counters.count(request.values[static_cast<std::size_t>(element)]);
            for (int element : combination) {
                const int value = request.values[static_cast<std::size_t>(element)];
                if (request.kind == AttributeKind::Number)
                    execute(statements::freeMark("txtHisP6", statements::pattern(request.kind, value, 0)));
                else if (counterSlot(request.kind, value))
                    execute(
                        statements::freeMark("txtHisP6", statements::pattern(request.kind, value, counters[value])));
            }
        } else {
            for (int element : combination)
                execute(statements::fixedMark(request.kind, positionPrefix(request.order), element + 1,
                                              request.values[static_cast<std::size_t>(element)]));
        }
        execute(statements::flagHits(k));
    });
    // The partial search's rate is observed: the draws of the whole history that any combination flagged.
    const double flagged = m_store.flaggedCount();
    const ConditionRates rates = ConditionRates::observed(flagged / m_store.count());
    SearchResult result =
        listHits(statements::hitsByFlag(request.range.start, request.range.end), request.range, request.kind,
                 request.order, request.bases, request.gapsFrom, partialSearchLabel(request), rates);
    transaction.commit();
    return result;
}

GroupResult SqlEngine::groupCalculation(const GroupRequest& request, const Progress& progress) {
    refuseWorkedOutKind(request.kind);
    requireHistory(m_store);
    GroupPlan plan = planWithLimits(request);
    Savepoint transaction(m_store);
    GroupResultTable table(m_store);
    table.clear();
    const std::string field(kindInfo(request.kind).listField);
    execute(statements::resetCounters());
    execute(request.includeSpecial ? statements::workingListWhole(field) : statements::workingListCut(field));
    GroupResult result;
    result.note = plan.note;
    if (plan.makesGroups()) {
        const std::string hitQuery = statements::hitsByCounter(request.range.start, request.range.end, plan.groupSize);
        const HistoryTimeline draws = timeline();
        const int base = rangeBase(request.range);
        std::vector<int> codes;
        const int m = static_cast<int>(plan.codes.size());
        const long total = combinationCount(m, plan.groupSize);
        forEachCombination(m, plan.groupSize, [&](const std::vector<int>& elements) {
            progress.step(static_cast<long>(result.rows.size()), total);
            execute(statements::resetCounters());
            for (int element : elements)
                execute(statements::freeMark(
                    "txtHisP6", statements::pattern(plan.kind, plan.codes[static_cast<std::size_t>(element)], 1)));
            OmissionSummary summary = summarize(hitQuery, base, request.gapsFrom, groupLabel(plan, elements));
            codes.clear();
            for (int element : elements)
                codes.push_back(plan.codes[static_cast<std::size_t>(element)]);
            ConditionRates rates(groupCondition(plan.kind, codes, request.includeSpecial, request.bases));
            addBaseline(summary.statistics, summary.last, draws, request.range, rates);
            GroupRow row{summary.label, summary.min, summary.max, summary.last, summary.statistics};
            table.append(row);
            result.rows.push_back(std::move(row));
        });
    }
    table.setRules(countingRules(request));
    transaction.commit();
    return result;
}

} // namespace quorvel
