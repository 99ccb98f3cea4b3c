// SPDX-License-Identifier: MIT
#pragma once

#include "app/CombinationBoxLayout.h"

#include <QWidget>

#include <array>

class QCheckBox;

namespace quorvel {

// The frame 组合检索 (Frame6): the 49 combination boxes Check6_1..49 laid out per attribute kind, with the
// group calculation's controls beside them.
class CombinationPanel : public QWidget {
  public:
    explicit CombinationPanel(QWidget* parent = nullptr);

    // Shows the kind's boxes with their captions and hides the others; ticks stay as they are.
    void layoutFor(AttributeKind kind, const ParameterBases& bases);

  private:
    std::array<QCheckBox*, kCombinationBoxCount> m_boxes{};
};

} // namespace quorvel
