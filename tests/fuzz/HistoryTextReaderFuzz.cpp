// SPDX-License-Identifier: MIT
// libFuzzer target for the history text reader: any bytes either read as draws and skipped lines that
// keep the reader's promises, or are refused as holding a NUL byte.
#include "ingest/HistoryTextReader.h"
#include "model/Error.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

namespace {

void require(bool promise) {
    if (!promise) std::abort();
}

void checkText(const std::string& text, const quorvel::HistoryText& result) {
    for (const quorvel::Draw& draw : result.draws) {
        require(draw.issue > 0);
        std::set<int> distinct(draw.numbers.begin(), draw.numbers.end());
        require(distinct.size() == 7 && *distinct.begin() >= 1 && *distinct.rbegin() <= 49);
    }
    int previousLine = 0;
    for (const quorvel::SkippedLine& line : result.skipped) {
        require(line.line > previousLine && !line.reason.empty() && line.text.size() <= 80 * 4 + 3);
        previousLine = line.line;
        // A report must be printable as JSON: dump() throws, and so stops the run, on invalid UTF-8.
        nlohmann::json({{"text", line.text}, {"reason", line.reason.english()}}).dump();
        for (char c : line.text + line.reason.english())
            require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    }
    require(result.draws.size() + result.skipped.size() <= text.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    try {
        checkText(text, quorvel::parseHistoryText(in));
    } catch (const quorvel::Error&) {
        require(text.find('\0') != std::string::npos);
    }
    quorvel::HistoryLine line = quorvel::parseHistoryLine(text);
    require(line.numbers.size() <= 7);
    for (int n : line.numbers)
        require(n >= 0 && n <= 99);
    return 0;
}
