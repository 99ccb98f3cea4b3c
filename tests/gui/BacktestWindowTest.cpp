// SPDX-License-Identifier: MIT
#include "gui/views/BacktestWindow.h"
#include "AnalysisWindowFixture.h"
#include "XlsxReader.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quorvel::test {

namespace {

class BacktestWindowTest : public AnalysisWindowFixture {};

} // namespace

// 回测 under 图表 takes the main window's choices (every number in pairs) and shows what the command line gives
// for them; 导出 writes the two results, the sentence and the bins to a workbook.
TEST_F(BacktestWindowTest, ShowsAndWritesWhatTheCommandLineGives) {
    openOnRealHistory();
    click("cmdZH_0"); // 全选
    type("Combo2", "2");
    control<QAction>("mnuBacktest")->trigger();
    auto* backtest = control<BacktestWindow>("frmBacktest");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(backtest));
    std::vector<std::filesystem::path> written;
    backtest->setFileOpener([&](const std::filesystem::path& file) {
        written.push_back(file);
        return false;
    });
    QTest::mouseClick(control<QPushButton>("cmdBacktestRun"), Qt::LeftButton);

    std::vector<std::string> all = {"backtest", "--size", "2", "--boxes", "1"};
    for (int box = 2; box <= 49; ++box)
        all.back() += "," + std::to_string(box);
    if (control<QAbstractButton>("Check2")->isChecked()) all.push_back("--with-special");
    const nlohmann::json expected = cliJson(all);
    EXPECT_EQ(control<QLabel>("lblBacktestSentence")->text().toStdString(), expected["sentence"]);
    EXPECT_EQ(control<QLabel>("fraBacktestOverdue_1")->text().toStdString(),
              std::to_string(expected["hits"].get<int>()));
    EXPECT_EQ(control<QLabel>("fraBacktestRandom_1")->text().toStdString(),
              std::to_string(expected["baseline"]["hits"].get<int>()));

    QTest::mouseClick(control<QPushButton>("cmdBacktestXlsx"), Qt::LeftButton);
    ASSERT_EQ(written.size(), 1u);
    const XlsxSheet sheet = readXlsx(written.front());
    ASSERT_GE(sheet.cells.size(), 13u);
    EXPECT_EQ(sheet.cells[2], (std::vector<std::string>{"Hits", std::to_string(expected["hits"].get<int>()),
                                                        std::to_string(expected["baseline"]["hits"].get<int>())}));
    EXPECT_EQ(sheet.cells[9].front(), expected["sentence"]);
    EXPECT_EQ(sheet.cells.size(), 12 + expected["bins"].size());
}

} // namespace quorvel::test
