// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>
#include <string>

class QLineEdit;

namespace quorvel {

// The seven two-digit entry boxes MaskEdBox1_1..7 (mask "##", blank "_"): two digits in boxes 1..6 move
// the focus to the next box; a complete box 7 hands the typed draw over. While the suppress flag is set
// (from clearing the boxes after a stored draw until the next key press) changes do neither.
class ManualEntryRow : public QWidget {
    Q_OBJECT
  public:
    explicit ManualEntryRow(QWidget* parent = nullptr);

    QLineEdit* box(int index) const { return m_boxes.at(static_cast<std::size_t>(index - 1)); }
    // The digits typed in boxes 1..7, without the mask's blanks.
    std::array<std::string, 7> typedTexts() const;
    // Empties every box without handing anything over and gives box 1 the focus.
    void clearAndRestart();

  signals:
    void drawTyped();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void boxChanged(int index);

    std::array<QLineEdit*, 7> m_boxes{};
    bool m_suppress = false;
};

} // namespace quorvel
