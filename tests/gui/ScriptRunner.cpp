// SPDX-License-Identifier: MIT
#include "ScriptRunner.h"
#include "ScriptSteps.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QHeaderView>
#include <QImage>
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

constexpr std::array kActions{"click", "tab",    "type", "keys",       "focus",  "cell",
                              "wheel", "answer", "dump", "screenshot", "resize", "click_header"};

QString qs(const std::string& text) { return QString::fromStdString(text); }

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
        throw ScriptError(QStringLiteral("the step %1 names no action (click, click_header, tab, type, keys, focus, "
                                         "cell, wheel, answer, dump, screenshot or resize)")
                              .arg(qs(step.dump())));
    const std::string kind = action;
    const std::map<std::string, std::set<std::string>> extraKeys{
        {"click", {"at", "modifiers", "button"}},
        {"tab", {"index"}},
        {"keys", {"modifiers"}},
        {"type", {"text"}},
        {"cell", {"row", "column", "button", "double", "modifiers"}},
        {"wheel", {"notches"}},
        {"screenshot", {"window"}},
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
        typeKeys(qs(*member<std::string>(step, action, true, "a text")), modifiersOf(step));
        return;
    }
    if (kind == "click_header") {
        clickHeader(step.at(kind));
        return;
    }
    const QString name = qs(*member<std::string>(step, action, true, "the name of a control"));
    if (kind == "click") {
        // A right click opens a control's menu (a chart's pictures, a grid's entries).
        const std::string button = member<std::string>(step, "button", false, "\"left\" or \"right\"").value_or("left");
        if (button != "left" && button != "right")
            throw ScriptError(QStringLiteral("\"button\" must be \"left\" or \"right\""));
        const Qt::MouseButton mouseButton = button == "right" ? Qt::RightButton : Qt::LeftButton;
        if (step.contains("at")) {
            const Json& at = step.at("at");
            if (!at.is_array() || at.size() != 2 || !at[0].is_number_integer() || !at[1].is_number_integer())
                throw ScriptError(QStringLiteral("\"at\" must be [X, Y], two whole numbers"));
            clickPoint(name, QPoint(at[0].get<int>(), at[1].get<int>()), mouseButton);
        } else {
            click(name, modifiersOf(step), mouseButton);
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

void ScriptRunner::dump(const Json& names) {
    ScriptOutput::Json states = ScriptOutput::Json::object();
    for (const Json& item : names) {
        const QString name = qs(item.get<std::string>());
        if (name == QStringLiteral("clipboard")) {
            // What a paste would give: the text Ctrl+C or 复制 put there, or the size of the picture 复制为图片 put
            // there.
            const QImage image = QApplication::clipboard()->image();
            if (!image.isNull())
                states["clipboard"] = {{"image", {{"width", image.width()}, {"height", image.height()}}}};
            else
                states["clipboard"] = ScriptOutput::utf8(QApplication::clipboard()->text());
        } else if (QWidget* control = findWidget(name)) {
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
