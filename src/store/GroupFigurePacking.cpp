// SPDX-License-Identifier: MIT
#include "store/GroupFigurePacking.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace quorvel {

namespace {

enum Flag : std::uint8_t {
    kAverage = 1 << 0,
    kPrevious = 1 << 1,
    kHitRate = 1 << 2, // pHit
    kExpectedGap = 1 << 3,
    kAtLeastLast = 1 << 4,
    kObserved = 1 << 5,
    kRateAsBefore = 1 << 6, // pHit, expectedGap and the source are those of the row before
};
constexpr std::uint8_t kAllFlags = 0x7f;

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

bool sameRate(const OmissionStatistics& a, const OmissionStatistics& b) {
    return a.pHit == b.pHit && a.expectedGap == b.expectedGap && a.source == b.source;
}

} // namespace

void GroupFigurePacker::add(const OmissionStatistics& figures) {
    std::uint8_t flags = 0;
    if (figures.average) flags |= kAverage;
    if (figures.previous) flags |= kPrevious;
    if (figures.pAtLeastLast) flags |= kAtLeastLast;
    if (m_rows > 0 && sameRate(figures, m_before)) {
        flags |= kRateAsBefore;
    } else {
        if (figures.pHit) flags |= kHitRate;
        if (figures.expectedGap) flags |= kExpectedGap;
        if (figures.source == ProbabilitySource::Observed) flags |= kObserved;
    }
    m_bytes.push_back(static_cast<char>(flags));
    putVarint(m_bytes, figures.hitsInRange);
    putVarint(m_bytes, figures.longestRun);
    if (figures.previous) putVarint(m_bytes, *figures.previous);
    if (figures.average) putReal(m_bytes, *figures.average);
    if (figures.pHit && !(flags & kRateAsBefore)) putReal(m_bytes, *figures.pHit);
    if (figures.expectedGap && !(flags & kRateAsBefore)) putReal(m_bytes, *figures.expectedGap);
    if (figures.pAtLeastLast) putReal(m_bytes, *figures.pAtLeastLast);
    m_before = figures;
    ++m_rows;
}

void GroupFigurePacker::clear() {
    m_bytes.clear();
    m_rows = 0;
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
    if (m_at >= m_bytes.size()) throw std::runtime_error("the packed group figures end early");
    const auto flags = static_cast<std::uint8_t>(m_bytes[m_at++]);
    if ((flags & ~kAllFlags) || ((flags & kRateAsBefore) && m_first))
        throw std::runtime_error("the packed group figures are damaged");
    OmissionStatistics figures;
    figures.hitsInRange = static_cast<int>(varint());
    figures.longestRun = static_cast<int>(varint());
    if (flags & kPrevious) figures.previous = static_cast<int>(varint());
    if (flags & kAverage) figures.average = real();
    if (flags & kRateAsBefore) {
        figures.pHit = m_before.pHit;
        figures.expectedGap = m_before.expectedGap;
        figures.source = m_before.source;
    } else {
        if (flags & kHitRate) figures.pHit = real();
        if (flags & kExpectedGap) figures.expectedGap = real();
        figures.source = (flags & kObserved) ? ProbabilitySource::Observed : ProbabilitySource::Exact;
    }
    if (flags & kAtLeastLast) figures.pAtLeastLast = real();
    m_before = figures;
    m_first = false;
    return figures;
}

} // namespace quorvel
