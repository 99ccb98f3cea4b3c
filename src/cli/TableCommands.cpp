// SPDX-License-Identifier: MIT
// The omission table (table): one row per value of a kind with its omissions and how often it came lately.
#include "analysis/CountingRules.h"
#include "app/TableColumns.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"

#include <algorithm>

namespace quorvel {

namespace {

using json = nlohmann::ordered_json;

// The choices of the command, as typed.
struct TableOptions {
    std::string kind = "number";
    std::string where = "special";
    std::string order = "drawn";
    std::string from;
    std::string to;
    std::string last;
    std::string gapsFrom = "history";
    std::string sort;
    bool descending = false;
    std::string xlsx;
};

std::string columnKeys() {
    std::string keys;
    for (TableColumn column : allTableColumns())
        keys += (keys.empty() ? "" : ", ") + std::string(tableColumnKey(column));
    return keys;
}

template <typename Value> json optionalJson(const std::optional<Value>& value) {
    return value ? json(*value) : json(nullptr);
}

json rowJson(const TableRow& row) {
    const OmissionStatistics& s = row.summary.statistics;
    return {{"value", row.value},
            {"label", row.label},
            {"hits", s.hitsInRange},
            {"min", row.summary.min},
            {"max", row.summary.max},
            {"last", row.summary.last},
            {"average", optionalJson(s.average)},
            {"longest_run", s.longestRun},
            {"previous", optionalJson(s.previous)},
            {"hits_10", row.hits10},
            {"hits_30", row.hits30},
            {"hits_100", row.hits100},
            {"p_hit", optionalJson(s.pHit)},
            {"expected_gap", optionalJson(s.expectedGap)},
            {"p_at_least_last", optionalJson(s.pAtLeastLast)}};
}

// Columns a terminal lines up: CJK characters take two cells, everything else one.
std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? byte : byte & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        width += code >= 0x2E80 ? 2 : 1;
        i += length;
    }
    return width;
}

// The grid with every column padded to its widest cell, labels to the left, figures to the right.
void printAligned(std::ostream& out, const CellGrid& grid) {
    std::vector<std::size_t> widths;
    for (const auto& row : grid)
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    for (const auto& row : grid) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string padding(widths[c] - displayWidth(row[c]), ' ');
            line += c == 0 ? "" : "  ";
            line += c == 1 ? row[c] + padding : padding + row[c];
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << "\n";
    }
}

// The range of the options: --last N draws up to the latest, else --from and --to (each defaulting to the
// first and last stored issue).
RangeChoice rangeChoice(Workspace& workspace, const TableOptions& options) {
    RangeChoice choice;
    if (!options.last.empty()) {
        if (!options.from.empty() || !options.to.empty())
            throw UsageError("give the range either with --from/--to or with --last N, not both");
        const int count = parseDecimalArgument(options.last, "--last");
        if (count < 1) throw UsageError("--last takes a count of draws of at least 1, not " + options.last);
        auto start = workspace.startOfLatestDraws(count);
        if (!start) throw Error("no history: import or add draws before running an analysis");
        choice.from = start->issue;
        return choice;
    }
    if (!options.from.empty()) choice.from = parseDecimalArgument(options.from, "--from");
    if (!options.to.empty()) choice.to = parseDecimalArgument(options.to, "--to");
    return choice;
}

void registerTable(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<TableOptions>();
    auto* command = app.add_subcommand(
        "table", "Omission table (遗漏总表): every value of a kind with its hits, omissions and recent hits");
    command->add_option("--kind", options->kind,
                        "Attribute kind: 0..7, its Chinese name, or number, zodiac, head, tail, digitsum, segment, "
                        "colour, parity (default number)");
    command->add_option("--where", options->where,
                        "Where a value is looked for: special (the special number, default), regular (any of the six "
                        "regular numbers), any (any of the seven) or a position 1..7 (7 is the special number)");
    command
        ->add_option("--order", options->order,
                     "Number order of positions 1..6: drawn (落地码, default) or sorted (顺序码)")
        ->check(CLI::IsMember({"drawn", "sorted"}));
    command->add_option("--from", options->from, "First issue of the range (default: the first stored issue)");
    command->add_option("--to", options->to, "Last issue of the range (default: the last stored issue)");
    command->add_option("--last", options->last, "The range is the latest N draws (instead of --from and --to)");
    command
        ->add_option("--gaps-from", options->gapsFrom,
                     "Where the first gap of min and max counts from: history (the first stored draw, default) or "
                     "range (the range's first draw, as the average always counts it)")
        ->check(CLI::IsMember({"history", "range"}));
    command->add_option("--sort", options->sort,
                        "Order the rows by a column, ascending (default: value order): " + columnKeys());
    command->add_flag("--descending", options->descending, "With --sort: the largest figures first");
    command->add_option("--xlsx", options->xlsx,
                        "Also write the table, with its colours, to this .xlsx workbook (replaced if it exists)");
    command->footer("Each row equals the position search for that one value with the same choices (search "
                    "--mode fixed --pos 7=V for special, --mode free --pos 1=V for regular, with --with-special "
                    "for any). The table is counted in memory whatever --engine says.");
    command->callback([&context, options] {
        context.action = [&context, options] {
            auto place = parseValuePlace(options->where);
            if (!place)
                throw UsageError("unknown --where '" + options->where +
                                 "'; use special, regular, any or a position 1..7");
            ValuesRequest request = *place;
            auto kind = parseKind(options->kind);
            if (!kind)
                throw UsageError("unknown kind '" + options->kind +
                                 "'; use 0..7, the Chinese name, or number, zodiac, head, tail, digitsum, segment, "
                                 "colour, parity");
            request.kind = *kind;
            request.order = options->order == "sorted" ? NumberOrder::Sorted : NumberOrder::Drawn;
            request.gapsFrom = options->gapsFrom == "range" ? GapStart::Range : GapStart::History;
            std::optional<TableColumn> sort;
            if (!options->sort.empty()) {
                sort = parseTableColumn(options->sort);
                if (!sort)
                    throw UsageError("unknown --sort column '" + options->sort + "'; use one of " + columnKeys());
            } else if (options->descending) {
                throw UsageError("--descending needs --sort COLUMN");
            }
            if (context.options.engine == "sql")
                context.err << "note: the table is counted in memory; its rows equal the position search of "
                               "either engine\n";
            Workspace& workspace = context.workspace();
            request.bases = workspace.bases();
            const ResolvedRange resolved = workspace.resolveRange(rangeChoice(workspace, *options));
            if (!resolved.holdsDraws)
                context.err << "note: the range " << resolved.range.start << ".." << resolved.range.end
                            << " holds no stored draw; the baseline figures are null\n";
            request.range = resolved.range;
            std::vector<TableRow> rows = workspace.omissionTable(request).rows;
            if (sort) orderTableRows(rows, *sort, options->descending);
            const std::string rules = countingRules(request);
            if (!options->xlsx.empty())
                workspace.exportGridWorkbook(tableGrid(rows, request.kind, shownTableColumns()), options->xlsx,
                                             std::filesystem::path(options->xlsx), rules,
                                             tableFills(rows, shownTableColumns()));
            json array = json::array();
            for (const TableRow& row : rows)
                array.push_back(rowJson(row));
            context.print({{"rows", array}, {"rules", rules}}, [&](std::ostream& out) {
                printAligned(out, tableGrid(rows, request.kind, allTableColumns()));
                out << "\nrules: " << rules << "\n";
            });
            return 0;
        };
    });
}

} // namespace

void registerTableCommands(CLI::App& app, CliContext& context) { registerTable(app, context); }

} // namespace quorvel
