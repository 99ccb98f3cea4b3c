// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QWidget;

namespace quorvel {

// The fixed texts of a widget's controls, each a source text marked with QT_TR_NOOP in the widget's class:
// shown in the window's language when added and again by apply(), which the widget's retranslate() calls on
// QEvent::LanguageChange.
class TranslatedTexts {
  public:
    // context: the class whose tr() translates the sources ("quorvel::OptionsPanel").
    explicit TranslatedTexts(const char* context) : m_context(context) {}

    void add(std::function<void(const QString&)> show, const char* source);
    void add(QAbstractButton* button, const char* source);
    void add(QGroupBox* frame, const char* source);
    void add(QLabel* label, const char* source);
    void add(QAction* action, const char* source);
    void add(QMenu* menu, const char* source);
    void addToolTip(QWidget* widget, const char* source);

    // Adds a control's caption and returns the control, for use where it is made.
    template <typename Control> Control* with(Control* control, const char* source) {
        add(control, source);
        return control;
    }

    // Shows every text again in the language now in use.
    void apply() const;

    // The translation of a source text in this context.
    QString text(const char* source) const;

  private:
    const char* m_context;
    std::vector<std::pair<std::function<void(const QString&)>, const char*>> m_texts;
};

} // namespace quorvel
