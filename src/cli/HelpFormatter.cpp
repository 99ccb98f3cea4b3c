// SPDX-License-Identifier: MIT
#include "cli/HelpFormatter.h"

#include "cli/DisplayWidth.h"

#include <regex>
#include <sstream>
#include <utility>

namespace quorvel {

namespace {

// The parser's own texts of --help, here so that the catalogue holds them.
constexpr const char* kHeadings[] = {QT_TRANSLATE_NOOP("Cli", "Usage"), QT_TRANSLATE_NOOP("Cli", "Positionals"),
                                     QT_TRANSLATE_NOOP("Cli", "Options"), QT_TRANSLATE_NOOP("Cli", "Subcommands")};
// The placeholders the parser writes after an option or in the usage line.
constexpr const char* kPlaceholders[] = {QT_TRANSLATE_NOOP("Cli", "TEXT"),       QT_TRANSLATE_NOOP("Cli", "INT"),
                                         QT_TRANSLATE_NOOP("Cli", "REQUIRED"),   QT_TRANSLATE_NOOP("Cli", "OPTIONS"),
                                         QT_TRANSLATE_NOOP("Cli", "SUBCOMMAND"), QT_TRANSLATE_NOOP("Cli", "Needs"),
                                         QT_TRANSLATE_NOOP("Cli", "Excludes")};

// A heading's colon: full-width after Chinese.
std::string colonAfter(const Catalogue& catalogue) { return catalogue.language() == "en" ? ":" : "："; }

std::string replacedAll(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

struct ParseFailure {
    std::regex form;
    const char* source;
};

// CLI11's refusals, each matched whole; the groups are the template's %1, %2 ...
const std::vector<ParseFailure>& parseFailures() {
    static const std::vector<ParseFailure> failures{
        {std::regex("Requires at least (\\d+) subcommands"),
         QT_TRANSLATE_NOOP("Cli", "Requires at least %1 subcommands")},
        {std::regex("A subcommand is required"), QT_TRANSLATE_NOOP("Cli", "A subcommand is required")},
        {std::regex("(.+) is required"), QT_TRANSLATE_NOOP("Cli", "%1 is required")},
        {std::regex("The following argument was not expected: (.*)"),
         QT_TRANSLATE_NOOP("Cli", "The following argument was not expected: %1")},
        {std::regex("The following arguments were not expected: (.*)"),
         QT_TRANSLATE_NOOP("Cli", "The following arguments were not expected: %1")},
        {std::regex("(.+): Value (.*) not in range (\\S+) to (\\S+)"),
         QT_TRANSLATE_NOOP("Cli", "%1: Value %2 not in range %3 to %4")},
        {std::regex("(.+): Value (.*) could not be converted"),
         QT_TRANSLATE_NOOP("Cli", "%1: Value %2 could not be converted")},
        {std::regex("(.+): (.*) not in (\\{.*\\})"), QT_TRANSLATE_NOOP("Cli", "%1: %2 not in %3")},
        {std::regex("Could not convert: (.+) = (.*)"), QT_TRANSLATE_NOOP("Cli", "Could not convert: %1 = %2")},
        {std::regex("The value (.*) is not an allowed value for (.+)"),
         QT_TRANSLATE_NOOP("Cli", "The value %1 is not an allowed value for %2")},
        {std::regex("(.+): too many inputs for a flag"), QT_TRANSLATE_NOOP("Cli", "%1: too many inputs for a flag")},
        {std::regex("(.+): (\\d+) required (\\S+) missing"), QT_TRANSLATE_NOOP("Cli", "%1: %2 required %3 missing")},
        {std::regex("(.+): At least (\\d+) required but received (\\d+)"),
         QT_TRANSLATE_NOOP("Cli", "%1: At least %2 required but received %3")},
        {std::regex("(.+): At Most (\\d+) required but received (\\d+)"),
         QT_TRANSLATE_NOOP("Cli", "%1: At Most %2 required but received %3")},
        {std::regex("Expected exactly (\\d+) arguments to (.+), got (\\d+)"),
         QT_TRANSLATE_NOOP("Cli", "Expected exactly %1 arguments to %2, got %3")},
        {std::regex("(\\S+) requires (\\S+)"), QT_TRANSLATE_NOOP("Cli", "%1 requires %2")},
        {std::regex("(\\S+) excludes (\\S+)"), QT_TRANSLATE_NOOP("Cli", "%1 excludes %2")},
    };
    return failures;
}

} // namespace

HelpFormatter::HelpFormatter(const Catalogue& catalogue) : m_catalogue(catalogue) {
    for (const char* placeholder : {"OPTIONS", "SUBCOMMAND"})
        label(placeholder, said(placeholder));
}

std::string HelpFormatter::said(const std::string& source) const { return m_catalogue.text("Cli", source.c_str()); }

std::string HelpFormatter::make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const {
    std::string help = CLI::Formatter::make_help(app, std::move(name), mode);
    // Each heading begins a line; the usage line follows the description when there is one.
    const std::string colon = colonAfter(m_catalogue);
    help = "\n" + help;
    help = replacedAll(help, "\nUsage: ", "\n" + said("Usage") + colon + (colon == ":" ? " " : ""));
    for (const char* heading : kHeadings)
        help = replacedAll(help, "\n" + std::string(heading) + ":\n", "\n" + said(heading) + colon + "\n");
    return help.substr(1);
}

std::string HelpFormatter::make_description(const CLI::App* app) const {
    const std::string& description = app->get_description();
    return description.empty() ? std::string() : said(description) + "\n";
}

std::string HelpFormatter::make_footer(const CLI::App* app) const {
    const std::string& footer = app->get_footer();
    return footer.empty() ? std::string() : said(footer) + "\n";
}

std::string HelpFormatter::make_subcommand(const CLI::App* sub) const {
    std::stringstream out;
    CLI::detail::format_help(out, sub->get_display_name(true), said(sub->get_description()), get_column_width());
    return out.str();
}

std::string HelpFormatter::make_option_desc(const CLI::Option* option) const { return said(option->get_description()); }

std::string HelpFormatter::make_option(const CLI::Option* option, bool isPositional) const {
    // As the parser lays it out, but padded by the columns a terminal shows (a CJK character takes two) rather than
    // by bytes.
    const std::string name = "  " + make_option_name(option, isPositional) + make_option_opts(option);
    const std::size_t width = get_column_width();
    const std::size_t shown = displayWidth(name);
    std::string line = name + (shown < width ? std::string(width - shown, ' ') : "\n" + std::string(width, ' '));
    return line + replacedAll(make_option_desc(option), "\n", "\n" + std::string(width, ' ')) + "\n";
}

std::string HelpFormatter::make_option_opts(const CLI::Option* option) const {
    std::string opts = CLI::Formatter::make_option_opts(option);
    if (m_catalogue.language() == "en") return opts;
    // "INT in [0 - 1]": the range a number takes.
    static const std::regex range("in \\[(\\S+) - (\\S+)\\]");
    std::smatch match;
    if (std::regex_search(opts, match, range))
        opts.replace(match.position(0), match.length(0),
                     m_catalogue.text(
                         Message("Cli", QT_TRANSLATE_NOOP("Cli", "in [%1 - %2]"), {match[1].str(), match[2].str()})));
    for (const char* placeholder : kPlaceholders) {
        const std::regex word(std::string("\\b") + placeholder + "\\b");
        opts = std::regex_replace(opts, word, said(placeholder));
    }
    return opts;
}

std::string parseFailureText(const CLI::Error& error, const Catalogue& catalogue) {
    const std::string what = error.what();
    Message message = Message::verbatim(what);
    for (const ParseFailure& failure : parseFailures()) {
        std::smatch match;
        if (!std::regex_match(what, match, failure.form)) continue;
        std::vector<MessageArgument> arguments;
        for (std::size_t group = 1; group < match.size(); ++group)
            arguments.emplace_back(match[group].str());
        message = Message("Cli", failure.source, std::move(arguments));
        break;
    }
    return catalogue.text(message) + "\n" +
           catalogue.text(Message("Cli", QT_TRANSLATE_NOOP("Cli", "Run with %1 for more information."), {"--help"})) +
           "\n";
}

} // namespace quorvel
