// SPDX-License-Identifier: MIT
#include "model/PathText.h"

namespace quorvel {

std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path textPath(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::filesystem::path pathWithSuffix(std::filesystem::path path, std::string_view utf8Suffix) {
    path += textPath(utf8Suffix);
    return path;
}

} // namespace quorvel
