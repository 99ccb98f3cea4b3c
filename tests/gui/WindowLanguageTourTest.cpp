// SPDX-License-Identifier: MIT
// Drives a tour of the real window through quorvel-ui-script in 简体 and in 繁體 (the second switched to while the
// window runs, through 设置 → 语言) and reads every text the window showed: the dumped controls (captions,
// tooltips, grids, the status bar, menu entries), and each dialog with its buttons. A player reads no English
// there: a run of three Latin letters fails the test unless it is a file name, a path, an address, a word the
// program's own texts keep (xlsx, txt, html, EXCEL, the program's and the English language's names) or what the tour
// typed. Nor may a text hold what its script does not write (test::otherScriptIn). The tour chooses the kinds 生肖,
// 波色, 单双 and 号码 in turn, reads the 组合检索 boxes and their tips, searches, calculates groups, opens the table,
// trend and backtest windows and saves the trend's picture; with results shown it switches to the other Chinese
// and back, and from the status line that names the new language on reads every text in it.
#include "ExpectedLines.h"
#include "ScriptForms.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>
#include <set>

namespace quorvel::script {
namespace {

namespace fs = std::filesystem;

const fs::path kTour = fs::path(QUORVEL_UI_SCRIPTS).parent_path() / "tour";

struct Language {
    const char* name;
    const char* entry; // the 语言 menu entry the tour starts with
    const char* other; // the entry of the other Chinese, switched to with results shown
    const char* said;  // the status line right after switching to this language
    std::vector<std::string> ok;
    std::vector<std::string> okCancel;
};

const Language kLanguages[] = {
    {"zh_CN", "mnuLang_0", "mnuLang_1", "语言：简体中文", {"确定"}, {"确定", "取消"}},
    {"zh_HK", "mnuLang_1", "mnuLang_0", "語言：繁體中文", {"確定"}, {"確定", "取消"}},
};

// What the tour typed and answered, and the bad line of its history file (and its first word) that the import
// report quotes.
const char* const kTyped[] = {"20x1001", "ftp://example", "abc", "this line is not a draw", "“this”", "「this」"};
// Words the window's texts keep in every language.
const std::set<std::string> kAllowed{"xlsx", "txt", "html", "EXCEL", "quorvel", "English", "PDF", "pdf", "PNG", "png"};
std::string substitute(std::string text, const std::string& placeholder, const std::string& value) {
    for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
    return text;
}

// Every text a line of the runner shows a user: all strings below "dump" and "dialog", except the answers the
// tour gave.
void collect(const nlohmann::json& value, const std::string& key, std::vector<std::string>& texts) {
    // The runner's own words: the dialog's kind and icon, a grid's order.
    if (key == "answer" || key == "kind" || key == "icon" || key == "sort") return;
    if (value.is_string()) texts.push_back(value.get<std::string>());
    if (value.is_object())
        for (const auto& [name, member] : value.items())
            collect(member, name, texts);
    if (value.is_array())
        for (const auto& member : value)
            collect(member, key, texts);
}

// The text without what may stay in Latin letters.
std::string withoutAllowed(std::string text) {
    for (const char* typed : kTyped)
        text = substitute(std::move(text), typed, " ");
    // Each language is named in its own writing in every language.
    for (const char* name : {"简体中文", "繁體中文"})
        text = substitute(std::move(text), name, " ");
    static const std::regex address(R"([A-Za-z]+://[^\s，。；、）)」”]*)");
    static const std::regex path(R"((/[^\s/，。；：、）)」”'"]+)+/?)");
    static const std::regex fileName(R"([A-Za-z0-9_.-]*\.(txt|xlsx|csv|html|db|ini|png))");
    text = std::regex_replace(text, address, " ");
    text = std::regex_replace(text, path, " ");
    return std::regex_replace(text, fileName, " ");
}

std::vector<std::string> latinRuns(const std::string& text) {
    static const std::regex run("[A-Za-z]{3,}");
    std::vector<std::string> found;
    const std::string rest = withoutAllowed(text);
    for (auto it = std::sregex_iterator(rest.begin(), rest.end(), run); it != std::sregex_iterator(); ++it)
        if (!kAllowed.contains(it->str())) found.push_back(it->str());
    return found;
}

TEST(WindowLanguageTour, EveryTextShownIsInTheChosenChineseAndTheButtonsSayOkAndCancelInIt) {
    for (const Language& language : kLanguages) {
        SCOPED_TRACE(language.name);
        test::TempFolder work;
        const fs::path data = work / "data";
        std::string script = substitute(test::readFile(kTour / "window-tour.json"), "@SCRIPTS@", kTour.string());
        script = substitute(std::move(script), "@LANGUAGE@", language.entry);
        script = substitute(std::move(script), "@OTHER@", language.other);
        const fs::path scriptFile = work.write("tour.json", script);
        const std::string printed = runExpectingSuccess("'" QUORVEL_UI_SCRIPT_BINARY "' --data-dir '" + data.string() +
                                                            "' '" + scriptFile.string() + "'",
                                                        work / "stderr.txt");

        std::istringstream lines(printed);
        int dialogs = 0;
        bool done = false;
        const Language* inUse = &language;
        for (std::string line; std::getline(lines, line);) {
            for (const Language& switched : kLanguages)
                if (line.find(switched.said) != std::string::npos) inUse = &switched;
            const auto shown = nlohmann::json::parse(line, nullptr, false);
            ASSERT_FALSE(shown.is_discarded()) << line;
            ASSERT_FALSE(shown.contains("error")) << line;
            done = done || shown.contains("done");
            std::vector<std::string> texts;
            if (shown.contains("dump")) collect(shown["dump"], "dump", texts);
            if (shown.contains("dialog")) {
                auto dialog = shown["dialog"];
                // A menu's text is the runner's list of its entries' object names; the entries' captions are its
                // buttons.
                if (dialog["kind"] == "menu") dialog.erase("text");
                collect(dialog, "dialog", texts);
                ++dialogs;
                const std::string kind = dialog["kind"];
                const auto buttons = dialog["buttons"].get<std::vector<std::string>>();
                // Every dialog but a popup menu has its buttons; a file dialog's last one cancels.
                std::vector<std::string> expected = kind == "message" ? inUse->ok : inUse->okCancel;
                if (kind == "file")
                    expected = {buttons.empty() ? std::string() : buttons.front(), inUse->okCancel.back()};
                if (kind != "menu") {
                    EXPECT_EQ(buttons, expected) << line;
                }
            }
            for (const std::string& text : texts) {
                const auto latin = latinRuns(text);
                EXPECT_TRUE(latin.empty()) << "English \"" << latin.front() << "\" in: " << text;
                const auto foreign = test::otherScriptIn(withoutAllowed(text), inUse->name);
                EXPECT_TRUE(foreign.empty()) << inUse->name << ": \"" << foreign.front() << "\" in: " << text;
            }
        }
        EXPECT_TRUE(done) << printed;
        EXPECT_EQ(inUse, &language) << "the tour did not come back to " << language.name;
        // The tour met every kind of dialog it was written for (a tour that stopped early reads too little).
        EXPECT_GE(dialogs, 25) << printed;
    }
}

} // namespace
} // namespace quorvel::script
