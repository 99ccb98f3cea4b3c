// SPDX-License-Identifier: MIT
#pragma once

#if defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
#include <xmmintrin.h>
#endif

namespace quorvel {

// Asks the processor to start bringing the memory at `address` into its cache, for a read a little later. A walk
// through a large array in an order of its own (a sort's) asks for the rows a few steps ahead, so that they arrive
// while earlier rows are used. Only a hint: where the compiler offers none, nothing happens.
inline void prefetchForRead(const void* address) {
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
    // The instruction itself: GCC 12 deletes some __builtin_prefetch calls as dead code.
    __asm__ volatile("prefetcht0 %0" : : "m"(*static_cast<const char*>(address)));
#elif defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(address, 0, 3);
#elif defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
    _mm_prefetch(static_cast<const char*>(address), _MM_HINT_T0);
#else
    (void)address;
#endif
}

} // namespace quorvel
