// SPDX-License-Identifier: MIT
#pragma once

#include "gui/shell/TranslatedTexts.h"

#include <QLineEdit>
#include <QWidget>

#include <array>
#include <string>

namespace quorvel {

// One two-digit entry box (mask "##", blank "_"). Entering it by a click anywhere, Tab or the automatic
// move selects its whole content, so typing replaces what it held; the cursor never rests after a blank
// slot, so a digit always fills the first free slot.
class EntryBox : public QLineEdit {
  public:
    // A box of `digits` slots (the draw's numbers have two).
    explicit EntryBox(QWidget* parent = nullptr, int digits = 2);

    // Every slot holds a digit.
    bool complete() const;

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void keepCursorBeforeBlank();
};

// The seven entry boxes MaskEdBox1_1..7: a complete box 1..6 moves the focus to the next box; a complete
// box 7 hands the typed draw over, and so does the box a refusal named when it alone is typed again. While the suppress
// flag is set (from clearing the boxes after a stored draw until the next key press) changes do neither.
class ManualEntryRow : public QWidget {
    Q_OBJECT
  public:
    explicit ManualEntryRow(QWidget* parent = nullptr);

    EntryBox* box(int index) const { return m_boxes.at(static_cast<std::size_t>(index - 1)); }
    // The digits typed in boxes 1..7; a box with a blank slot gives an empty text.
    std::array<std::string, 7> typedTexts() const;
    // Empties every box without handing anything over and gives box 1 the focus.
    void clearAndRestart();
    // Gives a box the focus with its text selected, so that typing replaces it.
    void focusBox(int index);
    // After a refused draw: the named box gets the focus with its text selected; once it is typed again the
    // draw is handed over, unless another box is typed first.
    void refuse(int index);

  signals:
    void drawTyped();

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The texts of the controls in the language now in use.
    void retranslate();

    void boxChanged(int index);

    std::array<EntryBox*, 7> m_boxes{};
    bool m_suppress = false;
    int m_refused = 0; // the box the last refusal named, while it is the one being typed
    TranslatedTexts m_texts{"quorvel::ManualEntryRow"};
};

} // namespace quorvel
