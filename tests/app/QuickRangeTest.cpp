// SPDX-License-Identifier: MIT
#include "app/choices/QuickRange.h"

#include <gtest/gtest.h>

namespace quorvel {

// Each range of cboQuickRange against a stored history that spans three years, and the histories that lack one.
TEST(QuickRangeTest, EachRangeIsTakenFromTheStoredIssues) {
    std::vector<int> issues;
    for (int n = 100; n <= 153; ++n) // 2024100..2024153
        issues.push_back(2024000 + n);
    for (int n = 1; n <= 150; ++n) // 2025001..2025150
        issues.push_back(2025000 + n);
    for (int n = 2; n <= 31; ++n) // 2026002..2026031: this year's first draw is missing
        issues.push_back(2026000 + n);
    struct Case {
        QuickRange range;
        std::vector<int> stored;
        std::optional<IssueRange> expected;
    } cases[] = {
        {QuickRange::Latest30, issues, IssueRange{2026002, 2026031}},
        {QuickRange::Latest50, issues, IssueRange{2025131, 2026031}},
        {QuickRange::Latest200, issues, IssueRange{2024134, 2026031}},
        {QuickRange::Latest500, issues, IssueRange{2024100, 2026031}}, // fewer draws: all of them
        {QuickRange::ThisYear, issues, IssueRange{2026002, 2026031}},
        {QuickRange::LastYear, issues, IssueRange{2025001, 2025150}},
        {QuickRange::All, issues, IssueRange{2024100, 2026031}},
        {QuickRange::LastYear, {2026001, 2026002}, std::nullopt}, // no draw of the year before
        {QuickRange::Latest30, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto got = quickRangeIssues(c.range, c.stored);
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << static_cast<int>(c.range);
        if (!got) continue;
        EXPECT_EQ(got->start, c.expected->start) << static_cast<int>(c.range);
        EXPECT_EQ(got->end, c.expected->end) << static_cast<int>(c.range);
    }
}

} // namespace quorvel
