// SPDX-License-Identifier: MIT
// The runner's input: real mouse, key and wheel events at the controls' positions in the shown window.
#include "ScriptRunner.h"
#include "ScriptSteps.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

namespace quorvel::script {

namespace {

using Json = nlohmann::json;

constexpr int kNotch = 120;

QString describe(const QWidget* widget) {
    if (widget == nullptr) return QStringLiteral("nothing (outside the window)");
    return widget->objectName().isEmpty() ? QStringLiteral("an unnamed %1").arg(widget->metaObject()->className())
                                          : widget->objectName();
}

} // namespace

void ScriptRunner::resize(QWidget& window, const QSize& size) {
    // A maximised window keeps the screen's size: it is made a normal window first, as a user would.
    if (window.isMaximized() || window.isFullScreen()) window.showNormal();
    window.resize(size);
    QApplication::processEvents();
    if (window.size() != size)
        note(QStringLiteral("%1 is %2 x %3: it cannot be made %4 x %5 (its minimum size is %6 x %7)")
                 .arg(window.objectName())
                 .arg(window.width())
                 .arg(window.height())
                 .arg(size.width())
                 .arg(size.height())
                 .arg(window.minimumWidth())
                 .arg(window.minimumHeight()));
}

void ScriptRunner::bringIntoView(QWidget& target, const QPoint& position) {
    auto* window = qobject_cast<QMainWindow*>(&m_window);
    auto* area = window != nullptr ? qobject_cast<QScrollArea*>(window->centralWidget()) : nullptr;
    if (area == nullptr || area->widget() == nullptr || !area->widget()->isAncestorOf(&target)) return;
    // A user scrolls the window's content until the point is in view; a point in view stays where it is.
    const QPoint inContent = target.mapTo(area->widget(), position);
    area->ensureVisible(inContent.x(), inContent.y(), 8, 8);
    QApplication::processEvents();
}

void ScriptRunner::clickAt(QWidget& target, const QPoint& position, const QString& name, Qt::MouseButton button,
                           bool twice, Qt::KeyboardModifiers modifiers) {
    bringIntoView(target, position);
    // The event goes to the window at that point, so whatever a user would hit there receives it; a click
    // into another window (frmTable and the main window) makes that one active, as the desktop does.
    QWidget* top = target.window();
    if (!qobject_cast<QMenu*>(top)) activate(*top);
    const QPoint inWindow = target.mapTo(top, position);
    QWidget* hit = top->childAt(inWindow);
    if (hit != &target && !target.isAncestorOf(hit))
        throw ScriptError(
            QStringLiteral("%1 cannot be reached: at its position the window shows %2").arg(name, describe(hit)));
    if (twice) {
        QTest::mouseDClick(top->windowHandle(), button, modifiers, inWindow);
    } else {
        QTest::mouseClick(top->windowHandle(), button, modifiers, inWindow);
    }
}

void ScriptRunner::click(const QString& name, Qt::KeyboardModifiers modifiers, Qt::MouseButton button) {
    QWidget* control = findWidget(name);
    if (control == nullptr) {
        QAction* action = findAction(name);
        if (action == nullptr) throw ScriptError(QStringLiteral("no control or menu action named %1").arg(name));
        if (!action->isVisible()) return note(name + QStringLiteral(" not visible"));
        if (!action->isEnabled()) return note(name + QStringLiteral(" not enabled"));
        action->trigger();
        return;
    }
    if (!usable(*control, name)) return;
    QPoint position = control->rect().center();
    // A check box or option button reacts only on its indicator and caption, wherever the layout stretched it.
    const bool check = control->inherits("QCheckBox");
    if (check || control->inherits("QRadioButton")) {
        QStyleOptionButton option;
        option.initFrom(control);
        position = control->style()
                       ->subElementRect(check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option,
                                        control)
                       .center();
    }
    clickAt(*control, position, name, button, false, modifiers);
}

void ScriptRunner::clickHeader(const Json& target) {
    if (!target.is_array() || target.size() != 2 || !target[0].is_string() || !target[1].is_number_integer())
        throw ScriptError(QStringLiteral("\"click_header\" must be [GRID, COLUMN], a grid's name and a column"));
    clickCell(QString::fromStdString(target[0].get<std::string>()), Json{{"row", 0}, {"column", target[1].get<int>()}});
}

void ScriptRunner::clickPoint(const QString& name, const QPoint& position, Qt::MouseButton button) {
    QWidget& control = requireWidget(name);
    if (!usable(control, name)) return;
    if (!control.rect().contains(position))
        throw ScriptError(QStringLiteral("[%1, %2] is outside %3, which is %4 x %5 pixels")
                              .arg(position.x())
                              .arg(position.y())
                              .arg(name)
                              .arg(control.width())
                              .arg(control.height()));
    clickAt(control, position, name, button, false);
}

void ScriptRunner::selectTab(const QString& name, int index) {
    QWidget& control = requireWidget(name);
    auto* bar = qobject_cast<QTabBar*>(&control);
    if (auto* tabs = qobject_cast<QTabWidget*>(&control)) bar = tabs->tabBar();
    if (bar == nullptr) throw ScriptError(QStringLiteral("%1 is not a tab bar").arg(name));
    if (!usable(control, name)) return;
    if (index < 0 || index >= bar->count())
        throw ScriptError(QStringLiteral("%1 has no tab %2 (tabs 0..%3)").arg(name).arg(index).arg(bar->count() - 1));
    if (!bar->isTabVisible(index)) return note(QStringLiteral("%1 tab %2 not visible").arg(name).arg(index));
    if (!bar->isTabEnabled(index)) return note(QStringLiteral("%1 tab %2 not enabled").arg(name).arg(index));
    clickAt(*bar, bar->tabRect(index).center(), name, Qt::LeftButton, false);
}

void ScriptRunner::activate(QWidget& window) {
    if (window.isActiveWindow()) return;
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        throw ScriptError(QStringLiteral("the window %1 did not become active").arg(window.objectName()));
}

void ScriptRunner::giveFocus(QWidget& control, const QString& name) {
    activate(*control.window());
    control.setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    if (!control.hasFocus())
        throw ScriptError(
            QStringLiteral("%1 did not take the focus (it is on %2)").arg(name, describe(QApplication::focusWidget())));
}

void ScriptRunner::focus(const QString& name) {
    QWidget& control = requireWidget(name);
    if (usable(control, name)) giveFocus(control, name);
}

void ScriptRunner::pressKey(int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    // Through the active window, so the key reaches whichever control has the focus now, as a typed key would.
    QWidget* active = QApplication::activeWindow();
    QTest::sendKeyEvent(QTest::Click, (active != nullptr ? active : &m_window)->windowHandle(),
                        static_cast<Qt::Key>(key), text, modifiers);
}

void ScriptRunner::clearByKeys(QWidget& control) {
    if (ControlState::text(control).value_or(QString()).isEmpty()) return;
    // A list without a text box has nothing to clear: a user types the first letters of an item, and End or
    // Backspace would choose the last item or spoil the search the letters make.
    if (auto* combo = qobject_cast<QComboBox*>(&control); combo != nullptr && !combo->isEditable()) return;
    // Only End and Backspace: a box that filters its keys lets these through, as it must for a user.
    qsizetype length = ControlState::text(control)->size();
    if (auto* combo = qobject_cast<QComboBox*>(&control); combo != nullptr && combo->lineEdit() != nullptr)
        length = combo->lineEdit()->displayText().size();
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) length = edit->displayText().size();
    const bool multiLine = qobject_cast<QPlainTextEdit*>(&control) != nullptr || qobject_cast<QTextEdit*>(&control);
    pressKey(Qt::Key_End, QString(), multiLine ? Qt::ControlModifier : Qt::NoModifier);
    for (qsizetype i = 0; i < length; ++i)
        pressKey(Qt::Key_Backspace, QStringLiteral("\b"));
}

void ScriptRunner::type(const QString& name, const QString& text) {
    QWidget& control = requireWidget(name);
    if (!usable(control, name)) return;
    giveFocus(control, name);
    clearByKeys(control);
    // A list chooses by the letters typed within a short while; what a step types starts a new choice, as a user's
    // typing after a pause does.
    if (auto* combo = qobject_cast<QComboBox*>(&control); combo != nullptr && !combo->isEditable())
        QTest::qWait(QApplication::keyboardInputInterval() + 50);
    typeKeys(text);
}

void ScriptRunner::typeKeys(const QString& text, Qt::KeyboardModifiers modifiers) {
    for (char32_t character : text.toUcs4()) {
        const QString keyText = QString::fromUcs4(&character, 1);
        switch (character) {
        case U'\n': pressKey(Qt::Key_Return, QStringLiteral("\r"), modifiers); break;
        case U'\t': pressKey(Qt::Key_Tab, keyText, modifiers); break;
        case U'\b': pressKey(Qt::Key_Backspace, keyText, modifiers); break;
        // A key held with Ctrl types no text: Ctrl+C is a shortcut, not a "c".
        default:
            pressKey(static_cast<int>(QChar::toUpper(character)), modifiers & Qt::ControlModifier ? QString() : keyText,
                     modifiers);
            break;
        }
    }
}

void ScriptRunner::clickCell(const QString& name, const Json& step) {
    QWidget& control = requireWidget(name);
    auto* grid = qobject_cast<QTableView*>(&control);
    if (grid == nullptr || grid->model() == nullptr) throw ScriptError(QStringLiteral("%1 is not a grid").arg(name));
    const int row = *member<int>(step, "row", true, "a whole number");
    const int column = *member<int>(step, "column", true, "a whole number");
    const std::string button = member<std::string>(step, "button", false, "\"left\" or \"right\"").value_or("left");
    if (button != "left" && button != "right")
        throw ScriptError(QStringLiteral("\"button\" must be \"left\" or \"right\""));
    const bool twice = member<bool>(step, "double", false, "true or false").value_or(false);
    const Qt::KeyboardModifiers modifiers = modifiersOf(step);
    if (!usable(control, name)) return;

    const QAbstractItemModel& model = *grid->model();
    if (row < 0 || row > model.rowCount())
        throw ScriptError(QStringLiteral("%1 has no row %2 (rows 0..%3)").arg(name).arg(row).arg(model.rowCount()));
    if (column < 0 || column >= model.columnCount())
        throw ScriptError(
            QStringLiteral("%1 has no column %2 (columns 0..%3)").arg(name).arg(column).arg(model.columnCount() - 1));
    const Qt::MouseButton mouseButton = button == "right" ? Qt::RightButton : Qt::LeftButton;
    if (row == 0) {
        // The header row: bring the column into view without moving the rows.
        if (model.rowCount() > 0) grid->scrollTo(model.index(std::max(grid->rowAt(0), 0), column));
        QHeaderView& header = *grid->horizontalHeader();
        if (!header.isVisibleTo(&m_window)) return note(name + QStringLiteral(" header row not visible"));
        const QPoint position(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                              header.viewport()->height() / 2);
        clickAt(*header.viewport(), position, name, mouseButton, twice, modifiers);
        return;
    }
    const QModelIndex index = model.index(row - 1, column);
    grid->scrollTo(index);
    QApplication::processEvents();
    const QRect cell = grid->visualRect(index);
    if (cell.isEmpty()) return note(QStringLiteral("%1 cell %2,%3 not visible").arg(name).arg(row).arg(column));
    clickAt(*grid->viewport(), cell.center(), name, mouseButton, twice, modifiers);
}

void ScriptRunner::wheel(const QString& name, int notches) {
    QWidget& control = requireWidget(name);
    auto* area = qobject_cast<QAbstractScrollArea*>(&control);
    if (area == nullptr) throw ScriptError(QStringLiteral("%1 is not a grid").arg(name));
    if (!usable(control, name)) return;
    QWidget& viewport = *area->viewport();
    const QPointF position = QRectF(viewport.rect()).center();
    const QPointF global = viewport.mapToGlobal(position);
    // One event per notch, as a wheel sends them; positive is away from the user.
    for (int i = 0; i < std::abs(notches); ++i) {
        QWheelEvent event(position, global, QPoint(), QPoint(0, notches > 0 ? kNotch : -kNotch), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&viewport, &event);
        QApplication::processEvents();
    }
}

} // namespace quorvel::script
