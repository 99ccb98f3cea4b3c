// SPDX-License-Identifier: MIT
// The three analyses: search (position search), partial (partial search), group (group calculation).
#include "analysis/AnalysisRange.h"
#include "analysis/AnalysisResult.h"
#include "analysis/CountingRules.h"
#include "analysis/GroupPlan.h"
#include "analysis/GroupRowOrder.h"
#include "analysis/OmissionEngine.h"
#include "analysis/ResultCells.h"
#include "analysis/ResultGrids.h"
#include "app/GroupLimits.h"
#include "app/SearchRequestBuilder.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "cli/GroupRowsPrinter.h"
#include "maintain/WorkbookExport.h"
#include "model/GroupSort.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace quorvel {

namespace {

using json = nlohmann::ordered_json;

// Choices every analysis shares, as typed.
struct CommonOptions {
    std::string kind = "number";
    std::string from;
    std::string to;
    bool withSpecial = false;
    std::string xlsx;
    std::string gapsFrom = "history";
};

// Choices of the two searches besides the common ones.
struct SearchOptions {
    CommonOptions common;
    std::string order = "drawn";
    std::string mode = "free";
    std::string ref;
    bool before = false;
};

void addCommonOptions(CLI::App* command, CommonOptions& options) {
    command->add_option("--kind", options.kind,
                        "Attribute kind: 0..7, its Chinese name, or number, zodiac, head, tail, digitsum, segment, "
                        "colour, parity (default number)");
    command->add_option("--from", options.from, "First issue of the range (default: the first stored issue)");
    command->add_option("--to", options.to, "Last issue of the range (default: the last stored issue)");
    command->add_flag("--with-special", options.withSpecial,
                      "Count the special number in a free-position match (default: regular numbers only)");
    command->add_option("--xlsx", options.xlsx,
                        "Also write the result grid to this .xlsx workbook (replaced if it exists)");
    command
        ->add_option("--gaps-from", options.gapsFrom,
                     "Where the first gap of min and max counts from: history (the first stored draw, default) or "
                     "range (the range's first draw, as the average always counts it)")
        ->check(CLI::IsMember({"history", "range"}));
}

GapStart gapStartOf(const CommonOptions& options) {
    return options.gapsFrom == "range" ? GapStart::Range : GapStart::History;
}

// Writes the grid to the --xlsx workbook, with the counting rules on its second sheet, when one was asked
// for, before anything is printed.
// The workspace refuses a target that would replace the store or is not a regular file.
void writeWorkbookIfAsked(Workspace& workspace, const std::string& path, const CellGrid& grid,
                          const std::string& rules) {
    if (!path.empty()) workspace.exportGridWorkbook(grid, path, std::filesystem::path(path), rules);
}

void printRow(std::ostream& out, const std::vector<std::string>& row) {
    for (std::size_t c = 0; c < row.size(); ++c)
        out << (c ? "\t" : "") << row[c];
    out << "\n";
}

void printGrid(std::ostream& out, const CellGrid& grid) {
    for (const auto& row : grid)
        printRow(out, row);
}

void addSearchOptions(CLI::App* command, SearchOptions& options) {
    addCommonOptions(command, options.common);
    command->add_option("--order", options.order, "Number order: drawn (落地码, default) or sorted (顺序码)")
        ->check(CLI::IsMember({"drawn", "sorted"}));
    command->add_option("--mode", options.mode, "Positions: fixed (固定位) or free (自由位, default)")
        ->check(CLI::IsMember({"fixed", "free"}));
    command->add_option("--ref", options.ref, "Take the values from the latest stored draw not after this issue");
    command->add_flag("--before", options.before, "With --ref: end the range just before the reference draw");
}

AttributeKind kindOf(const CommonOptions& options) {
    if (auto kind = parseKind(options.kind)) return *kind;
    throw UsageError("unknown kind '" + options.kind +
                     "'; use 0..7, the Chinese name, or number, zodiac, head, tail, digitsum, segment, colour, parity");
}

std::optional<int> optionalDecimal(const std::string& text, const std::string& what) {
    if (text.empty()) return std::nullopt;
    return parseDecimalArgument(text, what);
}

RangeChoice rangeChoice(const CommonOptions& common, const std::string& ref, bool before) {
    RangeChoice choice;
    choice.from = optionalDecimal(common.from, "--from");
    choice.to = optionalDecimal(common.to, "--to");
    choice.reference = optionalDecimal(ref, "--ref");
    if (before && !choice.reference) throw UsageError("--before needs --ref ISSUE");
    choice.beforeReference = before;
    return choice;
}

EngineKind engineOf(const CliContext& context) { return *parseEngineKind(context.options.engine); }

template <typename Value> json optionalJson(const std::optional<Value>& value) {
    return value ? json(*value) : json(nullptr);
}

// Adds the figures beyond min, max and last to a result's or a row's object.
void addStatistics(json& object, const OmissionStatistics& statistics) {
    object["hits_in_range"] = statistics.hitsInRange;
    object["average"] = optionalJson(statistics.average);
    object["longest_run"] = statistics.longestRun;
    object["previous"] = optionalJson(statistics.previous);
    object["p_hit"] = optionalJson(statistics.pHit);
    object["expected_gap"] = optionalJson(statistics.expectedGap);
    object["p_at_least_last"] = optionalJson(statistics.pAtLeastLast);
    object["p_source"] = probabilitySourceText(statistics.source);
}

json summaryJson(const SearchResult& result, const std::string& rules) {
    json hits = json::array();
    for (const HitRow& hit : result.hits)
        hits.push_back({{"issue", hit.issue}, {"cells", hit.cells}, {"gap", hit.gap}, {"seq", hit.seq}});
    json object = {{"label", result.summary.label},
                   {"hits", hits},
                   {"min", result.summary.min},
                   {"max", result.summary.max},
                   {"last", result.summary.last}};
    addStatistics(object, result.summary.statistics);
    object["rules"] = rules;
    return object;
}

// A figure as the table output shows it: six significant digits, "-" when undefined.
template <typename Value> std::string figureText(const std::optional<Value>& value) {
    if (!value) return "-";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", static_cast<double>(*value));
    return buffer;
}

// The figures beyond the fixed grid, one row per result: its label, then the figures under their JSON names.
const std::vector<std::string> kStatisticsHeader{"号码（分组）", "hits_in_range",   "average",
                                                 "longest_run",  "previous",        "p_hit",
                                                 "expected_gap", "p_at_least_last", "p_source"};

std::vector<std::string> statisticsRow(const std::string& label, const OmissionStatistics& s) {
    return {label,
            std::to_string(s.hitsInRange),
            figureText(s.average),
            std::to_string(s.longestRun),
            figureText(s.previous),
            figureText(s.pHit),
            figureText(s.expectedGap),
            figureText(s.pAtLeastLast),
            std::string(probabilitySourceText(s.source))};
}

CellGrid statisticsGrid(const std::vector<std::pair<std::string, OmissionStatistics>>& rows) {
    CellGrid grid{kStatisticsHeader};
    for (const auto& [label, s] : rows)
        grid.push_back(statisticsRow(label, s));
    return grid;
}

// Prints the fixed grid first, then the fuller figures and the counting rules.
void printWithStatistics(std::ostream& out, const CellGrid& fixed,
                         const std::vector<std::pair<std::string, OmissionStatistics>>& rows,
                         const std::string& rules) {
    printGrid(out, fixed);
    out << "\n";
    printGrid(out, statisticsGrid(rows));
    out << "\nrules: " << rules << "\n";
}

void printSearch(std::ostream& out, const SearchResult& result, const std::string& rules) {
    printGrid(out, hitListGrid(result));
    out << "\n";
    printWithStatistics(out, summaryGrid(result.summary), {{result.summary.label, result.summary.statistics}}, rules);
}

// Positions 1..7 from "1,2,7".
std::array<bool, 7> parsePositions(const std::vector<std::string>& texts) {
    std::array<bool, 7> selected{};
    for (const auto& text : texts) {
        int position = parseDecimalArgument(text, "a position");
        if (position < 1 || position > 7) throw UsageError("positions are 1..7 (7 is the special number), not " + text);
        selected[static_cast<std::size_t>(position - 1)] = true;
    }
    return selected;
}

// A range without a draw still gives the figures the rules define, but they describe no draw: say so.
void noteEmptyRange(CliContext& context, const ResolvedRange& resolved) {
    if (!resolved.holdsDraws)
        context.err << "note: the range " << resolved.range.start << ".." << resolved.range.end
                    << " holds no stored draw; the baseline figures are null\n";
}

// Fills what both searches share from the options and resolves the range; with a reference draw, the
// values and texts of positions 1..7 come from it. Returns whether there was a reference draw.
template <typename Request>
bool fillSearchRequest(Request& request, CliContext& context, const SearchOptions& options, const RangeChoice& choice) {
    SearchChoice search;
    search.kind = kindOf(options.common);
    search.order = options.order == "sorted" ? NumberOrder::Sorted : NumberOrder::Drawn;
    search.mode = options.mode == "fixed" ? PositionMode::Fixed : PositionMode::Free;
    search.includeSpecial = options.common.withSpecial;
    search.gapsFrom = gapStartOf(options.common);
    Workspace& workspace = context.workspace();
    search.bases = workspace.bases();
    ResolvedRange resolved = workspace.resolveRange(choice);
    noteEmptyRange(context, resolved);
    search.range = resolved.range;
    if (resolved.reference) {
        ReferenceValues reference = referenceValues(*resolved.reference, search.kind, search.order, search.bases);
        search.values = reference.values;
        search.texts = reference.texts;
    }
    request = searchRequest<Request>(search);
    return resolved.reference.has_value();
}

// Writes the --xlsx workbook, then prints the hit list, the summary, its figures and the counting rules.
int showSearch(CliContext& context, const SearchOptions& options, const SearchResult& result,
               const std::string& rules) {
    writeWorkbookIfAsked(context.workspace(), options.common.xlsx, hitListGrid(result), rules);
    context.print(summaryJson(result, rules), [&](std::ostream& out) { printSearch(out, result, rules); });
    return 0;
}

void registerSearch(CLI::App& app, CliContext& context) {
    struct Arguments {
        SearchOptions search;
        std::vector<std::string> pos;
        std::vector<std::string> positions;
    };
    auto arguments = std::make_shared<Arguments>();
    auto* command =
        app.add_subcommand("search", "Position search: the draws that repeat the values of chosen positions");
    addSearchOptions(command, arguments->search);
    command->add_option("--pos", arguments->pos, "Position and value looked for, P=V (P 1..6 regular, 7 special)");
    command->add_option("--positions", arguments->positions, "With --ref: the positions to look at, e.g. 1,2,7")
        ->delimiter(',');
    command->callback([&context, arguments] {
        context.action = [&context, arguments] {
            const SearchOptions& options = arguments->search;
            RangeChoice choice = rangeChoice(options.common, options.ref, options.before);
            if (choice.reference && !arguments->pos.empty())
                throw UsageError("give the values either with --pos or from a draw with --ref, not both");
            if (!choice.reference && !arguments->positions.empty())
                throw UsageError("--positions needs --ref ISSUE (use --pos P=V to type values)");
            PositionSearchRequest request;
            if (fillSearchRequest(request, context, options, choice))
                request.selected = parsePositions(arguments->positions);
            for (const auto& item : arguments->pos) {
                auto equals = item.find('=');
                if (equals == std::string::npos) throw UsageError("--pos takes P=V, for example 7=05, not " + item);
                int position = parseDecimalArgument(item.substr(0, equals), "the position of --pos " + item);
                if (position < 1 || position > 7)
                    throw UsageError("positions are 1..7 (7 is the special number), not " + item);
                std::string text = item.substr(equals + 1);
                auto p = static_cast<std::size_t>(position - 1);
                if (request.selected[p])
                    throw UsageError("position " + std::to_string(position) +
                                     " is given twice with --pos; give each position once");
                request.values[p] = parseDecimalArgument(text, "the value of --pos " + item);
                request.texts[p] = text;
                request.selected[p] = true;
            }
            return showSearch(context, options, context.workspace().positionSearch(engineOf(context), request),
                              countingRules(request));
        };
    });
}

void registerPartial(CLI::App& app, CliContext& context) {
    struct Arguments {
        SearchOptions search;
        std::string scope = "all";
        std::string size = "2";
        std::vector<std::string> values;
    };
    auto arguments = std::make_shared<Arguments>();
    auto* command =
        app.add_subcommand("partial", "Partial search: the draws that repeat the values of any k positions");
    addSearchOptions(command, arguments->search);
    command->add_option("--scope", arguments->scope, "Positions: regular (平码, 1..6) or all (平特, 1..7, default)")
        ->check(CLI::IsMember({"regular", "all"}));
    command->add_option("--size", arguments->size, "Part size k, 1..6 (default 2)");
    command->add_option("--values", arguments->values, "The seven values of positions 1..7, e.g. 05,11,23,30,31,44,02")
        ->delimiter(',');
    command->callback([&context, arguments] {
        context.action = [&context, arguments] {
            const SearchOptions& options = arguments->search;
            RangeChoice choice = rangeChoice(options.common, options.ref, options.before);
            if (choice.reference.has_value() == !arguments->values.empty())
                throw UsageError("give the seven values either with --values or from a draw with --ref");
            if (!arguments->values.empty() && arguments->values.size() != 7)
                throw UsageError("--values takes seven values (positions 1..6 and the special number), not " +
                                 std::to_string(arguments->values.size()));
            const int partSize = parseDecimalArgument(arguments->size, "--size");
            PartialSearchRequest request;
            fillSearchRequest(request, context, options, choice);
            request.regularOnly = arguments->scope == "regular";
            request.partSize = partSize;
            request.partSizeText = arguments->size;
            for (std::size_t p = 0; p < arguments->values.size(); ++p) {
                request.values[p] = parseDecimalArgument(arguments->values[p], "value " + std::to_string(p + 1));
                request.texts[p] = arguments->values[p];
            }
            if (request.partSize < 1 || request.partSize > 6)
                context.err << "note: part size " << request.partSize << " is outside 1..6, so no draw is a hit\n";
            return showSearch(
                context, options,
                context.workspace().partialSearch(engineOf(context), request, context.progress("combinations")),
                countingRules(request));
        };
    });
}

void registerGroup(CLI::App& app, CliContext& context) {
    struct Arguments {
        CommonOptions common;
        std::string size = "2";
        std::vector<std::string> boxes;
        std::string sort = "last";
        bool noLimit = false;
    };
    auto arguments = std::make_shared<Arguments>();
    auto* command = app.add_subcommand("group", "Group calculation: omissions of every k-combination of ticked values");
    addCommonOptions(command, arguments->common);
    command->add_option("--size", arguments->size, "Group size k, 1..6 (default 2)");
    command
        ->add_option("--boxes", arguments->boxes,
                     "Ticked boxes, e.g. 1,5,17: box i is value i (head, tail, parity: i - 1)")
        ->delimiter(',');
    command
        ->add_option("--sort", arguments->sort,
                     "Order of the rows: min, max, last (default), label, or p (the chance of an omission at least "
                     "as long as the last one, ascending: the groups away unusually long first)")
        ->check(CLI::IsMember({"min", "max", "last", "label", "p"}));
    command->add_flag("--no-limit", arguments->noLimit,
                      "Lift the size limits for this run (memory engine; at most " + std::to_string(kGroupCeiling) +
                          " groups, e.g. every group of 4 of the 49 numbers)");
    command->callback([&context, arguments] {
        context.action = [&context, arguments] {
            GroupRequest request;
            request.kind = kindOf(arguments->common);
            request.groupSize = parseDecimalArgument(arguments->size, "--size");
            request.includeSpecial = arguments->common.withSpecial;
            request.noLimit = arguments->noLimit;
            request.gapsFrom = gapStartOf(arguments->common);
            for (const auto& text : arguments->boxes) {
                int box = parseDecimalArgument(text, "box " + text);
                if (box < 1 || box > 49) throw UsageError("boxes are numbered 1..49, not " + text);
                request.boxes.push_back(box);
            }
            Workspace& workspace = context.workspace();
            request.bases = workspace.bases();
            const ResolvedRange resolved = workspace.resolveRange(rangeChoice(arguments->common, "", false));
            noteEmptyRange(context, resolved);
            request.range = resolved.range;
            GroupResult result = workspace.groupCalculation(engineOf(context), request, context.progress("steps"));
            if (!result.note.empty()) context.err << "note: " << result.note << "\n";
            if (const GroupLimits limits = groupLimits(engineOf(context), request); !limits.keptNote.empty())
                context.err << "note: " << limits.keptNote << "\n";
            // The rows come back in the order stored; they are ordered in memory as YL reads them by the sort.
            std::vector<std::uint32_t> stored(result.rows.size());
            std::iota(stored.begin(), stored.end(), std::uint32_t{0});
            const std::vector<std::uint32_t> order =
                groupRowOrder(result.rows, stored, *parseGroupSort(arguments->sort));
            const std::string rules = countingRules(request);
            if (!arguments->common.xlsx.empty()) {
                std::vector<GroupRow> ordered;
                for (std::uint32_t i : order)
                    ordered.push_back(result.rows[i]);
                writeWorkbookIfAsked(workspace, arguments->common.xlsx, groupResultGrid(ordered), rules);
            }
            printGroupRows(context.out, context.options.json, result.rows, order, rules);
            return 0;
        };
    });
}

} // namespace

void registerAnalysisCommands(CLI::App& app, CliContext& context) {
    registerSearch(app, context);
    registerPartial(app, context);
    registerGroup(app, context);
}

} // namespace quorvel
