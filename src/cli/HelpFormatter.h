// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Catalogue.h"

#include <CLI/CLI.hpp>

#include <string>

namespace quorvel {

// Renders --help in the catalogue's language: the headings, the placeholders of the values and every description
// (written as QT_TRANSLATE_NOOP("Cli", "...") where the option is added) through the catalogue; the names of the
// program, its commands and options and the values a user types stay as they are.
class HelpFormatter : public CLI::Formatter {
  public:
    explicit HelpFormatter(const Catalogue& catalogue);

    std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override;
    std::string make_description(const CLI::App* app) const override;
    std::string make_footer(const CLI::App* app) const override;
    std::string make_subcommand(const CLI::App* sub) const override;
    std::string make_option(const CLI::Option* option, bool isPositional) const override;
    std::string make_option_desc(const CLI::Option* option) const override;
    std::string make_option_opts(const CLI::Option* option) const override;

  private:
    std::string said(const std::string& source) const;
    const Catalogue& m_catalogue;
};

// The argument parser's refusal in the catalogue's language, with the line that points to --help: each kind of
// the parser's errors as a template of ours whose English is the parser's own words, the option or value it names
// kept as typed; an error of another form is given as the parser words it.
std::string parseFailureText(const CLI::Error& error, const Catalogue& catalogue);

} // namespace quorvel
