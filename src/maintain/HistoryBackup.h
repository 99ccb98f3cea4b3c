// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class HistoryStore;

// The folder of the data folder that holds the safety copies of the history.
inline constexpr const char* kBackupFolderName = "backup";
// How many safety copies are kept; older ones are removed as new ones are written.
inline constexpr int kBackupsKept = 10;

// Writes the history as it is now into backup/history-YYYYMMDD-HHMMSS.txt (local time) in the data folder, in
// the history text format, so that importing the file restores it; removes all but the newest copies. An
// empty history writes nothing and gives nothing. Raises Error when the copy cannot be written: an operation
// that removes draws must then not go on.
std::optional<std::filesystem::path> backupHistory(const HistoryStore& store, const std::filesystem::path& dataFolder);

// What to do with a damaged store: move it away, start with a new one and import the newest safety copy
// (named when there is one). Starts with ". " so that it follows the sentence that says what is wrong.
Message damagedStoreAdvice(const Message& failure, const std::filesystem::path& dataFolder,
                           const std::filesystem::path& storeFile);

// The safety copies in the data folder, oldest first.
std::vector<std::filesystem::path> listBackups(const std::filesystem::path& dataFolder);

// The newest safety copy in the data folder, if there is one.
std::optional<std::filesystem::path> newestBackup(const std::filesystem::path& dataFolder);

} // namespace quorvel
