// SPDX-License-Identifier: MIT
#include "maintain/HistoryMaintenance.h"

#include "TempFolder.h"
#include "model/Error.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorvel {

namespace {

using Snapshot = std::vector<std::vector<std::pair<std::string, FieldValue>>>;

const std::vector<Draw> kDraws{{2013152, {1, 2, 3, 4, 5, 6, 7}},
                               {2013153, {8, 9, 10, 11, 12, 13, 14}},
                               {2014001, {15, 16, 17, 18, 19, 20, 21}},
                               {2014002, {22, 23, 24, 25, 26, 27, 28}}};

class HistoryMaintenanceTest : public ::testing::Test {
  protected:
    test::TempFolder folder;
    HistoryStore store{folder / "quorvel.db"};

    void fill(const std::vector<Draw>& draws = kDraws) {
        std::vector<DrawRecord> records;
        for (const Draw& draw : draws)
            records.push_back(deriveRecord(draw, ParameterBases{}));
        store.replaceAll(records);
    }
    HistoryMaintenance maintenance(ParameterBases bases = {}, RowDeriver derive = deriveInIssueYear) {
        return HistoryMaintenance(store, folder.path(), bases, std::move(derive));
    }
    // The issues in IDX order, after checking that IDX runs 1..n.
    std::vector<int> issues() {
        std::vector<int> result;
        for (const DrawRecord& record : store.readAll()) {
            EXPECT_EQ(record.idx, static_cast<int>(result.size()) + 1);
            result.push_back(record.issue);
        }
        return result;
    }
    Snapshot snapshot() {
        Snapshot rows;
        for (const DrawRecord& record : store.readAll())
            rows.push_back(*store.rowFields(record.issue));
        return rows;
    }
};

} // namespace

TEST_F(HistoryMaintenanceTest, ShorteningKeepsExactlyTheOldestDrawsAndWritesTheBackup) {
    struct Case {
        std::function<MaintenanceResult(HistoryMaintenance&)> run;
        std::vector<int> kept;
    };
    const std::vector<Case> cases{
        {[](auto& m) { return m.deleteLatestDraws(3); }, {2013152}}, // across the turn of the year
        {[](auto& m) { return m.deleteLatestDraws(1); }, {2013152, 2013153, 2014001}},
        {[](auto& m) { return m.keepUntil(2014002); }, {2013152, 2013153, 2014001, 2014002}},
        {[](auto& m) { return m.keepUntil(2013999); }, {2013152, 2013153}},
        {[](auto& m) { return m.keepUntil(2013153); }, {2013152, 2013153}},
        {[](auto& m) { return m.deleteLatestDraw(); }, {2013152, 2013153, 2014001}},
        {[](auto& m) { return m.compact(); }, {2013152, 2013153, 2014001, 2014002}},
        {[](auto& m) { return m.clear(); }, {}},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        fill();
        auto m = maintenance();
        MaintenanceResult result = cases[i].run(m);
        EXPECT_EQ(result.remaining, static_cast<int>(cases[i].kept.size()));
        EXPECT_TRUE(result.compactionProblem.empty());
        EXPECT_EQ(issues(), cases[i].kept);
    }
    fill();
    maintenance().deleteLatestDraws(2);
    EXPECT_EQ(test::readFile(folder / "lsbf.txt"),
              "2013152 01 02 03 04 05 06 07 \r\n2013153 08 09 10 11 12 13 14 \r\n");
}

TEST_F(HistoryMaintenanceTest, RebuildDerivesEveryRowAgainWithTheBasesInForce) {
    fill();
    const ParameterBases zeroBases{0, 0, 0};
    maintenance(zeroBases).keepUntil(2014002);
    std::vector<DrawRecord> rows = store.readAll();
    ASSERT_EQ(rows.size(), kDraws.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        DrawRecord expected = deriveRecord(kDraws[i], zeroBases);
        EXPECT_EQ(rows[i].drawn[0].zodiac, expected.drawn[0].zodiac);
        EXPECT_EQ(rows[i].drawn[0].zodiac, deriveRecord(kDraws[i], ParameterBases{}).drawn[0].zodiac - 1);
        EXPECT_EQ(rows[i].sorted[5].segment, expected.sorted[5].segment);
        EXPECT_EQ(rows[i].lists, expected.lists);
        EXPECT_EQ(rows[i].previousLists, i == 0 ? decltype(expected.lists){} : rows[i - 1].lists);
    }
}

TEST_F(HistoryMaintenanceTest, DeletingTheLatestDrawTwiceKeepsTheOtherRowsAsStored) {
    fill();
    Snapshot before = snapshot();
    maintenance().deleteLatestDraw();
    maintenance().deleteLatestDraw();
    EXPECT_EQ(snapshot(), Snapshot(before.begin(), before.begin() + 2));
}

TEST_F(HistoryMaintenanceTest, RefusalsAndFailuresLeaveTheHistoryAsItWas) {
    auto failOnThird = [calls = 0](const Draw& draw, const ParameterBases& bases) mutable {
        if (++calls == 3) throw Error("injected failure");
        return deriveRecord(draw, bases);
    };
    struct Case {
        std::function<void(HistoryMaintenance&)> run;
        std::string message;
        std::function<void()> prepare = [] {};
    };
    const std::vector<Case> cases{
        {[](auto& m) { m.deleteLatestDraws(0); }, "at least 1, not 0; nothing was changed"},
        {[](auto& m) { m.deleteLatestDraws(-2); }, "at least 1, not -2"},
        {[](auto& m) { m.deleteLatestDraws(4); }, "would delete all 4 stored draws and keep none; nothing was changed"},
        {[](auto& m) { m.deleteLatestDraws(99); }, "To delete every draw, clear the history instead"},
        {[](auto& m) { m.keepUntil(0); }, "has seven digits (year and sequence, e.g. 2014016), not 0; nothing was"},
        {[](auto& m) { m.keepUntil(201401); }, "has seven digits"},
        {[](auto& m) { m.keepUntil(2013151); }, "would keep none; nothing was changed. To delete every draw, clear"},
        {[](auto& m) { m.keepUntil(2014001); }, "injected failure"},
        {[](auto& m) { m.deleteLatestDraws(1); }, "injected failure"},
        {[](auto& m) { m.keepUntil(2014001); }, "lsbf.txt",
         [this] { std::filesystem::create_directory(folder / "lsbf.txt"); }},
        // An issue that is not seven digits long would come back from lsbf.txt as another draw.
        {[](auto& m) { m.deleteLatestDraws(1); }, "cannot be read back",
         [this] {
             store.append({deriveRecord(Draw{12345, {1, 2, 3, 4, 5, 6, 7}}, ParameterBases{})});
         }},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        std::filesystem::remove_all(folder / "lsbf.txt");
        fill();
        cases[i].prepare();
        Snapshot before = snapshot();
        auto m = maintenance(ParameterBases{0, 0, 0}, failOnThird);
        try {
            cases[i].run(m);
            ADD_FAILURE() << "not refused";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find(cases[i].message), std::string::npos) << e.what();
        }
        EXPECT_EQ(snapshot(), before);
    }

    store.deleteAll();
    EXPECT_THROW(maintenance().deleteLatestDraw(), Error);
    EXPECT_THROW(maintenance().deleteLatestDraws(1), Error);
    EXPECT_THROW(maintenance().keepUntil(2014001), Error);
    EXPECT_EQ(maintenance().clear().remaining, 0); // clearing an empty history is no fault
}

} // namespace quorvel
