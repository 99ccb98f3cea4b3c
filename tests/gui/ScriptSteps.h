// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <Qt>

#include <nlohmann/json.hpp>

#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace quorvel::script {

// A step that cannot run; the runner prints it and stops.
class ScriptError : public std::runtime_error {
  public:
    explicit ScriptError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The member of a step, checked for its JSON type; a missing optional member gives nothing.
template <typename T>
std::optional<T> member(const nlohmann::json& step, const char* key, bool required, const char* expected) {
    auto found = step.find(key);
    if (found == step.end()) {
        if (required) throw ScriptError(QStringLiteral("\"%1\" is missing").arg(key));
        return std::nullopt;
    }
    bool fits = false;
    if constexpr (std::is_same_v<T, std::string>) fits = found->is_string();
    if constexpr (std::is_same_v<T, int>) fits = found->is_number_integer();
    if constexpr (std::is_same_v<T, bool>) fits = found->is_boolean();
    if (!fits) throw ScriptError(QStringLiteral("\"%1\" must be %2").arg(key, expected));
    return found->get<T>();
}

// The keys held during a click or a key press: "modifiers": ["shift", "ctrl"].
inline Qt::KeyboardModifiers modifiersOf(const nlohmann::json& step) {
    Qt::KeyboardModifiers held = Qt::NoModifier;
    if (!step.contains("modifiers")) return held;
    const nlohmann::json& list = step.at("modifiers");
    if (!list.is_array()) throw ScriptError(QStringLiteral("\"modifiers\" must be an array of \"shift\" or \"ctrl\""));
    for (const nlohmann::json& key : list) {
        if (key == "shift")
            held |= Qt::ShiftModifier;
        else if (key == "ctrl")
            held |= Qt::ControlModifier;
        else
            throw ScriptError(QStringLiteral("\"modifiers\" must be an array of \"shift\" or \"ctrl\""));
    }
    return held;
}

} // namespace quorvel::script
