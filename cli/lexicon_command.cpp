// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/lexicon_command.h"

#include <iostream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/paradigm_table.h"
#include "cli/typed_word.h"
#include "engine/conjugation_session.h"
#include "lexicon/lexicon.h"

namespace flexoria {
namespace {

constexpr std::string_view kListed = "está en la lista de verbos";
constexpr std::string_view kNotListed = "no está en la lista de verbos";

}  // namespace

int RunLexicon(const std::vector<std::string>& words, std::istream& in, std::ostream& out,
               std::ostream& err) {
  bool missing = false;
  Text verb;
  const auto look_up = [&](std::string_view, const Text& word) {
    // Read as the window reads its entry, which is then both the verb and
    // the text whose first letter picks the list.
    ReadEntry(word, verb);
    const bool listed = IsInLexicon(verb, verb);
    out << EncodeUtf8(verb) << ": " << (listed ? kListed : kNotListed) << '\n';
    if (listed) return;
    missing = true;
    const std::vector<TextView> similar = SameWithoutAccents(verb);
    if (similar.empty()) return;
    err << SuggestionForTerminal(verb, std::vector<Text>(similar.begin(), similar.end())) << '\n';
  };
  const int status = ReadWords(words, in, err, "lexico", look_up);
  if (status != kExitOk) return status;
  return missing ? kExitRefused : kExitOk;
}

Command AddLexiconCommand(CLI::App& app) {
  auto words = std::make_shared<std::vector<std::string>>();
  CLI::App* parser = app.add_subcommand(
      "lexicon", "Dice si cada PALABRA está en la lista de verbos que conoce Flexoria.");
  parser->alias("lexico");
  parser
      ->add_option("PALABRA", *words,
                   "Infinitivos, tal como se escribirían en la ventana; «-» los lee de la "
                   "entrada, uno por línea.")
      ->type_name("")
      ->required();
  parser->footer(
      "Estado de salida: 0 si todas las palabras están en la lista, 1 si alguna no lo está,\n"
      "2 si alguna está vacía, es demasiado larga, tiene caracteres de control o no está\n"
      "en UTF-8 válido.");
  return {parser, [words] { return RunLexicon(*words, std::cin, std::cout, std::cerr); }};
}

}  // namespace flexoria
