// SPDX-License-Identifier: MIT
#include "store/ReadOnlyOpen.h"

namespace quorvel {

std::string readOnlyUri(const std::filesystem::path& file, ReadOnlyOpen how) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    if (ec) absolute = file;
    const std::u8string path = absolute.generic_u8string();
    // "file:///C:/..." for a path that starts with a drive letter, "file:///home/..." otherwise.
    std::string uri = !path.empty() && path.front() == u8'/' ? "file://" : "file:///";
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char8_t character : path) {
        const auto c = static_cast<unsigned char>(character);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~' || c == '/' || c == ':';
        if (plain) {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += kHex[c >> 4];
            uri += kHex[c & 0xF];
        }
    }
    return uri + (how == ReadOnlyOpen::FileAlone ? "?mode=ro&immutable=1" : "?mode=ro");
}

} // namespace quorvel
