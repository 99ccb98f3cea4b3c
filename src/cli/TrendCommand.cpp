// SPDX-License-Identifier: MIT
// The trend chart (trend): one row per draw of the range, one column per value of a kind, and four summary rows.
#include "analysis/CountingRules.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/TrendPrinter.h"

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
    std::string m_from;
    std::string m_to;
    std::string m_last;
    std::string m_xlsx;
};

CLI::App* TrendCommand::addTo(CLI::App& app) {
    auto* command =
        app.add_subcommand("trend", "Trend chart (走势图): one row per draw, one column per value of a kind; a cell is "
                                    "0 for a hit, else the draws since the value's latest hit");
    command->add_option("--kind", m_kind,
                        "Attribute kind: 0..7, its Chinese name, or number, zodiac, head, tail, digitsum, segment, "
                        "colour, parity (default number)");
    command->add_option("--where", m_where,
                        "Where a value is looked for: special (the special number, default), regular (any of the six "
                        "regular numbers), any (any of the seven) or a position 1..7 (7 is the special number)");
    command
        ->add_option("--order", m_order, "Number order of positions 1..6: drawn (落地码, default) or sorted (顺序码)")
        ->check(CLI::IsMember({"drawn", "sorted"}));
    command->add_option("--from", m_from, "First issue of the range (default: the first stored issue)");
    command->add_option("--to", m_to, "Last issue of the range (default: the last stored issue)");
    command->add_option("--last", m_last, "The range is the latest N draws (instead of --from and --to)");
    command->add_option("--xlsx", m_xlsx,
                        "Also write the trend, with its colours, to this .xlsx workbook (replaced if it exists)");
    command->footer("A miss count is one less than the omission table's last omission: a value hit in the latest "
                    "draw has cell 0 and last 1. The trend is counted in memory whatever --engine says.");
    return command;
}

ValuesRequest TrendCommand::request(Workspace& workspace) const {
    auto place = parseValuePlace(m_where);
    if (!place) throw UsageError("unknown --where '" + m_where + "'; use special, regular, any or a position 1..7");
    ValuesRequest request = *place;
    auto kind = parseKind(m_kind);
    if (!kind)
        throw UsageError("unknown kind '" + m_kind +
                         "'; use 0..7, the Chinese name, or number, zodiac, head, tail, digitsum, segment, colour, "
                         "parity");
    request.kind = *kind;
    request.order = m_order == "sorted" ? NumberOrder::Sorted : NumberOrder::Drawn;
    request.bases = workspace.bases();
    RangeChoice choice;
    if (!m_last.empty()) {
        if (!m_from.empty() || !m_to.empty())
            throw UsageError("give the range either with --from/--to or with --last N, not both");
        const int count = parseDecimalArgument(m_last, "--last");
        if (count < 1) throw UsageError("--last takes a count of draws of at least 1, not " + m_last);
        auto start = workspace.startOfLatestDraws(count);
        if (!start) throw Error("no history: import or add draws before running an analysis");
        choice.from = start->issue;
    } else {
        if (!m_from.empty()) choice.from = parseDecimalArgument(m_from, "--from");
        if (!m_to.empty()) choice.to = parseDecimalArgument(m_to, "--to");
    }
    const ResolvedRange resolved = workspace.resolveRange(choice);
    if (!resolved.holdsDraws)
        m_context.err << "note: the range " << resolved.range.start << ".." << resolved.range.end
                      << " holds no stored draw; the trend has no rows\n";
    request.range = resolved.range;
    return request;
}

int TrendCommand::run() {
    if (m_context.options.engine == "sql")
        m_context.err << "note: the trend is counted in memory; either engine finds the same hits\n";
    Workspace& workspace = m_context.workspace();
    const ValuesRequest values = request(workspace);
    const Trend trend = workspace.trend(values);
    const std::string rules = trendRules(values);
    const TrendCells cells(trend, values.kind, values.bases, true);
    if (!m_xlsx.empty())
        workspace.exportGridWorkbook(cells.grid(), m_xlsx, std::filesystem::path(m_xlsx), rules, cells.fills());
    if (m_context.options.json)
        printTrendJson(m_context.out, trend, rules);
    else
        printTrendText(m_context.out, trend, cells, rules);
    return 0;
}

} // namespace

void registerTrendCommand(CLI::App& app, CliContext& context) {
    auto command = std::make_shared<TrendCommand>(context);
    command->addTo(app)->callback([&context, command] { context.action = [command] { return command->run(); }; });
}

} // namespace quorvel
