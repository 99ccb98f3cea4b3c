// SPDX-License-Identifier: MIT
#include "cli/GroupPrinter.h"

#include "analysis/ResultCells.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
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

// Text gathered in one buffer and handed to the stream in blocks.
class BlockWriter {
  public:
    explicit BlockWriter(std::ostream& out) : m_out(out) { m_buffer.reserve(kBlock + 1024); }
    ~BlockWriter() { flush(); }
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;

    BlockWriter& operator<<(std::string_view text) {
        m_buffer.append(text);
        if (m_buffer.size() >= kBlock) flush();
        return *this;
    }
    BlockWriter& operator<<(int value) {
        char digits[16];
        const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
        return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
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
        m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        m_buffer.clear();
    }

  private:
    static constexpr std::size_t kBlock = 1 << 20;
    std::ostream& m_out;
    std::string m_buffer;
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
    std::string label; // each row's label made into this text
    auto labelOf = [&](std::uint32_t i) {
        rows.labelInto(i, label);
        if (rename) label = wording.names(label);
    };
    for (std::uint32_t i : order) {
        labelOf(i);
        writer << label << "\t";
        // As the omission grid shows it: a group never drawn has no minimum.
        if (const int min = rows.min(i); min == OmissionSummary::kNoMinimum)
            writer << kNeverHitText;
        else
            writer << min;
        writer << "\t" << rows.max(i) << "\t" << rows.last(i) << "\n";
    }
    writer << "\n" << caption(header[0]) << kStatisticsColumns;
    for (std::uint32_t i : order) {
        labelOf(i);
        const OmissionStatistics s = rows.statistics(i);
        writer << label << "\t" << s.hitsInRange << "\t";
        writer.figure(s.average);
        writer << "\t" << s.longestRun << "\t";
        writer.figure(s.previous);
        writer << "\t";
        writer.figure(s.pHit);
        writer << "\t";
        writer.figure(s.expectedGap);
        writer << "\t";
        writer.figure(s.pAtLeastLast);
        writer << "\t" << probabilitySourceText(s.source) << "\n";
    }
    writer << "\n" << rules << "\n";
}

} // namespace quorvel
