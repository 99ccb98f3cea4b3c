// SPDX-License-Identifier: MIT
#include "app/results/DetailFigures.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(DetailFigures, ShowsEachFigureAsAPlayerReadsIt) {
    // The hand-checked history: hits at draws 3, 4, 5 and 10 of 12.
    GroupRow hits{"05", 1, 5, 3, {}};
    hits.statistics = {4, 2.5, 3, 5, 6.0 / 49, 49.0 / 6, 0.7681, ProbabilitySource::Exact};
    GroupRow never{"01 02", 32767, 0, 13, {}};
    never.statistics = {0, std::nullopt, 0, std::nullopt, 0.0, std::nullopt, std::nullopt, ProbabilitySource::Exact};
    GroupRow rare{"1 3 5", 2, 90, 400, {}};
    rare.statistics = {7, 1.0 / 3, 1, std::nullopt, 0.02, 50, 3.2e-7, ProbabilitySource::Observed};
    struct Case {
        const char* name;
        GroupRow row;
        std::vector<std::string> texts;
    } cases[] = {
        {"four hits", hits, {"4", "2.50", "3", "5", "3", "12.2%", "8.17", "76.8%", "精确 (exact)"}},
        {"no hit, p = 0", never, {"0", "—", "0", "—", "13", "0%", "—", "—", "精确 (exact)"}},
        {"a tiny chance", rare, {"7", "0.33", "1", "—", "400", "2%", "50.00", "3.2e-05%", "观测 (observed)"}},
    };
    const std::vector<std::string> captions{"命中次数", "平均遗漏", "最大连出",     "上次遗漏", "当前遗漏",
                                            "理论概率", "期望间隔", "P(≥当前遗漏)", "概率来源"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> shownCaptions, shownTexts;
        for (const DetailFigure& figure : detailFigures(c.row)) {
            shownCaptions.push_back(figure.caption.english());
            shownTexts.push_back(figure.text.english());
        }
        EXPECT_EQ(shownCaptions, captions);
        EXPECT_EQ(shownTexts, c.texts);
    }
}

} // namespace quorvel
