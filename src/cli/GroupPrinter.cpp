// SPDX-License-Identifier: MIT
#include "cli/GroupPrinter.h"

#include "analysis/ResultCells.h"

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
        *this << m_json.text(value, [](double number, char* into) {
            return nlohmann::detail::to_chars(into, into + NumberTexts::kLongest, number) - into;
        });
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
        *this << m_figures.text(static_cast<double>(*value), [](double number, char* into) {
            return std::to_chars(into, into + NumberTexts::kLongest, number, std::chars_format::general, 6).ptr - into;
        });
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
    std::size_t room() const { return static_cast<std::size_t>(m_buffer.get() + kBlock - m_at); }

    std::ostream& m_out;
    std::unique_ptr<char[]> m_buffer;
    char* m_at;
    NumberTexts m_json;    // as JSON writes them
    NumberTexts m_figures; // as the table shows them
};

// At most this many rows have their labels made ahead of the two tables of the text (8 MB or so of labels).
constexpr std::size_t kKeptLabelRows = 500000;

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
    std::string label; // each row's label made into this text
    auto named = [&] {
        if (rename) label = wording.names(label);
    };
    // The labels of every row made once, in the order stored, where they take little memory: stepping from one
    // row's elements to the next costs less than working out each row's from its place, and both tables copy
    // them in their order (the largest calculations make each label from its place in each table instead).
    const bool keep = rows.size() <= kKeptLabelRows;
    std::string kept;
    std::vector<std::uint32_t> keptEnds;
    if (keep) {
        keptEnds.reserve(rows.size());
        GroupRows::Maker maker(rows);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            maker.labelInto(i, label);
            named();
            if (kept.empty()) kept.reserve(rows.size() * (label.size() + 1));
            kept += label;
            keptEnds.push_back(static_cast<std::uint32_t>(kept.size()));
        }
    }
    auto labelOf = [&](std::uint32_t i) -> std::string_view {
        if (keep) {
            const std::uint32_t begin = i ? keptEnds[i - 1] : 0;
            return std::string_view(kept).substr(begin, keptEnds[i] - begin);
        }
        rows.labelInto(i, label);
        named();
        return label;
    };
    for (std::uint32_t i : order) {
        writer << labelOf(i) << '\t';
        // As the omission grid shows it: a group never drawn has no minimum.
        if (const int min = rows.min(i); min == OmissionSummary::kNoMinimum)
            writer << kNeverHitText;
        else
            writer << min;
        writer << '\t' << rows.max(i) << '\t' << rows.last(i) << '\n';
    }
    writer << "\n" << caption(header[0]) << kStatisticsColumns;
    for (std::uint32_t i : order) {
        writer << labelOf(i) << '\t';
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
