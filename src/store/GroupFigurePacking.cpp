// SPDX-License-Identifier: MIT
#include "store/GroupFigurePacking.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace quorvel {

namespace {

enum Flag : unsigned {
    kAverage = 1 << 0, // written whole
    kPrevious = 1 << 1,
    kHitRate = 1 << 2, // pHit
    kExpectedGap = 1 << 3,
    kAtLeastLast = 1 << 4, // written whole
    kObserved = 1 << 5,
    kRateAsBefore = 1 << 6,    // pHit, expectedGap and the source are those of the row before
    kAverageFromSpan = 1 << 7, // the average is (span - last) / hits
    kNewSpan = 1 << 8,         // the span follows
    kAtLeastAsBefore = 1 << 9, // pAtLeastLast is that of the last row with the same last omission
};
constexpr unsigned kAllFlags = (1 << 10) - 1;
// A last omission is at most the draws plus one, or 32767 for no hit; beyond that nothing is shared.
constexpr int kMostSharedLast = 1 << 16;

void putVarint(std::string& into, long long value) {
    // Zig-zag, so that a negative number (never written today) still packs and reads back.
    auto bits = static_cast<std::uint64_t>((value << 1) ^ (value >> 63));
    while (bits >= 0x80) {
        into.push_back(static_cast<char>((bits & 0x7f) | 0x80));
        bits >>= 7;
    }
    into.push_back(static_cast<char>(bits));
}

void putReal(std::string& into, double value) {
    static_assert(std::endian::native == std::endian::little, "the packed figures are little-endian");
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    into.append(bytes, sizeof value);
}

bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool sameRate(const OmissionStatistics& a, const OmissionStatistics& b) {
    auto same = [](const std::optional<double>& x, const std::optional<double>& y) {
        return x.has_value() == y.has_value() && (!x || sameBits(*x, *y));
    };
    return same(a.pHit, b.pHit) && same(a.expectedGap, b.expectedGap) && a.source == b.source;
}

double spanAverage(long long span, int last, int hits) { return static_cast<double>(span - last) / hits; }

bool sharedLast(int last) { return last >= 0 && last < kMostSharedLast; }

} // namespace

void GroupFigurePacker::add(const OmissionStatistics& figures, int last) {
    unsigned flags = 0;
    if (figures.previous) flags |= kPrevious;
    if (m_rows > 0 && sameRate(figures, m_before)) {
        flags |= kRateAsBefore;
    } else {
        if (figures.pHit) flags |= kHitRate;
        if (figures.expectedGap) flags |= kExpectedGap;
        if (figures.source == ProbabilitySource::Observed) flags |= kObserved;
    }
    long long span = m_span;
    if (figures.average) {
        const int hits = figures.hitsInRange;
        if (hits > 0 && std::isfinite(*figures.average) && std::abs(*figures.average) < 1e15)
            span = std::llround(*figures.average * hits) + last;
        if (hits > 0 && span >= 0 && sameBits(spanAverage(span, last, hits), *figures.average))
            flags |= kAverageFromSpan | (span != m_span ? unsigned{kNewSpan} : 0U);
        else
            flags |= kAverage;
    }
    const auto place = static_cast<std::size_t>(last);
    if (figures.pAtLeastLast) {
        if (sharedLast(last) && place < m_atLeast.size() && m_atLeastBlock[place] == m_block &&
            sameBits(m_atLeast[place], *figures.pAtLeastLast))
            flags |= kAtLeastAsBefore;
        else
            flags |= kAtLeastLast;
    }

    putVarint(m_bytes, flags);
    putVarint(m_bytes, last);
    putVarint(m_bytes, figures.hitsInRange);
    putVarint(m_bytes, figures.longestRun);
    if (figures.previous) putVarint(m_bytes, *figures.previous);
    if (flags & kNewSpan) putVarint(m_bytes, span);
    if (flags & kAverage) putReal(m_bytes, *figures.average);
    if (flags & kHitRate) putReal(m_bytes, *figures.pHit);
    if (flags & kExpectedGap) putReal(m_bytes, *figures.expectedGap);
    if (flags & kAtLeastLast) {
        putReal(m_bytes, *figures.pAtLeastLast);
        if (sharedLast(last)) {
            if (place >= m_atLeast.size()) {
                m_atLeast.resize(place + 1);
                m_atLeastBlock.resize(place + 1, 0);
            }
            m_atLeast[place] = *figures.pAtLeastLast;
            m_atLeastBlock[place] = m_block;
        }
    }
    if (flags & kNewSpan) m_span = span;
    m_before = figures;
    ++m_rows;
}

void GroupFigurePacker::clear() {
    m_bytes.clear();
    m_rows = 0;
    m_span = -1;
    ++m_block;
}

long long GroupFigureUnpacker::varint() {
    std::uint64_t bits = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        if (m_at >= m_bytes.size()) throw std::runtime_error("the packed group figures end early");
        const auto byte = static_cast<std::uint8_t>(m_bytes[m_at++]);
        bits |= static_cast<std::uint64_t>(byte & 0x7f) << shift;
        if (!(byte & 0x80)) return static_cast<long long>(bits >> 1) ^ -static_cast<long long>(bits & 1);
    }
    throw std::runtime_error("the packed group figures hold a number too long");
}

double GroupFigureUnpacker::real() {
    double value = 0;
    if (m_bytes.size() - m_at < sizeof value) throw std::runtime_error("the packed group figures end early");
    std::memcpy(&value, m_bytes.data() + m_at, sizeof value);
    m_at += sizeof value;
    return value;
}

OmissionStatistics GroupFigureUnpacker::next() {
    const long long flags = varint();
    const auto damaged = [] { return std::runtime_error("the packed group figures are damaged"); };
    if (flags < 0 || (flags & ~static_cast<long long>(kAllFlags)) || ((flags & kRateAsBefore) && m_first))
        throw damaged();
    const long long last = varint();
    OmissionStatistics figures;
    figures.hitsInRange = static_cast<int>(varint());
    figures.longestRun = static_cast<int>(varint());
    if (flags & kPrevious) figures.previous = static_cast<int>(varint());
    if (flags & kNewSpan) m_span = varint();
    if (flags & kAverage) figures.average = real();
    if (flags & kAverageFromSpan) {
        if (m_span < 0 || figures.hitsInRange <= 0) throw damaged();
        figures.average = spanAverage(m_span, static_cast<int>(last), figures.hitsInRange);
    }
    if (flags & kRateAsBefore) {
        figures.pHit = m_before.pHit;
        figures.expectedGap = m_before.expectedGap;
        figures.source = m_before.source;
    } else {
        if (flags & kHitRate) figures.pHit = real();
        if (flags & kExpectedGap) figures.expectedGap = real();
        figures.source = (flags & kObserved) ? ProbabilitySource::Observed : ProbabilitySource::Exact;
    }
    const bool shared = last >= 0 && last < kMostSharedLast;
    const auto place = static_cast<std::size_t>(last);
    if (flags & kAtLeastLast) {
        figures.pAtLeastLast = real();
        if (shared) {
            if (place >= m_atLeast.size()) {
                m_atLeast.resize(place + 1);
                m_atLeastKnown.resize(place + 1, false);
            }
            m_atLeast[place] = *figures.pAtLeastLast;
            m_atLeastKnown[place] = true;
        }
    }
    if (flags & kAtLeastAsBefore) {
        if (!shared || place >= m_atLeast.size() || !m_atLeastKnown[place]) throw damaged();
        figures.pAtLeastLast = m_atLeast[place];
    }
    m_before = figures;
    m_first = false;
    return figures;
}

} // namespace quorvel
