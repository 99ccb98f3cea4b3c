// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

// A path as UTF-8 text, on every system: for messages, JSON, SQLite and Qt. (path::string() gives the ANSI code
// page on Windows, which cannot hold a folder named in Chinese on most systems.)
std::string pathText(const std::filesystem::path& path);

// The path that UTF-8 text names (an argument, a setting, a name written in the source), on every system.
// (A path made from a std::string reads it in the ANSI code page on Windows; only fixed ASCII names such as
// "quorvel.db" read the same in every code page and may be joined to a path as they are.)
std::filesystem::path textPath(std::string_view utf8);

// The path with UTF-8 text added to the end of its last name ("quorvel.db" and "-wal": "quorvel.db-wal").
std::filesystem::path pathWithSuffix(std::filesystem::path path, std::string_view utf8Suffix);

} // namespace quorvel
