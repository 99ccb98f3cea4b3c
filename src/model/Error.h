// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include <stdexcept>
#include <string>

namespace quorvel {

// A failure or refusal the user must see; the message says what was wrong and what to do. It carries the message
// as data, so each front end shows it in its language; what() is the English text.
class Error : public std::runtime_error {
  public:
    explicit Error(const Message& message) : std::runtime_error(message.english()), m_message(message) {}
    // A text that is shown as it is in every language.
    explicit Error(const std::string& text) : Error(Message::verbatim(text)) {}

    const Message& message() const { return m_message; }

  private:
    Message m_message;
};

} // namespace quorvel
