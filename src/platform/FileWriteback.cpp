// SPDX-License-Identifier: MIT
#include "platform/FileWriteback.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace quorvel {

#if defined(__unix__) || defined(__APPLE__)

bool isHandleOf(int handle, const char* utf8Path) noexcept {
    struct stat open {};
    struct stat named {};
    if (handle < 0 || ::fstat(handle, &open) != 0 || ::stat(utf8Path, &named) != 0) return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

#else

bool isHandleOf(int, const char*) noexcept { return false; }

#endif

#if defined(__linux__)

void startWriteback(int handle, std::int64_t offset, std::int64_t length) noexcept {
    // Pages already on their way to the disk are left alone; the call waits for nothing else.
    if (handle >= 0 && length > 0) ::sync_file_range(handle, offset, length, SYNC_FILE_RANGE_WRITE);
}

#else

void startWriteback(int, std::int64_t, std::int64_t) noexcept {}

#endif

} // namespace quorvel
