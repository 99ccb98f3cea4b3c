// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

namespace quorvel {

// Opens a web address in the desktop's browser; false when the desktop could not open it.
bool openWebAddress(const std::string& address);

// Opens a file with the desktop's default application for its type (the text editor for .txt, the
// spreadsheet application for .xlsx); false when no application could open it.
bool openWithDesktopApplication(const std::filesystem::path& file);

} // namespace quorvel
