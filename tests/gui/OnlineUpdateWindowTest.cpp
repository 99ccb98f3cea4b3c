// SPDX-License-Identifier: MIT
// The online update through the window: the scripts under tests/gui/scripts/update run through
// quorvel-ui-script (calendar year 2014) against a web server on 127.0.0.1 serving the real history. In a
// script and its expected lines @SITE@ stands for the site prefix, @HISTORY@ for a history file holding the
// real draws 2014145..2014148; in the expected lines @ROWS@ for the grid rows of 2014145..2014152.
#include "ExpectedLines.h"
#include "UpdateServer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

namespace quorvel::script {
namespace {

namespace fs = std::filesystem;

std::string substitute(std::string text, const std::string& placeholder, const std::string& value) {
    for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
    return text;
}

std::string gridRows(const std::vector<Draw>& draws) {
    std::string rows;
    for (const Draw& draw : draws) {
        rows += std::string(rows.empty() ? "" : ", ") + "[\"" + std::to_string(draw.issue) + "\"";
        for (int n : draw.numbers)
            rows += ", \"" + std::to_string(n) + "\"";
        rows += "]";
    }
    return rows;
}

TEST(OnlineUpdateWindow, TheUpdateScriptsShowTheNewHistory) {
    const fs::path scripts = fs::path(QUORVEL_UI_SCRIPTS) / "update";
    test::UpdateServer server;
    int run = 0;
    for (const auto& entry : fs::directory_iterator(scripts)) {
        if (entry.path().extension() != ".json") continue;
        ++run;
        SCOPED_TRACE(entry.path().filename().string());
        test::TempFolder work;
        const fs::path historyFile = work.write("history.txt", test::historyText(test::realDraws(2014145, 2014148)));
        auto fill = [&](std::string text) {
            text = substitute(std::move(text), "@SITE@", server.site());
            text = substitute(std::move(text), "@ROWS@", gridRows(test::realDraws(2014145, 2014152)));
            return substitute(std::move(text), "@HISTORY@", historyFile.string());
        };
        const fs::path script = work.write("script.json", fill(test::readFile(entry.path())));
        const std::string printed =
            runExpectingSuccess("'" QUORVEL_UI_SCRIPT_BINARY "' --current-year 2014 --data-dir '" +
                                    (work / "data").string() + "' '" + script.string() + "'",
                                work / "stderr.txt");
        std::vector<std::string> expected;
        fs::path expectedFile = entry.path();
        std::istringstream lines(fill(test::readFile(expectedFile.replace_extension(".expected"))));
        for (std::string line; std::getline(lines, line);)
            if (!line.empty()) expected.push_back(line);
        expectLines(printed, expected);
    }
    EXPECT_GT(run, 0) << "no scripts in " << scripts;
}

} // namespace
} // namespace quorvel::script
