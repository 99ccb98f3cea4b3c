// SPDX-License-Identifier: MIT
#pragma once

#include "app/choices/SearchRequestBuilder.h"
#include "cli/CommandOptions.h"

#include <CLI/CLI.hpp>

#include <string>

namespace quorvel {

class CliContext;

// Choices the three analyses (search, partial, group) share, as typed.
struct AnalysisOptions {
    std::string kind = "number";
    RangeOptions range;
    bool withSpecial = false;
    std::string xlsx;
    std::string gapsFrom = "history";

    void addTo(CLI::App* command);
    // Refuses an --xlsx target the workbook's write would refuse, before the work whose grid it is to hold.
    void checkWorkbookTarget(const Workspace& workspace) const;
    // Writes a result grid to the --xlsx workbook, with the counting rules on its second sheet in the context's
    // language, when one was asked for; the workspace refuses a target that would replace the store or is not a
    // regular file.
    void writeWorkbookIfAsked(CliContext& context, const CellGrid& grid, const Messages& rules) const;
};

// What a search's choice was made of: the values came from a reference draw or are still to be typed.
struct SearchChoiceMade {
    SearchChoice choice;
    bool fromReference = false;
};

// Choices of the two searches (search, partial) besides the shared ones.
struct SearchOptions {
    AnalysisOptions common;
    std::string order = "drawn";
    std::string mode = "free";
    std::string ref;
    bool before = false;

    void addTo(CLI::App* command);
    // --from, --to, --ref and --before as typed.
    RangeChoice rangeChoice() const;
    // The choice both searches' requests are built from, its range resolved (with a note on err when it holds
    // no draw); with a reference draw, the values and texts of positions 1..7 come from it.
    SearchChoiceMade choice(CliContext& context, const RangeChoice& range) const;
};

} // namespace quorvel
