// SPDX-License-Identifier: MIT
// The memory engine's loading: the draws in issue order with the fields of the kinds asked for so far, and the
// bitsets of the items of their list fields.
#include "analysis/MemoryEngine.h"

#include "analysis/DerivedKinds.h"
#include "analysis/ParallelTasks.h"
#include "analysis/SearchSupport.h"

#include <charconv>
#include <string_view>

namespace quorvel {

namespace {

// An item of a list field: its occurrence number (0 for the number kind) and its code.
struct ListItem {
    int occurrence = 0;
    int code = 0;
};

// Hands each complete item of a list text to `each`; an incomplete remainder (what cutting a five-character
// item leaves) is no item, just as no pattern can match it.
template <typename ItemFunction> void forEachItem(std::string_view list, bool numberKind, ItemFunction&& each) {
    std::size_t position = 0;
    while (position < list.size()) {
        std::size_t end = list.find(' ', position);
        if (end == std::string_view::npos) end = list.size();
        std::string_view token = list.substr(position, end - position);
        position = end + 1;
        if (token.empty()) continue;
        ListItem item;
        std::string_view codeText = token;
        if (!numberKind) {
            std::size_t x = token.find('X');
            if (x == std::string_view::npos || x == 0 || x + 1 == token.size()) continue;
            std::from_chars(token.data(), token.data() + x, item.occurrence);
            codeText = token.substr(x + 1);
        }
        auto [stop, ec] = std::from_chars(codeText.data(), codeText.data() + codeText.size(), item.code);
        if (ec != std::errc() || stop != codeText.data() + codeText.size()) continue;
        each(item);
    }
}

// The list less its last four characters, as the working list without the special number holds it.
std::string_view cutList(std::string_view list) { return list.substr(0, list.size() >= 4 ? list.size() - 4 : 0); }

unsigned kindBit(AttributeKind kind) { return 1u << static_cast<unsigned>(kind); }

// The fields the analyses of the kinds in the mask read.
RecordFields fieldsOf(unsigned kinds) {
    RecordFields fields;
    fields.letters.clear();
    fields.lists = 0;
    fields.previousLists = false;
    for (const auto& info : everyKind()) {
        if (!(kinds & kindBit(info.kind))) continue;
        const RecordFields kind = RecordFields::ofKind(info.kind);
        for (char letter : kind.letters)
            if (fields.letters.find(letter) == std::string::npos) fields.letters += letter;
        fields.lists |= kind.lists;
    }
    return fields;
}

// Copies the attributes of the given letters (A number, B zodiac, C colour, E head, F tail, H segment).
void copyLetters(const PositionAttributes& from, PositionAttributes& to, const std::string& letters) {
    for (char letter : letters) {
        switch (letter) {
        case 'A': to.number = from.number; break;
        case 'B': to.zodiac = from.zodiac; break;
        case 'C': to.colour = from.colour; break;
        case 'E': to.head = from.head; break;
        case 'F': to.tail = from.tail; break;
        case 'H': to.segment = from.segment; break;
        default: break;
        }
    }
}

} // namespace

// Nothing is read yet: the first request reads the fields of its kind.
MemoryEngine::MemoryEngine(HistoryStore& store) : m_store(store), m_threads(defaultThreadCount()) {}

void MemoryEngine::reload() { load((1u << kAllKindCount) - 1); }

void MemoryEngine::load(unsigned kinds) {
    m_loadedVersion = m_store.historyVersion();
    m_records = m_store.records(fieldsOf(kinds));
    m_loadedKinds = kinds;
    const int n = static_cast<int>(m_records.size());
    std::vector<std::pair<int, int>> draws;
    draws.reserve(m_records.size());
    for (const DrawRecord& record : m_records)
        draws.emplace_back(record.idx, record.issue);
    m_timeline = HistoryTimeline(draws);
    m_listConditions.assign(static_cast<std::size_t>(conditionSlot(kAllKindCount, false, 0, 0)), DrawBitset());
    m_none = DrawBitset(n);
    for (const auto& info : everyKind())
        if (kinds & kindBit(info.kind)) buildListConditions(info.kind);
}

void MemoryEngine::requireKind(AttributeKind kind) {
    if (m_loadedKinds & kindBit(kind)) return;
    const RecordFields fields = RecordFields::ofKind(kind);
    const DrawRecords read = m_store.records(fields);
    // Another program's change since the load would mix two states of the history: load it again whole.
    bool same = m_store.historyVersion() == m_loadedVersion && read.size() == m_records.size();
    for (std::size_t i = 0; same && i < read.size(); ++i)
        same = read[i].idx == m_records[i].idx && read[i].issue == m_records[i].issue;
    if (!same) return load(m_loadedKinds | kindBit(kind));
    const auto k = static_cast<std::size_t>(kind);
    for (std::size_t i = 0; i < read.size(); ++i) {
        DrawRecord& record = m_records[i];
        for (std::size_t p = 0; p < 7; ++p) {
            copyLetters(read[i].drawn[p], record.drawn[p], fields.letters);
            copyLetters(read[i].sorted[p], record.sorted[p], fields.letters);
        }
        if (!isWorkedOutKind(kind)) record.lists[k] = read[i].lists[k];
    }
    m_loadedKinds |= kindBit(kind);
    buildListConditions(kind);
}

void MemoryEngine::buildListConditions(AttributeKind kind) {
    const int n = static_cast<int>(m_records.size());
    const auto k = static_cast<std::size_t>(kind);
    const bool numberKind = kind == AttributeKind::Number;
    for (int i = 0; i < n; ++i) {
        auto add = [&](bool cut, int code, int occurrence) {
            if (code < 0 || code >= kCodes || occurrence < 0 || occurrence >= kOccurrences)
                return; // no request can ask for such an item
            DrawBitset& bits = m_listConditions[static_cast<std::size_t>(
                conditionSlot(static_cast<int>(kind), cut, code, occurrence))];
            if (bits.size() == 0) bits = DrawBitset(n);
            bits.set(i);
        };
        if (isWorkedOutKind(kind)) {
            // No stored list: the items of the draw's numbers, the cut list without the special number's.
            const auto items = derivedKindItems(m_records[static_cast<std::size_t>(i)], kind);
            for (std::size_t item = 0; item < items.size(); ++item)
                for (bool cut : {false, true})
                    if (!cut || item + 1 < items.size()) add(cut, items[item].code, items[item].occurrence);
            continue;
        }
        const std::string& list = m_records[static_cast<std::size_t>(i)].lists[k];
        for (bool cut : {false, true})
            forEachItem(cut ? cutList(list) : std::string_view(list), numberKind,
                        [&](const ListItem& item) { add(cut, item.code, item.occurrence); });
    }
}

void MemoryEngine::prepare(AttributeKind kind) {
    if (m_store.historyVersion() != m_loadedVersion || m_records.empty())
        load(kindBit(kind));
    else
        requireKind(kind);
    if (m_records.empty()) requireHistory(m_store); // the store is empty too: refused
}

} // namespace quorvel
