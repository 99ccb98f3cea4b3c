// SPDX-License-Identifier: MIT
#pragma once

#include "gui/Dialogs.h"

namespace quorvel {

// The dialogs a user sees: Qt's message boxes, input box, file dialog and popup menus.
class WidgetDialogs : public Dialogs {
  public:
    void message(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> input(QWidget* parent, const QString& title, const QString& prompt,
                                 const QString& defaultText) override;
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) override;
    void popup(QMenu& menu, const QPoint& globalPosition) override;
};

} // namespace quorvel
