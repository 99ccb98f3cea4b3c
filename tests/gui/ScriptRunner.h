// SPDX-License-Identifier: MIT
#pragma once

#include "ControlState.h"
#include "ScriptDialogs.h"
#include "ScriptOutput.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <optional>

class QAction;
class QPoint;
class QSize;
class QWidget;

namespace quorvel::script {

// Runs a UI script against a shown top-level window: clicks and keys are real input events at the
// controls' positions in the window, wheels are wheel events on a grid's viewport, dialogs are answered by
// ScriptDialogs. After each step it waits until the window is idle (its "busy" property false and no
// progress dialog shown).
class ScriptRunner {
  public:
    ScriptRunner(QWidget& window, ScriptDialogs& dialogs, ScriptOutput& output,
                 std::chrono::milliseconds idleTimeout = std::chrono::seconds(60));

    // Runs the steps in order, then prints {"done": true} and returns 0. A step that cannot run (a control
    // that does not exist, a malformed step, a window still busy after the timeout) prints {"error": ...}
    // and returns 1 at once.
    int run(const nlohmann::json& script);

  private:
    void runStep(const nlohmann::json& step);
    void click(const QString& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               Qt::MouseButton button = Qt::LeftButton);
    // A click on a column's header of a grid, the column brought into view first.
    void clickHeader(const nlohmann::json& target);
    // A click at a point inside the control (pixels from its top left).
    void clickPoint(const QString& name, const QPoint& position, Qt::MouseButton button = Qt::LeftButton);
    // Types a text key by key into whatever has the focus, clearing nothing.
    void typeKeys(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void selectTab(const QString& name, int index);
    void type(const QString& name, const QString& text);
    void focus(const QString& name);
    void clickCell(const QString& name, const nlohmann::json& step);
    void wheel(const QString& name, int notches);
    // Resizes a window (a maximised one is made normal first); a size below its minimum is noted.
    void resize(QWidget& window, const QSize& size);
    // The window a step names with "window" (frmTable, frmTrend), else the main window.
    QWidget* namedWindow(const nlohmann::json& step) const;
    // Scrolls the window's content, when it scrolls, until the point of the control is in view.
    void bringIntoView(QWidget& target, const QPoint& position);
    void dump(const nlohmann::json& names);

    QWidget* findWidget(const QString& name) const;
    QAction* findAction(const QString& name) const;
    QWidget& requireWidget(const QString& name) const;
    bool usable(const QWidget& control, const QString& name);
    void note(const QString& text);
    // Makes a top-level window active (the main window or another, such as frmTable).
    void activate(QWidget& window);
    void giveFocus(QWidget& control, const QString& name);
    void clearByKeys(QWidget& control);
    void pressKey(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void clickAt(QWidget& target, const QPoint& position, const QString& name, Qt::MouseButton button, bool twice,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    bool idle() const;
    void waitUntilIdle();
    void closeStrayDialog();

    QWidget& m_window;
    ScriptDialogs& m_dialogs;
    ScriptOutput& m_output;
    ControlState m_state;
    std::chrono::milliseconds m_idleTimeout;
    // A modal dialog the window opened itself instead of through Dialogs: the script could not answer it.
    std::optional<QString> m_strayDialog;
};

} // namespace quorvel::script
