// SPDX-License-Identifier: MIT
// The group calculation (group): the omissions of every k-combination of the ticked values.
#include "analysis/CountingRules.h"
#include "analysis/GroupPlan.h"
#include "analysis/GroupRowOrder.h"
#include "analysis/ResultGrids.h"
#include "app/choices/GroupLimits.h"
#include "cli/AnalysisOptions.h"
#include "cli/CliContext.h"
#include "cli/CommandRegistration.h"
#include "cli/Commands.h"
#include "cli/GroupPrinter.h"
#include "maintain/WorkbookExport.h"
#include "model/Error.h"
#include "model/GroupSort.h"

#include <memory>

namespace quorvel {

namespace {

// The command's choices as typed, parsed into a request when it runs; the output is left to GroupPrinter.
class GroupCommand {
  public:
    explicit GroupCommand(CliContext& context) : m_context(context) {}

    // Adds the subcommand and its options, bound to this command's members.
    CLI::App* addTo(CLI::App& app);
    int run();

  private:
    GroupRequest request() const;

    CliContext& m_context;
    AnalysisOptions m_options;
    std::string m_size = "2";
    std::vector<std::string> m_boxes;
    std::string m_sort = "last";
    bool m_noLimit = false;
};

CLI::App* GroupCommand::addTo(CLI::App& app) {
    auto* command = app.add_subcommand(
        "group", QT_TRANSLATE_NOOP("Cli", "Group calculation: omissions of every k-combination of ticked values"));
    m_options.addTo(command);
    command->add_option("--size", m_size, QT_TRANSLATE_NOOP("Cli", "Group size k, 1..6 (default 2)"));
    command
        ->add_option("--boxes", m_boxes,
                     QT_TRANSLATE_NOOP("Cli", "Ticked boxes, e.g. 1,5,17, 1..49 or @NAME (a saved selection or "
                                              "built-in set): box i is value i (head, tail, parity: i - 1)"))
        ->delimiter(',');
    command
        ->add_option("--sort", m_sort,
                     QT_TRANSLATE_NOOP(
                         "Cli",
                         "Order of the rows: min, max, last (default), label, or p (the chance of an omission at least "
                         "as long as the last one, ascending: the groups away unusually long first)"))
        ->check(CLI::IsMember({"min", "max", "last", "label", "p"}));
    command->add_flag(
        "--no-limit", m_noLimit,
        m_context.said(QT_TRANSLATE_NOOP("Cli", "Lift the size limits for this run (memory engine; at most %1 "
                                                "groups, e.g. every group of 4 of the 49 numbers)"),
                       kGroupCeiling));
    return command;
}

GroupRequest GroupCommand::request() const {
    GroupRequest request;
    request.kind = kindArgument(m_options.kind);
    request.groupSize = parseDecimalArgument(m_size, "--size");
    request.includeSpecial = m_options.withSpecial;
    request.noLimit = m_noLimit;
    request.gapsFrom = gapStartArgument(m_options.gapsFrom);
    request.boxes = kindBoxesArgument(m_context, request.kind, m_boxes);
    // A request that makes no group is a wrong choice of size or boxes: refused before YL is touched.
    if (const Message why = noGroupReason(request); !why.empty()) throw UsageError(m_context.said(why));
    Workspace& workspace = m_context.workspace();
    request.bases = workspace.bases();
    const ResolvedRange resolved = workspace.analyses().resolveRange(m_options.range.fromTo());
    noteEmptyRange(m_context, resolved, cliText(QT_TRANSLATE_NOOP("Cli", "the baseline figures are null")));
    request.range = resolved.range;
    return request;
}

int GroupCommand::run() {
    const GroupRequest group = request();
    Workspace& workspace = m_context.workspace();
    const EngineKind engine = m_context.engine();
    // The workbook's target is checked before the calculation replaces the rows of YL.
    m_options.checkWorkbookTarget(workspace);
    // A workbook too small for the rows is refused before the calculation, not after it.
    if (const long groups = groupLimits(engine, group).groups;
        !m_options.xlsx.empty() && static_cast<std::size_t>(groups) + 1 > kWorkbookRowLimit)
        throw Error(Message("Cli",
                            QT_TRANSLATE_NOOP("Cli", "a workbook holds at most 1,048,576 rows, and the %1 groups of "
                                                     "this request need one each below the header; choose fewer "
                                                     "groups or use --json"),
                            {MessageArgument(groups)}));
    // The rows are printed while the store writes them; the command ends once they are stored, and fails
    // (exit 1) when they could not be.
    const GroupRun result = workspace.analyses().groupCalculation(
        engine, group, m_context.progress(cliText(QT_TRANSLATE_NOOP("Cli", "groups"))));
    const GroupRows& rows = *result.rows;
    if (m_context.showProgress) m_context.err << "\r\033[K" << std::flush;
    if (const GroupLimits limits = groupLimits(engine, group); !limits.keptNote.empty())
        m_context.err << m_context.note() << m_context.said(limits.keptNote) << "\n";
    // The rows are first made ready for the store, which writes them meanwhile; the store then commits while they
    // are printed. The rows come back in the order stored; they are ordered in memory as YL reads them by the
    // sort.
    workspace.analyses().helpStoreGroupResults();
    const std::vector<std::uint32_t> order = groupRowOrder(rows, *parseGroupSort(m_sort));
    const std::string rules = countingRules(group);
    if (!m_options.xlsx.empty()) {
        std::vector<GroupRow> ordered;
        for (std::uint32_t i : order)
            ordered.push_back(rows[i]);
        m_options.writeWorkbookIfAsked(m_context, groupResultGrid(ordered), countingRulesInWords(group));
    }
    if (m_context.options.json)
        printGroupJson(m_context.out, rows, order, rules);
    else {
        Wording wording = m_context.wording();
        // A kind without names has labels of numbers alone: its rows stream through as stored, unread.
        if (storedNames(group.kind).empty()) wording.language = kStoredNamesLanguage;
        printGroupText(m_context.out, rows, order, m_context.saidRules(countingRulesInWords(group)), wording);
    }
    m_context.out.flush();
    workspace.analyses().finishGroupResults(m_context.progress(cliText(QT_TRANSLATE_NOOP("Cli", "rows stored"))));
    return 0;
}

} // namespace

void registerGroupCommand(CLI::App& app, CliContext& context) { registerCommand<GroupCommand>(app, context); }

} // namespace quorvel
