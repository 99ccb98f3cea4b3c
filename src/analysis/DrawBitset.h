// SPDX-License-Identifier: MIT
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

namespace quorvel {

// One bit per draw of the history, in IDX order: the draws that satisfy a condition.
class DrawBitset {
  public:
    DrawBitset() = default;
    explicit DrawBitset(int size, bool value = false)
        : m_size(size), m_words(static_cast<std::size_t>((size + 63) / 64), value ? ~std::uint64_t{0} : 0) {
        trim();
    }

    int size() const { return m_size; }
    void set(int i) { m_words[static_cast<std::size_t>(i) / 64] |= std::uint64_t{1} << (i % 64); }
    bool test(int i) const { return (m_words[static_cast<std::size_t>(i) / 64] >> (i % 64)) & 1; }

    DrawBitset& operator&=(const DrawBitset& other) {
        for (std::size_t w = 0; w < m_words.size(); ++w)
            m_words[w] &= other.m_words[w];
        return *this;
    }
    // Becomes a AND b (both of this size) in one pass.
    void assignAnd(const DrawBitset& a, const DrawBitset& b) {
        for (std::size_t w = 0; w < m_words.size(); ++w)
            m_words[w] = a.m_words[w] & b.m_words[w];
    }
    DrawBitset& operator|=(const DrawBitset& other) {
        for (std::size_t w = 0; w < m_words.size(); ++w)
            m_words[w] |= other.m_words[w];
        return *this;
    }

    // The largest set bit below i, or -1 when there is none.
    int previousSet(int i) const {
        if (i <= 0) return -1;
        std::size_t w = static_cast<std::size_t>(i - 1) / 64;
        // Bits of the first word from i - 1 down.
        std::uint64_t word = m_words[w] & (~std::uint64_t{0} >> (63 - (i - 1) % 64));
        while (true) {
            if (word) return static_cast<int>(w * 64) + 63 - std::countl_zero(word);
            if (w == 0) return -1;
            word = m_words[--w];
        }
    }

    // Calls visit(i) for every set bit i with begin <= i < end, ascending.
    template <typename Visit> void forEachIn(int begin, int end, Visit visit) const {
        if (begin >= end) return;
        for (std::size_t w = static_cast<std::size_t>(begin) / 64; w <= static_cast<std::size_t>(end - 1) / 64; ++w) {
            std::uint64_t word = m_words[w];
            while (word) {
                int i = static_cast<int>(w * 64) + std::countr_zero(word);
                word &= word - 1;
                if (i >= begin && i < end) visit(i);
            }
        }
    }

  private:
    void trim() {
        if (m_size % 64 && !m_words.empty()) m_words.back() &= (std::uint64_t{1} << (m_size % 64)) - 1;
    }

    int m_size = 0;
    std::vector<std::uint64_t> m_words;
};

} // namespace quorvel
