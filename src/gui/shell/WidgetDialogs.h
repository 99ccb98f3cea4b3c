// SPDX-License-Identifier: MIT
#pragma once

#include "gui/shell/Dialogs.h"

#include <QStringList>

namespace quorvel {

// The dialogs a user sees: Qt's message boxes, input box, file dialog and popup menus. Their buttons speak the
// window's language through Qt's own catalogues (确定/取消, 確定/取消).
class WidgetDialogs : public Dialogs {
  public:
    void message(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> input(QWidget* parent, const QString& title, const QString& prompt,
                                 const QString& defaultText) override;
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& suggested,
                                    const QString& filter) override;
    void printPreview(QWidget* parent, const QString& title, PrintSetup& setup, const PagePainter& paint) override;
    void popup(QMenu& menu, const QPoint& globalPosition) override;

    // The texts on the buttons of a dialog of a kind ("message", "question", "input", "file", "save") in the language
    // now in use, as the dialog shows them (without the access keys' ampersands), read from the same dialogs.
    static QStringList buttonTexts(const QString& kind);
};

} // namespace quorvel
