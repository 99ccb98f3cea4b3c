// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

namespace quorvel::script {

// Where the UI script runner prints: one JSON object per line, UTF-8, keys in the order they were set.
class ScriptOutput {
  public:
    using Json = nlohmann::ordered_json;

    explicit ScriptOutput(std::ostream& out) : m_out(out) {}

    // Prints one object as a line and flushes it, so a reader sees each line as soon as it happens.
    void print(const Json& object) {
        // Texts shown by the window may come from files with invalid UTF-8 (a skipped import line).
        m_out << object.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
        m_out.flush();
    }

    // A window text as UTF-8 for the JSON output.
    static std::string utf8(const QString& text) { return text.toStdString(); }

  private:
    std::ostream& m_out;
};

} // namespace quorvel::script
