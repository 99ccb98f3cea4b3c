// SPDX-License-Identifier: MIT
// The position search (search): the draws that repeat the values of chosen positions.
#include "analysis/CountingRules.h"
#include "analysis/ResultGrids.h"
#include "cli/AnalysisOptions.h"
#include "cli/CliContext.h"
#include "cli/CommandRegistration.h"
#include "cli/Commands.h"
#include "cli/SearchPrinter.h"

#include <array>
#include <memory>

namespace quorvel {

namespace {

constexpr const char* kPositionsAre = QT_TRANSLATE_NOOP("Cli", "positions are 1..7 (7 is the special number), not %1");

// Positions 1..7 from "1,2,7".
std::array<bool, 7> parsePositions(const std::vector<std::string>& texts) {
    std::array<bool, 7> selected{};
    for (const auto& text : texts) {
        int position = parseDecimalArgument(text, cliText(QT_TRANSLATE_NOOP("Cli", "a position")));
        if (position < 1 || position > 7) throw UsageError(cliText(kPositionsAre, text));
        selected[static_cast<std::size_t>(position - 1)] = true;
    }
    return selected;
}

// The command's choices as typed, parsed into a request when it runs; the output is left to SearchPrinter.
class SearchCommand {
  public:
    explicit SearchCommand(CliContext& context) : m_context(context) {}

    // Adds the subcommand and its options, bound to this command's members.
    CLI::App* addTo(CLI::App& app);
    int run();

  private:
    PositionSearchRequest request() const;
    // Adds the values typed with --pos P=V to the request.
    void addTypedValues(PositionSearchRequest& request) const;

    CliContext& m_context;
    SearchOptions m_options;
    std::vector<std::string> m_pos;
    std::vector<std::string> m_positions;
};

CLI::App* SearchCommand::addTo(CLI::App& app) {
    auto* command = app.add_subcommand(
        "search", QT_TRANSLATE_NOOP("Cli", "Position search: the draws that repeat the values of chosen positions"));
    m_options.addTo(command);
    command->add_option("--pos", m_pos,
                        QT_TRANSLATE_NOOP("Cli", "Position and value looked for, P=V (P 1..6 regular, 7 special)"));
    command
        ->add_option("--positions", m_positions,
                     QT_TRANSLATE_NOOP("Cli", "With --ref: the positions to look at, e.g. 1,2,7"))
        ->delimiter(',');
    return command;
}

PositionSearchRequest SearchCommand::request() const {
    const RangeChoice range = m_options.rangeChoice();
    if (range.reference && !m_pos.empty())
        throw UsageError(
            cliText(QT_TRANSLATE_NOOP("Cli", "give the values either with --pos or from a draw with --ref, not both")));
    if (!range.reference && !m_positions.empty())
        throw UsageError(
            cliText(QT_TRANSLATE_NOOP("Cli", "--positions needs --ref ISSUE (use --pos P=V to type values)")));
    const SearchChoiceMade made = m_options.choice(m_context, range);
    auto request = searchRequest<PositionSearchRequest>(made.choice);
    if (made.fromReference) request.selected = parsePositions(m_positions);
    addTypedValues(request);
    return request;
}

void SearchCommand::addTypedValues(PositionSearchRequest& request) const {
    for (const auto& item : m_pos) {
        auto equals = item.find('=');
        if (equals == std::string::npos)
            throw UsageError(cliText(QT_TRANSLATE_NOOP("Cli", "--pos takes P=V, for example 7=05, not %1"), item));
        int position = parseDecimalArgument(item.substr(0, equals),
                                            cliText(QT_TRANSLATE_NOOP("Cli", "the position of --pos %1"), item));
        if (position < 1 || position > 7) throw UsageError(cliText(kPositionsAre, item));
        std::string text = item.substr(equals + 1);
        auto p = static_cast<std::size_t>(position - 1);
        if (request.selected[p])
            throw UsageError(cliText(
                QT_TRANSLATE_NOOP("Cli", "position %1 is given twice with --pos; give each position once"), position));
        request.values[p] =
            parseDecimalArgument(text, cliText(QT_TRANSLATE_NOOP("Cli", "the value of --pos %1"), item));
        request.texts[p] = text;
        request.selected[p] = true;
    }
}

int SearchCommand::run() {
    const PositionSearchRequest search = request();
    Workspace& workspace = m_context.workspace();
    const SearchResult result = workspace.analyses().positionSearch(m_context.engine(), search);
    const Messages words = countingRulesInWords(search);
    m_options.common.writeWorkbookIfAsked(m_context, hitListGrid(result), words);
    m_context.print(
        [&] { return searchJson(result, countingRules(search)); },
        [&](std::ostream& out) { printSearchText(out, result, m_context.saidRules(words), m_context.wording()); });
    return 0;
}

} // namespace

void registerSearchCommand(CLI::App& app, CliContext& context) { registerCommand<SearchCommand>(app, context); }

} // namespace quorvel
