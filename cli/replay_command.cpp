// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "cli/commands.h"
#include "cli/replay.h"

namespace flexoria {

Command AddReplayCommand(CLI::App& app) {
  auto with_state = std::make_shared<bool>(false);
  CLI::App* parser = app.add_subcommand(
      "replay",
      "Ejecuta en una sola sesión las peticiones JSON Lines de la entrada, como la ventana.");
  parser->alias("repetir");
  parser->add_flag("--state", *with_state,
                   "Añade a cada respuesta el estado de la conjugación tras la petición.");
  parser->footer(
      "Cada línea de entrada es un objeto {\"entry\": \"tener\", \"option\": 1} (opciones del 1\n"
      "al 13, como en la ventana) y recibe una línea de salida con lo que la ventana mostraría.\n"
      "Una línea mal formada recibe {\"error\": ...} y la sesión sigue; el estado de salida es\n"
      "entonces 1.");
  return {parser, [with_state] { return RunReplay(std::cin, std::cout, *with_state); }};
}

}  // namespace flexoria
