// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quorvel::script {

// What is wrong with the layout of a window, judged from the states of its named controls as a dump gives them
// (geometry [x, y, w, h] in the window's unscrolled content, hint [w, h], visible) and, for each, the nearest
// named control holding it ("inside"). Only visible controls count:
// - a control narrower or lower than its minimum size hint (a caption or a typed text cut, a box squeezed);
// - a grid narrower than the width that shows every column ("columns_width");
// - two controls whose rectangles share pixels, unless one holds the other: a frame and the controls inside
//   it are containment, not overlap, so the pairs judged are in effect the leaf controls and the frames side
//   by side. Rectangles that only touch at an edge do not overlap.
// Each fault is one readable line naming the controls and their numbers.
inline std::vector<std::string> layoutFaults(const nlohmann::ordered_json& controls) {
    struct Control {
        std::string name;
        int x, y, width, height;
        std::string inside;
    };
    std::vector<Control> shown;
    std::map<std::string, std::string> holders;
    std::vector<std::string> faults;
    auto numbers = [](const nlohmann::ordered_json& array) {
        std::string text;
        for (const auto& value : array)
            text += (text.empty() ? "" : ", ") + std::to_string(value.get<int>());
        return "[" + text + "]";
    };
    for (const auto& [name, state] : controls.items()) {
        holders[name] = state.value("inside", std::string());
        if (!state.value("visible", false)) continue;
        const auto& place = state.at("geometry");
        const auto& hint = state.at("hint");
        const Control control{
            name, place[0].get<int>(), place[1].get<int>(), place[2].get<int>(), place[3].get<int>(), holders[name]};
        shown.push_back(control);
        // A hint of 0 or less in one direction asks for nothing there.
        if (control.width < hint[0].get<int>() || control.height < hint[1].get<int>())
            faults.push_back(name + " " + numbers(place) + " is smaller than its minimum size hint " + numbers(hint));
        if (state.contains("columns_width") && control.width < state.at("columns_width").get<int>())
            faults.push_back(name + " " + numbers(place) + " is narrower than its columns, " +
                             std::to_string(state.at("columns_width").get<int>()) + " pixels");
    }
    auto holds = [&holders](const std::string& outer, std::string inner) {
        for (inner = holders[inner]; !inner.empty(); inner = holders[inner])
            if (inner == outer) return true;
        return false;
    };
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const Control& a = shown[i];
            const Control& b = shown[j];
            const bool apart =
                a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y || b.y + b.height <= a.y;
            if (apart || holds(a.name, b.name) || holds(b.name, a.name)) continue;
            faults.push_back(a.name + " " + numbers(controls.at(a.name).at("geometry")) + " overlaps " + b.name + " " +
                             numbers(controls.at(b.name).at("geometry")));
        }
    }
    return faults;
}

} // namespace quorvel::script
