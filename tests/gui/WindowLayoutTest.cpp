// SPDX-License-Identifier: MIT
// The window at every screen a player has, 1024x768 to 1920x1080 at 100% and 1920x1080 and 2560x1600 at 150%
// and 200%: quorvel-layout-probe runs the real window offscreen on a screen of that size, one process per
// screen since the scale (QT_SCALE_FACTOR) is fixed when a program starts, and the faults are judged from the
// geometry and hint of every named control (LayoutCheck.h).
#include "ExpectedLines.h"
#include "LayoutCheck.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace quorvel::script {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

// What the probe printed: the placement the window opened with, then one object per state.
struct Probe {
    Json opened;
    std::vector<Json> states;
};

struct Screen {
    const char* name;
    int width; // in the screen's own pixels
    int height;
    double scale;
    // The screen in the window's pixels (the desktop's scaling taken off), as Qt rounds it.
    int logicalWidth() const { return static_cast<int>(std::floor(width / scale)); }
    int logicalHeight() const { return static_cast<int>(std::floor(height / scale)); }
};

void PrintTo(const Screen& screen, std::ostream* out) { *out << screen.name; }

// The window with the shipped history on an offscreen screen of that size and scale; with a size, resized to it.
Probe probe(const Screen& screen, const std::string& size = {}) {
    test::TempFolder work;
    const fs::path data = work / "data";
    runExpectingSuccess("'" QUORVEL_CLI_BINARY "' --data-dir '" + data.string() +
                            "' import '" QUORVEL_DATA_FILES "/marksix-history.txt'",
                        work / "import-stderr.txt");
    const fs::path config = work.write("screen.json", "{\"screens\": [{\"name\": \"probe\", \"x\": 0, \"y\": 0, "
                                                      "\"width\": " +
                                                          std::to_string(screen.width) +
                                                          ", \"height\": " + std::to_string(screen.height) + "}]}");
    std::ostringstream scale;
    scale << screen.scale;
    const std::string printed =
        runExpectingSuccess("QT_QPA_PLATFORM='offscreen:configfile=" + config.string() +
                                "' QT_SCALE_FACTOR=" + scale.str() + " '" QUORVEL_LAYOUT_PROBE_BINARY "' --data-dir '" +
                                data.string() + "'" + (size.empty() ? std::string() : " --size " + size),
                            work / "stderr.txt");
    Probe result;
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) {
        Json object = Json::parse(line, nullptr, false);
        if (object.is_discarded() || object.contains("error")) {
            ADD_FAILURE() << line;
        } else if (object.contains("screen")) {
            result.opened = object;
        } else {
            result.states.push_back(object);
        }
    }
    return result;
}

// Every state of the window fits: no control below its hint, none overlapping another, every column of the
// result grids in view, and no sideways scrolling from 1024 pixels wide.
void expectUsable(const Probe& probed, const std::string& where) {
    ASSERT_FALSE(probed.states.empty()) << where;
    for (const Json& state : probed.states) {
        SCOPED_TRACE(where + ", " + state.at("state").get<std::string>() + ", window " + state.at("window").dump());
        for (const std::string& fault : layoutFaults(state.at("controls")))
            ADD_FAILURE() << fault;
        ASSERT_TRUE(state.contains("content")) << "the window's content is not one scroll area";
        if (state.at("window")[0].get<int>() >= 1024) {
            EXPECT_LE(state.at("content")[0].get<int>(), state.at("viewport")[0].get<int>())
                << "the content scrolls sideways: content " << state.at("content") << ", view " << state.at("viewport");
        }
    }
}

class WindowLayout : public testing::TestWithParam<Screen> {};

TEST_P(WindowLayout, UsableAsOpenedAndAtTheWholeScreen) {
    const Screen& screen = GetParam();
    const Probe opened = probe(screen);
    ASSERT_TRUE(opened.opened.is_object());
    // The window opens inside the screen's available area, its frame included.
    const Json& area = opened.opened.at("screen");
    const Json& frame = opened.opened.at("frame");
    EXPECT_GE(frame[0].get<int>(), area[0].get<int>()) << frame << " in " << area;
    EXPECT_GE(frame[1].get<int>(), area[1].get<int>()) << frame << " in " << area;
    EXPECT_LE(frame[0].get<int>() + frame[2].get<int>(), area[0].get<int>() + area[2].get<int>())
        << frame << " in " << area;
    EXPECT_LE(frame[1].get<int>() + frame[3].get<int>(), area[1].get<int>() + area[3].get<int>())
        << frame << " in " << area;
    // Its minimum size fits the smallest screen with a taskbar: 1024x768 less 48 pixels, and the frame.
    EXPECT_LE(opened.opened.at("minimum")[0].get<int>(), screen.logicalWidth());
    EXPECT_LE(opened.opened.at("minimum")[1].get<int>(), std::min(768 - 48 - 40, screen.logicalHeight() - 40));
    expectUsable(opened, "as opened");

    const std::string whole = std::to_string(screen.logicalWidth()) + "x" + std::to_string(screen.logicalHeight());
    expectUsable(probe(screen, whole), "at " + whole);
}

const Screen kScreens[] = {
    {"S1024x768", 1024, 768, 1},          {"S1280x800", 1280, 800, 1},          {"S1366x768", 1366, 768, 1},
    {"S1920x1080", 1920, 1080, 1},        {"S1920x1080At150", 1920, 1080, 1.5}, {"S1920x1080At200", 1920, 1080, 2},
    {"S2560x1600At150", 2560, 1600, 1.5}, {"S2560x1600At200", 2560, 1600, 2},
};

INSTANTIATE_TEST_SUITE_P(Screens, WindowLayout, testing::ValuesIn(kScreens),
                         [](const testing::TestParamInfo<Screen>& info) { return info.param.name; });

// At its minimum size the whole content scrolls in the one scroll area and nothing is squeezed.
TEST(WindowLayoutAtItsMinimum, ScrollsWithoutSqueezing) {
    const Probe probed = probe({"S1024x768", 1024, 768, 1}, "100x100");
    expectUsable(probed, "at the minimum size");
    for (const Json& state : probed.states) {
        EXPECT_EQ(state.at("window"), probed.opened.at("minimum"));
        EXPECT_GT(state.at("content")[1].get<int>(), state.at("viewport")[1].get<int>()) << "nothing to scroll?";
    }
}

// A taller window gives its extra room to the result grids' rows, not to empty space between the panels.
TEST(WindowLayoutHeight, ExtraRoomGoesToTheGridsRows) {
    const Screen screen{"S1920x1080", 1920, 1080, 1};
    const Probe low = probe(screen, "1280x800");
    const Probe high = probe(screen, "1280x1000");
    ASSERT_FALSE(low.states.empty());
    ASSERT_FALSE(high.states.empty());
    for (std::size_t i = 0; i < std::min(low.states.size(), high.states.size()); ++i) {
        SCOPED_TRACE(low.states[i].at("state").get<std::string>());
        const Json& before = low.states[i].at("controls");
        const Json& after = high.states[i].at("controls");
        auto grown = [&](const char* name) {
            return after.at(name).at("geometry")[3].get<int>() - before.at(name).at("geometry")[3].get<int>();
        };
        EXPECT_EQ(grown("MSFlexGrid2"), 200);
        EXPECT_EQ(grown("MSFlexGrid3"), 200);
    }
}

// quorvel --screenshot PATH --size WxH writes the window at that size; a size that is not WxH is a usage error.
TEST(WindowScreenshot, WritesTheWindowAtTheSizeAsked) {
    test::TempFolder work;
    const fs::path picture = work / "window.png";
    runExpectingSuccess("QT_QPA_PLATFORM=offscreen '" QUORVEL_WINDOW_BINARY "' --data-dir '" +
                            (work / "data").string() + "' --screenshot '" + picture.string() + "' --size 1366x768",
                        work / "stderr.txt");
    // A PNG's header chunk gives the width and height as big-endian numbers at bytes 16 and 20.
    const std::string png = test::readFile(picture);
    ASSERT_GE(png.size(), 24U);
    auto number = [&png](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = at; i < at + 4; ++i)
            value = (value << 8) | static_cast<unsigned char>(png[i]);
        return value;
    };
    EXPECT_EQ(number(16), 1366U);
    EXPECT_EQ(number(20), 768U);

    const int status =
        std::system(("QT_QPA_PLATFORM=offscreen '" QUORVEL_WINDOW_BINARY "' --data-dir '" + (work / "data").string() +
                     "' --screenshot '" + picture.string() + "' --size 1366 2>/dev/null")
                        .c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
}

// The judge itself: a squeezed box, a grid hiding columns, two overlapping buttons, a box laid over a label's
// text and chart labels cut short or past the chart's edge are found; a frame and its controls, hidden controls
// and controls that only touch are not faults.
TEST(LayoutFaults, FindsSqueezedAndOverlappingControlsOnly) {
    const Json controls = Json::parse(R"({
        "Frame1": {"visible": true, "geometry": [0, 0, 300, 100], "hint": [120, 40]},
        "Text22_1": {"visible": true, "geometry": [10, 20, 10, 20], "hint": [24, 20], "inside": "Frame1"},
        "Command1": {"visible": true, "geometry": [40, 20, 80, 24], "hint": [80, 24], "inside": "Frame1"},
        "Command2": {"visible": true, "geometry": [100, 30, 80, 24], "hint": [80, 24], "inside": "Frame1"},
        "Command3": {"visible": true, "geometry": [180, 30, 80, 24], "hint": [80, 24], "inside": "Frame1"},
        "Command4": {"visible": false, "geometry": [100, 30, 80, 24], "hint": [200, 24], "inside": "Frame1"},
        "MSFlexGrid1": {"visible": true, "geometry": [0, 100, 300, 200], "hint": [70, 70], "columns_width": 320},
        "Label12": {"visible": true, "geometry": [0, 300, 200, 20], "hint": [100, 20], "textRect": [0, 302, 180, 16]},
        "Text1": {"visible": true, "geometry": [60, 300, 70, 20], "hint": [40, 20], "inside": "Label12"},
        "chtOmission": {"visible": true, "geometry": [0, 320, 300, 100], "hint": [50, 50], "sceneTexts": [
            {"text": "2013001", "rect": [10, 80, 50, 14]}, {"text": "20031…", "rect": [100, 80, 50, 14]},
            {"text": "下期", "rect": [280, 80, 30, 14]}]}
    })");
    const std::vector<std::string> expected{
        "Text22_1 [10, 20, 10, 20] is smaller than its minimum size hint [24, 20]",
        "MSFlexGrid1 [0, 100, 300, 200] is narrower than its columns, 320 pixels",
        "chtOmission shows \"20031…\" cut [100, 80, 50, 14]",
        "chtOmission shows \"下期\" cut [280, 80, 30, 14]",
        "Label12's text [0, 302, 180, 16] lies under Text1 [60, 300, 70, 20]",
        "Command1 [40, 20, 80, 24] overlaps Command2 [100, 30, 80, 24]",
    };
    EXPECT_EQ(layoutFaults(controls), expected);
}

} // namespace
} // namespace quorvel::script
