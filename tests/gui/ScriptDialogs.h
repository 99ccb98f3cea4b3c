// SPDX-License-Identifier: MIT
#pragma once

#include "ScriptOutput.h"
#include "gui/shell/Dialogs.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

namespace quorvel::script {

// Answers the window's dialogs and popup menus from the answers a script queued, in order, and prints
// one line per dialog. Without a queued answer a dialog is cancelled (a menu closed). An answer that
// does not fit the dialog is remembered as a fault that the runner reports after the step. Each line carries the
// texts of the dialog's buttons as the window would show them (for a menu, its entries' captions).
class ScriptDialogs : public Dialogs {
  public:
    // The texts of the buttons of a kind of dialog ("message", "question", "input", "file").
    using ButtonTexts = std::function<QStringList(const QString& kind)>;

    explicit ScriptDialogs(ScriptOutput& output, ButtonTexts buttons = {})
        : m_output(output), m_buttons(std::move(buttons)) {}

    // Queues an answer for the next dialog: "ok", "cancel", a text or path, or a menu entry's object name.
    void queue(const QString& answer) { m_answers.push_back(answer); }
    // The answers no dialog has taken yet.
    const std::deque<QString>& pending() const { return m_answers; }
    // The first answer that did not fit its dialog since the last call, and clears it.
    std::optional<QString> takeFault();

    void message(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    std::optional<QString> input(QWidget* parent, const QString& title, const QString& prompt,
                                 const QString& defaultText) override;
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) override;
    // A save dialog takes a path, "ok" for the name it offers, or "cancel".
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& suggested,
                                    const QString& filter) override;
    // A print preview takes "ok" (printed, to a file the runner throws away) or "cancel".
    void printPreview(QWidget* parent, const QString& title, PrintSetup& setup, const PagePainter& paint) override;
    void popup(QMenu& menu, const QPoint& globalPosition) override;

  private:
    std::optional<QString> next();
    void notice(const char* icon, const QString& title, const QString& text);
    void print(const char* kind, const QString& title, const QString& text, const std::optional<QString>& answer,
               ScriptOutput::Json extra = ScriptOutput::Json::object(), const QStringList& buttons = {});
    void fault(const QString& text);

    ScriptOutput& m_output;
    ButtonTexts m_buttons;
    std::deque<QString> m_answers;
    std::optional<QString> m_fault;
};

} // namespace quorvel::script
