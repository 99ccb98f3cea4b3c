// SPDX-License-Identifier: MIT
#include "cli/AnalysisOptions.h"

#include "cli/CliContext.h"
#include "model/PathText.h"

#include <filesystem>

namespace quorvel {

void AnalysisOptions::addTo(CLI::App* command) {
    addKindOption(command, kind);
    range.addFromTo(command);
    command->add_flag(
        "--with-special", withSpecial,
        QT_TRANSLATE_NOOP("Cli", "Count the special number in a free-position match (default: regular numbers only)"));
    command->add_option(
        "--xlsx", xlsx,
        QT_TRANSLATE_NOOP("Cli", "Also write the result grid to this .xlsx workbook (replaced if it exists)"));
    addGapsFromOption(command, gapsFrom);
}

void AnalysisOptions::checkWorkbookTarget(const Workspace& workspace) const {
    if (!xlsx.empty()) workspace.analyses().checkExportTarget(xlsx, std::filesystem::path(xlsx));
}

void AnalysisOptions::writeWorkbookIfAsked(CliContext& context, const CellGrid& grid, const Messages& rules) const {
    if (!xlsx.empty())
        context.workspace().analyses().exportWorkbook({WorkbookView::Grid, grid, {}, rules}, xlsx, textPath(xlsx),
                                                      context.translate());
}

void SearchOptions::addTo(CLI::App* command) {
    common.addTo(command);
    command
        ->add_option("--order", order,
                     QT_TRANSLATE_NOOP("Cli", "Number order: drawn (落地码, default) or sorted (顺序码)"))
        ->check(CLI::IsMember({"drawn", "sorted"}));
    command->add_option("--mode", mode, QT_TRANSLATE_NOOP("Cli", "Positions: fixed (固定位) or free (自由位, default)"))
        ->check(CLI::IsMember({"fixed", "free"}));
    command->add_option("--ref", ref,
                        QT_TRANSLATE_NOOP("Cli", "Take the values from the latest stored draw not after this issue"));
    command->add_flag("--before", before,
                      QT_TRANSLATE_NOOP("Cli", "With --ref: end the range just before the reference draw"));
}

RangeChoice SearchOptions::rangeChoice() const {
    RangeChoice choice = common.range.fromTo();
    choice.reference = optionalDecimal(ref, "--ref");
    if (before && !choice.reference) throw UsageError(cliText(QT_TRANSLATE_NOOP("Cli", "--before needs --ref ISSUE")));
    choice.beforeReference = before;
    return choice;
}

SearchChoiceMade SearchOptions::choice(CliContext& context, const RangeChoice& range) const {
    SearchChoiceMade made;
    SearchChoice& search = made.choice;
    search.kind = kindArgument(common.kind);
    search.order = orderArgument(order);
    search.mode = mode == "fixed" ? PositionMode::Fixed : PositionMode::Free;
    search.includeSpecial = common.withSpecial;
    search.gapsFrom = gapStartArgument(common.gapsFrom);
    Workspace& workspace = context.workspace();
    search.bases = workspace.bases();
    const ResolvedRange resolved = workspace.analyses().resolveRange(range);
    noteEmptyRange(context, resolved, cliText(QT_TRANSLATE_NOOP("Cli", "the baseline figures are null")));
    search.range = resolved.range;
    if (resolved.reference) {
        const ReferenceValues reference = referenceValues(*resolved.reference, search.kind, search.order, search.bases);
        search.values = reference.values;
        search.texts = reference.texts;
        made.fromReference = true;
    }
    return made;
}

} // namespace quorvel
