// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

// A failure or refusal the user must see; the message says what was wrong and what to do.
class Error : public std::runtime_error {
  public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace quorvel
