// SPDX-License-Identifier: GPL-3.0-or-later
// flexoria-cli: the conjugation engine without a window.
#include <CLI/CLI.hpp>
#include <array>
#include <iostream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/parser_spanish.h"
#include "cli/typed_word.h"

namespace {

int Run(int argc, char** argv) {
  CLI::App app{"Flexoria: conjugador de verbos españoles, en la línea de órdenes.", "flexoria-cli"};
  // Set before the commands are added, which copy the help flag, the
  // formatter and the failure hook.
  flexoria::SpeakSpanish(app);
  app.set_help_flag("-h,--help", "Muestra esta ayuda y termina.");
  app.set_version_flag("--version", std::string(FLEXORIA_VERSION), "Muestra la versión y termina.");
  app.require_subcommand(1);
  app.footer(
      "Estado de salida: 0 bien, 1 palabra rechazada o no encontrada, 2 uso incorrecto, 3 fallo "
      "inesperado.");

  const std::array commands{flexoria::AddConjugateCommand(app), flexoria::AddIdentifyCommand(app),
                            flexoria::AddLexiconCommand(app), flexoria::AddReplayCommand(app)};
  flexoria::ListCommandsInSpanish(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::RequiredError& e) {
    if (app.remaining().empty()) return app.exit(e) == 0 ? flexoria::kExitOk : flexoria::kExitUsage;
    std::cerr << "flexoria-cli: «" << flexoria::ShownSafely(app.remaining().front())
              << "» no es una orden: use conjugar, identificar, lexico o repetir.\n"
              << "Más información con «flexoria-cli --help».\n";
    return flexoria::kExitUsage;
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e);
    return status == 0 ? flexoria::kExitOk : flexoria::kExitUsage;
  }

  std::ios::sync_with_stdio(false);
  for (const flexoria::Command& command : commands) {
    if (command.parser->parsed()) return command.run();
  }
  return flexoria::kExitUsage;
}

}  // namespace

// Whatever escapes a command (memory exhausted, a broken output stream) is
// reported, not left to terminate the process with an abort.
int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "flexoria-cli: " << e.what() << '\n';
  } catch (...) {
    std::cerr << "flexoria-cli: error inesperado\n";
  }
  return flexoria::kExitFailure;
}
