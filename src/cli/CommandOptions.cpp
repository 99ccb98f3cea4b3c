// SPDX-License-Identifier: MIT
#include "cli/CommandOptions.h"

#include "cli/CliContext.h"
#include "model/Error.h"
#include "model/NumberTables.h"
#include "platform/LanguageWordings.h"

#include <algorithm>

namespace quorvel {

void addKindOption(CLI::App* command, std::string& kind) {
    command->add_option(
        "--kind", kind,
        QT_TRANSLATE_NOOP("Cli",
                          "Attribute kind: 0..7, its Chinese name in either script, or number, zodiac, head, tail, "
                          "digitsum, segment, colour, parity, size, sum-parity, tail-size, domestic, half-wave-parity, "
                          "half-wave-size (default number)"));
}

AttributeKind kindArgument(const std::string& text) {
    if (auto kind = parseKind(text)) return *kind;
    throw UsageError(
        cliText(QT_TRANSLATE_NOOP("Cli", "unknown kind '%1'; use 0..7, the Chinese name in either script, or "
                                         "number, zodiac, head, tail, digitsum, segment, colour, parity, size, "
                                         "sum-parity, tail-size, domestic, half-wave-parity, half-wave-size"),
                text));
}

SelectionBook selectionBook(CliContext& context) {
    return SelectionBook(context.workspace().dataFolder(), languageWordings());
}

std::vector<int> kindBoxesArgument(CliContext& context, AttributeKind kind, const std::vector<std::string>& texts) {
    std::vector<std::string> numbers;
    std::vector<int> named;
    for (const std::string& text : texts) {
        if (text.empty() || text.front() != '@') {
            numbers.push_back(text);
            continue;
        }
        Workspace& workspace = context.workspace();
        const Selection selection = selectionBook(context).find(text.substr(1), kind, workspace.bases(),
                                                                zodiacYearOfIssue(workspace.history().nextIssue()));
        named.insert(named.end(), selection.boxes.begin(), selection.boxes.end());
    }
    std::vector<int> boxes = parseBoxesArgument(numbers);
    if (!named.empty()) {
        // A set and boxes given beside it may share boxes: each box counts once.
        boxes.insert(boxes.end(), named.begin(), named.end());
        std::sort(boxes.begin(), boxes.end());
        boxes.erase(std::unique(boxes.begin(), boxes.end()), boxes.end());
    }
    const KindInfo& info = kindInfo(kind);
    for (int box : boxes)
        if (box > info.boxCount)
            throw UsageError(context.said(QT_TRANSLATE_NOOP("Cli", "box %1 is not a value of the kind %2 (%3), which "
                                                                   "has %4 values, boxes 1..%4; leave box %1 out, or "
                                                                   "choose another --kind"),
                                          box, std::string(info.englishName), Message::core(info.chineseName.data()),
                                          info.boxCount));
    return boxes;
}

void addWhereOption(CLI::App* command, std::string& where) {
    command->add_option(
        "--where", where,
        QT_TRANSLATE_NOOP("Cli",
                          "Where a value is looked for: special (the special number, default), regular (any of the six "
                          "regular numbers), any (any of the seven) or a position 1..7 (7 is the special number)"));
}

ValuesRequest placeArgument(const std::string& where) {
    if (auto place = parseValuePlace(where)) return *place;
    throw UsageError(
        cliText(QT_TRANSLATE_NOOP("Cli", "unknown --where '%1'; use special, regular, any or a position 1..7"), where));
}

NumberOrder orderArgument(const std::string& order) {
    return order == "sorted" ? NumberOrder::Sorted : NumberOrder::Drawn;
}

void addGapsFromOption(CLI::App* command, std::string& gapsFrom) {
    command
        ->add_option("--gaps-from", gapsFrom,
                     QT_TRANSLATE_NOOP(
                         "Cli",
                         "Where the first gap of min and max counts from: history (the first stored draw, default) or "
                         "range (the range's first draw, as the average always counts it)"))
        ->check(CLI::IsMember({"history", "range"}));
}

GapStart gapStartArgument(const std::string& gapsFrom) {
    return gapsFrom == "range" ? GapStart::Range : GapStart::History;
}

std::optional<int> optionalDecimal(const std::string& text, const MessageArgument& what) {
    if (text.empty()) return std::nullopt;
    return parseDecimalArgument(text, what);
}

void RangeOptions::addFromTo(CLI::App* command) {
    command->add_option("--from", m_from,
                        QT_TRANSLATE_NOOP("Cli", "First issue of the range (default: the first stored issue)"));
    command->add_option("--to", m_to,
                        QT_TRANSLATE_NOOP("Cli", "Last issue of the range (default: the last stored issue)"));
}

void RangeOptions::addLast(CLI::App* command) {
    command->add_option("--last", m_last,
                        QT_TRANSLATE_NOOP("Cli", "The range is the latest N draws (instead of --from and --to)"));
}

RangeChoice RangeOptions::fromTo() const {
    RangeChoice choice;
    choice.from = optionalDecimal(m_from, "--from");
    choice.to = optionalDecimal(m_to, "--to");
    return choice;
}

RangeChoice RangeOptions::choice(Workspace& workspace) const {
    if (m_last.empty()) return fromTo();
    if (!m_from.empty() || !m_to.empty())
        throw UsageError(
            cliText(QT_TRANSLATE_NOOP("Cli", "give the range either with --from/--to or with --last N, not both")));
    const int count = parseDecimalArgument(m_last, "--last");
    if (count < 1)
        throw UsageError(
            cliText(QT_TRANSLATE_NOOP("Cli", "--last takes a count of draws of at least 1, not %1"), m_last));
    auto start = workspace.history().startOfLatestDraws(count);
    if (!start)
        throw Error(cliText(QT_TRANSLATE_NOOP("Cli", "no history: import or add draws before running an analysis")));
    RangeChoice choice;
    choice.from = start->issue;
    return choice;
}

void noteEmptyRange(const CliContext& context, const ResolvedRange& resolved, const Message& consequence) {
    if (!resolved.holdsDraws)
        context.err << context.note()
                    << context.said(QT_TRANSLATE_NOOP("Cli", "the range %1..%2 holds no stored draw; %3"),
                                    resolved.range.start, resolved.range.end, consequence)
                    << "\n";
}

} // namespace quorvel
