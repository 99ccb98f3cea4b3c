// SPDX-License-Identifier: MIT
#include "analysis/EngineKind.h"

namespace quorvel {

std::optional<EngineKind> parseEngineKind(std::string_view text) {
    if (text == "sql") return EngineKind::Sql;
    if (text == "memory") return EngineKind::Memory;
    return std::nullopt;
}

} // namespace quorvel
