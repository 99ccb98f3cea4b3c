// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quorvel {

// A stored field value as read back: integers, texts, or nothing.
using FieldValue = std::variant<std::monostate, std::int64_t, std::string>;

} // namespace quorvel
