// SPDX-License-Identifier: MIT
// The online update end to end below the window: pages fetched from a real HTTP server on 127.0.0.1 serving
// the real history, planned and applied by the Workspace.
#include "UpdateServer.h"
#include "app/Workspace.h"
#include "model/DrawRecord.h"
#include "platform/PageFetcher.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

namespace quorvel {

namespace {

using test::realDraws;

class OnlineUpdateTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
    }

    test::TempFolder folder;
    MemorySettingsStore settingsStore;
    FixedClock clock{2014};
    Workspace workspace{folder / "data", settingsStore, clock};
    test::UpdateServer server;

    UpdateResult update(const std::string& site, std::chrono::milliseconds timeout = PageFetcher::kDefaultTimeout) {
        UpdatePlan plan = workspace.history().planUpdate();
        return workspace.history().applyUpdate(plan, fetchYearPages(site, plan.years(), timeout));
    }
    std::vector<Draw> stored() {
        std::vector<Draw> draws;
        for (const DrawRecord& record : workspace.history().records()) {
            EXPECT_EQ(record.idx, static_cast<int>(draws.size()) + 1);
            // Each draw derived in the zodiac year of its own issue.
            EXPECT_EQ(record.lists, deriveRecord(record.draw(), workspace.bases()).lists) << record.issue;
            draws.push_back(record.draw());
        }
        return draws;
    }
};

std::vector<Draw> joined(std::initializer_list<std::vector<Draw>> parts) {
    std::vector<Draw> result;
    for (const auto& part : parts)
        result.insert(result.end(), part.begin(), part.end());
    return result;
}

std::vector<int> years(const std::vector<YearCount>& counts, bool appended = false) {
    std::vector<int> result;
    for (const YearCount& count : counts)
        result.push_back(appended ? count.appended : count.year);
    return result;
}

} // namespace

TEST_F(OnlineUpdateTest, LoadsTheYearsThePlanGivesAndAppendsOnlyNewDraws) {
    struct Case {
        const char* name;
        std::vector<Draw> before;
        bool moved; // the site redirects every page
        std::vector<int> requested;
        std::vector<Draw> after;
    };
    const std::vector<Case> cases{
        {"empty store, six years kept",
         {},
         false,
         {2008, 2009, 2010, 2011, 2012, 2013, 2014},
         realDraws(2008001, 2014999)},
        {"store ending at 2014100, through a redirect",
         realDraws(2013001, 2014100),
         true,
         {2014},
         realDraws(2013001, 2014999)},
        {"first draw 2010, last 2011",
         realDraws(2010001, 2011999),
         false,
         {2013, 2014},
         joined({realDraws(2010001, 2011999), realDraws(2013001, 2014999)})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder data;
        Workspace fresh{data.path(), settingsStore, clock};
        test::UpdateServer pages;
        if (!c.before.empty()) fresh.history().importHistoryFile(data.write("h.txt", test::historyText(c.before)));
        UpdatePlan plan = fresh.history().planUpdate();
        UpdateResult result =
            fresh.history().applyUpdate(plan, fetchYearPages(c.moved ? pages.movedSite() : pages.site(), plan.years()));
        EXPECT_EQ(pages.requested(), c.requested);
        EXPECT_EQ(years(result.years), c.requested);
        EXPECT_TRUE(result.failed.empty()) << result.failed[0].reason.english();
        EXPECT_TRUE(result.skipped.empty()) << result.skipped[0].reason.english();
        EXPECT_FALSE(result.cleared);
        EXPECT_EQ(result.appended, static_cast<int>(c.after.size() - c.before.size()));
        std::vector<Draw> draws;
        for (const DrawRecord& record : fresh.history().records())
            draws.push_back(record.draw());
        EXPECT_EQ(draws, c.after);
    }
}

TEST_F(OnlineUpdateTest, ASpecialNumberOf00EndsItsPage) {
    std::vector<Draw> draws = realDraws(2014001, 2014999);
    draws[50].numbers[6] = 0; // the row of 2014051
    server.servePage(2014, test::resultsPageHtml(2014, draws));
    workspace.history().importHistoryFile(folder.write("h.txt", "2014010 01 02 03 04 05 06 07\r\n"));
    UpdateResult result = update(server.site());
    EXPECT_EQ(result.appended, 40);
    EXPECT_EQ(*workspace.history().latestIssue(), 2014050);
}

TEST_F(OnlineUpdateTest, AFailedYearIsReportedAndNoLaterYearIsStored) {
    settingsStore.write("IniSerchDay", "4");
    server.trickle(2010);
    server.answerStatus(2012, 500);
    server.neverAnswer(2013);
    server.servePage(2011, "<html><body><table><tr><td>no id</td></tr></table></body></html>");
    UpdateResult result = update(server.site(), std::chrono::milliseconds(1000));
    EXPECT_TRUE(result.years.empty());
    ASSERT_EQ(result.failed.size(), 5u);
    const std::vector<std::pair<int, std::string>> reasons{
        {2010, "the server sent too little of http://127.0.0.1"},
        {2011, "not stored, because 2010 failed before it"},
        {2012, "the server answered 500 Internal Server Error for http://127.0.0.1"},
        {2013, "no answer from http://127.0.0.1"},
        {2014, "not stored, because 2010 failed before it"}};
    for (std::size_t i = 0; i < reasons.size(); ++i) {
        EXPECT_EQ(result.failed[i].year, reasons[i].first);
        EXPECT_NE(result.failed[i].reason.english().find(reasons[i].second), std::string::npos)
            << result.failed[i].reason.english();
    }
    EXPECT_TRUE(stored().empty());
}

TEST_F(OnlineUpdateTest, TheAgeCheckClearsOnlyOncePagesWereReadAndSavesTheHistoryFirst) {
    workspace.history().importHistoryFile(folder.write("h.txt", "2007001 01 02 03 04 05 06 07\r\n"));
    settingsStore.write("IniSerchDay", "2");
    ASSERT_TRUE(workspace.history().planUpdate().clearsHistory);

    // The server down: nothing read, nothing changed.
    UpdatePlan plan = workspace.history().planUpdate();
    UpdateResult down = workspace.history().applyUpdate(plan, fetchYearPages(test::siteOfNoServer(), plan.years()));
    EXPECT_TRUE(down.nothingRead());
    EXPECT_EQ(down.failed.size(), 3u);
    EXPECT_NE(down.failed[0].reason.english().find("cannot load http://127.0.0.1:"), std::string::npos)
        << down.failed[0].reason.english();
    EXPECT_EQ(stored(), (std::vector<Draw>{{2007001, {1, 2, 3, 4, 5, 6, 7}}}));
    EXPECT_FALSE(down.backup);

    UpdateResult result = update(server.site());
    EXPECT_TRUE(result.cleared);
    ASSERT_TRUE(result.backup);
    EXPECT_EQ(test::readFile(*result.backup), "2007001 01 02 03 04 05 06 07 \r\n");
    EXPECT_EQ(stored(), realDraws(2012001, 2014999));
}

TEST_F(OnlineUpdateTest, CancelStopsAtThePageBeingLoaded) {
    server.neverAnswer(2013);
    PageFetcher fetcher;
    bool finished = false;
    fetcher.onPageStarted = [&](int index, int count, int year) {
        EXPECT_EQ(std::tuple(index, count, year), std::tuple(1, 2, 2013));
        QTimer::singleShot(100, &fetcher, [&] { fetcher.cancel(); });
    };
    QEventLoop loop;
    fetcher.onFinished = [&] {
        finished = true;
        loop.quit();
    };
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    fetcher.start(server.site(), {2013, 2014});
    loop.exec();
    ASSERT_TRUE(finished);
    EXPECT_TRUE(fetcher.cancelled());
    ASSERT_EQ(fetcher.pages().size(), 1u);
    EXPECT_EQ(fetcher.pages()[0].failure.english(), "cancelled");
    EXPECT_EQ(server.requested(), (std::vector<int>{2013}));
}

} // namespace quorvel
