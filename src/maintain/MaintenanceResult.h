// SPDX-License-Identifier: MIT
#pragma once

#include "model/Draw.h"
#include "model/Message.h"

#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

// The backup file in the data folder that the prefix operations write and rebuild the history from.
inline constexpr const char* kBackupFileName = "lsbf.txt";

// What a maintenance operation left behind.
struct MaintenanceResult {
    int remaining = 0; // draws in the history afterwards
    // Set when the change was saved but compacting the store file afterwards failed: the history is as
    // intended, only the space was not reclaimed. The caller must show it.
    Message compactionProblem;
    // The safety copy of the history as it was before the change (none when nothing was removed).
    std::optional<std::filesystem::path> backup;
    // The draw a deletion of the latest draw removed, so that the front ends can name it.
    std::optional<Draw> removed;
};

} // namespace quorvel
