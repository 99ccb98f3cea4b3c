// SPDX-License-Identifier: MIT
#include "platform/LargeBlocks.h"

#include <cstdint>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#elif defined(_WIN32)
#include <malloc.h>
#endif

namespace quorvel {

#if defined(__linux__)

void* reserveLargeBlock(std::size_t bytes, std::size_t hugeBytes) {
    // A mapping of its own, aligned to 2 MB (the parts around the aligned range are given back at once), so that
    // releasing it returns the memory to the system at once.
    const std::size_t page = kLargeBlockAlignment;
    void* mapped = ::mmap(nullptr, bytes + page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto base = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (base + page - 1) / page * page;
    if (aligned > base) ::munmap(mapped, aligned - base);
    if (aligned + bytes < base + bytes + page)
        ::munmap(reinterpret_cast<void*>(aligned + bytes), base + bytes + page - aligned - bytes);
#if defined(MADV_HUGEPAGE)
    if (hugeBytes > 0) ::madvise(reinterpret_cast<void*>(aligned), hugeBytes, MADV_HUGEPAGE); // ordinary pages else
#endif
    return reinterpret_cast<void*>(aligned);
}

void releaseLargeBlock(void* block, std::size_t bytes) noexcept { ::munmap(block, bytes); }

#elif defined(_WIN32)

// The C runtime's heap takes blocks this large straight from the system's virtual memory and gives them back when
// they are freed.
void* reserveLargeBlock(std::size_t bytes, std::size_t) {
    void* block = ::_aligned_malloc(bytes, kLargeBlockAlignment);
    if (!block) throw std::bad_alloc();
    return block;
}

void releaseLargeBlock(void* block, std::size_t) noexcept { ::_aligned_free(block); }

#else

void* reserveLargeBlock(std::size_t bytes, std::size_t) {
    return ::operator new (bytes, std::align_val_t{kLargeBlockAlignment});
}

void releaseLargeBlock(void* block, std::size_t) noexcept {
    ::operator delete (block, std::align_val_t{kLargeBlockAlignment});
}

#endif

} // namespace quorvel
