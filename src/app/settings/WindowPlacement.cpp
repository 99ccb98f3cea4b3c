// SPDX-License-Identifier: MIT
#include "app/settings/WindowPlacement.h"

#include <algorithm>
#include <string>

namespace quorvel {

WindowPlacement loadWindowPlacement(const Settings& settings) {
    WindowPlacement placement;
    placement.maximised = settings.boolean(Setting::bolWinMax);
    const WindowRect rect{settings.integer(Setting::intWinLeft), settings.integer(Setting::intWinTop),
                          settings.integer(Setting::intWinWidth), settings.integer(Setting::intWinHeight)};
    if (rect.width > 0 && rect.height > 0) placement.normal = rect;
    return placement;
}

void saveWindowPlacement(Settings& settings, const WindowPlacement& placement) {
    const WindowRect rect = placement.normal.value_or(WindowRect{});
    // Clamped to the keys' ranges, so that a value the settings refuse cannot stop the others being saved.
    auto place = [](int value) { return std::to_string(std::clamp(value, -32768, 32767)); };
    auto size = [](int value) { return std::to_string(std::clamp(value, 0, 32767)); };
    settings.set(Setting::intWinLeft, place(rect.x));
    settings.set(Setting::intWinTop, place(rect.y));
    settings.set(Setting::intWinWidth, size(rect.width));
    settings.set(Setting::intWinHeight, size(rect.height));
    settings.set(Setting::bolWinMax, placement.maximised ? "True" : "False");
}

ScreenPlacement placeOnScreen(const WindowPlacement& remembered, const WindowRect& available, int frameWidth,
                              int frameHeight, int minimumWidth, int minimumHeight) {
    // The largest content that fits the area together with its frame.
    const int roomWidth = std::max(1, available.width - frameWidth);
    const int roomHeight = std::max(1, available.height - frameHeight);
    auto fit = [](int wanted, int minimum, int room) { return std::min(std::max(wanted, minimum), room); };

    ScreenPlacement placement;
    placement.maximised = remembered.maximised;
    WindowRect rect;
    if (remembered.normal) {
        rect.width = fit(remembered.normal->width, minimumWidth, roomWidth);
        rect.height = fit(remembered.normal->height, minimumHeight, roomHeight);
        rect.x = remembered.normal->x;
        rect.y = remembered.normal->y;
    } else {
        // A screen without room for the preferred size opens the window maximised: it then takes the whole area.
        if (kPreferredWindowWidth > roomWidth || kPreferredWindowHeight > roomHeight) placement.maximised = true;
        rect.width = fit(kPreferredWindowWidth, minimumWidth, roomWidth);
        rect.height = fit(kPreferredWindowHeight, minimumHeight, roomHeight);
        rect.x = available.x + (available.width - rect.width - frameWidth) / 2;
        rect.y = available.y + (available.height - rect.height - frameHeight) / 2;
    }
    // The whole frame inside the area: moved back from the right and bottom edges first, then from the left
    // and top, so that the title bar is always reachable.
    rect.x = std::max(available.x, std::min(rect.x, available.x + available.width - rect.width - frameWidth));
    rect.y = std::max(available.y, std::min(rect.y, available.y + available.height - rect.height - frameHeight));
    placement.normal = rect;
    return placement;
}

} // namespace quorvel
