// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

// Marks a template for the translation catalogue where it is written; Qt's lupdate finds it by this name. The core
// has no Qt, so it gives the macro itself: the template text unchanged.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace quorvel {

class Message;

// One argument of a message: a text shown as it is (a number, a file name, a line of a file), or a message of its
// own that is rendered in the same language.
class MessageArgument {
  public:
    MessageArgument(std::string text) : m_text(std::move(text)) {}
    MessageArgument(const char* text) : m_text(text) {}
    // A whole number, written in digits without group separators. (No C++20 concept here: Qt's moc reads this
    // header through the window's and cannot parse <concepts>.)
    template <typename Number, std::enable_if_t<std::is_integral_v<Number> && !std::is_same_v<Number, char> &&
                                                    !std::is_same_v<Number, bool>,
                                                int> = 0>
    MessageArgument(Number number) : m_text(std::to_string(number)) {}
    MessageArgument(const Message& message);

    const std::string& text() const { return m_text; }
    const Message* message() const { return m_message.get(); }

  private:
    std::string m_text;
    std::shared_ptr<const Message> m_message;
};

// A refusal or report of the core as data: an English template with the placeholders %1..%9, its arguments and
// its translation context. Each front end renders it in its language; english() is the text the --json output
// and Error::what() give, the same in every language.
class Message {
  public:
    // The context of the core's templates in the translation catalogue.
    static constexpr const char* kCoreContext = "Core";

    Message() = default;
    Message(std::string context, std::string text, std::vector<MessageArgument> arguments = {})
        : m_context(std::move(context)), m_text(std::move(text)), m_arguments(std::move(arguments)) {}

    // A template of the core's catalogue with its arguments; write the template as
    // QT_TRANSLATE_NOOP("Core", "...") so lupdate finds it.
    template <typename... Arguments> static Message core(const char* text, const Arguments&... arguments) {
        return Message(kCoreContext, text, {MessageArgument(arguments)...});
    }
    // A text that is never translated (SQLite's words, a line of a file, a text already rendered).
    static Message verbatim(std::string text) { return Message({}, std::move(text)); }

    const std::string& context() const { return m_context; }
    const std::string& text() const { return m_text; }
    const std::vector<MessageArgument>& arguments() const { return m_arguments; }
    bool empty() const { return m_text.empty(); }

    // The template translated by `translate(context, text)` (called for every message with a context), its
    // placeholders filled with the arguments, rendered the same way.
    using Translate = std::function<std::string(const std::string& context, const std::string& text)>;
    std::string rendered(const Translate& translate) const;
    // The English text: the template as written, filled.
    std::string english() const;

    friend bool operator==(const Message& a, const Message& b) { return a.english() == b.english(); }

  private:
    std::string m_context;
    std::string m_text;
    std::vector<MessageArgument> m_arguments;
};

// A report of several lines, each a message.
using Messages = std::vector<Message>;

// The lines rendered and joined with newlines.
std::string rendered(const Messages& lines, const Message::Translate& translate);
std::string english(const Messages& lines);

// Fills the placeholders %1..%9 of a template in one pass (an argument's own "%2" stays as it is); a placeholder
// without an argument stays as written.
std::string fillPlaceholders(const std::string& text, const std::vector<std::string>& arguments);

} // namespace quorvel
