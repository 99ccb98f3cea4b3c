// SPDX-License-Identifier: MIT
#pragma once

#include "model/DrawRecord.h"
#include "store/PreparedStatements.h"

#include <string>

namespace quorvel {

// Which fields of Lishi a DrawRecord is read from: IDX and the issue always; the position fields of some
// attribute letters (A number, B zodiac, C colour, E head, F tail, H segment) in both orders; the list fields of
// some kinds (bit k for kind k); the previous draw's list fields, which only a rebuild of the history reads. The
// fields not read keep the values of a new DrawRecord.
struct RecordFields {
    std::string letters = "ABCEFH";
    unsigned lists = (1u << kKindCount) - 1;
    bool previousLists = true;

    // Every field but the search working fields.
    static RecordFields whole() { return {}; }
    // What the analyses of a kind read: the letters its values come from and its list field.
    static RecordFields ofKind(AttributeKind kind);
};

// How a row of Lishi is read into a DrawRecord: the columns to select (in table order).
std::string recordSelectList(const RecordFields& fields = RecordFields::whole());

struct RecordLayout;

// Reads rows selected with recordSelectList(fields) into new records (the fields not read keep what the record
// holds); the columns of the fields are found once, not for every row.
class RecordReader {
  public:
    explicit RecordReader(const RecordFields& fields);
    void into(const PreparedStatements::Use& row, DrawRecord& record) const;

  private:
    const RecordLayout& m_layout;
};

} // namespace quorvel
