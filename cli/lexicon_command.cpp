#include "cli/lexicon_command.h"

#include <iostream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "lexicon/lexicon.h"

namespace flexoria {
namespace {

constexpr std::string_view kListed = "está en la lista de verbos";
constexpr std::string_view kNotListed = "no está en la lista de verbos";

}  // namespace

int RunLexicon(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
  int status = kExitOk;
  for (const std::string& word : words) {
    const auto text = DecodeUtf8(word);
    if (!text) {
      err << "flexoria-cli lexicon: una palabra no está en UTF-8 válido.\n";
      return kExitUsage;
    }
    // The word as typed is both the verb and the entry, as in the window.
    const bool listed = IsInLexicon(*text, *text);
    out << word << ": " << (listed ? kListed : kNotListed) << '\n';
    if (!listed) status = kExitRefused;
  }
  return status;
}

Command AddLexiconCommand(CLI::App& app) {
  auto words = std::make_shared<std::vector<std::string>>();
  CLI::App* parser = app.add_subcommand(
      "lexicon", "Dice si cada PALABRA está en la lista de verbos que conoce Flexoria.");
  parser->add_option("PALABRA", *words, "Infinitivos, tal como se escribirían en la ventana.")
      ->required();
  parser->footer("Termina con estado 0 si todas las palabras están en la lista, y 1 si no.");
  return {parser, [words] { return RunLexicon(*words, std::cout, std::cerr); }};
}

}  // namespace flexoria
