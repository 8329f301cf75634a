// flexoria-cli: the conjugation engine without a window.
#include <CLI/CLI.hpp>
#include <iostream>

#include "cli/replay.h"

int main(int argc, char** argv) {
  CLI::App app{"Flexoria: conjugador de verbos españoles, en la línea de órdenes."};
  app.set_version_flag("--version", std::string(FLEXORIA_VERSION));
  app.require_subcommand(1);

  bool with_state = false;
  auto* replay = app.add_subcommand(
      "replay", "Run JSON Lines requests from standard input through one session.");
  replay->add_flag("--state", with_state, "Also print the conjugation state after each request.");

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e);
    return status == 0 ? 0 : 2;
  }

  std::ios::sync_with_stdio(false);
  if (replay->parsed()) return flexoria::RunReplay(std::cin, std::cout, with_state);
  return 2;
}
