// SPDX-License-Identifier: MIT
#include "app/Workspace.h"

#include "TempFolder.h"
#include "model/Error.h"

#include <gtest/gtest.h>

namespace quorvel {

namespace {

class WorkspaceTest : public ::testing::Test {
  protected:
    test::TempFolder folder;
    MemorySettingsStore settingsStore;
    FixedClock clock{2014};
    Workspace workspace{folder / "data", settingsStore, clock};

    std::vector<int> issues() {
        std::vector<int> result;
        for (const auto& r : workspace.store().readAll())
            result.push_back(r.issue);
        return result;
    }
};

} // namespace

TEST_F(WorkspaceTest, ImportReplacesTheHistoryOnlyWhenTheFileIsRead) {
    workspace.addDraw(2013001, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_THROW(workspace.importHistoryFile(folder / "missing.txt"), Error);
    EXPECT_THROW(workspace.importHistoryFile(folder.write("h.csv", "2013017 23 05 49 12 31 08 40\r\n")), Error);
    EXPECT_EQ(issues(), (std::vector<int>{2013001}));
    EXPECT_NO_THROW(workspace.importHistoryFile(folder.write("UPPER.TXT", "2013017 23 05 49 12 31 08 40\r\n")));

    auto file = folder.write("h.txt", "2013017 23 05 49 12 31 08 40\r\n01 02 03\r\n08 09 10 11 12 13 14\r\n");
    ImportResult result = workspace.importHistoryFile(file);
    EXPECT_EQ(result.imported, 2);
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].line, 2);
    EXPECT_EQ(issues(), (std::vector<int>{2013017, 2013019}));
}

TEST_F(WorkspaceTest, AddTakesTheNextIssue) {
    EXPECT_EQ(workspace.nextIssue(), 2014001);
    AddResult first = workspace.addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(first.issue, 2014001);
    EXPECT_EQ(first.idx, 1);
    workspace.addDraw(2013152, {1, 2, 3, 4, 5, 6, 7});
    AddResult next = workspace.addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 8});
    EXPECT_EQ(next.issue, 2014002);
    EXPECT_EQ(next.idx, 3);
    EXPECT_EQ(issues(), (std::vector<int>{2013152, 2014001, 2014002}));
    EXPECT_THROW(workspace.addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 50}), Error);
    EXPECT_THROW(workspace.addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 6}), Error);
    EXPECT_EQ(workspace.store().count(), 3);
}

TEST_F(WorkspaceTest, OverriddenBasesAreUsedButNotSaved) {
    workspace.overrideBases(ParameterBases{0, 1, 1});
    workspace.addDraw(2013017, {23, 5, 49, 12, 31, 8, 40});
    EXPECT_EQ(workspace.store().latest()->drawn[0].zodiac, 7);
    EXPECT_EQ(workspace.settings().bases(), (ParameterBases{1, 1, 1}));
    EXPECT_FALSE(settingsStore.read("SxIni"));
}

} // namespace quorvel

namespace quorvel {

// A store that never recorded its bases takes the settings in force when it is first opened, so an existing
// user sees no false warning; a base changed later shows until the draws are derived again, also after a draw
// was added with the new base (the older rows still carry the old codes).
TEST(WorkspaceBases, AStoreWithoutARecordTakesTheSettingsAndAChangeShowsUntilRebuilt) {
    test::TempFolder folder;
    MemorySettingsStore settingsStore;
    FixedClock clock{2014};
    settingsStore.write("SxIni", "0");
    {
        Workspace old(folder / "data", settingsStore, clock);
        old.addDraw(2013017, {23, 5, 49, 12, 31, 8, 40});
        old.store().database().exec("DROP TABLE DerivedBases");
    }
    Workspace workspace(folder / "data", settingsStore, clock);
    EXPECT_EQ(workspace.store().derivedBases(), (ParameterBases{0, 1, 1}));
    EXPECT_FALSE(workspace.storedBasesMismatch());

    workspace.settings().set(Setting::SxIni, "1");
    workspace.addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 7});
    auto mismatch = workspace.storedBasesMismatch();
    ASSERT_TRUE(mismatch);
    EXPECT_EQ(mismatch->stored, (ParameterBases{0, 1, 1}));
    EXPECT_EQ(mismatch->settings, (ParameterBases{1, 1, 1}));

    MaintenanceResult rebuilt = workspace.rebuildHistory();
    EXPECT_EQ(rebuilt.remaining, 2);
    EXPECT_TRUE(rebuilt.backup);
    EXPECT_FALSE(workspace.storedBasesMismatch());
    EXPECT_EQ(workspace.store().first()->drawn[0].zodiac, 8); // 23 in 2013: 7 under base 0

    workspace.clearHistory(); // an empty history matches any bases
    workspace.settings().set(Setting::SxIni, "0");
    EXPECT_FALSE(workspace.storedBasesMismatch());
}

} // namespace quorvel
