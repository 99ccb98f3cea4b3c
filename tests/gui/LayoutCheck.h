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
//   by side. Rectangles that only touch at an edge do not overlap;
// - a label whose drawn text ("textRect") reaches out of the label, or lies under another control that does not
//   hold the label (a box laid over a word of a prompt);
// - a chart text ("sceneTexts") shortened with an ellipsis or drawn past the chart's edge.
// Each fault is one readable line naming the controls and their numbers.
inline std::vector<std::string> layoutFaults(const nlohmann::ordered_json& controls) {
    struct Control {
        std::string name;
        int x, y, width, height;
        std::string inside;
    };
    auto meets = [](const nlohmann::ordered_json& a, const nlohmann::ordered_json& b) {
        return a[0].get<int>() < b[0].get<int>() + b[2].get<int>() &&
               b[0].get<int>() < a[0].get<int>() + a[2].get<int>() &&
               a[1].get<int>() < b[1].get<int>() + b[3].get<int>() &&
               b[1].get<int>() < a[1].get<int>() + a[3].get<int>();
    };
    auto within = [](const nlohmann::ordered_json& inner, int x, int y, int width, int height) {
        return inner[0].get<int>() >= x && inner[1].get<int>() >= y &&
               inner[0].get<int>() + inner[2].get<int>() <= x + width &&
               inner[1].get<int>() + inner[3].get<int>() <= y + height;
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
        if (state.contains("textRect") &&
            !within(state.at("textRect"), control.x, control.y, control.width, control.height))
            faults.push_back(name + " " + numbers(place) + " cuts its text " + numbers(state.at("textRect")));
        for (const auto& text : state.value("sceneTexts", nlohmann::ordered_json::array())) {
            const std::string shown = text.at("text").get<std::string>();
            if (shown.find("...") != std::string::npos || shown.find("\u2026") != std::string::npos ||
                !within(text.at("rect"), 0, 0, control.width, control.height))
                faults.push_back(name + " shows \"" + shown + "\" cut " + numbers(text.at("rect")));
        }
    }
    auto holds = [&holders](const std::string& outer, std::string inner) {
        for (inner = holders[inner]; !inner.empty(); inner = holders[inner])
            if (inner == outer) return true;
        return false;
    };
    for (const Control& label : shown) {
        const auto& state = controls.at(label.name);
        if (!state.contains("textRect")) continue;
        for (const Control& other : shown) {
            if (other.name == label.name || holds(other.name, label.name)) continue;
            if (meets(state.at("textRect"), controls.at(other.name).at("geometry")))
                faults.push_back(label.name + "'s text " + numbers(state.at("textRect")) + " lies under " + other.name +
                                 " " + numbers(controls.at(other.name).at("geometry")));
        }
    }
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
