// SPDX-License-Identifier: MIT
// The omission table (table): one row per value of a kind with its omissions and how often it came lately.
#include "analysis/CountingRules.h"
#include "app/results/TableColumns.h"
#include "cli/CliContext.h"
#include "cli/CommandOptions.h"
#include "cli/CommandRegistration.h"
#include "cli/Commands.h"
#include "cli/TablePrinter.h"
#include "model/PathText.h"

#include <memory>

namespace quorvel {

namespace {

std::string columnKeys() {
    std::string keys;
    for (TableColumn column : allTableColumns())
        keys += (keys.empty() ? "" : ", ") + std::string(tableColumnKey(column));
    return keys;
}

// The command's choices as typed, parsed into a request when it runs; the output is left to TablePrinter.
class TableCommand {
  public:
    explicit TableCommand(CliContext& context) : m_context(context) {}

    // Adds the subcommand and its options, bound to this command's members.
    CLI::App* addTo(CLI::App& app);
    int run();

  private:
    // The column to order the rows by, if any.
    std::optional<TableColumn> sortColumn() const;

    CliContext& m_context;
    std::string m_kind = "number";
    std::string m_where = "special";
    std::string m_order = "drawn";
    RangeOptions m_range;
    std::string m_gapsFrom = "history";
    std::string m_sort;
    bool m_descending = false;
    std::string m_xlsx;
};

CLI::App* TableCommand::addTo(CLI::App& app) {
    auto* command = app.add_subcommand(
        "table",
        QT_TRANSLATE_NOOP("Cli",
                          "Omission table (遗漏总表): every value of a kind with its hits, omissions and recent hits"));
    addKindOption(command, m_kind);
    addWhereOption(command, m_where);
    command
        ->add_option(
            "--order", m_order,
            QT_TRANSLATE_NOOP("Cli", "Number order of positions 1..6: drawn (落地码, default) or sorted (顺序码)"))
        ->check(CLI::IsMember({"drawn", "sorted"}));
    m_range.addFromTo(command);
    m_range.addLast(command);
    addGapsFromOption(command, m_gapsFrom);
    command->add_option(
        "--sort", m_sort,
        m_context.said(QT_TRANSLATE_NOOP("Cli", "Order the rows by a column, ascending (default: value order): %1"),
                       columnKeys()));
    command->add_flag("--descending", m_descending, QT_TRANSLATE_NOOP("Cli", "With --sort: the largest figures first"));
    command->add_option(
        "--xlsx", m_xlsx,
        QT_TRANSLATE_NOOP("Cli",
                          "Also write the table, with its colours, to this .xlsx workbook (replaced if it exists)"));
    command->footer(QT_TRANSLATE_NOOP(
        "Cli", "Each row equals the position search for that one value with the same choices (search "
               "--mode fixed --pos 7=V for special, --mode free --pos 1=V for regular, with --with-special "
               "for any). The table is counted in memory whatever --engine says."));
    return command;
}

std::optional<TableColumn> TableCommand::sortColumn() const {
    if (m_sort.empty()) {
        if (m_descending) throw UsageError(cliText(QT_TRANSLATE_NOOP("Cli", "--descending needs --sort COLUMN")));
        return std::nullopt;
    }
    if (auto sort = parseTableColumn(m_sort)) return sort;
    throw UsageError(
        cliText(QT_TRANSLATE_NOOP("Cli", "unknown --sort column '%1'; use one of %2"), m_sort, columnKeys()));
}

int TableCommand::run() {
    ValuesRequest request = placeArgument(m_where);
    request.kind = kindArgument(m_kind);
    request.order = orderArgument(m_order);
    request.gapsFrom = gapStartArgument(m_gapsFrom);
    const std::optional<TableColumn> sort = sortColumn();
    if (m_context.options.engine == "sql")
        m_context.err << m_context.note()
                      << m_context.said(QT_TRANSLATE_NOOP("Cli", "the table is counted in memory; its rows equal the "
                                                                 "position search of either engine"))
                      << "\n";
    Workspace& workspace = m_context.workspace();
    request.bases = workspace.bases();
    const ResolvedRange resolved = workspace.analyses().resolveRange(m_range.choice(workspace));
    noteEmptyRange(m_context, resolved, cliText(QT_TRANSLATE_NOOP("Cli", "the baseline figures are null")));
    request.range = resolved.range;
    std::vector<TableRow> rows = workspace.analyses().omissionTable(request).rows;
    if (sort) orderTableRows(rows, *sort, m_descending);
    const std::string rules = countingRules(request);
    const Messages words = countingRulesInWords(request);
    if (!m_xlsx.empty())
        workspace.analyses().exportWorkbook({WorkbookView::OmissionTable,
                                             tableGrid(rows, request.kind, shownTableColumns(), m_context.wording()),
                                             tableFills(rows, shownTableColumns()), words, 1},
                                            m_xlsx, textPath(m_xlsx), m_context.translate());
    m_context.print([&] { return tableJson(rows, rules); },
                    [&](std::ostream& out) {
                        printTableText(out, rows, request.kind, m_context.saidRules(words), m_context.wording());
                    });
    return 0;
}

} // namespace

void registerTableCommand(CLI::App& app, CliContext& context) { registerCommand<TableCommand>(app, context); }

} // namespace quorvel
