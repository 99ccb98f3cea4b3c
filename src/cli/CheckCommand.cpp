// SPDX-License-Identifier: MIT
// check: the holes of the stored history.
#include "app/Workspace.h"
#include "app/history/HistoryCheckReport.h"
#include "cli/CommandRegistration.h"
#include "cli/Commands.h"

namespace quorvel {

namespace {

class CheckCommand {
  public:
    explicit CheckCommand(CliContext& context) : m_context(context) {}

    CLI::App* addTo(CLI::App& app) {
        return app.add_subcommand(
            "check", QT_TRANSLATE_NOOP("Cli", "Look for holes in the history: draws missing between the first and last "
                                              "stored draw of a year, issues stored twice, IDX out of issue order. "
                                              "Exit 1 when any is found"));
    }

    int run() {
        const HistoryHoles holes = m_context.workspace().history().checkHistory();
        const nlohmann::ordered_json json{
            {"missing", holes.missing}, {"duplicates", holes.duplicates}, {"out_of_order", holes.outOfOrder}};
        m_context.print(json, [&](std::ostream& out) {
            out << m_context.said(historyCheckReport(holes, UpdateSiteHint::Command)) << "\n";
        });
        return holes.any() ? 1 : 0;
    }

  private:
    CliContext& m_context;
};

} // namespace

void registerCheckCommand(CLI::App& app, CliContext& context) { registerCommand<CheckCommand>(app, context); }

} // namespace quorvel
