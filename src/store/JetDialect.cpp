// SPDX-License-Identifier: MIT
#include "store/JetDialect.h"

#include <sqlite3.h>

#include <cctype>
#include <string>

namespace quorvel {

namespace {

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool equalsIgnoringCase(std::string_view word, std::string_view keyword) {
    if (word.size() != keyword.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(word[i])) != keyword[i]) return false;
    return true;
}

// LEFT(text, n): the first n characters (none when n is not positive).
void sqlLeft(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    int bytes = sqlite3_value_bytes(args[0]);
    sqlite3_int64 wanted = sqlite3_value_int64(args[1]);
    // Count characters, not bytes: a UTF-8 character starts at every byte that is not 10xxxxxx.
    int end = 0;
    sqlite3_int64 characters = 0;
    while (end < bytes && characters < wanted) {
        ++end;
        while (end < bytes && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        ++characters;
    }
    sqlite3_result_text(context, text, wanted <= 0 ? 0 : end, SQLITE_TRANSIENT);
}

// LEN(text): the number of characters.
void sqlLen(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const unsigned char*>(sqlite3_value_text(args[0]));
    int bytes = sqlite3_value_bytes(args[0]);
    sqlite3_int64 characters = 0;
    for (int i = 0; i < bytes; ++i)
        if ((text[i] & 0xC0) != 0x80) ++characters;
    sqlite3_result_int64(context, characters);
}

} // namespace

std::string translateJetSql(std::string_view statement) {
    std::string out;
    out.reserve(statement.size() + 8);
    std::size_t i = 0;
    while (i < statement.size()) {
        char c = statement[i];
        if (c == '"') {
            // A double-quoted pattern: copy it as a single-quoted SQLite literal.
            out += '\'';
            for (++i; i < statement.size() && statement[i] != '"'; ++i) {
                char p = statement[i];
                if (p == '*')
                    out += '%';
                else if (p == '?')
                    out += '_';
                else if (p == '\'')
                    out += "''";
                else
                    out += p;
            }
            out += '\'';
            ++i;
        } else if (c == '\'') {
            std::size_t end = statement.find('\'', i + 1);
            end = end == std::string_view::npos ? statement.size() : end + 1;
            out.append(statement.substr(i, end - i));
            i = end;
        } else if (c == '[') {
            std::size_t end = statement.find(']', i);
            end = end == std::string_view::npos ? statement.size() : end + 1;
            out.append(statement.substr(i, end - i));
            i = end;
        } else if (isWordChar(c)) {
            std::size_t end = i;
            while (end < statement.size() && isWordChar(statement[end]))
                ++end;
            std::string_view word = statement.substr(i, end - i);
            // LEFT is a keyword of SQLite (LEFT JOIN), so the function goes by another name there.
            std::size_t next = statement.find_first_not_of(' ', end);
            bool isLeftCall =
                equalsIgnoringCase(word, "LEFT") && next != std::string_view::npos && statement[next] == '(';
            if (equalsIgnoringCase(word, "MOD"))
                out += '%';
            else if (isLeftCall)
                out += kLeftFunction;
            else
                out += word;
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

void registerJetFunctions(sqlite3* connection) {
    sqlite3_create_function(connection, std::string(kLeftFunction).c_str(), 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                            nullptr, sqlLeft, nullptr, nullptr);
    sqlite3_create_function(connection, "LEN", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, sqlLen, nullptr,
                            nullptr);
}

} // namespace quorvel
