// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

struct sqlite3;

namespace quorvel {

// Translates a statement of the system's own SQL dialect to SQLite: a double-quoted text becomes a
// single-quoted literal with the wildcards "*" and "?" turned into "%" and "_", the operator MOD
// becomes "%", and a call of LEFT (a keyword in SQLite) calls kLeftFunction. Bracketed names, LEN, TRUE
// and FALSE are understood by the store as written.
std::string translateJetSql(std::string_view statement);

// The store's name of LEFT(text, n).
inline constexpr std::string_view kLeftFunction = "JET_LEFT";

// Gives a connection the dialect's functions LEFT(text, n) (as kLeftFunction) and LEN(text), both counting
// characters, not bytes.
void registerJetFunctions(sqlite3* connection);

} // namespace quorvel
