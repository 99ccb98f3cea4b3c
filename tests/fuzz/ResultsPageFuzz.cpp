// SPDX-License-Identifier: MIT
// libFuzzer target for the results page parser and the reading of its rows: any bytes give a table or none,
// and every row either becomes a valid draw of the year or is reported with a reason in valid UTF-8.
#include "ingest/PageDraws.h"
#include "ingest/ResultsPage.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

namespace {

void require(bool promise) {
    if (!promise) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string html(reinterpret_cast<const char*>(data), size);
    const auto rows = quorvel::readResultsTable(html);
    if (!rows) return 0;
    for (const auto& cells : *rows)
        for (const std::string& cell : cells)
            nlohmann::json(cell).dump(); // throws, and so stops the run, on invalid UTF-8
    const quorvel::PageDraws page = quorvel::drawsOfPage(2014, *rows, 0);
    for (const quorvel::Draw& draw : page.draws) {
        require(draw.issue > 2014000 && draw.issue <= 2014999);
        std::set<int> distinct(draw.numbers.begin(), draw.numbers.end());
        require(distinct.size() == 7 && *distinct.begin() >= 1 && *distinct.rbegin() <= 49);
    }
    for (const quorvel::SkippedRow& row : page.skipped) {
        require(row.row >= 1 && static_cast<std::size_t>(row.row) < rows->size() && !row.reason.empty());
        nlohmann::json({{"text", row.text}, {"reason", row.reason.english()}}).dump();
    }
    require(page.draws.size() + page.skipped.size() < rows->size() + 1);
    return 0;
}
