// SPDX-License-Identifier: MIT
#include "app/choices/PositionSearchState.h"

#include "TempFolder.h"
#include "model/DrawRecord.h"
#include "store/HistoryStore.h"

#include <gtest/gtest.h>

namespace quorvel {

namespace {

using Texts = std::array<std::string, 7>;

// The draws of a store, as the workspace looks them up.
class StoreLookup : public StoredDrawLookup {
  public:
    explicit StoreLookup(const HistoryStore& store) : m_store(store) {}
    std::optional<DrawRecord> first() const override { return m_store.first(); }
    std::optional<DrawRecord> latest() const override { return m_store.latest(); }
    std::optional<DrawRecord> latestNotAfter(int issue) const override { return m_store.latestNotAfter(issue); }

  private:
    const HistoryStore& m_store;
};

class PositionSearchStateTest : public ::testing::Test {
  protected:
    test::TempFolder folder;
    HistoryStore historyStore{folder / "quorvel.db"};
    StoreLookup store{historyStore};
    PositionSearchState state;

    void SetUp() override {
        historyStore.append({deriveRecord(Draw{2013048, {9, 3, 5, 7, 11, 13, 15}}, ParameterBases{}),
                             deriveRecord(Draw{2013050, {23, 5, 49, 12, 31, 8, 40}}, ParameterBases{}),
                             deriveRecord(Draw{2013052, {1, 2, 3, 4, 5, 6, 7}}, ParameterBases{})});
    }

    SearchChoices reference(const std::string& issue, bool onlyBefore) {
        SearchChoices choices;
        choices.referenceTab = true;
        choices.referenceIssueText = issue;
        choices.onlyBefore = onlyBefore;
        return choices;
    }
};

} // namespace

TEST_F(PositionSearchStateTest, ReferenceDrawIsTheLatestNotAfterTheIssue) {
    struct Case {
        std::string issue;
        bool onlyBefore;
        int endIssue;
        std::string firstShown;
    } cases[] = {
        {"2013050", false, 2013052, "23"},  {"2013050", true, 2013049, "23"}, // a stored issue
        {"2013051", false, 2013052, "23"},  {"2013051", true, 2013049, "23"}, // a missing issue
        {" 2014001 ", false, 2013052, "1"}, {"2014001", true, 2013051, "1"},  // after the latest
    };
    for (const Case& c : cases) {
        RefreshOutcome outcome = state.refresh(store, reference(c.issue, c.onlyBefore));
        EXPECT_TRUE(outcome.problem.empty()) << c.issue;
        EXPECT_EQ(outcome.endIssue, c.endIssue) << c.issue << " " << c.onlyBefore;
        ASSERT_TRUE(outcome.shownValues) << c.issue;
        EXPECT_EQ((*outcome.shownValues)[0], c.firstShown) << c.issue;
        EXPECT_FALSE(state.manualValues());
    }
}

TEST_F(PositionSearchStateTest, ReferenceValuesFollowKindAndOrder) {
    SearchChoices choices = reference("2013050", false);
    choices.order = NumberOrder::Sorted;
    EXPECT_EQ(*state.refresh(store, choices).shownValues, (Texts{"5", "8", "12", "23", "31", "49", "40"}));
    EXPECT_EQ(state.values(), (std::array<int, 7>{5, 8, 12, 23, 31, 49, 40}));
    EXPECT_EQ(state.prefix(), 'D');

    choices.order = NumberOrder::Drawn;
    choices.kind = AttributeKind::Colour;
    EXPECT_EQ(*state.refresh(store, choices).shownValues, (Texts{"红", "绿", "绿", "红", "蓝", "红", "红"}));
    choices.kind = AttributeKind::Parity;
    EXPECT_EQ(*state.refresh(store, choices).shownValues, (Texts{"单", "单", "单", "双", "单", "双", "双"}));
    EXPECT_EQ(state.values(), (std::array<int, 7>{1, 1, 1, 0, 1, 0, 0}));
}

TEST_F(PositionSearchStateTest, WithoutReferenceDrawEverythingIsKept) {
    state.refresh(store, reference("2013050", false));
    const auto before = state.values();
    for (const char* issue : {"2013001", "abc", ""}) {
        RefreshOutcome outcome = state.refresh(store, reference(issue, true));
        EXPECT_FALSE(outcome.problem.empty()) << issue;
        EXPECT_FALSE(outcome.endIssue);
        EXPECT_FALSE(outcome.shownValues);
        EXPECT_EQ(state.values(), before);
    }
    EXPECT_NE(state.refresh(store, reference("2013001", true)).problem.english().find("first stored issue is 2013048"),
              std::string::npos);
    HistoryStore emptyStore(folder / "empty.db");
    StoreLookup empty(emptyStore);
    EXPECT_NE(state.refresh(empty, reference("2013050", false)).problem.english().find("history is empty"),
              std::string::npos);
}

TEST_F(PositionSearchStateTest, ManualTabTakesTheTypedNumbersAndKeepsTheRest) {
    SearchChoices choices;
    choices.order = NumberOrder::Sorted;
    choices.typedTexts = {"5", "-3", "", "x", " 12 ", "7", "49"};
    EXPECT_TRUE(state.refresh(store, choices).problem.empty());
    EXPECT_TRUE(state.manualValues());
    EXPECT_EQ(state.prefix(), 'D');
    EXPECT_EQ(state.values(), (std::array<int, 7>{5, -3, 0, 0, 12, 7, 49}));
    state.setTypedValue(3, "8");
    state.setTypedValue(1, "five");
    EXPECT_EQ(state.values(), (std::array<int, 7>{5, -3, 8, 0, 12, 7, 49}));
}

} // namespace quorvel
