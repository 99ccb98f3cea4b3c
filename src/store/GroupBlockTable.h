// SPDX-License-Identifier: MIT
#pragma once

struct sqlite3;
struct sqlite3_stmt;

namespace quorvel {

class GroupResultBlock;

// A table of the connection alone that reads the rows of a GroupResultBlock: "SELECT content, min, max, last FROM
// quorvel_group_block(?)" with the block bound to the parameter (bindGroupBlock). A block is so stored by one run of
// one INSERT ... SELECT, without binding its values row by row.
inline constexpr const char* kGroupBlockTable = "quorvel_group_block";

// Makes the table known to the connection (once, when it opens).
void registerGroupBlockTable(sqlite3* connection);

// Binds `block` to parameter `index` of `statement`; the block must outlive the statement's run.
int bindGroupBlock(sqlite3_stmt* statement, int index, const GroupResultBlock& block);

} // namespace quorvel
