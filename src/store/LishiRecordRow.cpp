// SPDX-License-Identifier: MIT
#include "store/LishiRecordRow.h"

#include "store/LishiSchema.h"

#include <array>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

namespace quorvel {

namespace {
constexpr std::array<char, 6> kLetters{'A', 'B', 'C', 'E', 'F', 'H'};
} // namespace

// The columns of a field set, in table order, and where each field of a record is among them (-1: not read):
// rows are read by index, which is much faster than by name.
struct RecordLayout {
    std::string selectList;
    int idx = -1;
    int issue = -1;
    // Attributes A, B, C, E, F, H of each position, drawn order then sorted (D7 reads the drawn fields L7).
    std::array<std::array<std::array<int, 6>, 7>, 2> positions{};
    std::array<int, kKindCount> lists{};
    std::array<int, kKindCount> previousLists{};

    explicit RecordLayout(const RecordFields& fields) {
        std::map<std::string, int> wanted;
        wanted["IDX"] = 0;
        wanted["SQQH"] = 0;
        for (int order = 0; order < 2; ++order)
            for (int p = 1; p <= 7; ++p)
                for (char letter : fields.letters)
                    wanted[positionField(order == 0 || p == 7 ? 'L' : 'D', p, letter)] = 0;
        for (std::size_t k = 0; k < lists.size(); ++k) {
            if ((fields.lists >> k) & 1u) wanted[listColumns()[k]] = 0;
            if (fields.previousLists) wanted[previousListColumns()[k]] = 0;
        }
        int next = 0;
        for (const auto& column : lishiColumns()) {
            auto at = wanted.find(column);
            if (at == wanted.end()) continue;
            at->second = next++;
            selectList += selectList.empty() ? column : ", " + column;
        }
        auto index = [&wanted](const std::string& name) {
            auto at = wanted.find(name);
            return at == wanted.end() ? -1 : at->second;
        };
        idx = index("IDX");
        issue = index("SQQH");
        for (int order = 0; order < 2; ++order)
            for (int p = 1; p <= 7; ++p)
                for (std::size_t i = 0; i < kLetters.size(); ++i)
                    positions[static_cast<std::size_t>(order)][static_cast<std::size_t>(p - 1)][i] =
                        index(positionField(order == 0 || p == 7 ? 'L' : 'D', p, kLetters[i]));
        for (std::size_t k = 0; k < lists.size(); ++k) {
            lists[k] = ((fields.lists >> k) & 1u) ? index(listColumns()[k]) : -1;
            previousLists[k] = fields.previousLists ? index(previousListColumns()[k]) : -1;
        }
    }
};

namespace {

// The layouts of the field sets asked for so far (a few: the whole row and one per kind).
const RecordLayout& layout(const RecordFields& fields) {
    static std::mutex mutex;
    static std::map<std::tuple<std::string, unsigned, bool>, RecordLayout> layouts;
    const std::lock_guard lock(mutex);
    const auto key = std::make_tuple(fields.letters, fields.lists, fields.previousLists);
    auto at = layouts.find(key);
    if (at == layouts.end()) at = layouts.emplace(key, RecordLayout(fields)).first;
    return at->second;
}

int readInt(const PreparedStatements::Use& row, int column) { return column < 0 ? 0 : row.integer(column); }

PositionAttributes readPosition(const PreparedStatements::Use& row, const std::array<int, 6>& columns) {
    return PositionAttributes{readInt(row, columns[0]), readInt(row, columns[1]), readInt(row, columns[2]),
                              readInt(row, columns[3]), readInt(row, columns[4]), readInt(row, columns[5])};
}

} // namespace

RecordFields RecordFields::ofKind(AttributeKind kind) {
    RecordFields fields;
    switch (kind) {
    case AttributeKind::Number:
    case AttributeKind::Parity: fields.letters = "A"; break;
    case AttributeKind::Zodiac: fields.letters = "B"; break;
    case AttributeKind::Colour: fields.letters = "C"; break;
    case AttributeKind::Head: fields.letters = "E"; break;
    case AttributeKind::Tail: fields.letters = "F"; break;
    case AttributeKind::DigitSum: fields.letters = "EF"; break;
    case AttributeKind::Segment: fields.letters = "H"; break;
    case AttributeKind::Size:
    case AttributeKind::SumParity:
    case AttributeKind::TailSize:
    case AttributeKind::Domestic:
    case AttributeKind::HalfWaveParity:
    case AttributeKind::HalfWaveSize: // worked out from the numbers: no list field of their own
        fields.letters = "A";
        fields.lists = 0;
        fields.previousLists = false;
        return fields;
    }
    fields.lists = 1u << static_cast<unsigned>(kind);
    fields.previousLists = false;
    return fields;
}

std::string recordSelectList(const RecordFields& fields) { return layout(fields).selectList; }

RecordReader::RecordReader(const RecordFields& fields) : m_layout(layout(fields)) {}

void RecordReader::into(const PreparedStatements::Use& row, DrawRecord& record) const {
    const RecordLayout& at = m_layout;
    record.idx = readInt(row, at.idx);
    record.issue = readInt(row, at.issue);
    for (std::size_t p = 0; p < 7; ++p) {
        record.drawn[p] = readPosition(row, at.positions[0][p]);
        record.sorted[p] = readPosition(row, at.positions[1][p]);
    }
    for (std::size_t k = 0; k < record.lists.size(); ++k) {
        if (at.lists[k] >= 0) row.textInto(at.lists[k], record.lists[k]);
        if (at.previousLists[k] >= 0) row.textInto(at.previousLists[k], record.previousLists[k]);
    }
}

} // namespace quorvel
