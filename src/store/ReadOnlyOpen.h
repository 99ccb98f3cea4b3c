// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

namespace quorvel {

// How a store file is opened for reading only: through its write-ahead log as SQLite finds it, or the file
// alone, as if nothing could change it (SQLite's "immutable": no lock, no log, nothing written beside it).
enum class ReadOnlyOpen { ThroughLog, FileAlone };

// The URI SQLite opens the file by for reading only (to be opened with SQLITE_OPEN_URI).
std::string readOnlyUri(const std::filesystem::path& file, ReadOnlyOpen how);

} // namespace quorvel
