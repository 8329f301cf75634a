#include <iostream>

#include "cli/commands.h"
#include "cli/replay.h"

namespace flexoria {

Command AddReplayCommand(CLI::App& app) {
  auto with_state = std::make_shared<bool>(false);
  CLI::App* parser = app.add_subcommand(
      "replay", "Run JSON Lines requests from standard input through one session.");
  parser->add_flag("--state", *with_state, "Also print the conjugation state after each request.");
  return {parser, [with_state] { return RunReplay(std::cin, std::cout, *with_state); }};
}

}  // namespace flexoria
