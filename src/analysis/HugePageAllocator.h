// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quorvel {

// Allocates arrays of several megabytes (the rows of a group calculation: 46 MB for every group of 5 of the
// 49 numbers) on 2 MB pages where the system allows it, so that filling them takes one page fault per 2 MB
// instead of one per 4 KB. Smaller arrays are allocated as usual.
template <typename T> struct HugePageAllocator {
    using value_type = T;
    static constexpr std::size_t kPage = std::size_t{2} << 20;

    HugePageAllocator() = default;
    template <typename U> HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kPage) return static_cast<T*>(::operator new(bytes));
        const std::size_t rounded = (bytes + kPage - 1) / kPage * kPage;
        void* memory = std::aligned_alloc(kPage, rounded);
        if (!memory) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
        ::madvise(memory, rounded, MADV_HUGEPAGE); // only advice: ordinary pages when it is not taken
#endif
        return static_cast<T*>(memory);
    }

    void deallocate(T* memory, std::size_t n) noexcept {
        if (n * sizeof(T) < kPage)
            ::operator delete(memory);
        else
            std::free(memory);
    }

    friend bool operator==(const HugePageAllocator&, const HugePageAllocator&) { return true; }
};

} // namespace quorvel
