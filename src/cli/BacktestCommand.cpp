// SPDX-License-Identifier: MIT
// The backtest (回测): did the groups away longest hit the next draw more often than their hit rates say?
#include "analysis/GroupPlan.h"
#include "cli/BacktestPrinter.h"
#include "cli/CliContext.h"
#include "cli/CommandOptions.h"
#include "cli/Commands.h"

#include <memory>
#include <set>

namespace quorvel {

namespace {

// The command's options as typed, and the request they make.
class BacktestCommand : public std::enable_shared_from_this<BacktestCommand> {
  public:
    explicit BacktestCommand(CliContext& context) : m_context(context) {}

    void add(CLI::App& app) {
        auto* command = app.add_subcommand(
            "backtest",
            QT_TRANSLATE_NOOP(
                "Cli", "Backtest (回测): at each past draw, pick the groups away longest and count how often the "
                       "next draw hit them, against their hit rates and against random picks"));
        addKindOption(command, m_kind);
        command
            ->add_option("--boxes", m_boxes,
                         QT_TRANSLATE_NOOP("Cli", "Ticked boxes, e.g. 1,5,17, 1..49 or @NAME (a saved selection or "
                                                  "built-in set): box i is value i (head, tail, parity: i - 1)"))
            ->delimiter(',')
            ->required();
        command->add_option("--size", m_size, QT_TRANSLATE_NOOP("Cli", "Group size k, 1..6"))->required();
        command
            ->add_option("--where", m_where,
                         QT_TRANSLATE_NOOP(
                             "Cli",
                             "Groups of one value only: special (the special number), regular (any of the six regular "
                             "numbers) or any (any of the seven); default: as the group calculation counts"))
            ->check(CLI::IsMember({"special", "regular", "any"}));
        command->add_flag("--with-special", m_withSpecial,
                          QT_TRANSLATE_NOOP("Cli", "The special number counts towards a group's hit"));
        command->add_flag(
            "--no-limit", m_noLimit,
            m_context.said(QT_TRANSLATE_NOOP("Cli", "Lift the size limits (at most %1 groups)"), kGroupCeiling));
        command->add_option(
            "--from", m_from,
            m_context.said(QT_TRANSLATE_NOOP("Cli", "First decision draw: the first stored draw of this issue or "
                                                    "later (default: the %1th stored draw)"),
                           kDefaultFirstDecision));
        command->add_option("--pick", m_pick, QT_TRANSLATE_NOOP("Cli", "Groups picked per decision, N (default 10)"));
        command->add_option(
            "--seed", m_seed,
            QT_TRANSLATE_NOOP("Cli", "Seed of the random picks the overdue picks are compared with (default 1)"));
        command->footer(QT_TRANSLATE_NOOP(
            "Cli", "At each decision draw only the draws up to it are known. Groups that never hit in them are "
                   "left out. The N groups with the smallest p_at_least_last are picked (ties: in the order the "
                   "groups are enumerated); the next draw shows whether they hit. z compares the hits with the "
                   "sum of the picked groups' hit rates; the verdict is at the 1% level. This describes the "
                   "past; it cannot make a lottery predictable."));
        command->callback([self = shared_from_this()] { self->m_context.action = [self] { return self->run(); }; });
    }

  private:
    BacktestRequest request() const {
        BacktestRequest request;
        request.groups.kind = kindArgument(m_kind);
        request.groups.groupSize = parseDecimalArgument(m_size, "--size");
        request.groups.includeSpecial = m_withSpecial;
        request.groups.noLimit = m_noLimit;
        request.groups.boxes = kindBoxesArgument(m_context, request.groups.kind, m_boxes);
        if (!m_where.empty()) {
            if (request.groups.groupSize != 1)
                throw UsageError(cliText(QT_TRANSLATE_NOOP("Cli", "--where applies to groups of one value (--size 1); "
                                                                  "leave it out for --size %1"),
                                         m_size));
            if (m_withSpecial)
                throw UsageError(cliText(QT_TRANSLATE_NOOP(
                    "Cli", "--where already says whether the special number counts; leave out --with-special")));
            request.place = parseValuePlace(m_where)->place;
        }
        if (!m_from.empty()) request.fromIssue = parseDecimalArgument(m_from, "--from");
        if (!m_pick.empty()) {
            request.pick = parseDecimalArgument(m_pick, "--pick");
            if (request.pick < 1)
                throw UsageError(
                    cliText(QT_TRANSLATE_NOOP("Cli", "--pick takes a number of groups of at least 1, not %1"), m_pick));
        }
        // Picking every group the boxes make would compare the overdue picks with themselves.
        const std::set<int> values(request.groups.boxes.begin(), request.groups.boxes.end());
        const long groups = combinationCount(static_cast<int>(values.size()), request.groups.groupSize);
        if (groups > 0 && request.pick >= groups)
            throw UsageError(m_context.said(QT_TRANSLATE_NOOP("Cli", "--pick %1 picks all of the %2 groups that %3 "
                                                                     "boxes in groups of %4 make, so nothing is "
                                                                     "compared with chance; give --pick below %2, or "
                                                                     "tick more boxes"),
                                            request.pick, groups, values.size(), request.groups.groupSize));
        if (!m_seed.empty()) {
            const int seed = parseDecimalArgument(m_seed, "--seed");
            if (seed < 0)
                throw UsageError(
                    cliText(QT_TRANSLATE_NOOP("Cli", "--seed takes a whole number of at least 0, not %1"), m_seed));
            request.seed = static_cast<std::uint64_t>(seed);
        }
        return request;
    }

    int run() {
        const BacktestRequest backtest = request();
        if (m_context.options.engine == "sql")
            m_context.err << m_context.note()
                          << m_context.said(QT_TRANSLATE_NOOP("Cli", "the backtest is counted in memory whatever "
                                                                     "--engine says"))
                          << "\n";
        const BacktestResult result = m_context.workspace().analyses().backtest(
            backtest, m_context.progress(cliText(QT_TRANSLATE_NOOP("Cli", "decisions"))));
        if (m_context.showProgress) m_context.err << "\r\033[K" << std::flush;
        m_context.print([&] { return backtestJson(result); },
                        [&](std::ostream& out) { printBacktestText(out, result, m_context.catalogue); });
        return 0;
    }

    CliContext& m_context;
    std::string m_kind = "number";
    std::vector<std::string> m_boxes;
    std::string m_size;
    std::string m_where;
    bool m_withSpecial = false;
    bool m_noLimit = false;
    std::string m_from;
    std::string m_pick;
    std::string m_seed;
};

} // namespace

void registerBacktestCommand(CLI::App& app, CliContext& context) {
    std::make_shared<BacktestCommand>(context)->add(app);
}

} // namespace quorvel
