// SPDX-License-Identifier: MIT
#include "store/JetDialect.h"

#include <cctype>

namespace quorvel {

namespace {

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool equalsIgnoringCase(std::string_view word, std::string_view keyword) {
    if (word.size() != keyword.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(word[i])) != keyword[i]) return false;
    return true;
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

} // namespace quorvel
