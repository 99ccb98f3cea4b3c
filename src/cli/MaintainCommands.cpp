// SPDX-License-Identifier: MIT
// Commands that shorten, clear, rebuild and compact the history, and the workbook export.
#include "analysis/AnalysisResult.h"
#include "analysis/ResultGrids.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "maintain/MaintenanceResult.h"
#include "maintain/WorkbookExport.h"
#include "model/AttributeKind.h"
#include "model/Error.h"
#include "model/GroupSort.h"
#include "model/PathText.h"

#include <tuple>

namespace quorvel {

namespace {

// Prints the draws that remain; a compaction that failed after the change was saved is a warning.
int report(CliContext& context, const MaintenanceResult& result, const Message& done) {
    nlohmann::ordered_json json{{"draws", result.remaining}};
    if (result.backup) json["backup"] = pathText(*result.backup);
    if (result.removed) json["removed"] = {{"issue", result.removed->issue}, {"numbers", result.removed->numbers}};
    context.print(json, [&](std::ostream& out) {
        out << context.said(result.remaining == 1 ? QT_TRANSLATE_NOOP("Cli", "%1; %2 draw remains")
                                                  : QT_TRANSLATE_NOOP("Cli", "%1; %2 draws remain"),
                            done, result.remaining)
            << "\n";
        if (result.backup)
            out << context.said(QT_TRANSLATE_NOOP("Cli", "the history as it was is saved in %1"),
                                pathText(*result.backup))
                << "\n";
    });
    if (!result.compactionProblem.empty())
        context.err << context.warning() << context.said(result.compactionProblem) << "\n";
    return 0;
}

// The deleted draw named, so that a slip can be put right: its issue and its numbers, the special number apart.
Message removedDraw(const Draw& draw) {
    std::string regular;
    for (std::size_t i = 0; i < 6; ++i)
        regular += (i ? " " : "") + twoDigits(draw.numbers[i]);
    return cliText(QT_TRANSLATE_NOOP("Cli", "deleted the draw of issue %1: %2 (special number %3)"), draw.issue,
                   regular, twoDigits(draw.numbers[6]));
}

void registerDeleteLast(CLI::App& app, CliContext& context) {
    auto count = std::make_shared<std::string>();
    auto* command = app.add_subcommand(
        "delete-last",
        QT_TRANSLATE_NOOP("Cli",
                          "Delete the latest draw; with N, delete the latest N draws and derive the kept ones again "
                          "(through lsbf.txt in the data folder). The store file is compacted afterwards"));
    CLI::Option* given = command->add_option(
        "N", *count, QT_TRANSLATE_NOOP("Cli", "How many of the latest draws to delete (at least 1)"));
    command->callback([&context, count, given] {
        context.action = [&context, count, given] {
            if (given->count() == 0) {
                const MaintenanceResult result = context.workspace().maintenance().deleteLatestDraw();
                report(context, result,
                       result.removed ? removedDraw(*result.removed)
                                      : cliText(QT_TRANSLATE_NOOP("Cli", "deleted the latest draw")));
                if (result.remaining == 0 && !context.options.json)
                    context.out << context.said(QT_TRANSLATE_NOOP("Cli", "The history is now empty: import a history "
                                                                         "file or add draws before the next "
                                                                         "analysis."))
                                << "\n";
                return 0;
            }
            int n = parseDecimalArgument(*count, cliText(QT_TRANSLATE_NOOP("Cli", "the number of draws to delete")));
            int before = context.workspace().history().drawCount();
            MaintenanceResult result = context.workspace().maintenance().deleteLatestDraws(n);
            return report(context, result,
                          cliText(before - result.remaining == 1
                                      ? QT_TRANSLATE_NOOP("Cli", "deleted the latest %1 draw and derived the kept "
                                                                 "ones again")
                                      : QT_TRANSLATE_NOOP("Cli", "deleted the latest %1 draws and derived the kept "
                                                                 "ones again"),
                                  before - result.remaining));
        };
    });
}

void registerKeepUntil(CLI::App& app, CliContext& context) {
    auto issue = std::make_shared<std::string>();
    auto* command = app.add_subcommand(
        "keep-until",
        QT_TRANSLATE_NOOP("Cli",
                          "Keep the draws up to ISSUE (that draw included), delete the later ones and derive the kept "
                          "ones again (through lsbf.txt in the data folder). The store file is compacted afterwards"));
    command->add_option("ISSUE", *issue, QT_TRANSLATE_NOOP("Cli", "The last issue to keep, for example 2014016"))
        ->required();
    command->callback([&context, issue] {
        context.action = [&context, issue] {
            int last = parseDecimalArgument(*issue, cliText(QT_TRANSLATE_NOOP("Cli", "the issue to keep up to")));
            // A typo ("202605") must not be taken for an issue before every draw.
            if (last < 1000000 || last > 9999999)
                throw UsageError(cliText(QT_TRANSLATE_NOOP("Cli", "the issue to keep up to has seven digits (year and "
                                                                  "sequence, e.g. 2014016), not '%1'"),
                                         *issue));
            return report(context, context.workspace().maintenance().keepUntil(last),
                          cliText(QT_TRANSLATE_NOOP("Cli", "kept the draws up to %1 and derived them again"), last));
        };
    });
}

void registerClear(CLI::App& app, CliContext& context) {
    auto* command =
        app.add_subcommand("clear", QT_TRANSLATE_NOOP("Cli", "Delete every draw at once, without a confirmation (the "
                                                             "history is first saved to backup/ in the data folder)"));
    command->callback([&context] {
        context.action = [&context] {
            return report(context, context.workspace().maintenance().clearHistory(),
                          cliText(QT_TRANSLATE_NOOP("Cli", "cleared the history")));
        };
    });
}

void registerRebuild(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand(
        "rebuild",
        QT_TRANSLATE_NOOP(
            "Cli", "Derive every stored draw again with the bases in force (the settings SxIni, DsIni, BsIni), "
                   "keeping every draw and its numbers; the history is first saved to backup/ in the data folder"));
    command->callback([&context] {
        context.action = [&context] {
            // The warning would only say what this command mends.
            context.warnBases = false;
            return report(context, context.workspace().maintenance().rebuildHistory(),
                          cliText(QT_TRANSLATE_NOOP("Cli", "derived every draw again")));
        };
    });
}

void registerCompact(CLI::App& app, CliContext& context) {
    auto* command =
        app.add_subcommand("compact", QT_TRANSLATE_NOOP("Cli", "Compact the store file; the history is unchanged"));
    command->callback([&context] {
        context.action = [&context] {
            return report(context, context.workspace().maintenance().compactStore(),
                          cliText(QT_TRANSLATE_NOOP("Cli", "compacted the store file")));
        };
    });
}

void registerExportXlsx(CLI::App& app, CliContext& context) {
    struct Arguments {
        std::string grid;
        std::string path;
    };
    auto arguments = std::make_shared<Arguments>();
    auto* command = app.add_subcommand(
        "export-xlsx",
        QT_TRANSLATE_NOOP(
            "Cli", "Write a grid to an .xlsx workbook (sheet Sheet1, cells as text; results add a sheet Rules)"));
    command
        ->add_option("GRID", arguments->grid,
                     QT_TRANSLATE_NOOP(
                         "Cli",
                         "history: the history list; results: the groups of the last group calculation, ordered by "
                         "last omission"))
        ->required()
        ->check(CLI::IsMember({"history", "results"}));
    command->add_option(
        "PATH", arguments->path,
        QT_TRANSLATE_NOOP("Cli",
                          "Target workbook, replaced when it exists (default: lishi.xlsx or Jieguo.xlsx in the data "
                          "folder)"));
    command->callback([&context, arguments] {
        context.action = [&context, arguments] {
            Workspace& workspace = context.workspace();
            std::optional<std::filesystem::path> given;
            if (!arguments->path.empty()) given = textPath(arguments->path);
            std::filesystem::path target;
            std::size_t rows = 0;
            if (arguments->grid == "history") {
                target = workspace.maintenance().exportHistoryWorkbook(given, context.translate());
                rows = static_cast<std::size_t>(workspace.history().drawCount());
            } else {
                std::tie(target, rows) = workspace.analyses().exportGroupResultWorkbook(given, context.translate());
            }
            context.print({{"path", pathText(target)}}, [&](std::ostream& out) {
                out << context.said(QT_TRANSLATE_NOOP("Cli", "wrote %1 (%2 rows below the header)"), pathText(target),
                                    rows)
                    << "\n";
            });
            return 0;
        };
    });
}

} // namespace

void registerMaintainCommands(CLI::App& app, CliContext& context) {
    registerDeleteLast(app, context);
    registerKeepUntil(app, context);
    registerClear(app, context);
    registerRebuild(app, context);
    registerCompact(app, context);
    registerExportXlsx(app, context);
}

} // namespace quorvel
