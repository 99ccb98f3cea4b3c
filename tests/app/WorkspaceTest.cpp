// SPDX-License-Identifier: MIT
#include "app/Workspace.h"

#include "TempFolder.h"
#include "model/Error.h"
#include "model/PathText.h"
#include "store/HistoryStore.h"
#include "store/StoreConnection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

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
        for (const auto& r : workspace.history().records())
            result.push_back(r.issue);
        return result;
    }
};

} // namespace

TEST_F(WorkspaceTest, ImportReplacesTheHistoryOnlyWhenTheFileIsRead) {
    workspace.history().addDraw(2013001, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_THROW(workspace.history().importHistoryFile(folder / "missing.txt"), Error);
    EXPECT_THROW(workspace.history().importHistoryFile(folder.write("h.csv", "2013017 23 05 49 12 31 08 40\r\n")),
                 Error);
    EXPECT_EQ(issues(), (std::vector<int>{2013001}));
    EXPECT_NO_THROW(
        workspace.history().importHistoryFile(folder.write("UPPER.TXT", "2013017 23 05 49 12 31 08 40\r\n")));

    auto file = folder.write("h.txt", "2013017 23 05 49 12 31 08 40\r\n01 02 03\r\n08 09 10 11 12 13 14\r\n");
    ImportResult result = workspace.history().importHistoryFile(file);
    EXPECT_EQ(result.imported, 2);
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].line, 2);
    EXPECT_EQ(issues(), (std::vector<int>{2013017, 2013019}));
}

TEST_F(WorkspaceTest, AddTakesTheNextIssue) {
    EXPECT_EQ(workspace.history().nextIssue(), 2014001);
    AddResult first = workspace.history().addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(first.issue, 2014001);
    EXPECT_EQ(first.idx, 1);
    workspace.history().addDraw(2013152, {1, 2, 3, 4, 5, 6, 7}, AddPlace::AmongStored);
    AddResult next = workspace.history().addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 8});
    EXPECT_EQ(next.issue, 2014002);
    EXPECT_EQ(next.idx, 3);
    EXPECT_EQ(issues(), (std::vector<int>{2013152, 2014001, 2014002}));
    EXPECT_THROW(workspace.history().addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 50}), Error);
    EXPECT_THROW(workspace.history().addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 6}), Error);
    EXPECT_EQ(workspace.history().drawCount(), 3);
}

TEST_F(WorkspaceTest, OverriddenBasesAreUsedButNotSaved) {
    workspace.overrideBases(ParameterBases{0, 1, 1});
    workspace.history().addDraw(2013017, {23, 5, 49, 12, 31, 8, 40});
    EXPECT_EQ(workspace.history().records().back().drawn[0].zodiac, 7);
    EXPECT_EQ(workspace.settings().bases(), (ParameterBases{1, 1, 1}));
    EXPECT_FALSE(settingsStore.read("SxIni"));
}

TEST_F(WorkspaceTest, ABurstOfImportsKeepsTheLatestTenReplacedHistories) {
    std::vector<ImportResult> results;
    for (int year = 2000; year < 2025; ++year)
        results.push_back(workspace.history().importHistoryFile(
            folder.write("h.txt", std::to_string(year) + "001 01 02 03 04 05 06 07\r\n")));
    std::vector<int> kept;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "data" / "backup")) {
        HistoryText copy = readHistoryTextFile(entry.path());
        ASSERT_EQ(copy.draws.size(), 1u) << entry.path();
        kept.push_back(copy.draws[0].issue);
    }
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<int>{2014001, 2015001, 2016001, 2017001, 2018001, 2019001, 2020001, 2021001, 2022001,
                                      2023001}));
    // Every copy named by the latest imports exists, and each brings its history back.
    for (std::size_t i = results.size() - 10; i < results.size(); ++i) {
        ASSERT_TRUE(results[i].backup);
        workspace.history().importHistoryFile(*results[i].backup);
        EXPECT_EQ(issues(), (std::vector<int>{2000001 + static_cast<int>(i - 1) * 1000}));
    }
}

TEST_F(WorkspaceTest, ImportRefusesIssuesACopyCannotCarryAndNeverReplacesSuchAHistory) {
    ImportResult result = workspace.history().importHistoryFile(folder.write(
        "h.txt", "0201301 01 02 03 04 05 06 07\r\n2001000 01 02 03 04 05 06 07\r\n2013001 01 02 03 04 05 06 07\r\n"
                 "2013001 08 09 10 11 12 13 14\r\n"));
    EXPECT_EQ(result.imported, 2);
    ASSERT_EQ(result.skipped.size(), 2u);
    EXPECT_NE(result.skipped[0].reason.english().find("is not a draw's issue"), std::string::npos);
    EXPECT_NE(result.skipped[1].reason.english().find("sequence 000"), std::string::npos);
    EXPECT_EQ(result.duplicateIssues, 1);

    // A history holding an issue that a copy cannot carry is not replaced: its copy would not restore it.
    HistoryStore(workspace.storeFile()).append({deriveRecord(Draw{12345, {1, 2, 3, 4, 5, 6, 7}}, ParameterBases{})});
    const std::string bytes = test::readFile(folder / "data" / "quorvel.db");
    try {
        workspace.history().importHistoryFile(folder.write("g.txt", "2014001 01 02 03 04 05 06 07\r\n"));
        ADD_FAILURE() << "replaced";
    } catch (const Error& e) {
        for (const char* part : {"would not restore the history", "nothing was changed", "move quorvel.db out"})
            EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << e.what();
    }
    EXPECT_EQ(issues(), (std::vector<int>{12345, 2013001, 2013001}));
    EXPECT_EQ(test::readFile(folder / "data" / "quorvel.db"), bytes);
    EXPECT_TRUE(std::filesystem::is_empty(folder / "data" / "backup")) << "the copy that cannot restore is removed";
}

TEST_F(WorkspaceTest, ConcurrentAddsEachTakeTheirOwnNextIssue) {
    std::vector<std::thread> writers;
    std::atomic<int> failures = 0;
    for (int w = 0; w < 4; ++w)
        writers.emplace_back([&] {
            MemorySettingsStore settings;
            Workspace own{folder / "data", settings, clock};
            for (int i = 0; i < 20; ++i) {
                try {
                    own.history().addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 7});
                } catch (const Error&) {
                    ++failures;
                }
            }
        });
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(failures, 0);
    std::vector<int> expected;
    for (int i = 1; i <= 80; ++i)
        expected.push_back(2014000 + i);
    EXPECT_EQ(issues(), expected);
}

} // namespace quorvel

namespace quorvel {

// A store that never recorded its bases takes the settings in force when it is first opened, so an existing
// user sees no false warning; a base changed later shows until the draws are derived again, also after a draw
// was added with the new base (the older rows still carry the old codes).
TEST_F(WorkspaceTest, SubscribersHearOfEachChangeAndOfAnotherProgramsOnce) {
    std::vector<HistoryChange> heard;
    HistorySubscription subscription =
        workspace.history().subscribe([&](HistoryChange change) { heard.push_back(change); });
    workspace.history().importHistoryFile(folder.write("h.txt", "2013001 01 02 03 04 05 06 07\r\n"));
    workspace.history().addDraw(std::nullopt, {8, 9, 10, 11, 12, 13, 14});
    EXPECT_THROW(workspace.history().addDraw(2013002, {8, 9, 10, 11, 12, 13, 14}), Error); // refused: nothing to hear
    workspace.maintenance().deleteLatestDraw();
    EXPECT_EQ(workspace.history().noticeChangesElsewhere(), ChangeElsewhere::None);
    HistoryStore(workspace.storeFile()).append({deriveRecord(Draw{2013005, {1, 2, 3, 4, 5, 6, 7}}, {})});
    EXPECT_EQ(workspace.history().noticeChangesElsewhere(), ChangeElsewhere::History);
    EXPECT_EQ(workspace.history().noticeChangesElsewhere(), ChangeElsewhere::None);
    // Another program storing only its results (the group calculation's YL) is no change of the history.
    SQLite::Database(pathText(workspace.storeFile()), SQLite::OPEN_READWRITE)
        .exec("INSERT INTO YL (content) VALUES ('01 02')");
    EXPECT_EQ(workspace.history().noticeChangesElsewhere(), ChangeElsewhere::StoredResults);
    EXPECT_EQ(workspace.history().noticeChangesElsewhere(), ChangeElsewhere::None);
    workspace.maintenance().clearHistory();
    EXPECT_EQ(heard, (std::vector<HistoryChange>{HistoryChange::Changed, HistoryChange::Changed, HistoryChange::Changed,
                                                 HistoryChange::Elsewhere, HistoryChange::Cleared}));
    subscription.reset();
    workspace.history().addDraw(std::nullopt, {8, 9, 10, 11, 12, 13, 14});
    EXPECT_EQ(heard.size(), 5u);
}

TEST(WorkspaceBases, AStoreWithoutARecordTakesTheSettingsAndAChangeShowsUntilRebuilt) {
    test::TempFolder folder;
    MemorySettingsStore settingsStore;
    FixedClock clock{2014};
    settingsStore.write("SxIni", "0");
    {
        Workspace old(folder / "data", settingsStore, clock);
        old.history().addDraw(2013017, {23, 5, 49, 12, 31, 8, 40});
        HistoryStore store(old.storeFile());
        storeConnection(store).exec("DROP TABLE DerivedBases");
    }
    Workspace workspace(folder / "data", settingsStore, clock);
    EXPECT_EQ(HistoryStore(workspace.storeFile()).derivedBases(), (ParameterBases{0, 1, 1}));
    EXPECT_FALSE(workspace.storedBasesMismatch());

    workspace.settings().set(Setting::SxIni, "1");
    workspace.history().addDraw(std::nullopt, {1, 2, 3, 4, 5, 6, 7});
    auto mismatch = workspace.storedBasesMismatch();
    ASSERT_TRUE(mismatch);
    EXPECT_EQ(mismatch->stored, (ParameterBases{0, 1, 1}));
    EXPECT_EQ(mismatch->settings, (ParameterBases{1, 1, 1}));

    MaintenanceResult rebuilt = workspace.maintenance().rebuildHistory();
    EXPECT_EQ(rebuilt.remaining, 2);
    EXPECT_TRUE(rebuilt.backup);
    EXPECT_FALSE(workspace.storedBasesMismatch());
    EXPECT_EQ(workspace.history().records().front().drawn[0].zodiac, 8); // 23 in 2013: 7 under base 0

    workspace.maintenance().clearHistory(); // an empty history matches any bases
    workspace.settings().set(Setting::SxIni, "0");
    EXPECT_FALSE(workspace.storedBasesMismatch());
}

} // namespace quorvel
