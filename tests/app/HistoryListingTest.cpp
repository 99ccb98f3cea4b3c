// SPDX-License-Identifier: MIT
#include "app/history/HistoryListing.h"

#include "TempFolder.h"
#include "app/history/NextIssueDisplay.h"
#include "model/DrawRecord.h"
#include "store/HistoryStore.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(HistoryListing, RowsInIssueOrderWithPlainNumbers) {
    test::TempFolder folder;
    HistoryStore store(folder / "quorvel.db");
    store.append({deriveRecord(Draw{2013017, {23, 5, 49, 12, 31, 8, 40}}, ParameterBases{}),
                  deriveRecord(Draw{2013002, {1, 2, 3, 4, 5, 6, 7}}, ParameterBases{})});
    HistoryListing listing = HistoryListing(store.draws());
    ASSERT_EQ(listing.gridRows(), 3);
    EXPECT_EQ(listing.cellText(0, 0), "2013002");
    std::vector<std::string> row;
    for (int c = 0; c < HistoryListing::kColumnCount; ++c)
        row.push_back(listing.cellText(1, c));
    EXPECT_EQ(row, (std::vector<std::string>{"2013017", "23", "5", "49", "12", "31", "8", "40"}));
    EXPECT_EQ(HistoryListing::headerText(0).english(), "期号");
    EXPECT_EQ(HistoryListing::headerText(1).english(), "落1码");
    EXPECT_EQ(HistoryListing::headerText(7).english(), "特码");
    EXPECT_EQ(HistoryListing::columnWidthTwips(0), 820);
    EXPECT_EQ(HistoryListing::columnWidthTwips(7), 600);
}

TEST(HistoryListing, ScrollsToTheLatestFrom40GridRows) {
    EXPECT_FALSE(HistoryListing(std::vector<Draw>(38)).scrollsToLatest());
    EXPECT_TRUE(HistoryListing(std::vector<Draw>(39)).scrollsToLatest());
}

TEST(NextIssueDisplay, FollowsTheLatestIssueOrTheCurrentYear) {
    NextIssueDisplay after = nextIssueDisplay(2013151, 2020);
    EXPECT_EQ(after.nextIssue, 2013152);
    EXPECT_EQ(after.nextIssueText, "2013152");
    EXPECT_EQ(after.endIssue, "2013151");
    EXPECT_EQ(after.referenceIssue, "2013151");

    NextIssueDisplay empty = nextIssueDisplay(std::nullopt, 2014);
    EXPECT_EQ(empty.nextIssueText, "2014001");
    EXPECT_EQ(empty.nextIssue, 2014001); // the first draw goes under the issue Text1 shows
    EXPECT_FALSE(empty.endIssue);
    EXPECT_EQ(empty.referenceIssue, "0");
}

} // namespace quorvel
