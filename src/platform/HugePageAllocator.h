// SPDX-License-Identifier: MIT
#pragma once

#include "platform/LargeBlocks.h"

#include <cstddef>
#include <new>

namespace quorvel {

// Allocates arrays of several megabytes (the rows of a group calculation: 46 MB for every group of 5 of the
// 49 numbers) in blocks of their own on 2 MB pages where the system allows it, so that filling them takes one
// page fault per 2 MB instead of one per 4 KB, and given back to the system as soon as they are freed. Smaller
// arrays are allocated as usual.
template <typename T> struct HugePageAllocator {
    using value_type = T;
    static constexpr std::size_t kPage = kLargeBlockAlignment;

    HugePageAllocator() = default;
    template <typename U> HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kPage) return static_cast<T*>(::operator new(bytes));
        // Only the whole huge pages the array fills are huge: its last part page would be backed whole.
        return static_cast<T*>(reserveLargeBlock(rounded(bytes), bytes / kPage * kPage));
    }

    void deallocate(T* memory, std::size_t n) noexcept {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kPage) return ::operator delete(memory);
        releaseLargeBlock(memory, rounded(bytes));
    }

    friend bool operator==(const HugePageAllocator&, const HugePageAllocator&) { return true; }

  private:
    static std::size_t rounded(std::size_t bytes) { return (bytes + kPage - 1) / kPage * kPage; }
};

} // namespace quorvel
