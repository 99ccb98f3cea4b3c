// SPDX-License-Identifier: MIT
// Runs every script under tests/gui/scripts through quorvel-ui-script against the real window on a fresh
// data folder and checks its output against the script's .expected lines. In both files @SCRIPTS@ stands
// for the scripts folder and @DATA_DIR@ for the data folder; in the expected lines @YEAR@ for this year.
#include "ExpectedLines.h"
#include "TempFolder.h"
#include "app/Clock.h"

#include <QString>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iterator>
#include <regex>
#include <sstream>
#include <sys/wait.h>

namespace quorvel::script {
namespace {

namespace fs = std::filesystem;

const fs::path kScripts = fs::path(QUORVEL_UI_SCRIPTS);

std::string substitute(std::string text, const std::string& placeholder, const std::string& value) {
    for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
    return text;
}

std::vector<std::string> scriptNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kScripts))
        if (entry.path().extension() == ".json") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs one script (its path below the scripts folder, without .json) on the data folder of `work` and checks what
// it printed; then `after` looks at the data folder the window left.
void runScriptIn(const test::TempFolder& work, const std::string& name,
                 const std::function<void(const fs::path&)>& after = {}) {
    SCOPED_TRACE("script " + name);
    const fs::path data = work / "data";
    auto fill = [&](std::string text) {
        text = substitute(std::move(text), "@SCRIPTS@", kScripts.string());
        text = substitute(std::move(text), "@YEAR@", std::to_string(SystemClock().currentYear()));
        return substitute(std::move(text), "@DATA_DIR@", data.string());
    };
    const fs::path script = work.write("script.json", fill(test::readFile(kScripts / (name + ".json"))));

    const std::string printed = runExpectingSuccess("'" QUORVEL_UI_SCRIPT_BINARY "' --data-dir '" + data.string() +
                                                        "' '" + script.string() + "'",
                                                    work / "stderr.txt");

    std::vector<std::string> expected;
    std::istringstream lines(fill(test::readFile(kScripts / (name + ".expected"))));
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) expected.push_back(line);
    expectLines(printed, expected);
    if (after) after(data);
}

// Runs one script on a fresh data folder.
void runScript(const std::string& name, const std::function<void(const fs::path&)>& after = {}) {
    test::TempFolder work;
    runScriptIn(work, name, after);
}

// Every script found, so that a script added to the folder runs without touching this file.
TEST(UiScriptEndToEnd, EveryScriptPrintsItsExpectedLines) {
    const auto names = scriptNames();
    ASSERT_FALSE(names.empty()) << "no scripts in " << kScripts;
    for (const std::string& name : names)
        runScript(name);
}

// A base switch answered no leaves the warning in the window's status bar (the script's expected lines) and
// on the command line's stderr, which names the command that mends it.
TEST(UiScriptEndToEnd, ABaseSwitchAnsweredNoWarnsInTheWindowAndOnTheCommandLine) {
    runScript("bases/base-switch-answered-no", [](const fs::path& data) {
        const fs::path errors = data / "cli-stderr.txt";
        runExpectingSuccess("'" QUORVEL_CLI_BINARY "' --data-dir '" + data.string() + "' history", errors);
        const std::string said = test::readFile(errors);
        EXPECT_NE(said.find("quorvel-cli: warning: the stored draws were derived with zodiac base 1, but the "
                            "settings say zodiac base 0"),
                  std::string::npos)
            << said;
        EXPECT_NE(said.find("quorvel-cli rebuild"), std::string::npos) << said;
    });
}

// A selection saved before the window is closed ticks the same boxes after a restart; the built-in sets tick the
// domestic signs and this zodiac year's numbers of a sign.
TEST(UiScriptEndToEnd, ASavedSelectionTicksTheSameBoxesAfterARestart) {
    test::TempFolder work;
    runScriptIn(work, "selections/save-a-selection");
    runScriptIn(work, "selections/choose-after-restart");
}

// The text a PDF reader gives of one page of a PDF (all pages for 0), laid out as printed. CJK fonts may give
// ideographs as Kangxi radicals: after NFKC they read as the ideographs again.
std::string pdfText(const fs::path& pdf, int page = 0) {
    const std::string pages = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    const std::string text =
        runExpectingSuccess("pdftotext -layout" + pages + " '" + pdf.string() + "' -", pdf.parent_path() / "pdf.err");
    return QString::fromStdString(text).normalized(QString::NormalizationForm_KC).toStdString();
}

int pdfPages(const fs::path& pdf) {
    const std::string info = runExpectingSuccess("pdfinfo '" + pdf.string() + "'", pdf.parent_path() / "pdf.err");
    std::smatch pages;
    return std::regex_search(info, pages, std::regex(R"(Pages:\s+(\d+))")) ? std::stoi(pages[1]) : 0;
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The first line of a text whose first word is `first`.
std::vector<std::string> lineStarting(const std::string& text, const std::string& first) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (auto found = words(line); !found.empty() && found.front() == first) return found;
    return {};
}

// The omission table and the trend written as PDF from the window: a PDF reader finds the title line, the header
// and the first row's figures as the command line counts them; the trend of the latest 100 draws prints its
// columns across pages in order, each page beginning with the issues, oldest draw first.
TEST(UiScriptEndToEnd, TheOmissionTableAndTheTrendWrittenAsPdfReadBack) {
    runScript("print/table-and-trend-pdf", [](const fs::path& data) {
        const std::string table = pdfText(data / "遗漏总表-2026107.pdf");
        for (const char* said : {"遗漏总表", "号码", "特码", "2001001", "2026107", "遗漏从起始期计"})
            EXPECT_NE(table.find(said), std::string::npos) << said << " not in\n" << table;
        const auto header = lineStarting(table, "号码");
        EXPECT_EQ(header.size(), 14U) << table;
        const auto counted = nlohmann::json::parse(
            runExpectingSuccess("'" QUORVEL_CLI_BINARY "' --data-dir '" + data.string() +
                                    "' table --kind number --where special --gaps-from range --json",
                                data / "cli.err"))["rows"][0];
        const auto first = lineStarting(table, "01");
        ASSERT_GE(first.size(), 5U) << table;
        EXPECT_EQ(first[1], std::to_string(counted["hits"].get<int>()));
        EXPECT_EQ(first[2], std::to_string(counted["min"].get<int>()));
        EXPECT_EQ(first[3], std::to_string(counted["max"].get<int>()));
        EXPECT_EQ(first[4], std::to_string(counted["last"].get<int>()));

        const fs::path trend = data / "trend.pdf";
        const int pages = pdfPages(trend);
        std::vector<std::string> columns;
        std::vector<std::string> band;
        int bands = 0;
        for (int page = 1; page <= pages; ++page) {
            const std::string text = pdfText(trend, page);
            EXPECT_NE(text.find("走势图"), std::string::npos) << "page " << page;
            auto heading = lineStarting(text, "期号");
            ASSERT_GE(heading.size(), 2U) << "page " << page << ":\n" << text;
            heading.erase(heading.begin());
            if (heading != band) {
                columns.insert(columns.end(), heading.begin(), heading.end());
                band = heading;
                ++bands;
                // A band of columns starts with the oldest of the 100 draws.
                EXPECT_FALSE(lineStarting(text, "2026008").empty()) << "page " << page << ":\n" << text;
            }
        }
        EXPECT_GE(bands, 2);
        std::vector<std::string> numbers;
        for (int value = 1; value <= 49; ++value)
            numbers.push_back((value < 10 ? "0" : "") + std::to_string(value));
        EXPECT_EQ(columns, numbers);
    });
}

} // namespace
} // namespace quorvel::script
