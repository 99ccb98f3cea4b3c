// SPDX-License-Identifier: MIT
#pragma once

#include "gui/shell/Dialogs.h"

#include <QAction>
#include <QMenu>

#include <deque>
#include <vector>

namespace quorvel::test {

// Answers the window's dialogs from a queue and remembers what was shown. An answer is "ok", "cancel",
// a text (an input box's answer or a file dialog's path) or, for a popup menu, the entry's object name.
// A dialog without a queued answer is cancelled.
class FakeDialogs : public Dialogs {
  public:
    struct Shown {
        QString kind; // message, question, input, file, save, print, menu
        QString title;
        QString text;
        bool warning = false; // a message with the warning icon
    };

    std::deque<QString> answers;
    std::vector<Shown> shown;

    void message(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({"message", title, text});
        next();
    }
    void warning(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({"message", title, text, true});
        next();
    }
    bool question(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({"question", title, text});
        return next() == "ok";
    }
    std::optional<QString> input(QWidget*, const QString& title, const QString& prompt, const QString&) override {
        shown.push_back({"input", title, prompt});
        return textAnswer();
    }
    std::optional<QString> openFile(QWidget*, const QString& title, const QString& folder,
                                    const QString& filter) override {
        shown.push_back({"file", title, folder + "|" + filter});
        return textAnswer();
    }
    std::optional<QString> saveFile(QWidget*, const QString& title, const QString& suggested,
                                    const QString& filter) override {
        shown.push_back({"save", title, suggested + "|" + filter});
        return textAnswer();
    }
    // A print preview is shown and closed: nothing is printed.
    void printPreview(QWidget*, const QString& title, PrintSetup&, const PagePainter&) override {
        shown.push_back({"print", title, {}});
        next();
    }
    void popup(QMenu& menu, const QPoint&) override {
        shown.push_back({"menu", menu.objectName(), {}});
        const QString entry = next();
        if (auto* action = menu.findChild<QAction*>(entry)) action->trigger();
    }

  private:
    QString next() {
        if (answers.empty()) return "cancel";
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<QString> textAnswer() {
        QString answer = next();
        if (answer == "cancel") return std::nullopt;
        return answer;
    }
};

} // namespace quorvel::test
