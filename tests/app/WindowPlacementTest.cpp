// SPDX-License-Identifier: MIT
#include "app/settings/WindowPlacement.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(WindowPlacement, SavedAndReadBackThroughTheSettings) {
    MemorySettingsStore store;
    Settings settings(store);
    EXPECT_EQ(loadWindowPlacement(settings), WindowPlacement{});

    saveWindowPlacement(settings, WindowPlacement{WindowRect{-1500, 40, 1100, 700}, true});
    EXPECT_EQ(store.read("intWinLeft"), "-1500");
    EXPECT_EQ(store.read("intWinTop"), "40");
    EXPECT_EQ(store.read("intWinWidth"), "1100");
    EXPECT_EQ(store.read("intWinHeight"), "700");
    EXPECT_EQ(store.read("bolWinMax"), "True");
    EXPECT_EQ(loadWindowPlacement(settings), (WindowPlacement{WindowRect{-1500, 40, 1100, 700}, true}));

    // Values beyond the keys' ranges are saved at their limits rather than refused.
    saveWindowPlacement(settings, WindowPlacement{WindowRect{-40000, 50000, 40000, 0}, false});
    EXPECT_EQ(store.read("intWinLeft"), "-32768");
    EXPECT_EQ(store.read("intWinTop"), "32767");
    EXPECT_EQ(store.read("intWinWidth"), "32767");
    // A height of 0 means no remembered size.
    EXPECT_EQ(loadWindowPlacement(settings), WindowPlacement{});
}

TEST(WindowPlacement, ATextThatIsNotANumberReadsAsNothingRemembered) {
    MemorySettingsStore store;
    store.write("intWinWidth", "wide");
    store.write("intWinHeight", "700");
    Settings settings(store);
    EXPECT_FALSE(loadWindowPlacement(settings).normal);
}

struct PlacementCase {
    const char* name;
    WindowPlacement remembered;
    WindowRect available;
    ScreenPlacement expected;
};

void PrintTo(const PlacementCase& placementCase, std::ostream* out) { *out << placementCase.name; }

class PlaceOnScreen : public testing::TestWithParam<PlacementCase> {};

// The frame adds 10 x 40 pixels; the window's minimum size is 640 x 400.
TEST_P(PlaceOnScreen, FitsTheWindowInsideTheAvailableArea) {
    const PlacementCase& c = GetParam();
    const ScreenPlacement placed = placeOnScreen(c.remembered, c.available, 10, 40, 640, 400);
    EXPECT_EQ(placed.normal, c.expected.normal);
    EXPECT_EQ(placed.maximised, c.expected.maximised);
}

const PlacementCase kPlacementCases[] = {
    {"FirstStartOnALargeScreenIsCentred", {}, {0, 0, 1920, 1040}, {{315, 100, 1280, 800}, false}},
    {"FirstStartOnALaptopIsMaximised", {}, {0, 0, 1366, 728}, {{38, 0, 1280, 688}, true}},
    {"FirstStartOn1024x768IsMaximised", {}, {0, 0, 1024, 728}, {{0, 0, 1014, 688}, true}},
    {"FirstStartAt200PercentOn1080pIsMaximised", {}, {0, 0, 960, 516}, {{0, 0, 950, 476}, true}},
    {"ASecondScreenLeftOfThePrimary", {}, {-1920, 0, 1920, 1080}, {{-1605, 120, 1280, 800}, false}},
    {"RememberedPlaceAndSizeAreKept",
     {WindowRect{100, 50, 1100, 700}, false},
     {0, 0, 1920, 1040},
     {{100, 50, 1100, 700}, false}},
    {"RememberedMaximisedStaysMaximised",
     {WindowRect{100, 50, 1100, 700}, true},
     {0, 0, 1920, 1040},
     {{100, 50, 1100, 700}, true}},
    {"RememberedOffTheRightEdgeMovesBackIn",
     {WindowRect{1500, 900, 1100, 700}, false},
     {0, 0, 1920, 1040},
     {{810, 300, 1100, 700}, false}},
    {"RememberedAboveTheAreaMovesDownToIt",
     {WindowRect{-300, -200, 800, 600}, false},
     {0, 30, 1920, 1010},
     {{0, 30, 800, 600}, false}},
    {"RememberedOnAScreenNowSmallerShrinksToIt",
     {WindowRect{0, 0, 1900, 1000}, false},
     {0, 0, 1024, 728},
     {{0, 0, 1014, 688}, false}},
    {"RememberedBelowTheMinimumGrowsToIt",
     {WindowRect{20, 20, 300, 200}, false},
     {0, 0, 1920, 1040},
     {{20, 20, 640, 400}, false}},
};

INSTANTIATE_TEST_SUITE_P(Cases, PlaceOnScreen, testing::ValuesIn(kPlacementCases),
                         [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });

} // namespace quorvel
