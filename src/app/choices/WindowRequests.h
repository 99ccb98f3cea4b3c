// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/AnalysisRequest.h"
#include "app/choices/CombinationBoxLayout.h"
#include "app/choices/SearchRequestBuilder.h"
#include "model/Message.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// The window's analysis controls as they stand when a button is pressed.
struct AnalysisChoices {
    AttributeKind kind = AttributeKind::Number;
    NumberOrder order = NumberOrder::Drawn;
    bool fixedPositions = false;                     // 固定位 selected (Option1_0); otherwise free positions
    bool includeSpecial = false;                     // 自由位计特码 (Check2), read also while it is hidden
    std::array<bool, 7> selected{};                  // the position boxes of the active tab
    std::array<std::string, 7> texts;                // the position texts of the active tab
    std::array<int, 7> values{};                     // the position-search state's values
    std::string startText;                           // Text3_0
    std::string endText;                             // Text3_1
    bool regularOnly = false;                        // 平码 (Option6_1)
    int partSize = 2;                                // the part size in force (分部位数)
    std::string partSizeText;                        // Combo1's text, ends a partial search's label
    std::array<bool, kCombinationBoxCount> ticked{}; // Check6_1..49
    int groupSize = 2;                               // the group size in force (组合位数)
    GapStart gapsFrom = GapStart::History;           // 遗漏从起始期计 (chkGapFromRange) ticked: Range
    ParameterBases bases;
};

// The issue range of the range boxes, or why there is none.
struct RangeReading {
    std::optional<IssueRange> range;
    Message problem; // names the box and what to type; empty when the range was read
};

// Turns the window's choices into the requests of the three analyses. The range is what the two range
// boxes say; a box that does not hold an issue number gives no range, and no analysis may run.
class WindowRequests {
  public:
    explicit WindowRequests(AnalysisChoices choices);

    const RangeReading& range() const { return m_range; }

    // 检索: the ticked positions of the active tab with the search values; the label texts in free mode.
    PositionSearchRequest positionSearch() const;
    // Why 检索 may not run: the first ticked position whose box holds no value, named as the window shows it
    // (searching it would look for whatever value the box held before). Empty when every ticked box holds one.
    Message positionSearchRefusal() const;
    // 分部检索: every position of 平码 or 平特 takes part; the position boxes are not read.
    PartialSearchRequest partialSearch() const;
    // 分组计算: the ticked boxes (those beyond the kind's box count are left to the plan to ignore).
    GroupRequest group() const;

  private:
    IssueRange rangeOrEmpty() const;
    SearchChoice searchChoice() const;

    AnalysisChoices m_choices;
    RangeReading m_range;
};

} // namespace quorvel
