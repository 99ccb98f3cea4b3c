// SPDX-License-Identifier: MIT
#include "ScriptDialogs.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace quorvel::script {

namespace {

const QString kOk = QStringLiteral("ok");
const QString kCancel = QStringLiteral("cancel");

// The entries of a menu a user can choose, sub-menus opened: each named by its object name.
void collectEntries(const QMenu& menu, std::vector<QAction*>& entries) {
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) continue;
        if (action->menu() != nullptr) {
            collectEntries(*action->menu(), entries);
        } else {
            entries.push_back(action);
        }
    }
}

QString entryName(const QAction& action) {
    return action.objectName().isEmpty() ? QStringLiteral("(unnamed \"%1\")").arg(action.text()) : action.objectName();
}

} // namespace

std::optional<QString> ScriptDialogs::takeFault() {
    auto fault = m_fault;
    m_fault.reset();
    return fault;
}

std::optional<QString> ScriptDialogs::next() {
    if (m_answers.empty()) return std::nullopt;
    QString answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptDialogs::print(const char* kind, const QString& title, const QString& text,
                          const std::optional<QString>& answer, ScriptOutput::Json extra, const QStringList& buttons) {
    ScriptOutput::Json dialog;
    dialog["kind"] = kind;
    dialog["title"] = ScriptOutput::utf8(title);
    dialog["text"] = ScriptOutput::utf8(text);
    ScriptOutput::Json shown = ScriptOutput::Json::array();
    for (const QString& button : buttons.isEmpty() && m_buttons ? m_buttons(QString::fromLatin1(kind)) : buttons)
        shown.push_back(ScriptOutput::utf8(button));
    dialog["buttons"] = shown;
    for (auto& [key, value] : extra.items())
        dialog[key] = value;
    dialog["answer"] = answer ? ScriptOutput::utf8(*answer) : std::string("cancel (none queued)");
    m_output.print({{"dialog", dialog}});
}

void ScriptDialogs::fault(const QString& text) {
    if (!m_fault) m_fault = text;
}

// A message prints its icon beside its kind, so that a script can tell a refusal from a report.
void ScriptDialogs::notice(const char* icon, const QString& title, const QString& text) {
    auto answer = next();
    print("message", title, text, answer, {{"icon", icon}});
    if (answer && *answer != kOk && *answer != kCancel)
        fault(QStringLiteral("the message \"%1\" was answered \"%2\"; a message takes \"ok\"").arg(title, *answer));
}

void ScriptDialogs::message(QWidget*, const QString& title, const QString& text) { notice("information", title, text); }

void ScriptDialogs::warning(QWidget*, const QString& title, const QString& text) { notice("warning", title, text); }

bool ScriptDialogs::question(QWidget*, const QString& title, const QString& text) {
    auto answer = next();
    print("question", title, text, answer);
    if (answer && *answer != kOk && *answer != kCancel)
        fault(QStringLiteral("the question \"%1\" was answered \"%2\"; a question takes \"ok\" or \"cancel\"")
                  .arg(title, *answer));
    return answer == kOk;
}

std::optional<QString> ScriptDialogs::input(QWidget*, const QString& title, const QString& prompt,
                                            const QString& defaultText) {
    auto answer = next();
    print("input", title, prompt, answer, {{"default", ScriptOutput::utf8(defaultText)}});
    if (!answer || *answer == kCancel) return std::nullopt;
    return *answer == kOk ? defaultText : *answer;
}

std::optional<QString> ScriptDialogs::openFile(QWidget*, const QString& title, const QString& folder,
                                               const QString& filter) {
    auto answer = next();
    print("file", title, folder, answer, {{"filter", ScriptOutput::utf8(filter)}});
    if (!answer || *answer == kCancel) return std::nullopt;
    if (*answer == kOk) {
        fault(QStringLiteral("the file dialog \"%1\" was answered \"ok\"; a file dialog takes a path or \"cancel\"")
                  .arg(title));
        return std::nullopt;
    }
    return *answer;
}

std::optional<QString> ScriptDialogs::saveFile(QWidget*, const QString& title, const QString& suggested,
                                               const QString& filter) {
    auto answer = next();
    print("file", title, suggested, answer, {{"filter", ScriptOutput::utf8(filter)}, {"save", true}},
          m_buttons ? m_buttons(QStringLiteral("save")) : QStringList());
    if (!answer || *answer == kCancel) return std::nullopt;
    return *answer == kOk ? suggested : *answer;
}

void ScriptDialogs::printPreview(QWidget*, const QString& title, PrintSetup& setup, const PagePainter& paint) {
    auto answer = next();
    print("print", title, {}, answer, {{"fit_choice", setup.offerFit}, {"landscape", setup.landscape}});
    if (!answer || *answer == kCancel) return;
    if (*answer != kOk) {
        fault(QStringLiteral("the print preview \"%1\" was answered \"%2\"; it takes \"ok\" or \"cancel\"")
                  .arg(title, *answer));
        return;
    }
    // The pages are painted as for a printer; the file they land in is thrown away.
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
    printer.setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    paint(printer, setup.fitWidth);
}

void ScriptDialogs::popup(QMenu& menu, const QPoint& globalPosition) {
    // Shown as a user would see it, so that whatever the window fills in when the menu opens is there.
    menu.popup(globalPosition);
    QApplication::processEvents();
    std::vector<QAction*> entries;
    collectEntries(menu, entries);
    QStringList names;
    QStringList captions;
    for (const QAction* entry : entries) {
        names << entryName(*entry);
        captions << QString(entry->text()).remove(QLatin1Char('&'));
    }

    auto answer = next();
    print("menu", menu.title(), names.join(QStringLiteral(", ")), answer, ScriptOutput::Json::object(), captions);
    menu.hide();
    QApplication::processEvents();
    if (!answer || *answer == kCancel) return;

    auto chosen = std::find_if(entries.begin(), entries.end(),
                               [&](const QAction* entry) { return entry->objectName() == *answer; });
    if (chosen == entries.end()) {
        fault(QStringLiteral("the menu \"%1\" has no entry %2; it has %3")
                  .arg(menu.title(), *answer, names.join(QStringLiteral(", "))));
        return;
    }
    if (!(*chosen)->isVisible()) {
        m_output.print({{"note", ScriptOutput::utf8(*answer + QStringLiteral(" not visible"))}});
    } else if (!(*chosen)->isEnabled()) {
        m_output.print({{"note", ScriptOutput::utf8(*answer + QStringLiteral(" not enabled"))}});
    } else {
        (*chosen)->trigger();
    }
}

} // namespace quorvel::script
