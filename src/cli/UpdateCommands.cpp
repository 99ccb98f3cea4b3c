// SPDX-License-Identifier: MIT
// update: the online update from the yearly results pages of the update site.
#include "app/history/UpdateMessages.h"
#include "app/settings/SettingKeys.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "model/Error.h"
#include "model/PathText.h"
#include "platform/PageFetcher.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <memory>
#include <optional>

namespace quorvel {

namespace {

using json = nlohmann::ordered_json;

struct Arguments {
    std::string site;
    std::string years;
    std::string currentYear;
};

std::optional<int> yearsToKeep(const Arguments& arguments, const CLI::Option* given) {
    if (given->count() == 0) return std::nullopt;
    const SettingKey& key = settingKey(Setting::IniSerchDay);
    if (auto problem = settingProblem(key, arguments.years))
        throw UsageError(cliText(QT_TRANSLATE_NOOP("Cli", "--years: %1"), *problem));
    return parseDecimalArgument(arguments.years, "--years");
}

std::optional<int> currentYear(const Arguments& arguments, const CLI::Option* given) {
    if (given->count() == 0) return std::nullopt;
    const int year = parseDecimalArgument(arguments.currentYear, "--current-year");
    if (year < 1000 || year > 9999)
        throw UsageError(
            cliText(QT_TRANSLATE_NOOP("Cli", "--current-year takes a four-digit year, not %1"), arguments.currentYear));
    return year;
}

// Loads the pages one after another, reporting each on stderr when a terminal shows progress.
std::vector<YearPage> fetch(CliContext& context, const std::string& site, const std::vector<int>& years) {
    // Qt Network works on an event loop, which needs an application object; the command line has none of its own.
    static int argc = 1;
    static char name[] = "quorvel-cli";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> application;
    if (QCoreApplication::instance() == nullptr) application = std::make_unique<QCoreApplication>(argc, argv);
    PageFetcher fetcher;
    QEventLoop loop;
    if (context.showProgress)
        fetcher.onPageStarted = [&context](int index, int count, int year) {
            context.err << "\r\033[K"
                        << context.said(QT_TRANSLATE_NOOP("Cli", "year %1 of %2 (%3)"), index, count, year)
                        << std::flush;
        };
    fetcher.onFinished = [&loop] { loop.quit(); };
    fetcher.start(site, years);
    loop.exec();
    if (context.showProgress) context.err << "\r\033[K" << std::flush;
    return fetcher.pages();
}

json reportJson(const UpdateResult& result) {
    json years = json::array();
    for (const YearCount& year : result.years) {
        json entry{{"year", year.year}, {"appended", year.appended}};
        if (year.noDrawYet) entry["no_draw_yet"] = true;
        years.push_back(entry);
    }
    json failed = json::array();
    for (const FailedYear& year : result.failed)
        failed.push_back({{"year", year.year}, {"reason", year.reason.english()}});
    json skipped = json::array();
    for (const SkippedRow& row : result.skipped)
        skipped.push_back({{"year", row.year}, {"row", row.row}, {"text", row.text}, {"reason", row.reason.english()}});
    json report{{"appended", result.appended}, {"years", years}, {"failed", failed}, {"skipped", skipped}};
    if (result.filled > 0) report["filled"] = result.filled;
    if (!result.stillMissing.empty()) report["still_missing"] = result.stillMissing;
    if (result.keptFromStore > 0) report["kept"] = result.keptFromStore;
    if (result.cleared) report["cleared"] = true;
    if (result.clearWithheld) report["cleared"] = false;
    if (result.backup) report["backup"] = pathText(*result.backup);
    return report;
}

} // namespace

void registerUpdateCommands(CLI::App& app, CliContext& context) {
    auto arguments = std::make_shared<Arguments>();
    auto* command = app.add_subcommand(
        "update",
        QT_TRANSLATE_NOOP(
            "Cli", "Bring the history up to date from the update site's yearly results pages (the prefix + YYYY.html), "
                   "from the year of the latest draw to the current year. A history whose first draw is more than the "
                   "years to keep old is cleared first (saved to backup/), once every kept year gave its draws. "
                   "Exit 1 when any year failed"));
    command->add_option(
        "--site", arguments->site,
        QT_TRANSLATE_NOOP("Cli", "Site prefix for this run, e.g. http://127.0.0.1:8080/85122/kj/ (default: the setting "
                                 "txtUpdateSite)"));
    CLI::Option* years =
        command->add_option("--years", arguments->years,
                            QT_TRANSLATE_NOOP("Cli", "Years of history to keep for this run, 2..16 (default: "
                                                     "the setting IniSerchDay)"));
    CLI::Option* year =
        command->add_option("--current-year", arguments->currentYear,
                            QT_TRANSLATE_NOOP("Cli", "The current year for this run (default: today's)"));
    command->callback([&context, arguments, years, year] {
        context.action = [&context, arguments, years, year] {
            const std::optional<int> keep = yearsToKeep(*arguments, years);
            const std::optional<int> current = currentYear(*arguments, year);
            const std::string site =
                arguments->site.empty() ? context.settings().text(Setting::txtUpdateSite) : arguments->site;
            if (auto problem = updateSiteProblem(site, UpdateSiteHint::Command))
                throw Error(cliText(QT_TRANSLATE_NOOP("Cli", "%1 (or give --site URL for one run)"), *problem));
            Workspace& workspace = context.workspace();
            const UpdatePlan plan = workspace.history().planUpdate(keep, current);
            if (plan.years().empty())
                throw Error(cliText(QT_TRANSLATE_NOOP("Cli", "the latest stored draw, %1, is after the current year "
                                                             "%2: there is no page to load; the history was left "
                                                             "unchanged"),
                                    plan.lastStoredIssue, plan.currentYear));
            const UpdateResult result = workspace.history().applyUpdate(plan, fetch(context, site, plan.years()));
            context.print(reportJson(result),
                          [&](std::ostream& out) { out << context.said(updateSummary(result)) << "\n"; });
            if (result.complete()) return 0;
            if (result.nothingRead() && !result.clearWithheld) {
                context.err << "quorvel-cli: "
                            << context.said(QT_TRANSLATE_NOOP("Cli", "no page could be read from %1; the history was "
                                                                     "left unchanged"),
                                            site)
                            << "\n";
                return 1;
            }
            // Years that failed are an incomplete update, whatever else was stored.
            std::string years;
            for (const FailedYear& failed : result.failed)
                years += (years.empty() ? "" : " ") +
                         context.said(QT_TRANSLATE_NOOP("Cli", "%1 (%2)"), failed.year, failed.reason);
            context.err << "quorvel-cli: "
                        << context.said(result.clearWithheld
                                            ? QT_TRANSLATE_NOOP("Cli", "the update is incomplete: %1; nothing was "
                                                                       "changed; update again later")
                                            : QT_TRANSLATE_NOOP("Cli", "the update is incomplete: %1; nothing stored "
                                                                       "was removed; update again later"),
                                        years)
                        << "\n";
            return 1;
        };
    });
}

} // namespace quorvel
