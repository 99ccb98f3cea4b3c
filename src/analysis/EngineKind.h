// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace quorvel {

// Which engine answers an analysis: the reference engine that runs the statement texts on the store, or the
// in-memory engine.
enum class EngineKind { Sql, Memory };

// The engine named "sql" or "memory"; nothing for any other name.
std::optional<EngineKind> parseEngineKind(std::string_view text);

} // namespace quorvel
