// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quorvel {

// Allocates arrays of several megabytes (the rows of a group calculation: 46 MB for every group of 5 of the
// 49 numbers) on 2 MB pages where the system allows it, so that filling them takes one page fault per 2 MB
// instead of one per 4 KB, and given back to the system as soon as they are freed. Smaller arrays are
// allocated as usual.
template <typename T> struct HugePageAllocator {
    using value_type = T;
    static constexpr std::size_t kPage = std::size_t{2} << 20;

    HugePageAllocator() = default;
    template <typename U> HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kPage) return static_cast<T*>(::operator new(bytes));
        const std::size_t rounded = (bytes + kPage - 1) / kPage * kPage;
#if defined(__linux__)
        // A mapping of its own, aligned to 2 MB (the parts around the aligned range are given back at once), so
        // that freeing it returns the memory to the system at once.
        void* mapped = ::mmap(nullptr, rounded + kPage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED) throw std::bad_alloc();
        const auto base = reinterpret_cast<std::uintptr_t>(mapped);
        const std::uintptr_t aligned = (base + kPage - 1) / kPage * kPage;
        if (aligned > base) ::munmap(mapped, aligned - base);
        if (aligned + rounded < base + rounded + kPage)
            ::munmap(reinterpret_cast<void*>(aligned + rounded), base + rounded + kPage - aligned - rounded);
#if defined(MADV_HUGEPAGE)
        ::madvise(reinterpret_cast<void*>(aligned), rounded, MADV_HUGEPAGE); // only advice: ordinary pages else
#endif
        return reinterpret_cast<T*>(aligned);
#else
        void* memory = std::aligned_alloc(kPage, rounded);
        if (!memory) throw std::bad_alloc();
        return static_cast<T*>(memory);
#endif
    }

    void deallocate(T* memory, std::size_t n) noexcept {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kPage) return ::operator delete(memory);
#if defined(__linux__)
        ::munmap(memory, (bytes + kPage - 1) / kPage * kPage);
#else
        std::free(memory);
#endif
    }

    friend bool operator==(const HugePageAllocator&, const HugePageAllocator&) { return true; }
};

} // namespace quorvel
