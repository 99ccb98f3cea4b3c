// SPDX-License-Identifier: MIT
// Commands that shorten, clear, rebuild and compact the history, and the workbook export.
#include "analysis/AnalysisResult.h"
#include "analysis/ResultGrids.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "maintain/MaintenanceResult.h"
#include "maintain/WorkbookExport.h"
#include "model/Error.h"
#include "model/GroupSort.h"
#include "model/PathText.h"

#include <tuple>

namespace quorvel {

namespace {

std::string drawCount(int n) { return std::to_string(n) + (n == 1 ? " draw" : " draws"); }

// Prints the draws that remain; a compaction that failed after the change was saved is a warning.
int report(CliContext& context, const MaintenanceResult& result, const std::string& done) {
    nlohmann::ordered_json json{{"draws", result.remaining}};
    if (result.backup) json["backup"] = pathText(*result.backup);
    context.print(json, [&](std::ostream& out) {
        out << done << "; " << drawCount(result.remaining) << (result.remaining == 1 ? " remains\n" : " remain\n");
        if (result.backup) out << "the history as it was is saved in " << pathText(*result.backup) << "\n";
    });
    if (!result.compactionProblem.empty())
        context.err << "quorvel-cli: warning: " << context.said(result.compactionProblem) << "\n";
    return 0;
}

void registerDeleteLast(CLI::App& app, CliContext& context) {
    auto count = std::make_shared<std::string>();
    auto* command = app.add_subcommand(
        "delete-last", "Delete the latest draw; with N, delete the latest N draws and derive the kept ones again "
                       "(through lsbf.txt in the data folder). The store file is compacted afterwards");
    CLI::Option* given = command->add_option("N", *count, "How many of the latest draws to delete (at least 1)");
    command->callback([&context, count, given] {
        context.action = [&context, count, given] {
            if (given->count() == 0) {
                const MaintenanceResult result = context.workspace().maintenance().deleteLatestDraw();
                report(context, result, "deleted the latest draw");
                if (result.remaining == 0 && !context.options.json)
                    context.out << context.said(QT_TRANSLATE_NOOP("Cli", "The history is now empty: import a history "
                                                                         "file or add draws before the next "
                                                                         "analysis."))
                                << "\n";
                return 0;
            }
            int n = parseDecimalArgument(*count, "the number of draws to delete");
            int before = context.workspace().history().drawCount();
            MaintenanceResult result = context.workspace().maintenance().deleteLatestDraws(n);
            return report(context, result,
                          "deleted the latest " + drawCount(before - result.remaining) +
                              " and derived the kept ones again");
        };
    });
}

void registerKeepUntil(CLI::App& app, CliContext& context) {
    auto issue = std::make_shared<std::string>();
    auto* command = app.add_subcommand(
        "keep-until", "Keep the draws up to ISSUE (that draw included), delete the later ones and derive the kept "
                      "ones again (through lsbf.txt in the data folder). The store file is compacted afterwards");
    command->add_option("ISSUE", *issue, "The last issue to keep, for example 2014016")->required();
    command->callback([&context, issue] {
        context.action = [&context, issue] {
            int last = parseDecimalArgument(*issue, "the issue to keep up to");
            // A typo ("202605") must not be taken for an issue before every draw.
            if (last < 1000000 || last > 9999999)
                throw UsageError("the issue to keep up to has seven digits (year and sequence, e.g. 2014016), not '" +
                                 *issue + "'");
            return report(context, context.workspace().maintenance().keepUntil(last),
                          "kept the draws up to " + std::to_string(last) + " and derived them again");
        };
    });
}

void registerClear(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand(
        "clear",
        "Delete every draw at once, without a confirmation (the history is first saved to backup/ in the data folder)");
    command->callback([&context] {
        context.action = [&context] {
            return report(context, context.workspace().maintenance().clearHistory(), "cleared the history");
        };
    });
}

void registerRebuild(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand(
        "rebuild", "Derive every stored draw again with the bases in force (the settings SxIni, DsIni, BsIni), "
                   "keeping every draw and its numbers; the history is first saved to backup/ in the data folder");
    command->callback([&context] {
        context.action = [&context] {
            // The warning would only say what this command mends.
            context.warnBases = false;
            return report(context, context.workspace().maintenance().rebuildHistory(), "derived every draw again");
        };
    });
}

void registerCompact(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand("compact", "Compact the store file; the history is unchanged");
    command->callback([&context] {
        context.action = [&context] {
            return report(context, context.workspace().maintenance().compactStore(), "compacted the store file");
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
        "export-xlsx", "Write a grid to an .xlsx workbook (sheet Sheet1, cells as text; results add a sheet Rules)");
    command
        ->add_option("GRID", arguments->grid,
                     "history: the history list; results: the groups of the last group calculation, ordered by "
                     "last omission")
        ->required()
        ->check(CLI::IsMember({"history", "results"}));
    command->add_option("PATH", arguments->path,
                        "Target workbook, replaced when it exists (default: lishi.xlsx or Jieguo.xlsx in the data "
                        "folder)");
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
                out << "wrote " << pathText(target) << " (" << rows << " rows below the header)\n";
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
