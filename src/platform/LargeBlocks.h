// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace quorvel {

// The size and alignment of the blocks below: a huge page of the x86-64 processors.
inline constexpr std::size_t kLargeBlockAlignment = std::size_t{2} << 20;

// A block of memory of its own for an array of several megabytes, aligned to kLargeBlockAlignment (bytes is a
// multiple of it). On Linux it is a mapping of its own whose first `hugeBytes` (a multiple of the alignment too)
// are advised to use huge pages, so that filling them takes one page fault per 2 MB; elsewhere an ordinary aligned
// allocation. Throws std::bad_alloc when there is no memory.
void* reserveLargeBlock(std::size_t bytes, std::size_t hugeBytes);

// Gives a block of reserveLargeBlock(bytes) back to the system at once.
void releaseLargeBlock(void* block, std::size_t bytes) noexcept;

} // namespace quorvel
