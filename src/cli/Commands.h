// SPDX-License-Identifier: MIT
#pragma once

#include <CLI/CLI.hpp>

namespace quorvel {

class CliContext;

// Each command (or group of small commands) registers its subcommands; a subcommand's callback sets the
// context's action.
void registerHistoryCommands(CLI::App& app, CliContext& context);
void registerSettingsCommands(CLI::App& app, CliContext& context);
void registerSearchCommand(CLI::App& app, CliContext& context);
void registerPartialCommand(CLI::App& app, CliContext& context);
void registerGroupCommand(CLI::App& app, CliContext& context);
void registerTableCommand(CLI::App& app, CliContext& context);
void registerTrendCommand(CLI::App& app, CliContext& context);
void registerBacktestCommand(CLI::App& app, CliContext& context);
void registerMaintainCommands(CLI::App& app, CliContext& context);
void registerUpdateCommands(CLI::App& app, CliContext& context);
void registerCheckCommand(CLI::App& app, CliContext& context);
void registerSelectionCommands(CLI::App& app, CliContext& context);

} // namespace quorvel
