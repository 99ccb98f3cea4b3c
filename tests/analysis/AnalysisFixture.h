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
inline void PrintTo(const GroupRow& row, std::ostream* out) {
    *out << "{" << row.content << ", " << row.min << ", " << row.max << ", " << row.last << "}";
}
inline void PrintTo(const OmissionSummary& summary, std::ostream* out) {
    *out << "{\"" << summary.label << "\", " << summary.min << ", " << summary.max << ", " << summary.last << "}";
}
inline void PrintTo(const HitRow& hit, std::ostream* out) {
    *out << "{" << hit.issue << " gap " << hit.gap << " #" << hit.seq << "}";
}

} // namespace quorvel

namespace quorvel::test {

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
