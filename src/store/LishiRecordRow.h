// SPDX-License-Identifier: MIT
#pragma once

#include "model/DrawRecord.h"

#include <string>

namespace SQLite {
class Statement;
}

namespace quorvel {

// How a row of Lishi is read into a DrawRecord: the columns to select (every column but the search working
// fields, in table order) and the record of a row selected with them.
std::string recordSelectList();
DrawRecord readRecord(SQLite::Statement& row);

} // namespace quorvel
