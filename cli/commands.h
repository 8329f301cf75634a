// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of flexoria-cli. Each adds itself to the parser and hands
// back what to run when it was the command given.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace flexoria {

struct Command {
  CLI::App* parser;
  std::function<int()> run;
};

Command AddConjugateCommand(CLI::App& app);
Command AddIdentifyCommand(CLI::App& app);
Command AddLexiconCommand(CLI::App& app);
Command AddReplayCommand(CLI::App& app);

}  // namespace flexoria
