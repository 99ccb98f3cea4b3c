// SPDX-License-Identifier: MIT
#include "GeneratedHistory.h"

#include "maintain/HistoryTextWriter.h"
#include "model/DrawRecord.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <sstream>

namespace quorvel::bench {

std::vector<Draw> generatedDraws(int count) {
    std::mt19937 random(5000);
    std::array<int, 49> balls{};
    std::iota(balls.begin(), balls.end(), 1);
    std::vector<Draw> draws;
    for (int i = 0; i < count; ++i) {
        std::shuffle(balls.begin(), balls.end(), random);
        Draw draw{(2001 + i / 150) * 1000 + i % 150 + 1, {}};
        std::copy_n(balls.begin(), 7, draw.numbers.begin());
        draws.push_back(draw);
    }
    return draws;
}

std::string generatedHistoryText(int count) {
    std::ostringstream out;
    writeHistoryText(out, generatedDraws(count));
    return out.str();
}

GeneratedStore::GeneratedStore(int count) {
    std::random_device seed;
    m_folder = std::filesystem::temp_directory_path() / ("quorvel-bench-" + std::to_string(seed()));
    std::filesystem::create_directories(m_folder);
    m_store = std::make_unique<HistoryStore>(m_folder / "quorvel.db");
    std::vector<DrawRecord> records;
    for (const Draw& draw : generatedDraws(count))
        records.push_back(deriveRecord(draw, ParameterBases{}));
    m_store->replaceAll(records);
}

GeneratedStore::~GeneratedStore() {
    m_store.reset();
    std::error_code ec;
    std::filesystem::remove_all(m_folder, ec);
}

} // namespace quorvel::bench
