// SPDX-License-Identifier: MIT
// The partial search (partial): the draws that repeat the values of any k positions.
#include "analysis/CountingRules.h"
#include "analysis/ResultGrids.h"
#include "cli/AnalysisOptions.h"
#include "cli/CliContext.h"
#include "cli/CommandRegistration.h"
#include "cli/Commands.h"
#include "cli/SearchPrinter.h"

#include <memory>

namespace quorvel {

namespace {

// The command's choices as typed, parsed into a request when it runs; the output is left to SearchPrinter.
class PartialCommand {
  public:
    explicit PartialCommand(CliContext& context) : m_context(context) {}

    // Adds the subcommand and its options, bound to this command's members.
    CLI::App* addTo(CLI::App& app);
    int run();

  private:
    PartialSearchRequest request() const;

    CliContext& m_context;
    SearchOptions m_options;
    std::string m_scope = "all";
    std::string m_size = "2";
    std::vector<std::string> m_values;
};

CLI::App* PartialCommand::addTo(CLI::App& app) {
    auto* command = app.add_subcommand(
        "partial", QT_TRANSLATE_NOOP("Cli", "Partial search: the draws that repeat the values of any k positions"));
    m_options.addTo(command);
    command
        ->add_option("--scope", m_scope,
                     QT_TRANSLATE_NOOP("Cli", "Positions: regular (平码, 1..6) or all (平特, 1..7, default)"))
        ->check(CLI::IsMember({"regular", "all"}));
    command->add_option("--size", m_size, QT_TRANSLATE_NOOP("Cli", "Part size k, 1..6 (default 2)"));
    command
        ->add_option("--values", m_values,
                     QT_TRANSLATE_NOOP("Cli", "The seven values of positions 1..7, e.g. 05,11,23,30,31,44,02"))
        ->delimiter(',');
    return command;
}

PartialSearchRequest PartialCommand::request() const {
    const RangeChoice range = m_options.rangeChoice();
    if (range.reference.has_value() == !m_values.empty())
        throw UsageError(
            cliText(QT_TRANSLATE_NOOP("Cli", "give the seven values either with --values or from a draw with --ref")));
    if (!m_values.empty() && m_values.size() != 7)
        throw UsageError(cliText(QT_TRANSLATE_NOOP("Cli", "--values takes seven values (positions 1..6 and the "
                                                          "special number), not %1"),
                                 m_values.size()));
    const int partSize = parseDecimalArgument(m_size, "--size");
    auto request = searchRequest<PartialSearchRequest>(m_options.choice(m_context, range).choice);
    request.regularOnly = m_scope == "regular";
    request.partSize = partSize;
    request.partSizeText = m_size;
    for (std::size_t p = 0; p < m_values.size(); ++p) {
        request.values[p] = parseDecimalArgument(m_values[p], cliText(QT_TRANSLATE_NOOP("Cli", "value %1"), p + 1));
        request.texts[p] = m_values[p];
    }
    if (request.partSize < 1 || request.partSize > 6)
        m_context.err << m_context.note()
                      << m_context.said(QT_TRANSLATE_NOOP("Cli", "part size %1 is outside 1..6, so no draw is a hit"),
                                        request.partSize)
                      << "\n";
    return request;
}

int PartialCommand::run() {
    const PartialSearchRequest search = request();
    Workspace& workspace = m_context.workspace();
    const SearchResult result = workspace.analyses().partialSearch(
        m_context.engine(), search, m_context.progress(cliText(QT_TRANSLATE_NOOP("Cli", "combinations"))));
    const Messages words = countingRulesInWords(search);
    m_options.common.writeWorkbookIfAsked(m_context, hitListGrid(result), words);
    m_context.print(
        [&] { return searchJson(result, countingRules(search)); },
        [&](std::ostream& out) { printSearchText(out, result, m_context.saidRules(words), m_context.wording()); });
    return 0;
}

} // namespace

void registerPartialCommand(CLI::App& app, CliContext& context) { registerCommand<PartialCommand>(app, context); }

} // namespace quorvel
