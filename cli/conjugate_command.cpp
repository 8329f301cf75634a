#include "cli/conjugate_command.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/paradigm_json.h"
#include "cli/paradigm_table.h"
#include "engine/form_table.h"

namespace flexoria {
namespace {

constexpr std::string_view kCannotConjugate = "no se puede conjugar.";

std::vector<const FormSpec*> FormsToShow(const FormSpec* chosen) {
  if (chosen != nullptr) return {chosen};
  std::vector<const FormSpec*> all;
  for (const FormSpec& form : AllForms()) all.push_back(&form);
  return all;
}

std::optional<std::vector<Text>> DecodeAll(const std::vector<std::string>& verbs) {
  std::vector<Text> entries;
  for (const std::string& verb : verbs) {
    auto entry = DecodeUtf8(verb);
    if (!entry) return std::nullopt;
    entries.push_back(std::move(*entry));
  }
  return entries;
}

// Returns whether the verb was conjugated.
bool ReportVerb(const Paradigm& paradigm, const ConjugateRequest& request, bool first,
                std::ostream& out, std::ostream& err) {
  for (const Message& notice : paradigm.notices) {
    err << MessageForTerminal(paradigm.entry, notice) << '\n';
  }
  if (paradigm.refusal) {
    err << MessageForTerminal(paradigm.entry, *paradigm.refusal) << '\n';
  } else if (paradigm.forms.empty()) {
    err << EncodeUtf8(paradigm.entry) << ": " << kCannotConjugate << '\n';
  }
  if (request.json) {
    out << ParadigmJson(paradigm).dump() << '\n';
  } else if (!paradigm.forms.empty()) {
    if (!first) out << '\n';
    WriteParadigmTable(out, paradigm, request.colour);
  }
  return !paradigm.forms.empty();
}

std::string FormsHelp() {
  std::ostringstream help;
  help << "Formas (--option número o nombre):\n";
  for (const FormSpec& form : AllForms()) {
    help << "  " << (form.option < 10 ? " " : "") << form.option << "  " << form.name
         << std::string(20 - form.name.size(), ' ') << EncodeUtf8(form.title) << '\n';
  }
  return help.str();
}

}  // namespace

int RunConjugate(const ConjugateRequest& request, std::ostream& out, std::ostream& err) {
  const auto entries = DecodeAll(request.verbs);
  if (!entries) {
    err << "flexoria-cli conjugate: un verbo no está en UTF-8 válido.\n";
    return kExitUsage;
  }
  const std::vector<const FormSpec*> forms = FormsToShow(request.form);
  int status = kExitOk;
  bool first = true;
  for (const Text& entry : *entries) {
    const bool conjugated = ReportVerb(ConjugateEntry(entry, forms), request, first, out, err);
    if (!conjugated) status = kExitRefused;
    first = first && !conjugated;
  }
  return status;
}

bool ShouldColour(bool stdout_is_terminal, const char* no_color) {
  return stdout_is_terminal && (no_color == nullptr || *no_color == '\0');
}

Command AddConjugateCommand(CLI::App& app) {
  auto options = std::make_shared<ConjugateRequest>();
  auto form = std::make_shared<std::string>();
  CLI::App* parser = app.add_subcommand(
      "conjugate", "Conjuga cada VERBO en las trece formas, o en la forma pedida.");
  parser->add_option("VERBO", options->verbs, "Infinitivos, tal como se escribirían en la ventana.")
      ->required();
  const CLI::Validator form_check(
      [](std::string& text) -> std::string {
        if (FindForm(text) != nullptr) return {};
        return "«" + text + "» no es una forma: use un número del 1 al 13 o un nombre de la lista.";
      },
      "");
  parser->add_option("-o,--option", *form, "Solo esta forma: su número o su nombre (ver abajo).")
      ->type_name("N|NOMBRE")
      ->check(form_check);
  parser->add_flag(
      "--json", options->json,
      "Escribe un objeto JSON por verbo con las raíces y terminaciones de cada forma.");
  parser->footer(FormsHelp() +
                 "\nLas terminaciones salen en rojo en un terminal, salvo con NO_COLOR.\n"
                 "Los avisos van a la salida de error; un verbo rechazado termina con estado 1.");
  auto run = [options, form] {
    if (!form->empty()) options->form = FindForm(*form);
    options->colour = ShouldColour(isatty(STDOUT_FILENO) == 1, std::getenv("NO_COLOR"));
    return RunConjugate(*options, std::cout, std::cerr);
  };
  return {parser, run};
}

}  // namespace flexoria
