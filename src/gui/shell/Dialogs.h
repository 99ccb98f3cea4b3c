// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

class QMenu;
class QPrinter;
class QWidget;

namespace quorvel {

// Every dialog and popup menu the window shows goes through this interface, so that tests and the UI
// script runner can answer them. The window receives one and never opens a dialog on its own.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // An information message with an OK button.
    virtual void message(QWidget* parent, const QString& title, const QString& text) = 0;
    // A refusal or an error: a message with the warning icon and an OK button.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
    // An OK/Cancel question with a question icon; true on OK.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
    // An input box prefilled with defaultText; nothing on Cancel.
    virtual std::optional<QString> input(QWidget* parent, const QString& title, const QString& prompt,
                                         const QString& defaultText) = 0;
    // A file-open dialog starting in folder, with a filter such as "Text(*.txt)"; nothing on Cancel.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& folder,
                                            const QString& filter) = 0;
    // A save-file dialog at `suggested` (a folder and a file name), with a filter such as "PDF (*.pdf)"; it asks
    // before replacing a file; nothing on Cancel.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& suggested,
                                            const QString& filter) = 0;
    // How a print preview starts: on landscape pages for a wide grid and, with offerFit, offering the choice
    // between columns across pages and the page width (fitWidth holds it, both ways).
    struct PrintSetup {
        bool landscape = false;
        bool offerFit = false;
        bool fitWidth = false;
    };
    // Paints the pages of a view on a printer; fitWidth: the columns squeezed into the page width rather than
    // cut into pages of columns.
    using PagePainter = std::function<void(QPrinter& printer, bool fitWidth)>;
    // A print preview of the pages `paint` draws, printed through Qt's print dialog.
    virtual void printPreview(QWidget* parent, const QString& title, PrintSetup& setup, const PagePainter& paint) = 0;
    // Pops up a menu at a global position; the chosen entry's action is triggered before this returns.
    virtual void popup(QMenu& menu, const QPoint& globalPosition) = 0;
};

} // namespace quorvel
