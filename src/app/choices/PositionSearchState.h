// SPDX-License-Identifier: MIT
#pragma once

#include "model/AttributeKind.h"
#include "model/DrawRecord.h"
#include "model/Message.h"
#include "model/NumberOrder.h"
#include "model/ParameterBases.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The stored draws a refresh of the reference values reads: the workspace reads them from its store.
class StoredDrawLookup {
  public:
    virtual ~StoredDrawLookup() = default;
    virtual std::optional<DrawRecord> first() const = 0;
    virtual std::optional<DrawRecord> latest() const = 0;
    // The latest stored draw whose issue is not after `issue`.
    virtual std::optional<DrawRecord> latestNotAfter(int issue) const = 0;
};

// The window's choices a refresh of the search values reads, as its controls show them.
struct SearchChoices {
    bool referenceTab = false; // tab 历史指定期 selected (values from a stored draw), else 手动输入号
    AttributeKind kind = AttributeKind::Number;
    NumberOrder order = NumberOrder::Drawn;
    ParameterBases bases;
    std::array<std::string, 7> typedTexts; // the typed values of positions 1..7 (Text22)
    std::string referenceIssueText;        // the reference issue (Text4)
    bool onlyBefore = false;               // search only the draws before the reference draw (Check4)
};

// What a refresh changed on the window; nothing in a field means that control keeps its text.
struct RefreshOutcome {
    std::optional<int> endIssue;                           // the end of the search range (Text3(1))
    std::optional<std::array<std::string, 7>> shownValues; // the reference draw's values as shown (Text2)
    Message problem; // why the reference draw could not be refreshed (everything was kept)
};

// The position-search state: whether the values come from the typed boxes, the number order (position-field
// prefix "L" or "D") and the seven values a position search looks for.
class PositionSearchState {
  public:
    bool manualValues() const { return m_manualValues; }
    NumberOrder order() const { return m_order; }
    char prefix() const { return positionPrefix(m_order); }
    const std::array<int, 7>& values() const { return m_values; }

    // The reset from the manual tab: values from the typed texts; a text that is not a number keeps its value.
    void resetFromManualTab(NumberOrder order, const std::array<std::string, 7>& typedTexts);

    // After an online update: only where the values come from (the typed boxes unless the reference tab is
    // selected) and the number order follow the window's choices; the values stay.
    void followChoices(const SearchChoices& choices);

    // A typed box of position 1..7 was left: its value, when the text is a number.
    void setTypedValue(int position, std::string_view text);

    // YSJS: the reference draw is the latest stored draw whose issue is not after the reference issue; its
    // values of the chosen kind and order become the search values. The end issue is the latest stored
    // issue, or with onlyBefore the reference draw's issue - 1. Without a reference draw nothing changes
    // and the outcome says why.
    RefreshOutcome refreshReference(const StoredDrawLookup& stored, const SearchChoices& choices);

    // The tab-dependent refresh: YSJS on the reference tab, the reset from the manual tab otherwise.
    RefreshOutcome refresh(const StoredDrawLookup& stored, const SearchChoices& choices);

  private:
    bool m_manualValues = true;
    NumberOrder m_order = NumberOrder::Drawn;
    std::array<int, 7> m_values{};
};

// The whole-number value of a typed text (spaces around it ignored), or nothing when it is not one.
std::optional<int> typedNumber(std::string_view text);

} // namespace quorvel
