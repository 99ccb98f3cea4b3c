// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CliContext.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace quorvel {

// Registers a command class: one object for the run binds the subcommand's options (its addTo() adds them and
// returns the subcommand); when the subcommand is chosen, its run() becomes the context's action.
template <typename Command> void registerCommand(CLI::App& app, CliContext& context) {
    auto command = std::make_shared<Command>(context);
    command->addTo(app)->callback([&context, command] { context.action = [command] { return command->run(); }; });
}

} // namespace quorvel
