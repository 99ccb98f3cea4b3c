// SPDX-License-Identifier: MIT
#include "analysis/BacktestWalk.h"

#include "analysis/BacktestCalibration.h"
#include "analysis/BacktestPicks.h"
#include "analysis/CombinationRank.h"
#include "analysis/ParallelTasks.h"
#include "model/Error.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>
#include <utility>

namespace quorvel {

namespace {

// Decisions per task: fixed, so that sums are added in the same order whatever the thread count.
constexpr int kDecisionsPerTask = 64;

// A stretch of draws of one zodiac year.
struct YearRun {
    int first;
    int last;
    int slot;
};

// The figures of one decision, summed in decision order at the end.
struct DecisionFigures {
    long picked = 0;
    long hits = 0;
    double expected = 0;
    double variance = 0;
    long ties = 0;
    long basePicked = 0;
    long baseHits = 0;
    double baseExpected = 0;
    double baseVariance = 0;
};

// What every task shares: the input, the groups' rate classes and the year runs.
class Walk {
  public:
    explicit Walk(const BacktestInput& input) : m_input(input), m_ranking(input.elements, input.groupSize) {
        const int draws = static_cast<int>(input.held.size());
        m_draws = draws;
        m_groups = m_ranking.count();
        m_slots = 0;
        for (int slot : input.yearSlot)
            m_slots = std::max(m_slots, slot + 1);
        m_runOf.resize(static_cast<std::size_t>(draws));
        for (int d = 0; d < draws; ++d) {
            const int slot = input.yearSlot[static_cast<std::size_t>(d)];
            if (m_runs.empty() || m_runs.back().slot != slot) m_runs.push_back(YearRun{d, d, slot});
            m_runs.back().last = d;
            m_runOf[static_cast<std::size_t>(d)] = static_cast<int>(m_runs.size()) - 1;
        }
        classifyGroups();
    }

    long groups() const { return m_groups; }

    // The decisions [from, to): replays the draws before `from`, then decides at each.
    void run(int from, int to, std::vector<DecisionFigures>& figures, CalibrationHistogram& histogram) const;

  private:
    // Groups of one rate in every year share a class; all groups share one when the input says so.
    void classifyGroups() {
        auto rates = [&](std::uint64_t elements) {
            std::vector<double> byYear(static_cast<std::size_t>(m_slots));
            for (int s = 0; s < m_slots; ++s)
                byYear[static_cast<std::size_t>(s)] =
                    s > 0 && !m_input.yearDependent ? byYear[0] : m_input.rate(elements, s);
            return byYear;
        };
        if (m_input.sharedRate || m_groups == 0) {
            m_classRates.push_back(rates(m_groups > 0 ? m_ranking.elements(0) : 0));
            return;
        }
        std::map<std::vector<double>, int> classes;
        m_classOf.resize(static_cast<std::size_t>(m_groups));
        for (long g = 0; g < m_groups; ++g) {
            auto [at, added] = classes.emplace(rates(m_ranking.elements(g)), static_cast<int>(m_classRates.size()));
            if (added) m_classRates.push_back(at->first);
            m_classOf[static_cast<std::size_t>(g)] = at->second;
        }
    }

    int classOf(long group) const { return m_classOf.empty() ? 0 : m_classOf[static_cast<std::size_t>(group)]; }
    double classRate(int cls, int slot) const {
        return m_classRates[static_cast<std::size_t>(cls)][static_cast<std::size_t>(slot)];
    }

    // p_at_least_last at draw t of a class whose last hit was draw h: the product of (1 - rate) over the draws
    // after h, each in its own zodiac year, worked out as the omission statistics work it out.
    double missChance(int cls, int h, int t) const {
        if (!m_input.yearDependent) return std::pow(1.0 - classRate(cls, 0), t - h);
        double product = 1.0;
        if (h >= t) return product;
        for (auto r = static_cast<std::size_t>(m_runOf[static_cast<std::size_t>(h + 1)]); r < m_runs.size(); ++r) {
            const YearRun& run = m_runs[r];
            if (run.first > t) break;
            const int from = std::max(run.first, h + 1);
            product *= std::pow(1.0 - classRate(cls, run.slot), std::min(run.last, t) - from + 1);
        }
        return product;
    }

    const BacktestInput& m_input;
    CombinationRank m_ranking;
    int m_draws = 0;
    long m_groups = 0;
    int m_slots = 0;
    std::vector<YearRun> m_runs;
    std::vector<int> m_runOf;
    std::vector<int> m_classOf; // empty: every group is of class 0
    std::vector<std::vector<double>> m_classRates;
};

// The gap state of every group: its last hit and its place among the groups of the same class and last hit.
class GapState {
  public:
    GapState(long groups, int draws)
        : m_draws(draws), m_lastHit(static_cast<std::size_t>(groups), -1),
          m_place(static_cast<std::size_t>(groups), 0) {}

    int lastHit(long group) const { return m_lastHit[static_cast<std::size_t>(group)]; }
    std::int64_t key(int cls, int h) const { return static_cast<std::int64_t>(cls) * m_draws + h; }
    int classOfKey(std::int64_t key) const { return static_cast<int>(key / m_draws); }
    int hitOfKey(std::int64_t key) const { return static_cast<int>(key % m_draws); }

    // Draw d hit the group: it leaves the bucket of its previous last hit for d's.
    void hit(long group, int cls, int d) {
        const auto g = static_cast<std::size_t>(group);
        if (m_lastHit[g] >= 0) {
            auto bucket = m_buckets.find(key(cls, m_lastHit[g]));
            std::vector<int>& members = bucket->second;
            const int moved = members.back();
            members[static_cast<std::size_t>(m_place[g])] = moved;
            m_place[static_cast<std::size_t>(moved)] = m_place[g];
            members.pop_back();
            if (members.empty()) m_buckets.erase(bucket);
        }
        std::vector<int>& members = m_buckets[key(cls, d)];
        m_place[g] = static_cast<int>(members.size());
        members.push_back(static_cast<int>(group));
        m_lastHit[g] = d;
    }

    const std::unordered_map<std::int64_t, std::vector<int>>& buckets() const { return m_buckets; }

  private:
    int m_draws;
    std::vector<int> m_lastHit;
    std::vector<int> m_place;
    std::unordered_map<std::int64_t, std::vector<int>> m_buckets; // by class and last hit
};

void Walk::run(int from, int to, std::vector<DecisionFigures>& figures, CalibrationHistogram& histogram) const {
    GapState state(m_groups, m_draws);
    auto apply = [&](int d) {
        m_ranking.forEachSubset(m_input.held[static_cast<std::size_t>(d)],
                                [&](long group) { state.hit(group, classOf(group), d); });
    };
    for (int d = 0; d < from; ++d)
        apply(d);
    UnionRates unions(m_input);
    std::unordered_map<double, HistogramCell> cells;
    struct Entry {
        double pLast;
        double pHit;
        std::int64_t key;
        long count;
        long hits;
    };
    std::vector<Entry> entries;
    std::vector<std::pair<std::int64_t, long>> nextHits; // buckets of the groups the next draw hits
    std::vector<std::pair<std::uint64_t, double>> picks; // elements and hit rate of each pick
    std::vector<int> tied;
    const auto n = static_cast<std::size_t>(m_input.pick);
    for (int t = from; t < to; ++t) {
        apply(t);
        const std::uint64_t next = m_input.held[static_cast<std::size_t>(t + 1)];
        const int slot = m_input.yearSlot[static_cast<std::size_t>(t + 1)];
        nextHits.clear();
        m_ranking.forEachSubset(next, [&](long group) {
            if (state.lastHit(group) < 0) return;
            const std::int64_t key = state.key(classOf(group), state.lastHit(group));
            auto at = std::find_if(nextHits.begin(), nextHits.end(), [&](const auto& e) { return e.first == key; });
            if (at == nextHits.end())
                nextHits.emplace_back(key, 1);
            else
                ++at->second;
        });
        entries.clear();
        long eligible = 0;
        for (const auto& [key, members] : state.buckets()) {
            const int cls = state.classOfKey(key);
            Entry entry{missChance(cls, state.hitOfKey(key), t), classRate(cls, slot), key,
                        static_cast<long>(members.size()), 0};
            for (const auto& [hitKey, count] : nextHits)
                if (hitKey == key) entry.hits = count;
            HistogramCell& cell = cells[entry.pLast];
            cell.count += entry.count;
            cell.hits += entry.hits;
            cell.expected += static_cast<double>(entry.count) * entry.pHit;
            eligible += entry.count;
            entries.push_back(entry);
        }
        DecisionFigures& decision = figures[static_cast<std::size_t>(t - from)];
        if (entries.empty()) continue;

        // The overdue picks: every group below the last pick's p_at_least_last, then the tied ones in the order
        // the groups are enumerated.
        const std::size_t sorted = std::min(n, entries.size());
        auto byChance = [](const Entry& a, const Entry& b) { return a.pLast < b.pLast; };
        std::partial_sort(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(sorted), entries.end(),
                          byChance);
        long covered = 0;
        double boundary = entries[sorted - 1].pLast;
        for (std::size_t i = 0; i < sorted; ++i) {
            covered += entries[i].count;
            if (covered >= m_input.pick) {
                boundary = entries[i].pLast;
                break;
            }
        }
        if (covered < m_input.pick) // fewer eligible groups than picks: all of them
            boundary = std::max_element(entries.begin(), entries.end(), byChance)->pLast;
        picks.clear();
        tied.clear();
        double tiedRate = 0;
        std::vector<double> tiedRates;
        for (const Entry& entry : entries) {
            if (entry.pLast > boundary) continue;
            const std::vector<int>& members = state.buckets().at(entry.key);
            if (entry.pLast < boundary) {
                for (int group : members)
                    picks.emplace_back(m_ranking.elements(group), entry.pHit);
            } else {
                tied.insert(tied.end(), members.begin(), members.end());
                tiedRate = entry.pHit;
            }
        }
        std::sort(tied.begin(), tied.end());
        const auto wanted = std::min(tied.size(), n - std::min(n, picks.size()));
        for (std::size_t i = 0; i < wanted; ++i) {
            const int group = tied[i];
            // Tied groups of different classes keep their own rate.
            const double p = m_classOf.empty() ? tiedRate : classRate(classOf(group), slot);
            picks.emplace_back(m_ranking.elements(group), p);
        }
        decision.ties = static_cast<long>(tied.size()) - 1;
        const PickFigures overdue = pickFigures(picks, next, slot, m_input.exclusive, unions);
        decision.picked = static_cast<long>(picks.size());
        decision.hits = overdue.hits;
        decision.expected = overdue.expected;
        decision.variance = overdue.variance;

        // The random picks among the same eligible groups, from a generator seeded by the seed and the decision.
        if (eligible > m_input.pick) {
            SplitMix64 random(m_input.seed * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(t));
            std::vector<long> chosen;
            if (eligible * 64 >= m_groups) {
                while (chosen.size() < n) {
                    const long group = random.below(m_groups);
                    if (state.lastHit(group) >= 0 && std::find(chosen.begin(), chosen.end(), group) == chosen.end())
                        chosen.push_back(group);
                }
            } else {
                std::vector<long> all;
                for (const auto& bucket : state.buckets())
                    all.insert(all.end(), bucket.second.begin(), bucket.second.end());
                std::sort(all.begin(), all.end());
                for (std::size_t i = 0; i < n; ++i)
                    std::swap(all[i],
                              all[i + static_cast<std::size_t>(random.below(static_cast<long>(all.size() - i)))]);
                chosen.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(n));
            }
            picks.clear();
            for (long group : chosen)
                picks.emplace_back(m_ranking.elements(group), classRate(classOf(group), slot));
        }
        const PickFigures baseline = pickFigures(picks, next, slot, m_input.exclusive, unions);
        decision.basePicked = static_cast<long>(picks.size());
        decision.baseHits = baseline.hits;
        decision.baseExpected = baseline.expected;
        decision.baseVariance = baseline.variance;
    }
    addCells(histogram, cells);
}

} // namespace

BacktestResult walkBacktest(const BacktestInput& input, int threads, const Progress& progress) {
    if (input.elements > CombinationRank::kMostElements || input.groupSize < 1 || input.groupSize > 6)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the backtest takes groups of 1..6 of at most 64 values")));
    if (input.pick < 1)
        throw Error(Message::core(QT_TRANSLATE_NOOP("Core", "the backtest picks at least one group per decision")));
    const int draws = static_cast<int>(input.held.size());
    const int first = std::max(input.firstDecision, 0);
    const int decisions = std::max(0, draws - 1 - first);
    const Walk walk(input);
    std::vector<DecisionFigures> figures(static_cast<std::size_t>(decisions));
    const std::size_t tasks = static_cast<std::size_t>((decisions + kDecisionsPerTask - 1) / kDecisionsPerTask);
    std::vector<CalibrationHistogram> histograms(tasks);
    runTasks(tasks, threads, decisions, progress, [&](std::size_t task) {
        const int from = first + static_cast<int>(task) * kDecisionsPerTask;
        const int to = std::min(from + kDecisionsPerTask, first + decisions);
        std::vector<DecisionFigures> part(static_cast<std::size_t>(to - from));
        walk.run(from, to, part, histograms[task]);
        std::copy(part.begin(), part.end(), figures.begin() + (from - first));
        return static_cast<long>(to - from);
    });

    BacktestResult result;
    result.groupSize = input.groupSize;
    result.pick = input.pick;
    result.seed = input.seed;
    result.decisions = decisions;
    for (const DecisionFigures& decision : figures) {
        result.ties += decision.ties;
        result.overdue.picked += decision.picked;
        result.overdue.hits += decision.hits;
        result.overdue.expected += decision.expected;
        result.overdue.variance += decision.variance;
        result.baseline.picked += decision.basePicked;
        result.baseline.hits += decision.baseHits;
        result.baseline.expected += decision.baseExpected;
        result.baseline.variance += decision.baseVariance;
    }
    finishFigures(result.overdue);
    finishFigures(result.baseline);
    result.verdict = backtestVerdict(result.overdue);
    CalibrationHistogram histogram;
    for (const auto& part : histograms)
        addCells(histogram, part);
    result.bins = decileBins(histogram);
    return result;
}

} // namespace quorvel
