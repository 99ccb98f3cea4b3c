// SPDX-License-Identifier: MIT
#pragma once

#include "store/HistoryStore.h"

#include <filesystem>
#include <optional>

namespace quorvel {

// The export's default file name: "更新至" + latest issue + "期历史号码.txt".
std::filesystem::path defaultTextExportName(int latestIssue);

// Writes the whole history in the history text format to the given file, or to the default name in the
// data folder; returns the path written. Refuses an empty history and a target an export must not write
// (ExportTarget.h).
std::filesystem::path exportHistoryText(const HistoryStore& store, const std::filesystem::path& dataFolder,
                                        const std::optional<std::filesystem::path>& target);

} // namespace quorvel
