// SPDX-License-Identifier: MIT
// The trend chart (trend): one row per draw of the range, one column per value of a kind, and four summary rows.
#include "analysis/CountingRules.h"
#include "cli/CliContext.h"
#include "cli/CommandOptions.h"
#include "cli/CommandRegistration.h"
#include "cli/Commands.h"
#include "cli/TrendPrinter.h"
#include "model/PathText.h"

#include <memory>

namespace quorvel {

namespace {

// The command's choices as typed, parsed into a request when it runs; the output is left to TrendPrinter.
class TrendCommand {
  public:
    explicit TrendCommand(CliContext& context) : m_context(context) {}

    // Adds the subcommand and its options, bound to this command's members.
    CLI::App* addTo(CLI::App& app);
    int run();

  private:
    ValuesRequest request(Workspace& workspace) const;

    CliContext& m_context;
    std::string m_kind = "number";
    std::string m_where = "special";
    std::string m_order = "drawn";
    RangeOptions m_range;
    std::string m_xlsx;
};

CLI::App* TrendCommand::addTo(CLI::App& app) {
    auto* command = app.add_subcommand(
        "trend",
        QT_TRANSLATE_NOOP("Cli", "Trend chart (走势图): one row per draw, one column per value of a kind; a cell is "
                                 "0 for a hit, else the draws since the value's latest hit"));
    addKindOption(command, m_kind);
    addWhereOption(command, m_where);
    command
        ->add_option(
            "--order", m_order,
            QT_TRANSLATE_NOOP("Cli", "Number order of positions 1..6: drawn (落地码, default) or sorted (顺序码)"))
        ->check(CLI::IsMember({"drawn", "sorted"}));
    m_range.addFromTo(command);
    m_range.addLast(command);
    command->add_option(
        "--xlsx", m_xlsx,
        QT_TRANSLATE_NOOP("Cli",
                          "Also write the trend, with its colours, to this .xlsx workbook (replaced if it exists)"));
    command->footer(QT_TRANSLATE_NOOP(
        "Cli", "A miss count is one less than the omission table's last omission: a value hit in the latest "
               "draw has cell 0 and last 1. The trend is counted in memory whatever --engine says."));
    return command;
}

ValuesRequest TrendCommand::request(Workspace& workspace) const {
    ValuesRequest request = placeArgument(m_where);
    request.kind = kindArgument(m_kind);
    request.order = orderArgument(m_order);
    request.bases = workspace.bases();
    const ResolvedRange resolved = workspace.analyses().resolveRange(m_range.choice(workspace));
    noteEmptyRange(m_context, resolved, cliText(QT_TRANSLATE_NOOP("Cli", "the trend has no rows")));
    request.range = resolved.range;
    return request;
}

int TrendCommand::run() {
    if (m_context.options.engine == "sql")
        m_context.err << m_context.note()
                      << m_context.said(QT_TRANSLATE_NOOP("Cli", "the trend is counted in memory; either engine finds "
                                                                 "the same hits"))
                      << "\n";
    Workspace& workspace = m_context.workspace();
    const ValuesRequest values = request(workspace);
    const Trend trend = workspace.analyses().trend(values);
    const std::string rules = trendRules(values);
    const TrendCells cells(trend, values.kind, values.bases, true, m_context.wording());
    const Messages words = trendRulesInWords(values);
    if (!m_xlsx.empty())
        workspace.analyses().exportWorkbook({WorkbookView::Trend, cells.grid(), cells.fills(), words}, m_xlsx,
                                            textPath(m_xlsx), m_context.translate());
    if (m_context.options.json)
        printTrendJson(m_context.out, trend, rules);
    else
        printTrendText(m_context.out, trend, cells, m_context.saidRules(words), m_context.wording());
    return 0;
}

} // namespace

void registerTrendCommand(CLI::App& app, CliContext& context) { registerCommand<TrendCommand>(app, context); }

} // namespace quorvel
