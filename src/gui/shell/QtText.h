// SPDX-License-Identifier: MIT
#pragma once

#include "model/AttributeKind.h"
#include "model/Error.h"
#include "model/Message.h"
#include "model/PathText.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>

namespace quorvel {

// The core's texts are UTF-8 std::strings; the window's are QStrings.
inline QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// A path as a QString, and the path a QString names, by way of UTF-8 (model/PathText.h) on every system.
inline QString fromPath(const std::filesystem::path& path) { return fromStd(pathText(path)); }
inline std::filesystem::path toPath(const QString& text) { return textPath(text.toStdString()); }

// Renders a template in the window's language, through the installed translators.
inline Message::Translate windowTranslate() {
    return [](const std::string& context, const std::string& text) {
        return QCoreApplication::translate(context.c_str(), text.c_str()).toStdString();
    };
}

// A core message in the window's language: each template through the installed translators, then filled.
inline QString shown(const Message& message) { return fromStd(message.rendered(windowTranslate())); }
// A kind's name (号码, 生肖, ...) in the window's language.
inline QString shownKindName(AttributeKind kind) { return shown(Message::core(kindInfo(kind).chineseName.data())); }

// A report of several lines in the window's language, one message a line.
inline QString shown(const Messages& lines) {
    QStringList shownLines;
    for (const Message& line : lines)
        shownLines << shown(line);
    return shownLines.join(QLatin1Char('\n'));
}

// A failure in the window's language: the core's message when it is one of the core's refusals, else its text.
inline QString shownError(const std::exception& error) {
    if (const auto* refusal = dynamic_cast<const Error*>(&error)) return shown(refusal->message());
    return QString::fromUtf8(error.what());
}

// A menu or button caption without its access key ("清除历史(&C)" gives "清除历史").
inline QString plainCaption(const QString& caption) { return QString(caption).section(QStringLiteral("(&"), 0, 0); }

// Gives a new widget its object name (the name the window's design gives the control) and returns it.
template <typename Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace quorvel
