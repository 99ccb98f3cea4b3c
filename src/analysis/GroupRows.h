// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/CombinationRank.h"
#include "model/GroupRow.h"
#include "model/Prefetch.h"
#include "platform/HugePageAllocator.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class SharedBaseline;

// What a group calculation keeps of one row: its label and its baseline figures are made when asked, its
// average from its hits and last omission. Each figure takes 16 bits, as YL's columns do (12 bytes a row, so
// that every group of 5 of the 49 numbers takes 23 MB): a history of at most kMostDraws draws.
struct GroupFigures {
    static constexpr int kNoPrevious = 0; // a gap is at least 1
    static constexpr int kMostDraws = 65534;

    std::uint16_t min = 0;
    std::uint16_t max = 0;
    std::uint16_t last = 0;
    std::uint16_t hitsInRange = 0;
    std::uint16_t longestRun = 0;
    std::uint16_t previous = kNoPrevious;
};

// The figures of every row of a calculation, in one large array.
using GroupFigureArray = std::vector<GroupFigures, HugePageAllocator<GroupFigures>>;

// The baseline figures of a calculation's rows: shared by last omission (every group of k numbers has the
// same hit rate), or one set per row (only pHit, expectedGap, pAtLeastLast and source are read).
struct GroupBaselines {
    std::shared_ptr<const SharedBaseline> shared;
    std::vector<OmissionStatistics> perRow;
};

// The rows of a group calculation in the order stored. Rows read from the store are kept as they are; the
// rows a calculation makes are kept compact (24 bytes each, so that k = 5 over 49 fits in memory): the
// row at place r is the r-th k-combination of the elements in lexicographic order, its label the element
// labels joined by one space. Indexing and iterating give whole rows made on demand.
class GroupRows {
  public:
    class Iterator {
      public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = GroupRow;
        using difference_type = std::ptrdiff_t;
        using reference = GroupRow;
        using pointer = void;
        // What operator-> gives: the row made on demand, held while the expression lasts.
        struct Arrow {
            GroupRow row;
            const GroupRow* operator->() const { return &row; }
        };

        Iterator() = default;
        Iterator(const GroupRows* rows, std::size_t at) : m_rows(rows), m_at(at) {}
        GroupRow operator*() const { return (*m_rows)[m_at]; }
        Arrow operator->() const { return Arrow{**this}; }
        GroupRow operator[](difference_type n) const { return (*m_rows)[m_at + static_cast<std::size_t>(n)]; }
        Iterator& operator++() { return ++m_at, *this; }
        Iterator operator++(int) { return Iterator(m_rows, m_at++); }
        Iterator& operator--() { return --m_at, *this; }
        Iterator operator--(int) { return Iterator(m_rows, m_at--); }
        Iterator& operator+=(difference_type n) { return m_at += static_cast<std::size_t>(n), *this; }
        Iterator& operator-=(difference_type n) { return m_at -= static_cast<std::size_t>(n), *this; }
        friend Iterator operator+(Iterator i, difference_type n) { return i += n; }
        friend Iterator operator+(difference_type n, Iterator i) { return i += n; }
        friend Iterator operator-(Iterator i, difference_type n) { return i -= n; }
        friend difference_type operator-(const Iterator& a, const Iterator& b) {
            return static_cast<difference_type>(a.m_at) - static_cast<difference_type>(b.m_at);
        }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.m_at == b.m_at; }
        friend auto operator<=>(const Iterator& a, const Iterator& b) { return a.m_at <=> b.m_at; }

      private:
        const GroupRows* m_rows = nullptr;
        std::size_t m_at = 0;
    };
    using value_type = GroupRow;
    using iterator = Iterator;
    using const_iterator = Iterator;
    using size_type = std::size_t;

    GroupRows() = default;
    // Rows kept whole, as read from the store or worked out one by one.
    GroupRows(std::vector<GroupRow> rows) : m_rows(std::move(rows)) {}
    GroupRows(std::initializer_list<GroupRow> rows) : m_rows(rows) {}
    // The compact rows of every k-combination of the labelled elements; `figures` in lexicographic order,
    // `rangeBase` and `latestIdx` as the tally counted them (the average is worked out from them).
    GroupRows(std::vector<std::string> elementLabels, int k, GroupFigureArray figures, int rangeBase, int latestIdx,
              GroupBaselines baselines);

    std::size_t size() const { return m_compact ? m_figures.size() : m_rows.size(); }
    bool empty() const { return size() == 0; }
    GroupRow operator[](std::size_t row) const;
    GroupRow front() const { return (*this)[0]; }
    GroupRow back() const { return (*this)[size() - 1]; }
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, size()); }

    // Row `row` written into `into`, its label in the text `into` already holds (no allocation once it is
    // long enough).
    void rowInto(std::size_t row, GroupRow& into) const;
    // The row's label written into `into`.
    void labelInto(std::size_t row, std::string& into) const;
    int min(std::size_t row) const { return m_compact ? m_figures[row].min : m_rows[row].min; }
    int max(std::size_t row) const { return m_compact ? m_figures[row].max : m_rows[row].max; }
    int last(std::size_t row) const { return m_compact ? m_figures[row].last : m_rows[row].last; }
    OmissionStatistics statistics(std::size_t row) const;
    // Starts bringing the row's figures into the processor's cache (prefetchForRead), for a walk out of order.
    void prefetch(std::size_t row) const {
        if (m_compact)
            prefetchForRead(m_figures.data() + row);
        else
            prefetchForRead(m_rows.data() + row);
    }

    // Makes rows asked for in turn: a row after the one made before steps from its elements instead of working
    // them out from its place (writing and printing go through the rows in order).
    class Maker {
      public:
        explicit Maker(const GroupRows& rows) : m_rows(rows) {}
        void rowInto(std::size_t row, GroupRow& into);
        void labelInto(std::size_t row, std::string& into);

      private:
        const GroupRows& m_rows;
        std::size_t m_row = 0;
        std::uint64_t m_elements = 0; // of row m_row (0: none made yet)
    };

    // Adds a row kept whole (compact rows are made whole first).
    void push_back(GroupRow row);
    std::vector<GroupRow> toVector() const;

    friend bool operator==(const GroupRows& a, const GroupRows& b);
    friend bool operator==(const GroupRows& a, const std::vector<GroupRow>& b);

  private:
    void labelOf(std::uint64_t elements, std::string& into) const;
    void figuresInto(std::size_t row, GroupRow& into) const;

    std::vector<GroupRow> m_rows;
    bool m_compact = false;
    GroupFigureArray m_figures;
    std::vector<std::string> m_labels; // of the elements
    int m_k = 0;
    std::optional<CombinationRank> m_ranks;
    int m_rangeBase = 0;
    int m_latestIdx = 0;
    GroupBaselines m_baselines;
};

} // namespace quorvel
