// SPDX-License-Identifier: MIT
// The workbooks of the omission table, the trend and the backtest, read back in each language: the first sheet
// is named after the view and holds its figures as numbers (percentages in a percent format), the labels as
// text; the second sheet says in plain words of the language how the figures were counted. The grids of the
// design keep their Sheet1 of text.
#include "ScriptForms.h"
#include "XlsxReader.h"
#include "app/results/BacktestSentence.h"
#include "app/results/BacktestView.h"
#include "cli/CliHarness.h"
#include "maintain/WorkbookExport.h"
#include "platform/Catalogue.h"

#include <gtest/gtest.h>

#include <zip.h>

namespace quorvel {

namespace {

// The backtest workbook as the window writes it, in a language.
void writeBacktestWorkbook(const std::filesystem::path& file, const std::string& language) {
    BacktestResult result;
    result.groupSize = 1;
    result.pick = 5;
    result.decisions = 3;
    result.firstIssue = 2013002;
    result.lastIssue = 2013004;
    result.overdue = {15, 2, 1.3, 0.5, -0.28, 0.78};
    result.baseline = {15, 1, 1.3, 0.5, -0.42, 0.67};
    result.bins = {CalibrationBin{0.0123, 0.5, 40, 3, 3.27}};
    const Catalogue catalogue(language);
    const Message::Translate translate = [&](const std::string& context, const std::string& text) {
        return catalogue.text(context.c_str(), text.c_str());
    };
    BacktestCaptions captions;
    writeWorkbook(file,
                  {WorkbookView::Backtest,
                   backtestGrid(result, captions, catalogue.text(backtestSentence(result))),
                   {},
                   backtestRulesInWords(result)},
                  translate);
}

std::string styles(const std::filesystem::path& file) {
    int error = 0;
    zip_t* archive = zip_open(file.string().c_str(), ZIP_RDONLY, &error);
    const std::string text = test::detail::zipEntry(archive, "xl/styles.xml");
    zip_close(archive);
    return text;
}

} // namespace

TEST(ViewWorkbooksTest, FiguresAreNumbersAndTheSheetsSpeakTheLanguage) {
    test::CliHarness cli;
    ASSERT_EQ(cli.run({"import", cli.folder().write("h.txt", test::kSixDraws2013).string()}).code, 0);
    struct Cell {
        std::size_t row, column;
        const char* text;
        bool number;
    };
    const struct Case {
        const char* what;
        std::vector<std::string> arguments; // a CLI run that writes the workbook, or none: the backtest's
        std::string language;
        std::string sheet, rulesSheet;
        std::vector<Cell> cells;
        bool percent; // a percent number format
    } cases[] = {
        {"table",
         {"table", "--kind", "number", "--where", "special"},
         "zh_HK",
         "遺漏總表",
         "規則說明",
         // 01 and 49 name values (text); the hits of 01 are a figure.
         {{1, 0, "01", false}, {1, 1, "0", true}, {49, 0, "49", false}},
         true},
        {"trend",
         {"trend", "--last", "3"},
         "zh_CN",
         "走势图",
         "规则说明",
         // The issue and a miss count are numbers; a hit names its value (49) as text.
         {{1, 0, "2013023", true}, {3, 49, "49", false}, {1, 1, "4", true}},
         false},
        {"trend in English", {"trend", "--last", "3"}, "en", "Trend", "Rules", {{1, 0, "2013023", true}}, false},
        // A grid of the design keeps Sheet1 and every cell as text; only its rules sheet is new.
        {"history list", {"export-xlsx", "history"}, "zh_HK", "Sheet1", "規則說明", {{1, 0, "2013020", false}}, false},
        {"backtest",
         {},
         "zh_HK",
         "回測",
         "規則說明",
         {{1, 1, "15", true}, {3, 1, "1.3", true}, {5, 1, "0.78", true}, {12, 0, "0.0123", true}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto file = cli.folder() / (std::string(c.what) + ".xlsx");
        if (c.arguments.empty()) {
            writeBacktestWorkbook(file, c.language);
        } else {
            std::vector<std::string> arguments = c.arguments;
            if (arguments.front() != "export-xlsx") arguments.push_back("--xlsx");
            arguments.push_back(file.string());
            const auto run = cli.run(arguments, c.language);
            ASSERT_EQ(run.code, 0) << run.err;
        }
        const test::XlsxSheet sheet = test::readXlsx(file);
        EXPECT_EQ(sheet.name, c.sheet);
        for (const Cell& cell : c.cells) {
            ASSERT_LT(cell.row, sheet.cells.size());
            ASSERT_LT(cell.column, sheet.cells[cell.row].size());
            EXPECT_EQ(sheet.cells[cell.row][cell.column], cell.text) << cell.row << "," << cell.column;
            EXPECT_EQ(sheet.numeric[cell.row][cell.column], cell.number) << cell.row << "," << cell.column;
        }
        EXPECT_EQ(styles(file).find("%\"") != std::string::npos, c.percent);
        const test::XlsxSheet rules = test::readXlsx(file, 2);
        EXPECT_EQ(rules.name, c.rulesSheet);
        ASSERT_GE(rules.cells.size(), 2u);
        for (const auto& line : rules.cells) {
            ASSERT_EQ(line.size(), 1u);
            for (const char* word : {"IDX", "longest_run", "hits_10", "p_at_least_last"})
                EXPECT_EQ(line[0].find(word), std::string::npos) << line[0];
            if (c.language != "en") {
                EXPECT_EQ(test::otherScriptIn(line[0], c.language), std::vector<std::string>{}) << line[0];
            }
        }
    }
}

} // namespace quorvel
