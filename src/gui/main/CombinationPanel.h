// SPDX-License-Identifier: MIT
#pragma once

#include "app/choices/CombinationSelection.h"
#include "gui/shell/TranslatedTexts.h"

#include <QWidget>

#include <array>
#include <optional>
#include <utility>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace quorvel {

// The frame 组合检索 (Frame6): the 49 combination boxes Check6_1..49 laid out per attribute kind, the bulk
// buttons 全选/清空/反选 with the recount in Text5, the group size Combo2, the choice 不限组数 and the button
// 分组计算.
class CombinationPanel : public QWidget {
    Q_OBJECT
  public:
    explicit CombinationPanel(QWidget* parent = nullptr);

    // Shows the kind's boxes with their captions (生肖 and 波色 with their numbers in the zodiac year of the
    // next issue as tips) and hides the others; ticks stay, Text5 counts the kind's ticked boxes.
    void layoutFor(AttributeKind kind, const ParameterBases& bases, int nextIssue);

    BoxTicks ticks() const;
    // Ticks exactly the given boxes and clears the others; Text5 counts them.
    void setTicks(const BoxTicks& ticks);
    // The kind the boxes were last laid out for.
    AttributeKind kind() const { return m_kind; }
    // Places a row of controls (the selections) between the boxes and the bulk buttons.
    void addRow(QWidget* row);
    // Takes Combo2's text as the group size; a text that is not a number keeps the previous size and says so.
    int applyGroupSize();
    // Shows the saved group size without signalling it.
    void showGroupSize(int size);
    // 不限组数 (chkNoLimit): the group calculation without its size limits.
    bool noLimit() const;
    // Shows the saved choice of 不限组数 without signalling it.
    void showNoLimit(bool ticked);

  signals:
    void statusMessage(const QString& text);
    // The boxes were laid out for a kind, a zodiac year or a language.
    void laidOut();
    // 分组计算 (Command5) was pressed.
    void groupRequested();
    // The user ticked or cleared 不限组数.
    void noLimitChosen(bool ticked);
    // A group size other than the one in force was taken from Combo2.
    void groupSizeChosen(int size);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The texts of the controls in the language now in use.
    void retranslate();

    void bulkChange(BulkChange change);
    void recount();

    std::array<QCheckBox*, kCombinationBoxCount> m_boxes{};
    QVBoxLayout* m_frameLayout = nullptr;
    AttributeKind m_kind = AttributeKind::Number;
    // The last layout's bases and next issue, so that the boxes' captions and tips can be said again in another
    // language.
    std::optional<std::pair<ParameterBases, int>> m_laidOut;
    QLineEdit* m_count = nullptr; // Text5
    QComboBox* m_size = nullptr;  // Combo2
    int m_groupSize = 2;
    QPushButton* m_group = nullptr; // Command5
    QCheckBox* m_noLimit = nullptr; // chkNoLimit
    TranslatedTexts m_texts{"quorvel::CombinationPanel"};
};

} // namespace quorvel
