// SPDX-License-Identifier: MIT
#pragma once

#include "analysis/ValuesRequest.h"
#include "app/Workspace.h"
#include "app/choices/SelectionBook.h"
#include "model/AttributeKind.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class CliContext;

// The options several commands share: their help as every command shows it, and how their typed text is read.
// Each reader throws UsageError that names what was wrong and what to use instead.

// --kind: 0..7, the Chinese name in either script or the English name of an attribute kind.
void addKindOption(CLI::App* command, std::string& kind);
AttributeKind kindArgument(const std::string& text);

// The selections saved in the data folder, with the built-in sets named in every language.
SelectionBook selectionBook(CliContext& context);

// --boxes of a kind: the boxes as parseBoxesArgument reads them, and for each @NAME the boxes of the saved selection
// or built-in set of that name (refused, Error, when it names none or one of another kind); each one the kind has,
// a box beyond the kind's values being refused naming it and the kind's boxes.
std::vector<int> kindBoxesArgument(CliContext& context, AttributeKind kind, const std::vector<std::string>& texts);

// --where: special, regular, any or a position 1..7.
void addWhereOption(CLI::App* command, std::string& where);
ValuesRequest placeArgument(const std::string& where);

// --order: drawn (the default) or sorted.
NumberOrder orderArgument(const std::string& order);

// --gaps-from: history (the default) or range.
void addGapsFromOption(CLI::App* command, std::string& gapsFrom);
GapStart gapStartArgument(const std::string& gapsFrom);

// A whole decimal number, or nothing for an empty text.
std::optional<int> optionalDecimal(const std::string& text, const MessageArgument& what);

// --from and --to, and for some commands --last N: the range of issues, as typed.
class RangeOptions {
  public:
    void addFromTo(CLI::App* command);
    void addLast(CLI::App* command);

    // --from and --to; each left out defaults to the first and last stored issue.
    RangeChoice fromTo() const;
    // The latest N draws with --last N (refused with --from or --to, or without history), else fromTo().
    RangeChoice choice(Workspace& workspace) const;

  private:
    std::string m_from;
    std::string m_to;
    std::string m_last;
};

// A range without a draw still gives what the rules define, but it describes no draw: says so on err, with what
// that means for the output.
void noteEmptyRange(const CliContext& context, const ResolvedRange& resolved, const Message& consequence);

} // namespace quorvel
