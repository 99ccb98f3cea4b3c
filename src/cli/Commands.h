// SPDX-License-Identifier: MIT
#pragma once

#include <CLI/CLI.hpp>

namespace quorvel {

class CliContext;

// Each command group registers its subcommands; a subcommand's callback sets the context's action.
void registerHistoryCommands(CLI::App& app, CliContext& context);
void registerSettingsCommands(CLI::App& app, CliContext& context);
void registerAnalysisCommands(CLI::App& app, CliContext& context);
void registerTableCommands(CLI::App& app, CliContext& context);
void registerTrendCommand(CLI::App& app, CliContext& context);
void registerBacktestCommand(CLI::App& app, CliContext& context);
void registerMaintainCommands(CLI::App& app, CliContext& context);
void registerUpdateCommands(CLI::App& app, CliContext& context);

} // namespace quorvel
