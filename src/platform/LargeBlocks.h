// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace quorvel {

// The size and alignment of the blocks below: a huge page of the x86-64 processors.
inline constexpr std::size_t kLargeBlockAlignment = std::size_t{2} << 20;

// A block of memory of its own for an array of several megabytes, aligned to kLargeBlockAlignment (bytes is a
// multiple of it). On Linux it is a mapping of its own advised to use huge pages, so that filling it takes one
// page fault per 2 MB; elsewhere an ordinary aligned allocation. Throws std::bad_alloc when there is no memory.
void* reserveLargeBlock(std::size_t bytes);

// Gives a block of reserveLargeBlock(bytes) back to the system at once.
void releaseLargeBlock(void* block, std::size_t bytes) noexcept;

} // namespace quorvel
