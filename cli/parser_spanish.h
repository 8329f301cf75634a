// SPDX-License-Identifier: GPL-3.0-or-later
// The argument parser made to speak Spanish: its help layout with Spanish
// headings and its errors said in Spanish, through its own formatter and
// failure hook.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace flexoria {

// Before any option or command is added: they copy the defaults set here.
void SpeakSpanish(CLI::App& app);

// After the commands are added: lists them under a Spanish heading, and
// their help flags among their options.
void ListCommandsInSpanish(CLI::App& app);

// What a parse error says, in Spanish, with what the user typed shown safely.
std::string SpanishParseError(const CLI::Error& error);

}  // namespace flexoria
