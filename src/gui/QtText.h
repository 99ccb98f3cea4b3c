// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

namespace quorvel {

// The core's texts are UTF-8 std::strings; the window's are QStrings.
inline QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// A menu or button caption without its access key ("清除历史(&C)" gives "清除历史").
inline QString plainCaption(const QString& caption) { return QString(caption).section(QStringLiteral("(&"), 0, 0); }

// Gives a new widget its object name (the name the window's design gives the control) and returns it.
template <typename Widget> Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace quorvel
