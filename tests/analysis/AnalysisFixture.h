// SPDX-License-Identifier: MIT
#pragma once

#include "TempFolder.h"
#include "analysis/AnalysisResult.h"
#include "ingest/HistoryTextReader.h"
#include "model/DrawRecord.h"
#include "store/HistoryStore.h"

#include <memory>
#include <ostream>
#include <vector>

namespace quorvel {

// Readable failure messages for the result types.
inline void PrintTo(const OmissionStatistics& s, std::ostream* out) {
    *out << "hits " << s.hitsInRange << " average " << s.average.value_or(-1) << " run " << s.longestRun << " previous "
         << s.previous.value_or(-1) << " p " << s.pHit.value_or(-1) << " p(>= last) " << s.pAtLeastLast.value_or(-1)
         << " " << probabilitySourceText(s.source);
}
inline void PrintTo(const GroupRow& row, std::ostream* out) {
    *out << "{" << row.content << ", " << row.min << ", " << row.max << ", " << row.last << "; ";
    PrintTo(row.statistics, out);
    *out << "}";
}
inline void PrintTo(const OmissionSummary& summary, std::ostream* out) {
    *out << "{\"" << summary.label << "\", " << summary.min << ", " << summary.max << ", " << summary.last << "; ";
    PrintTo(summary.statistics, out);
    *out << "}";
}
inline void PrintTo(const HitRow& hit, std::ostream* out) {
    *out << "{" << hit.issue << " gap " << hit.gap << " #" << hit.seq << "}";
}

} // namespace quorvel

namespace quorvel::test {

// The four figures a grid shows (label, min, max, last), the fuller statistics left out.
inline OmissionSummary gridFigures(OmissionSummary summary) {
    summary.statistics = {};
    return summary;
}
inline std::vector<GroupRow> gridFigures(std::vector<GroupRow> rows) {
    for (GroupRow& row : rows)
        row.statistics = {};
    return rows;
}

// Twenty draws from 2014021 (zodiac year 2014, 马); the regular numbers are always 10..15; the special number is 7
// in draws 3, 8, 12, 18 and 19, else 20 + the draw's number.
inline std::vector<Draw> twentyDraws() {
    std::vector<Draw> draws;
    for (int i = 1; i <= 20; ++i) {
        const bool seven = i == 3 || i == 8 || i == 12 || i == 18 || i == 19;
        draws.push_back(Draw{2014020 + i, {10, 11, 12, 13, 14, 15, seven ? 7 : 20 + i}});
    }
    return draws;
}

// A store in a temporary folder holding the given draws (derived with the given bases).
class StoreFixture {
  public:
    explicit StoreFixture(const std::vector<Draw>& draws, const ParameterBases& bases = {})
        : m_store(std::make_unique<HistoryStore>(m_folder / "quorvel.db")) {
        std::vector<DrawRecord> records;
        for (const Draw& draw : draws)
            records.push_back(deriveRecord(draw, bases));
        m_store->replaceAll(records);
    }

    HistoryStore& store() { return *m_store; }

    // The real history with the regular numbers shuffled, so drawn and sorted order differ.
    static std::vector<Draw> shuffledDraws() { return readHistoryTextFile(shuffledHistory()).draws; }

  private:
    TempFolder m_folder;
    std::unique_ptr<HistoryStore> m_store;
};

} // namespace quorvel::test
