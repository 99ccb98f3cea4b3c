// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

// The data folder: the given one (UTF-8 text), else the QUORVEL_DATA_DIR environment variable, else the platform's
// per-user application data folder.
std::filesystem::path resolveDataFolder(const std::optional<std::string>& given);

} // namespace quorvel
