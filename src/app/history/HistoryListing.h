// SPDX-License-Identifier: MIT
#pragma once

#include "model/Message.h"

#include "model/Draw.h"

#include <string>
#include <vector>

namespace quorvel {

// AddHaoma: the history list (MSFlexGrid1) as texts computed on demand. Grid row 0 is the header row
// (期号, 落1码 .. 落6码, 特码), grid row r >= 1 the r-th draw in issue order with its numbers in drawn order.
class HistoryListing {
  public:
    static constexpr int kColumnCount = 8;
    // With this many grid rows or more the list scrolls so that the latest draw is in view.
    static constexpr int kScrollRows = 40;

    HistoryListing() = default;
    explicit HistoryListing(std::vector<Draw> draws) : m_draws(std::move(draws)) {}

    int drawCount() const { return static_cast<int>(m_draws.size()); }
    int gridRows() const { return drawCount() + 1; }
    bool scrollsToLatest() const { return gridRows() >= kScrollRows; }

    static Message headerText(int column);
    static int columnWidthTwips(int column);
    // The text of draw index 0..drawCount()-1 in a column: the issue, then the numbers without leading zero.
    std::string cellText(int drawIndex, int column) const;

    const std::vector<Draw>& draws() const { return m_draws; }

  private:
    std::vector<Draw> m_draws;
};

} // namespace quorvel
