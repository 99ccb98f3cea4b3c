// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace quorvel {

// Whether `handle`, a POSIX file descriptor, is open on the file at `utf8Path`. Always false on systems without
// such descriptors.
bool isHandleOf(int handle, const char* utf8Path) noexcept;

// Asks the system to start writing the changed pages of bytes [offset, offset + length) of the file open as
// `handle` to the disk now, and returns without waiting for them, so that a later sync of the file finds most of
// them written and returns sooner. It never changes what is written nor when a write counts as durable: only a
// sync does that. On Linux only; elsewhere it does nothing.
void startWriteback(int handle, std::int64_t offset, std::int64_t length) noexcept;

} // namespace quorvel
