// SPDX-License-Identifier: MIT
#pragma once

#include "model/Draw.h"
#include "store/HistoryStore.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quorvel::bench {

// A reproducible history of random draws: 150 a year from 2001001 on.
std::vector<Draw> generatedDraws(int count);

// The same draws as history text lines.
std::string generatedHistoryText(int count);

// A store in a fresh temporary folder holding generated draws; removed when it goes.
class GeneratedStore {
  public:
    explicit GeneratedStore(int count);
    ~GeneratedStore();
    HistoryStore& store() { return *m_store; }
    const std::filesystem::path& folder() const { return m_folder; }

  private:
    std::filesystem::path m_folder;
    std::unique_ptr<HistoryStore> m_store;
};

} // namespace quorvel::bench
