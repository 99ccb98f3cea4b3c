// SPDX-License-Identifier: MIT
#include "store/GroupBlockTable.h"

#include "store/GroupResultBlock.h"

#include <sqlite3.h>

#include <cstddef>
#include <new>

namespace quorvel {

namespace {

// The type name the bound pointer carries: SQLite hands the pointer only to a reader that asks for this name.
constexpr const char* kPointerType = "quorvel GroupResultBlock";

enum Column { kContent, kMin, kMax, kLast, kBlock };

struct Cursor {
    sqlite3_vtab_cursor base{};
    const GroupResultBlock* block = nullptr;
    std::size_t row = 0;
};

Cursor& cursorOf(sqlite3_vtab_cursor* cursor) { return *reinterpret_cast<Cursor*>(cursor); }

int connect(sqlite3* db, void*, int, const char* const*, sqlite3_vtab** table, char**) {
    const int code = sqlite3_declare_vtab(db, "CREATE TABLE x(content TEXT, min INTEGER, max INTEGER, last INTEGER, "
                                              "block HIDDEN)");
    if (code != SQLITE_OK) return code;
    *table = new (std::nothrow) sqlite3_vtab{};
    return *table ? SQLITE_OK : SQLITE_NOMEM;
}

int disconnect(sqlite3_vtab* table) {
    delete table;
    return SQLITE_OK;
}

// Only a scan with the block given is possible; without it the plan is priced out of reach.
int bestIndex(sqlite3_vtab*, sqlite3_index_info* info) {
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& constraint = info->aConstraint[i];
        if (constraint.iColumn == kBlock && constraint.op == SQLITE_INDEX_CONSTRAINT_EQ && constraint.usable) {
            info->aConstraintUsage[i].argvIndex = 1;
            info->aConstraintUsage[i].omit = 1;
            info->estimatedCost = 1;
            return SQLITE_OK;
        }
    }
    info->estimatedCost = 1e300;
    return SQLITE_OK;
}

int openCursor(sqlite3_vtab*, sqlite3_vtab_cursor** cursor) {
    auto* made = new (std::nothrow) Cursor;
    if (!made) return SQLITE_NOMEM;
    *cursor = &made->base;
    return SQLITE_OK;
}

int closeCursor(sqlite3_vtab_cursor* cursor) {
    delete &cursorOf(cursor);
    return SQLITE_OK;
}

int filter(sqlite3_vtab_cursor* cursor, int, const char*, int argc, sqlite3_value** argv) {
    Cursor& c = cursorOf(cursor);
    c.block = argc > 0 ? static_cast<const GroupResultBlock*>(sqlite3_value_pointer(argv[0], kPointerType)) : nullptr;
    c.row = 0;
    return SQLITE_OK;
}

int next(sqlite3_vtab_cursor* cursor) {
    ++cursorOf(cursor).row;
    return SQLITE_OK;
}

int eof(sqlite3_vtab_cursor* cursor) {
    const Cursor& c = cursorOf(cursor);
    return !c.block || c.row >= c.block->rows();
}

int column(sqlite3_vtab_cursor* cursor, sqlite3_context* context, int index) {
    const Cursor& c = cursorOf(cursor);
    switch (index) {
    case kContent: {
        const auto content = c.block->content(c.row);
        sqlite3_result_text(context, content.data(), static_cast<int>(content.size()), SQLITE_STATIC);
        break;
    }
    case kMin: sqlite3_result_int(context, c.block->min(c.row)); break;
    case kMax: sqlite3_result_int(context, c.block->max(c.row)); break;
    case kLast: sqlite3_result_int(context, c.block->last(c.row)); break;
    default: sqlite3_result_null(context); break;
    }
    return SQLITE_OK;
}

int rowid(sqlite3_vtab_cursor* cursor, sqlite3_int64* id) {
    *id = static_cast<sqlite3_int64>(cursorOf(cursor).row);
    return SQLITE_OK;
}

sqlite3_module makeModule() {
    sqlite3_module module{};
    // No xCreate: the table exists without CREATE VIRTUAL TABLE, under the module's name only.
    module.xConnect = connect;
    module.xBestIndex = bestIndex;
    module.xDisconnect = disconnect;
    module.xOpen = openCursor;
    module.xClose = closeCursor;
    module.xFilter = filter;
    module.xNext = next;
    module.xEof = eof;
    module.xColumn = column;
    module.xRowid = rowid;
    return module;
}

const sqlite3_module kModule = makeModule();

} // namespace

void registerGroupBlockTable(sqlite3* connection) {
    sqlite3_create_module_v2(connection, kGroupBlockTable, &kModule, nullptr, nullptr);
}

int bindGroupBlock(sqlite3_stmt* statement, int index, const GroupResultBlock& block) {
    return sqlite3_bind_pointer(statement, index, const_cast<GroupResultBlock*>(&block), kPointerType, nullptr);
}

} // namespace quorvel
