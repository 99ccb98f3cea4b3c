// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

namespace quorvel {

// The settings file in the data folder; an export must never replace it.
inline constexpr const char* kSettingsFileName = "VOLMIRAD.ini";
// The file of the saved selections in the data folder (kept by app/choices/SelectionBook); never replaced either.
inline constexpr const char* kSavedSelectionsFileName = "selections.txt";

// Refuses (Error, saying why and what to do) a target an export must not write: the store file, its -wal and
// -shm, the settings file, the saved selections, anything in the backup folder, a symbolic link, and anything that
// exists and is not a regular file (a folder, a FIFO, a device). Paths are compared as the files they name, so another
// spelling of the store (a link to its folder, "./") is refused too.
void requireExportTarget(const std::filesystem::path& target, const std::filesystem::path& dataFolder,
                         const std::filesystem::path& storeFile);

} // namespace quorvel
