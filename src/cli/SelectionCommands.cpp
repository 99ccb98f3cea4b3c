// SPDX-License-Identifier: MIT
// selection list|save|delete: the selections saved in the data folder and the sets built in.
#include "cli/CliContext.h"
#include "cli/CommandOptions.h"
#include "cli/Commands.h"
#include "model/Error.h"
#include "model/NumberTables.h"
#include "platform/LanguageWordings.h"

#include <algorithm>
#include <memory>

namespace quorvel {

namespace {

struct Arguments {
    std::string name;
    std::string kind;
    std::vector<std::string> boxes;
    bool replace = false;
};

nlohmann::ordered_json selectionJson(const Selection& selection) {
    return {{"name", selection.name},
            {"kind", std::string(kindInfo(selection.kind).englishName)},
            {"boxes", selection.boxes},
            {"builtin", selection.builtin}};
}

// "号码  红波  01 02 07 …": a selection as the text output lists it, in the context's language.
std::string selectionLine(const CliContext& context, const Selection& selection) {
    std::string boxes;
    for (int box : selection.boxes)
        boxes += " " + twoDigits(box);
    const std::string kind = context.said(Message::core(kindInfo(selection.kind).chineseName.data()));
    const std::string marked = selection.builtin ? context.said(QT_TRANSLATE_NOOP("Cli", " (built in)")) : "";
    return kind + "\t" + selection.name + marked + "\t" + (boxes.empty() ? "-" : boxes.substr(1));
}

// Every kind's sets and saved selections, or one kind's with --kind; built-in names in `wording`'s language.
std::vector<Selection> listed(CliContext& context, const Arguments& arguments, const Wording& wording) {
    Workspace& workspace = context.workspace();
    const int zodiacYear = zodiacYearOfIssue(workspace.history().nextIssue());
    const SelectionBook book = selectionBook(context);
    std::vector<Selection> all;
    for (const KindInfo& info : allKinds()) {
        if (!arguments.kind.empty() && info.kind != kindArgument(arguments.kind)) continue;
        for (Selection& selection : book.listFor(info.kind, workspace.bases(), zodiacYear, wording))
            all.push_back(std::move(selection));
    }
    return all;
}

int listSelections(CliContext& context, const Arguments& arguments) {
    // --json keeps the stored names' language whatever the environment's.
    const auto& wordings = languageWordings();
    const auto stored = std::find_if(wordings.begin(), wordings.end(),
                                     [](const Wording& w) { return w.language == kStoredNamesLanguage; });
    if (context.options.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Selection& selection : listed(context, arguments, *stored))
            list.push_back(selectionJson(selection));
        context.print({{"selections", list}}, {});
        return 0;
    }
    for (const Selection& selection : listed(context, arguments, context.wording()))
        context.out << selectionLine(context, selection) << "\n";
    return 0;
}

int saveSelection(CliContext& context, const Arguments& arguments) {
    const AttributeKind kind = kindArgument(arguments.kind.empty() ? "number" : arguments.kind);
    Selection selection{arguments.name, kind, kindBoxesArgument(context, kind, arguments.boxes), false};
    SelectionBook book = selectionBook(context);
    if (!arguments.replace && book.contains(selection.name))
        throw Error(cliText(QT_TRANSLATE_NOOP("Cli", "a selection named %1 is already saved; add --replace to save "
                                                     "these boxes in its place, or choose another name"),
                            arguments.name));
    const Selection saved = book.save(selection);
    context.print(selectionJson(saved), [&](std::ostream& out) {
        out << context.said(QT_TRANSLATE_NOOP("Cli", "saved: %1"), selectionLine(context, saved)) << "\n";
    });
    return 0;
}

int deleteSelection(CliContext& context, const Arguments& arguments) {
    selectionBook(context).remove(arguments.name);
    context.print({{"deleted", arguments.name}}, [&](std::ostream& out) {
        out << context.said(QT_TRANSLATE_NOOP("Cli", "deleted the selection %1"), arguments.name) << "\n";
    });
    return 0;
}

} // namespace

void registerSelectionCommands(CLI::App& app, CliContext& context) {
    auto arguments = std::make_shared<Arguments>();
    auto* selection = app.add_subcommand(
        "selection", QT_TRANSLATE_NOOP("Cli", "List, save or delete the selections of boxes that --boxes @NAME takes"));
    selection->require_subcommand(1);
    auto act = [&context, arguments](int (*action)(CliContext&, const Arguments&)) {
        return [&context, arguments, action] {
            context.action = [&context, arguments, action] { return action(context, *arguments); };
        };
    };

    auto* list = selection->add_subcommand(
        "list", QT_TRANSLATE_NOOP("Cli", "Print the saved selections and the built-in sets, kind by kind"));
    addKindOption(list, arguments->kind);
    list->callback(act(listSelections));

    auto* save = selection->add_subcommand(
        "save", QT_TRANSLATE_NOOP("Cli", "Save the boxes given under a name, for --boxes @NAME and the window's list"));
    save->add_option("NAME", arguments->name, QT_TRANSLATE_NOOP("Cli", "Name of the selection"))->required();
    addKindOption(save, arguments->kind);
    save->add_option("--boxes", arguments->boxes,
                     QT_TRANSLATE_NOOP("Cli", "The boxes to keep, as the group calculation takes them"))
        ->delimiter(',');
    save->add_flag("--replace", arguments->replace,
                   QT_TRANSLATE_NOOP("Cli", "Replace a selection saved under the same name"));
    save->callback(act(saveSelection));

    auto* remove = selection->add_subcommand("delete", QT_TRANSLATE_NOOP("Cli", "Delete a saved selection"));
    remove->add_option("NAME", arguments->name, QT_TRANSLATE_NOOP("Cli", "Name of the selection"))->required();
    remove->callback(act(deleteSelection));
}

} // namespace quorvel
