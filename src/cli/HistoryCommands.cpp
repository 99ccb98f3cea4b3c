// SPDX-License-Identifier: MIT
// Commands that fill and show the history: import, add, history, row, export-text.
#include "app/history/ManualDrawCheck.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "model/Error.h"
#include "model/PathText.h"

#include <algorithm>
#include <iomanip>

namespace quorvel {

namespace {

using json = nlohmann::ordered_json;

void registerImport(CLI::App& app, CliContext& context) {
    auto file = std::make_shared<std::string>();
    auto* command = app.add_subcommand(
        "import", QT_TRANSLATE_NOOP("Cli", "Replace the history by the draws of a history text file"));
    command
        ->add_option("FILE", *file,
                     QT_TRANSLATE_NOOP("Cli", "History text file: an issue and seven two-digit numbers per line"))
        ->required();
    command->callback([&context, file] {
        context.action = [&context, file] {
            ImportResult result = context.workspace().history().importHistoryFile(textPath(*file));
            json skipped = json::array();
            for (const auto& line : result.skipped)
                skipped.push_back({{"line", line.line}, {"text", line.text}, {"reason", line.reason.english()}});
            json report{{"imported", result.imported}, {"skipped", skipped}, {"duplicates", result.duplicateIssues}};
            if (result.backup) report["backup"] = pathText(*result.backup);
            context.print(report, [&](std::ostream& out) {
                out << (result.skipped.empty()
                            ? context.said(QT_TRANSLATE_NOOP("Cli", "imported %1 draws"), result.imported)
                            : context.said(QT_TRANSLATE_NOOP("Cli", "imported %1 draws, skipped %2 lines:"),
                                           result.imported, result.skipped.size()))
                    << "\n";
                // The first lines show what is wrong; a file that is wrong throughout would flood the terminal.
                constexpr std::size_t kShown = 20;
                for (std::size_t i = 0; i < std::min(kShown, result.skipped.size()); ++i) {
                    const SkippedLine& line = result.skipped[i];
                    out << context.said(QT_TRANSLATE_NOOP("Cli", "  line %1: %2: %3"), line.line,
                                        context.said(line.reason), line.text)
                        << "\n";
                }
                if (result.skipped.size() > kShown)
                    out << context.said(QT_TRANSLATE_NOOP("Cli", "  and %1 more (--json lists them all)"),
                                        result.skipped.size() - kShown)
                        << "\n";
                if (result.duplicateIssues > 0)
                    out << (result.duplicateIssues == 1
                                ? context.said(QT_TRANSLATE_NOOP("Cli", "1 issue is stored more than once, as the file "
                                                                        "lists them (row shows the first of each)"))
                                : context.said(QT_TRANSLATE_NOOP("Cli", "%1 issues are stored more than once, as the "
                                                                        "file lists them (row shows the first of "
                                                                        "each)"),
                                               result.duplicateIssues))
                        << "\n";
                if (result.backup)
                    out << context.said(QT_TRANSLATE_NOOP("Cli", "the history it replaced is saved in %1"),
                                        pathText(*result.backup))
                        << "\n";
            });
            return 0;
        };
    });
}

// A number of a typed draw: full-width digits, as a Chinese input method types them, are the digits they show; a
// refusal quotes the argument as typed.
int typedDrawArgument(const std::string& text, const MessageArgument& what) {
    try {
        return parseDecimalArgument(halfWidthDigits(text), what);
    } catch (const UsageError&) {
        return parseDecimalArgument(text, what);
    }
}

// The issues of a gap as one run: "2013027" or "2013027..2013219".
std::string issueRun(const std::vector<int>& issues) {
    const std::string first = std::to_string(issues.front());
    return issues.size() == 1 ? first : first + ".." + std::to_string(issues.back());
}

// What an added draw did to the draws around it: those that moved (on out) and a gap before it (on err).
void tellAround(CliContext& context, const AddResult& added) {
    if (added.moved > 0 && !context.options.json)
        context.out << context.said(QT_TRANSLATE_NOOP("Cli", "it went among the stored draws: the %1 draw(s) after it, "
                                                             "issues %2..%3, moved down one place (IDX %4..%5)"),
                                    added.moved, added.firstMoved, added.lastMoved, added.idx + 1,
                                    added.idx + added.moved)
                    << "\n";
    if (!added.missing.empty())
        context.err << context.warning()
                    << context.said(QT_TRANSLATE_NOOP("Cli", "draw %1 was added, but %2 issue(s) before it are not "
                                                             "stored: %3; add them with add --insert --issue ISSUE, "
                                                             "or if %1 was mistyped, remove it with delete-last"),
                                    added.issue, added.missing.size(), issueRun(added.missing))
                    << "\n";
    if (!added.missingYears.empty())
        context.err << context.warning()
                    << context.said(QT_TRANSLATE_NOOP("Cli", "draw %1 was added, but no draw of %2 is stored; if %1 "
                                                             "was mistyped, remove it with delete-last"),
                                    added.issue, issueRun(added.missingYears))
                    << "\n";
}

void registerAdd(CLI::App& app, CliContext& context) {
    struct Arguments {
        std::string issue;
        std::vector<std::string> numbers;
        bool insert = false;
    };
    auto arguments = std::make_shared<Arguments>();
    auto* command = app.add_subcommand(
        "add", QT_TRANSLATE_NOOP("Cli", "Add one draw: six regular numbers and the special number, in drawn order"));
    CLI::Option* issueGiven = command->add_option(
        "--issue", arguments->issue, QT_TRANSLATE_NOOP("Cli", "Issue number (default: the latest issue + 1)"));
    command->add_flag("--insert", arguments->insert,
                      context.said(QT_TRANSLATE_NOOP("Cli", "Allow an --issue before the latest stored draw: the draw "
                                                            "goes among the stored draws and the later ones move down "
                                                            "one place")));
    command
        ->add_option("NUMBERS", arguments->numbers, QT_TRANSLATE_NOOP("Cli", "N1 .. N6 and the special number, 1..49"))
        ->required()
        ->expected(7);
    command->callback([&context, arguments, issueGiven] {
        context.action = [&context, arguments, issueGiven] {
            std::array<int, 7> numbers{};
            for (std::size_t i = 0; i < numbers.size(); ++i)
                numbers[i] =
                    typedDrawArgument(arguments->numbers[i], cliText(QT_TRANSLATE_NOOP("Cli", "number %1"), i + 1));
            std::optional<int> issue;
            if (issueGiven->count() > 0) issue = typedDrawArgument(arguments->issue, "--issue");
            AddResult result = context.workspace().history().addDraw(
                issue, numbers, arguments->insert ? AddPlace::AmongStored : AddPlace::AfterLatest);
            context.print({{"issue", result.issue}, {"idx", result.idx}}, [&](std::ostream& out) {
                out << context.said(QT_TRANSLATE_NOOP("Cli", "added draw %1 (IDX %2)"), result.issue, result.idx)
                    << "\n";
            });
            tellAround(context, result);
            return 0;
        };
    });
}

void registerHistory(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand(
        "history", QT_TRANSLATE_NOOP("Cli", "List the stored draws in issue order (numbers in drawn order)"));
    command->callback([&context] {
        context.action = [&context] {
            std::vector<ListedDraw> records = context.workspace().history().listedDraws();
            json rows = json::array();
            if (context.options.json) { // the text reads the draws themselves
                for (const auto& record : records) {
                    Draw draw = record.draw();
                    rows.push_back({{"idx", record.idx}, {"issue", record.issue}, {"numbers", draw.numbers}});
                }
            }
            context.print(rows, [&](std::ostream& out) {
                if (records.empty()) out << context.said(QT_TRANSLATE_NOOP("Cli", "the history is empty")) << "\n";
                for (const auto& record : records) {
                    out << std::setw(5) << record.idx << "  " << record.issue << " ";
                    for (int n : record.draw().numbers)
                        out << " " << std::setw(2) << n;
                    out << "\n";
                }
            });
            return 0;
        };
    });
}

void registerRow(CLI::App& app, CliContext& context) {
    auto issueText = std::make_shared<std::string>();
    auto* command = app.add_subcommand("row", QT_TRANSLATE_NOOP("Cli", "Show every stored field of one draw"));
    command->add_option("ISSUE", *issueText, QT_TRANSLATE_NOOP("Cli", "Issue number"))->required();
    command->callback([&context, issueText] {
        context.action = [&context, issueText] {
            int issue = parseDecimalArgument(*issueText, cliText(QT_TRANSLATE_NOOP("Cli", "the issue")));
            auto fields = context.workspace().history().rowFields(issue);
            if (!fields) throw Error(cliText(QT_TRANSLATE_NOOP("Cli", "no draw with issue %1 is stored"), issue));
            json row = json::object();
            for (const auto& [name, value] : *fields) {
                if (const auto* number = std::get_if<std::int64_t>(&value))
                    row[name] = *number;
                else if (const auto* text = std::get_if<std::string>(&value))
                    row[name] = *text;
                else
                    row[name] = nullptr;
            }
            context.print(row, [&](std::ostream& out) {
                for (const auto& [name, value] : row.items()) {
                    out << name << ": ";
                    if (value.is_string())
                        out << '"' << value.get<std::string>() << '"';
                    else
                        out << value.dump();
                    out << "\n";
                }
            });
            return 0;
        };
    });
}

void registerExportText(CLI::App& app, CliContext& context) {
    auto path = std::make_shared<std::string>();
    auto* command =
        app.add_subcommand("export-text", QT_TRANSLATE_NOOP("Cli", "Write the history as a history text file"));
    command->add_option(
        "PATH", *path,
        QT_TRANSLATE_NOOP("Cli", "Target file (default: 更新至<latest issue>期历史号码.txt in the data folder)"));
    command->callback([&context, path] {
        context.action = [&context, path] {
            Workspace& workspace = context.workspace();
            std::optional<std::filesystem::path> target;
            if (!path->empty()) target = textPath(*path);
            auto written = workspace.maintenance().exportHistoryText(target);
            context.print({{"path", pathText(written)}}, [&](std::ostream& out) {
                out << context.said(QT_TRANSLATE_NOOP("Cli", "wrote %1"), pathText(written)) << "\n";
            });
            return 0;
        };
    });
}

} // namespace

void registerHistoryCommands(CLI::App& app, CliContext& context) {
    registerImport(app, context);
    registerAdd(app, context);
    registerHistory(app, context);
    registerRow(app, context);
    registerExportText(app, context);
}

} // namespace quorvel
