// SPDX-License-Identifier: MIT
#pragma once

#include "app/settings/Settings.h"

#include <optional>

namespace quorvel {

// A rectangle in the desktop's coordinates (the window's pixels, after the desktop's scaling).
struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

// Where the main window was when it was closed: its place and size as a normal window (x, y: the top left of
// its frame; width, height: its content without the frame) and whether it was maximised.
struct WindowPlacement {
    std::optional<WindowRect> normal;
    bool maximised = false;
    bool operator==(const WindowPlacement&) const = default;
};

// Reads and saves the placement through the settings intWinLeft .. intWinHeight and bolWinMax.
WindowPlacement loadWindowPlacement(const Settings& settings);
void saveWindowPlacement(Settings& settings, const WindowPlacement& placement);

// How the window opens on a screen.
struct ScreenPlacement {
    WindowRect normal; // the frame's top left and the content's size, wholly inside the available area
    bool maximised = false;
};

// The content size the window opens with when nothing is remembered and the screen has room for it.
inline constexpr int kPreferredWindowWidth = 1280;
inline constexpr int kPreferredWindowHeight = 800;

// Fits a remembered placement to the available area of a screen (the screen without its taskbars); frameWidth
// and frameHeight are what the window's frame adds to its content. A remembered window keeps its size as far as
// the area allows and is moved inside it; with nothing remembered the window opens at the preferred size in
// the middle of the area, or maximised when the area is smaller than that. The result is never smaller than
// the minimum size unless the area is.
ScreenPlacement placeOnScreen(const WindowPlacement& remembered, const WindowRect& available, int frameWidth,
                              int frameHeight, int minimumWidth, int minimumHeight);

} // namespace quorvel
