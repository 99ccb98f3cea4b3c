// SPDX-License-Identifier: MIT
#include "ingest/UpdatePlan.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(UpdatePlan, AgeCheckLastStoredIssueAndYearsToLoad) {
    struct Case {
        const char* name;
        std::optional<int> first, last;
        int currentYear, keep;
        bool clears;
        int lastStored;
        std::vector<int> years;
    };
    const std::vector<Case> cases{
        {"empty store", {}, {}, 2014, 6, false, 0, {2008, 2009, 2010, 2011, 2012, 2013, 2014}},
        {"up to date within the year", 2013001, 2014100, 2014, 6, false, 2014100, {2014}},
        {"last draw before 2013 starts at 2013", 2010001, 2011152, 2014, 6, false, 2011152, {2013, 2014}},
        {"first draw exactly the years to keep old", 2008001, 2014010, 2014, 6, false, 2014010, {2014}},
        // Cleared: the start is the current year minus the years to keep, not the old last draw's year.
        {"first draw too old", 2007001, 2014010, 2014, 6, true, 0, {2008, 2009, 2010, 2011, 2012, 2013, 2014}},
        {"too old and ending long ago", 2001001, 2002052, 2014, 2, true, 0, {2012, 2013, 2014}},
        {"last draw after the current year", 2014001, 2015003, 2014, 6, false, 2015003, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UpdatePlan plan = planUpdate(c.first, c.last, c.currentYear, c.keep);
        EXPECT_EQ(plan.clearsHistory, c.clears);
        EXPECT_EQ(plan.lastStoredIssue, c.lastStored);
        EXPECT_EQ(plan.years(), c.years);
    }
}

TEST(UpdatePlan, SitePrefixGivesThePageAddressesOrSaysWhatIsWrong) {
    EXPECT_EQ(yearPageAddress("http://127.0.0.1:8080/85122/kj/", 2014), "http://127.0.0.1:8080/85122/kj/2014.html");
    EXPECT_EQ(updateSiteProblem("https://example.org/kj/", UpdateSiteHint::Command), std::nullopt);
    EXPECT_EQ(updateSiteProblem("HTTP://127.0.0.1/", UpdateSiteHint::Command), std::nullopt);
    const std::vector<std::pair<std::string, std::string>> refused{
        {"", "no update site is set"},
        {"127.0.0.1:8080/85122/kj/", "is not a web address"},
        {"ftp://host/kj/", "is not a web address"},
        {"http://", "is not a web address"},
        {"http://host/k j/", "is not a web address"},
    };
    for (const auto& [site, message] : refused) {
        auto problem = updateSiteProblem(site, UpdateSiteHint::Command);
        ASSERT_TRUE(problem) << site;
        EXPECT_NE(problem->english().find(message), std::string::npos) << problem->english();
    }
    EXPECT_NE(updateSiteProblem("", UpdateSiteHint::Command)->english().find("txtUpdateSite"), std::string::npos);
    // The window names its menu, never a command.
    const std::string menu = updateSiteProblem("", UpdateSiteHint::Menu)->english();
    EXPECT_NE(menu.find("在线更新网址"), std::string::npos);
    EXPECT_EQ(menu.find("quorvel-cli"), std::string::npos);
}

} // namespace quorvel
