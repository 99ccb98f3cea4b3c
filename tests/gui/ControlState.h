// SPDX-License-Identifier: MIT
#pragma once

#include "ScriptOutput.h"

#include <QRect>

#include <optional>

class QAction;
class QTableView;
class QWidget;

namespace quorvel::script {

// The state of a named control as a script's dump step prints it.
class ControlState {
  public:
    // States are read as seen within the given top-level window.
    explicit ControlState(const QWidget& window) : m_window(window) {}

    // text (when the control has one), checked (buttons), visible, enabled, focused, tooltip, geometry
    // [x, y, width, height] in the main window's content and hint (the minimum size hint); a grid adds its
    // rows, top_row, bottom_row, current cell, sort [column, order] and selected cells; the main window adds its status
    // bar's text; a label its drawn text's rectangle (textRect, in the geometry's coordinates); a chart the texts it
    // shows (sceneTexts, each with its rectangle in the chart).
    ScriptOutput::Json of(const QWidget& control) const;
    // text, checked, enabled of a menu action.
    static ScriptOutput::Json of(const QAction& action);

    // What a user reads in a control: a button's caption, a box's text, a combo box's current text, a label's
    // text, a frame's caption; nothing for controls without a text.
    static std::optional<QString> text(const QWidget& control);

  private:
    QRect geometryInContent(const QWidget& control) const;
    static void addGrid(const QTableView& grid, ScriptOutput::Json& state);

    const QWidget& m_window;
};

} // namespace quorvel::script
