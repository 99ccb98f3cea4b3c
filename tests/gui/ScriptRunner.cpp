// SPDX-License-Identifier: MIT
#include "ScriptRunner.h"

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

#include <array>
#include <map>
#include <set>
#include <stdexcept>

namespace quorvel::script {

namespace {

using Json = nlohmann::json;

// A step that cannot run; the runner prints it and stops.
class ScriptError : public std::runtime_error {
  public:
    explicit ScriptError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

constexpr std::array kActions{"click", "tab",    "type", "keys",       "focus", "cell",
                              "wheel", "answer", "dump", "screenshot", "resize"};
constexpr int kNotch = 120;

QString qs(const std::string& text) { return QString::fromStdString(text); }

// The member of a step, checked for its JSON type; a missing optional member gives nothing.
template <typename T> std::optional<T> member(const Json& step, const char* key, bool required, const char* expected) {
    auto found = step.find(key);
    if (found == step.end()) {
        if (required) throw ScriptError(QStringLiteral("\"%1\" is missing").arg(key));
        return std::nullopt;
    }
    bool fits = false;
    if constexpr (std::is_same_v<T, std::string>) fits = found->is_string();
    if constexpr (std::is_same_v<T, int>) fits = found->is_number_integer();
    if constexpr (std::is_same_v<T, bool>) fits = found->is_boolean();
    if (!fits) throw ScriptError(QStringLiteral("\"%1\" must be %2").arg(key, expected));
    return found->get<T>();
}

QString describe(const QWidget* widget) {
    if (widget == nullptr) return QStringLiteral("nothing (outside the window)");
    return widget->objectName().isEmpty() ? QStringLiteral("an unnamed %1").arg(widget->metaObject()->className())
                                          : widget->objectName();
}

} // namespace

ScriptRunner::ScriptRunner(QWidget& window, ScriptDialogs& dialogs, ScriptOutput& output,
                           std::chrono::milliseconds idleTimeout)
    : m_window(window), m_dialogs(dialogs), m_output(output), m_state(window), m_idleTimeout(idleTimeout) {}

int ScriptRunner::run(const Json& script) {
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [this] { closeStrayDialog(); });
    watchdog.start(100);
    try {
        if (!script.is_array()) throw ScriptError(QStringLiteral("a script is a JSON array of steps"));
        waitUntilIdle();
        for (std::size_t i = 0; i < script.size(); ++i) {
            try {
                runStep(script[i]);
            } catch (const ScriptError& error) {
                throw ScriptError(QStringLiteral("step %1: %2").arg(i + 1).arg(qs(error.what())));
            }
            waitUntilIdle();
            if (auto fault = m_dialogs.takeFault())
                throw ScriptError(QStringLiteral("step %1: %2").arg(i + 1).arg(*fault));
            if (m_strayDialog) throw ScriptError(QStringLiteral("step %1: %2").arg(i + 1).arg(*m_strayDialog));
        }
    } catch (const ScriptError& error) {
        m_output.print({{"error", error.what()}});
        return 1;
    }
    if (!m_dialogs.pending().empty()) {
        QStringList unused(m_dialogs.pending().begin(), m_dialogs.pending().end());
        note(QStringLiteral("answers left unused (no dialog asked for them): %1")
                 .arg(unused.join(QStringLiteral(", "))));
    }
    m_output.print({{"done", true}});
    return 0;
}

void ScriptRunner::runStep(const Json& step) {
    if (!step.is_object()) throw ScriptError(QStringLiteral("a step is a JSON object"));
    const char* action = nullptr;
    for (const char* candidate : kActions) {
        if (!step.contains(candidate)) continue;
        if (action != nullptr)
            throw ScriptError(QStringLiteral("the step names two actions, \"%1\" and \"%2\"").arg(action, candidate));
        action = candidate;
    }
    if (action == nullptr)
        throw ScriptError(QStringLiteral("the step %1 names no action (click, tab, type, keys, focus, cell, "
                                         "wheel, answer, dump, screenshot or resize)")
                              .arg(qs(step.dump())));
    const std::string kind = action;
    const std::map<std::string, std::set<std::string>> extraKeys{
        {"click", {"at"}},      {"tab", {"index"}},
        {"type", {"text"}},     {"cell", {"row", "column", "button", "double"}},
        {"wheel", {"notches"}}, {"screenshot", {"window"}},
        {"resize", {"window"}}};
    for (const auto& [key, value] : step.items()) {
        const auto extra = extraKeys.find(kind);
        if (key != kind && (extra == extraKeys.end() || !extra->second.contains(key)))
            throw ScriptError(QStringLiteral("\"%1\" does not belong in a %2 step").arg(qs(key), action));
    }
    if (kind == "answer" || kind == "dump") {
        const Json& list = step.at(kind);
        if (!list.is_array() ||
            !std::all_of(list.begin(), list.end(), [](const Json& item) { return item.is_string(); }))
            throw ScriptError(QStringLiteral("\"%1\" must be an array of texts").arg(action));
        if (kind == "dump") {
            dump(list);
        } else {
            for (const Json& answer : list)
                m_dialogs.queue(qs(answer.get<std::string>()));
        }
        return;
    }
    if (kind == "screenshot") {
        // A picture of the whole window as it stands, for a reviewer to look at; it changes nothing.
        // With "window": another top-level window by its name (frmTable), else the main window.
        const QString path = qs(*member<std::string>(step, action, true, "the path of a PNG file"));
        QWidget* window = namedWindow(step);
        if (!window->grab().save(path, "PNG")) throw ScriptError(QStringLiteral("cannot write %1").arg(path));
        return;
    }
    if (kind == "resize") {
        const Json& size = step.at(kind);
        if (!size.is_array() || size.size() != 2 || !size[0].is_number_integer() || !size[1].is_number_integer() ||
            size[0].get<int>() < 1 || size[1].get<int>() < 1)
            throw ScriptError(QStringLiteral("\"resize\" must be [W, H], two whole numbers above 0"));
        resize(*namedWindow(step), QSize(size[0].get<int>(), size[1].get<int>()));
        return;
    }
    if (kind == "keys") {
        typeKeys(qs(*member<std::string>(step, action, true, "a text")));
        return;
    }
    const QString name = qs(*member<std::string>(step, action, true, "the name of a control"));
    if (kind == "click") {
        if (step.contains("at")) {
            const Json& at = step.at("at");
            if (!at.is_array() || at.size() != 2 || !at[0].is_number_integer() || !at[1].is_number_integer())
                throw ScriptError(QStringLiteral("\"at\" must be [X, Y], two whole numbers"));
            clickPoint(name, QPoint(at[0].get<int>(), at[1].get<int>()));
        } else {
            click(name);
        }
    }
    if (kind == "tab") selectTab(name, *member<int>(step, "index", true, "a whole number"));
    if (kind == "type") type(name, qs(*member<std::string>(step, "text", true, "a text")));
    if (kind == "focus") focus(name);
    if (kind == "cell") clickCell(name, step);
    if (kind == "wheel") wheel(name, *member<int>(step, "notches", true, "a whole number"));
}

QWidget* ScriptRunner::findWidget(const QString& name) const {
    if (m_window.objectName() == name) return &m_window;
    return m_window.findChild<QWidget*>(name);
}

QAction* ScriptRunner::findAction(const QString& name) const { return m_window.findChild<QAction*>(name); }

QWidget& ScriptRunner::requireWidget(const QString& name) const {
    QWidget* control = findWidget(name);
    if (control == nullptr) throw ScriptError(QStringLiteral("no control named %1 in the window").arg(name));
    return *control;
}

void ScriptRunner::note(const QString& text) { m_output.print({{"note", ScriptOutput::utf8(text)}}); }

bool ScriptRunner::usable(const QWidget& control, const QString& name) {
    if (!(&control == &m_window ? control.isVisible() : control.isVisibleTo(&m_window))) {
        note(name + QStringLiteral(" not visible"));
        return false;
    }
    if (!control.isEnabled()) {
        note(name + QStringLiteral(" not enabled"));
        return false;
    }
    return true;
}

QWidget* ScriptRunner::namedWindow(const nlohmann::json& step) const {
    auto name = member<std::string>(step, "window", false, "the name of a window");
    if (!name) return &m_window;
    QWidget* window = findWidget(qs(*name));
    if (window == nullptr || !window->isWindow())
        throw ScriptError(QStringLiteral("no window named %1").arg(qs(*name)));
    return window;
}

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
                           bool twice) {
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
        QTest::mouseDClick(top->windowHandle(), button, Qt::NoModifier, inWindow);
    } else {
        QTest::mouseClick(top->windowHandle(), button, Qt::NoModifier, inWindow);
    }
}

void ScriptRunner::click(const QString& name) {
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
    clickAt(*control, position, name, Qt::LeftButton, false);
}

void ScriptRunner::clickPoint(const QString& name, const QPoint& position) {
    QWidget& control = requireWidget(name);
    if (!usable(control, name)) return;
    if (!control.rect().contains(position))
        throw ScriptError(QStringLiteral("[%1, %2] is outside %3, which is %4 x %5 pixels")
                              .arg(position.x())
                              .arg(position.y())
                              .arg(name)
                              .arg(control.width())
                              .arg(control.height()));
    clickAt(control, position, name, Qt::LeftButton, false);
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
    typeKeys(text);
}

void ScriptRunner::typeKeys(const QString& text) {
    for (char32_t character : text.toUcs4()) {
        const QString keyText = QString::fromUcs4(&character, 1);
        switch (character) {
        case U'\n': pressKey(Qt::Key_Return, QStringLiteral("\r")); break;
        case U'\t': pressKey(Qt::Key_Tab, keyText); break;
        case U'\b': pressKey(Qt::Key_Backspace, keyText); break;
        default: pressKey(static_cast<int>(QChar::toUpper(character)), keyText); break;
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
        clickAt(*header.viewport(), position, name, mouseButton, twice);
        return;
    }
    const QModelIndex index = model.index(row - 1, column);
    grid->scrollTo(index);
    QApplication::processEvents();
    const QRect cell = grid->visualRect(index);
    if (cell.isEmpty()) return note(QStringLiteral("%1 cell %2,%3 not visible").arg(name).arg(row).arg(column));
    clickAt(*grid->viewport(), cell.center(), name, mouseButton, twice);
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

void ScriptRunner::dump(const Json& names) {
    ScriptOutput::Json states = ScriptOutput::Json::object();
    for (const Json& item : names) {
        const QString name = qs(item.get<std::string>());
        if (QWidget* control = findWidget(name)) {
            states[item.get<std::string>()] = m_state.of(*control);
        } else if (QAction* action = findAction(name)) {
            states[item.get<std::string>()] = ControlState::of(*action);
        } else {
            throw ScriptError(QStringLiteral("no control or menu action named %1").arg(name));
        }
    }
    m_output.print({{"dump", states}});
}

bool ScriptRunner::idle() const {
    if (m_window.property("busy").toBool()) return false;
    const auto windows = QApplication::topLevelWidgets();
    return std::none_of(windows.begin(), windows.end(), [](const QWidget* window) {
        return qobject_cast<const QProgressDialog*>(window) != nullptr && window->isVisible();
    });
}

void ScriptRunner::waitUntilIdle() {
    QDeadlineTimer deadline(m_idleTimeout);
    QApplication::processEvents();
    while (!idle()) {
        if (deadline.hasExpired()) throw ScriptError(QStringLiteral("busy"));
        QTest::qWait(10);
    }
    QApplication::processEvents();
    // A layout that changes asks its parent to lay out again by a posted event, one level per round: a few
    // rounds let a change reach the window's content, so that geometries in a dump are the settled ones.
    for (int round = 0; round < 8; ++round) {
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QApplication::processEvents();
    }
}

void ScriptRunner::closeStrayDialog() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || qobject_cast<QProgressDialog*>(dialog) != nullptr) return;
    if (!m_strayDialog)
        m_strayDialog = QStringLiteral("the window opened the dialog \"%1\" itself, not through its Dialogs; "
                                       "the runner closed it unanswered")
                            .arg(dialog->windowTitle());
    dialog->reject();
}

} // namespace quorvel::script
