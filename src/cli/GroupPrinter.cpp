// SPDX-License-Identifier: MIT
#include "cli/GroupPrinter.h"

#include "analysis/ResultCells.h"
#include "model/Prefetch.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>
#include <vector>

namespace quorvel {

namespace {

// The texts of numbers already written: a group calculation gives many rows the same chance or average, so
// each distinct value is formatted once while it stays in this small table (a value's slot is chosen by its
// bits; a newer value takes the slot over).
class NumberTexts {
  public:
    // `format(value, into)` writes the text into a buffer of kLongest characters and gives its length.
    template <typename Format> std::string_view text(double value, Format format) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        Entry& entry = m_entries[static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ULL) >> (64 - kSlotBits))];
        if (!entry.used || entry.bits != bits) {
            entry.length = static_cast<std::uint8_t>(format(value, entry.text));
            entry.bits = bits;
            entry.used = true;
        }
        return {entry.text, entry.length};
    }

    static constexpr std::size_t kLongest = 48;

  private:
    static constexpr int kSlotBits = 12;
    struct Entry {
        std::uint64_t bits = 0;
        bool used = false;
        std::uint8_t length = 0;
        char text[kLongest];
    };
    std::vector<Entry> m_entries = std::vector<Entry>(std::size_t{1} << kSlotBits);
};

// The labels of a calculation's rows, made once in the order stored and kept in slots of one width, each slot led
// by its label's length: a row's label is found from its place alone and copied as a whole slot. Both tables of
// the text copy them in their own order; stepping from one row's elements to the next costs less than working
// out each row's label from its place. Nothing is kept (kept() false) for more than kMostRows rows, nor for
// labels longer than a wide slot holds: each label is then made from its place when written.
class KeptLabels {
  public:
    static constexpr std::size_t kNarrow = 16;
    static constexpr std::size_t kWide = 32;
    static constexpr std::size_t kMostRows = 500000; // 16 MB of slots at most

    // `name` rewrites a label as the text shows it.
    template <typename Name> KeptLabels(const GroupRows& rows, Name name) {
        if (rows.size() > kMostRows) return;
        for (const std::size_t width : {kNarrow, kWide})
            if (fill(rows, name, width)) return;
        m_slots.clear();
    }

    bool kept() const { return m_width != 0; }
    std::size_t width() const { return m_width; }
    const char* slot(std::size_t row) const { return m_slots.data() + row * m_width; }

  private:
    template <typename Name> bool fill(const GroupRows& rows, Name name, std::size_t width) {
        m_slots.assign(rows.size() * width, '\0');
        GroupRows::Maker maker(rows);
        std::string label;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            maker.labelInto(i, label);
            name(label);
            if (label.size() >= width) return false;
            char* slot = m_slots.data() + i * width;
            slot[0] = static_cast<char>(label.size());
            std::memcpy(slot + 1, label.data(), label.size());
        }
        m_width = width;
        return true;
    }

    std::vector<char> m_slots;
    std::size_t m_width = 0;
};

// How many places ahead in the order of the rows written their labels and figures are asked for.
constexpr std::size_t kAhead = 16;

// Text gathered in one buffer and handed to the stream in blocks: each piece is copied straight into the buffer
// (a group table writes millions of small pieces).
class BlockWriter {
  public:
    explicit BlockWriter(std::ostream& out) : m_out(out), m_buffer(new char[kBlock]), m_at(m_buffer.get()) {}
    ~BlockWriter() { flush(); }
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;

    BlockWriter& operator<<(std::string_view text) {
        if (text.size() > room()) {
            flush();
            if (text.size() > room()) {
                m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
                return *this;
            }
        }
        std::memcpy(m_at, text.data(), text.size());
        m_at += text.size();
        return *this;
    }
    // A text of NumberTexts: the buffer it lies in holds kLongest characters, so a short one is copied as a fixed
    // kShortCopy characters (a copy of fixed size needs no loop), and the text written ends at its length.
    void numberText(std::string_view text) {
        static_assert(kShortCopy <= NumberTexts::kLongest);
        if (text.size() > kShortCopy || room() < kShortCopy) {
            *this << text;
            return;
        }
        std::memcpy(m_at, text.data(), kShortCopy);
        m_at += text.size();
    }
    // A label kept in a slot of KeptLabels: the whole slot is copied (a copy of fixed size needs no loop), and
    // the text written ends at the label's length.
    void slot(const char* slot, std::size_t width) {
        if (room() < width) flush();
        if (width == KeptLabels::kNarrow)
            std::memcpy(m_at, slot + 1, KeptLabels::kNarrow - 1);
        else
            std::memcpy(m_at, slot + 1, KeptLabels::kWide - 1);
        m_at += static_cast<unsigned char>(slot[0]);
    }
    BlockWriter& operator<<(char c) {
        if (room() == 0) flush();
        *m_at++ = c;
        return *this;
    }
    BlockWriter& operator<<(int value) {
        if (room() < kLongestInt) flush();
        m_at = std::to_chars(m_at, m_at + kLongestInt, value).ptr;
        return *this;
    }
    // As JSON writes a number: the shortest text that reads back the same, "null" when not finite.
    void jsonNumber(double value) {
        if (!std::isfinite(value)) {
            *this << "null";
            return;
        }
        numberText(m_json.text(value, [](double number, char* into) {
            return nlohmann::detail::to_chars(into, into + NumberTexts::kLongest, number) - into;
        }));
    }
    template <typename Value> void jsonOptional(const std::optional<Value>& value) {
        if (!value)
            *this << "null";
        else if constexpr (std::is_same_v<Value, int>)
            *this << *value;
        else
            jsonNumber(*value);
    }
    // As the table shows a figure: six significant digits as printf("%.6g") writes them, "-" when undefined.
    template <typename Value> void figure(const std::optional<Value>& value) {
        if (!value) {
            *this << "-";
            return;
        }
        numberText(m_figures.text(static_cast<double>(*value), [](double number, char* into) {
            return std::to_chars(into, into + NumberTexts::kLongest, number, std::chars_format::general, 6).ptr - into;
        }));
    }
    // A JSON string; text that needs no escape is copied as it is.
    void jsonString(const std::string& text) {
        const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
        });
        if (plain) {
            *this << "\"" << text << "\"";
            return;
        }
        *this << nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }

    void flush() {
        m_out.write(m_buffer.get(), m_at - m_buffer.get());
        m_at = m_buffer.get();
    }

  private:
    static constexpr std::size_t kBlock = 1 << 20;
    static constexpr std::size_t kLongestInt = 12; // "-2147483648"
    static constexpr std::size_t kShortCopy = 16;
    std::size_t room() const { return static_cast<std::size_t>(m_buffer.get() + kBlock - m_at); }

    std::ostream& m_out;
    std::unique_ptr<char[]> m_buffer;
    char* m_at;
    NumberTexts m_json;    // as JSON writes them
    NumberTexts m_figures; // as the table shows them
};

// The columns of the fuller figures after the group's caption, under their JSON names.
constexpr std::string_view kStatisticsColumns =
    "\thits_in_range\taverage\tlongest_run\tprevious\tp_hit\texpected_gap\tp_at_least_last\tp_source\n";

} // namespace

void printGroupJson(std::ostream& out, const GroupRows& rows, const std::vector<std::uint32_t>& order,
                    const std::string& rules) {
    BlockWriter writer(out);
    writer << "{\"rows\":[";
    GroupRow row; // each row made into this one, its label text reused
    for (std::size_t i = 0; i < order.size(); ++i) {
        rows.rowInto(order[i], row);
        const OmissionStatistics& s = row.statistics;
        writer << (i ? ",{\"content\":" : "{\"content\":");
        writer.jsonString(row.content);
        writer << ",\"min\":" << row.min;
        // No hit keeps the stored minimum, 32767, and says so beside it.
        if (row.min == OmissionSummary::kNoMinimum) writer << ",\"never_hit\":true";
        writer << ",\"max\":" << row.max << ",\"last\":" << row.last << ",\"hits_in_range\":" << s.hitsInRange
               << ",\"average\":";
        writer.jsonOptional(s.average);
        writer << ",\"longest_run\":" << s.longestRun << ",\"previous\":";
        writer.jsonOptional(s.previous);
        writer << ",\"p_hit\":";
        writer.jsonOptional(s.pHit);
        writer << ",\"expected_gap\":";
        writer.jsonOptional(s.expectedGap);
        writer << ",\"p_at_least_last\":";
        writer.jsonOptional(s.pAtLeastLast);
        writer << ",\"p_source\":\"" << probabilitySourceText(s.source) << "\"}";
    }
    writer << "],\"rules\":";
    writer.jsonString(rules);
    writer << "}\n";
}

void printGroupText(std::ostream& out, const GroupRows& rows, const std::vector<std::uint32_t>& order,
                    const std::string& rules, const Wording& wording) {
    BlockWriter writer(out);
    const auto& header = omissionHeader();
    auto caption = [&](const std::string& text) { return wording.said(Message::core(text.c_str())); };
    writer << caption(header[0]) << "\t" << caption(header[1]) << "\t" << caption(header[2]) << "\t"
           << caption(header[3]) << "\n";
    // The stored names need no rewriting: the table's million rows stream through untouched.
    const bool rename = wording.language != kStoredNamesLanguage;
    auto name = [&](std::string& label) {
        if (rename) label = wording.names(label);
    };
    const KeptLabels kept(rows, name);
    std::string label; // a label not kept, made into this text
    // The sort spreads the rows through memory: the label and figures of the row kAhead places on are asked for
    // while this one is written.
    auto ahead = [&](std::size_t at) {
        if (at + kAhead >= order.size()) return;
        const std::uint32_t soon = order[at + kAhead];
        rows.prefetch(soon);
        if (kept.kept()) prefetchForRead(kept.slot(soon));
    };
    auto writeLabel = [&](std::uint32_t i) {
        if (kept.kept()) {
            writer.slot(kept.slot(i), kept.width());
            return;
        }
        rows.labelInto(i, label);
        name(label);
        writer << label;
    };
    for (std::size_t at = 0; at < order.size(); ++at) {
        ahead(at);
        const std::uint32_t i = order[at];
        writeLabel(i);
        writer << '\t';
        // As the omission grid shows it: a group never drawn has no minimum.
        if (const int min = rows.min(i); min == OmissionSummary::kNoMinimum)
            writer << kNeverHitText;
        else
            writer << min;
        writer << '\t' << rows.max(i) << '\t' << rows.last(i) << '\n';
    }
    writer << "\n" << caption(header[0]) << kStatisticsColumns;
    for (std::size_t at = 0; at < order.size(); ++at) {
        ahead(at);
        const std::uint32_t i = order[at];
        writeLabel(i);
        writer << '\t';
        const OmissionStatistics s = rows.statistics(i);
        writer << s.hitsInRange << '\t';
        writer.figure(s.average);
        writer << '\t' << s.longestRun << '\t';
        writer.figure(s.previous);
        writer << '\t';
        writer.figure(s.pHit);
        writer << '\t';
        writer.figure(s.expectedGap);
        writer << '\t';
        writer.figure(s.pAtLeastLast);
        writer << '\t' << probabilitySourceText(s.source) << '\n';
    }
    writer << "\n" << rules << "\n";
}

} // namespace quorvel
