// SPDX-License-Identifier: MIT
// settings get|set: the persisted settings of the data folder.
#include "app/settings/SettingKeys.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"

namespace quorvel {

namespace {

Setting requireSetting(const std::string& name) {
    if (auto setting = findSetting(name)) return *setting;
    std::string known;
    for (const auto& key : allSettingKeys())
        known += (known.empty() ? "" : ", ") + std::string(key.name);
    throw UsageError(cliText(QT_TRANSLATE_NOOP("Cli", "unknown setting '%1'; the settings are %2"), name, known));
}

} // namespace

void registerSettingsCommands(CLI::App& app, CliContext& context) {
    struct Arguments {
        std::string key;
        std::string value;
    };
    auto arguments = std::make_shared<Arguments>();
    auto* settings = app.add_subcommand("settings", QT_TRANSLATE_NOOP("Cli", "Read or change a persisted setting"));
    settings->require_subcommand(1);

    auto* get = settings->add_subcommand(
        "get", QT_TRANSLATE_NOOP("Cli", "Print the text a setting reads as (its default when not stored)"));
    get->add_option("KEY", arguments->key, QT_TRANSLATE_NOOP("Cli", "Setting name, for example bolZyw or IniSerchDay"))
        ->required();
    get->callback([&context, arguments] {
        context.action = [&context, arguments] {
            Setting setting = requireSetting(arguments->key);
            std::string text = context.settings().effectiveText(setting);
            context.warnOfStoredBases();
            context.print(text, [&](std::ostream& out) { out << text << "\n"; });
            return 0;
        };
    });

    auto* set =
        settings->add_subcommand("set", QT_TRANSLATE_NOOP("Cli", "Store a setting (Booleans as True or False)"));
    set->add_option("KEY", arguments->key, QT_TRANSLATE_NOOP("Cli", "Setting name"))->required();
    set->add_option("VALUE", arguments->value, QT_TRANSLATE_NOOP("Cli", "New value"))->required();
    set->callback([&context, arguments] {
        context.action = [&context, arguments] {
            Setting setting = requireSetting(arguments->key);
            Settings& settings = context.settings();
            settings.set(setting, arguments->value);
            std::string text = settings.effectiveText(setting);
            context.warnOfStoredBases();
            context.print(text, [&](std::ostream& out) { out << text << "\n"; });
            return 0;
        };
    });
}

} // namespace quorvel
