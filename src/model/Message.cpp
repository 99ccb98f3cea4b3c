// SPDX-License-Identifier: MIT
#include "model/Message.h"

namespace quorvel {

MessageArgument::MessageArgument(const Message& message) : m_message(std::make_shared<const Message>(message)) {}

std::string fillPlaceholders(const std::string& text, const std::vector<std::string>& arguments) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < arguments.size()) {
                out += arguments[index];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string Message::rendered(const Translate& translate) const {
    std::vector<std::string> arguments;
    arguments.reserve(m_arguments.size());
    for (const MessageArgument& argument : m_arguments)
        arguments.push_back(argument.message() ? argument.message()->rendered(translate) : argument.text());
    const std::string text = m_context.empty() || !translate ? m_text : translate(m_context, m_text);
    return fillPlaceholders(text.empty() ? m_text : text, arguments);
}

std::string Message::english() const { return rendered({}); }

std::string rendered(const Messages& lines, const Message::Translate& translate) {
    std::string text;
    for (const Message& line : lines) {
        if (!text.empty()) text += '\n';
        text += line.rendered(translate);
    }
    return text;
}

std::string english(const Messages& lines) { return rendered(lines, {}); }

} // namespace quorvel
