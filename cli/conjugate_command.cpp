// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/conjugate_command.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/paradigm_json.h"
#include "cli/paradigm_table.h"
#include "cli/terminal_text.h"
#include "cli/typed_word.h"
#include "engine/form_table.h"
#include "engine/full_paradigm.h"

namespace flexoria {
namespace {

constexpr std::string_view kCannotConjugate = "no se puede conjugar.";

// Conjugates and reports verb after verb through one paradigm, whose
// buffers every verb reuses.
class Conjugator {
 public:
  Conjugator(const ConjugateRequest& request, std::ostream& out, std::ostream& err)
      : request_(request),
        out_(out),
        err_(err),
        paradigm_(request.json ? RowTexts::kUnlessCells : RowTexts::kEveryRow) {}

  void Run(TextView entry) {
    const FullParadigmResult& paradigm = paradigm_.Conjugate(entry, request_.vos);
    for (const Message& notice : paradigm.notices) {
      err_ << MessageForTerminal(paradigm.entry, notice) << '\n';
    }
    if (!paradigm.suggestions.empty()) {
      err_ << SuggestionForTerminal(paradigm.entry, paradigm.suggestions) << '\n';
    }
    if (paradigm.refusal) {
      err_ << MessageForTerminal(paradigm.entry, *paradigm.refusal) << '\n';
    } else if (!paradigm.conjugated()) {
      err_ << EncodeUtf8(paradigm.entry) << ": " << kCannotConjugate << '\n';
    }
    if (request_.json) {
      out_ << paradigm_json_.Line(paradigm, request_.form);
    } else if (paradigm.conjugated()) {
      if (shown_any_) out_ << '\n';
      WriteParadigmTable(out_, paradigm, request_.form, {request_.colour, request_.width});
    }
    shown_any_ = shown_any_ || paradigm.conjugated();
    if (!paradigm.conjugated()) refused_ = true;
  }

  bool refused() const { return refused_; }

 private:
  const ConjugateRequest& request_;
  std::ostream& out_;
  std::ostream& err_;
  FullParadigm paradigm_;
  ParadigmJson paradigm_json_;
  bool shown_any_ = false;
  bool refused_ = false;
};

std::string FormsHelp() {
  std::ostringstream help;
  help << "Formas (--option número o nombre):\n";
  for (const FormSpec& form : FullParadigmForms()) {
    const std::string number = form.option == 0 ? "  " : std::to_string(form.option);
    help << "  " << std::string(2 - number.size(), ' ') << number << "  " << form.name
         << std::string(form.name.size() < 24 ? 24 - form.name.size() : 1, ' ')
         << EncodeUtf8(form.title) << '\n';
  }
  return help.str();
}

int TerminalColumns() {
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

}  // namespace

int RunConjugate(const ConjugateRequest& request, std::istream& in, std::ostream& out,
                 std::ostream& err) {
  Conjugator conjugator(request, out, err);
  const int status = ReadWords(request.verbs, in, err, "conjugar",
                               [&](std::string_view, const Text& verb) { conjugator.Run(verb); });
  if (status != kExitOk) return status;
  return conjugator.refused() ? kExitRefused : kExitOk;
}

bool ShouldColour(bool stdout_is_terminal, const char* no_color) {
  return stdout_is_terminal && (no_color == nullptr || *no_color == '\0');
}

std::size_t TableWidth(int terminal_columns, const char* columns) {
  if (terminal_columns > 0) return static_cast<std::size_t>(terminal_columns);
  if (columns == nullptr) return 0;
  const std::string_view text(columns);
  std::size_t width = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), width);
  return error == std::errc() && end == text.data() + text.size() ? width : 0;
}

Command AddConjugateCommand(CLI::App& app) {
  auto options = std::make_shared<ConjugateRequest>();
  auto form = std::make_shared<std::string>();
  CLI::App* parser = app.add_subcommand(
      "conjugate", "Conjuga cada VERBO en todas sus formas, o en la forma pedida.");
  parser->alias("conjugar");
  parser
      ->add_option("VERBO", options->verbs,
                   "Infinitivos, tal como se escribirían en la ventana; con «se», el verbo "
                   "pronominal; «-» los lee de la entrada, uno por línea.")
      ->type_name("")
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
  parser->add_flag("--json", options->json,
                   "Escribe un objeto JSON por verbo y por línea con las formas.");
  parser->add_flag("--vos", options->vos, "Añade las formas de vos tras las de tú.");
  parser->footer(FormsHelp() +
                 "\nLas terminaciones salen en rojo en un terminal, salvo con NO_COLOR.\n"
                 "Los avisos van a la salida de error, con las tildes que quizá faltan a un\n"
                 "infinitivo desconocido («reir: ¿Quiso decir reír?»).\n"
                 "Estado de salida: 0 bien, 1 si algún verbo se rechaza, 2 si alguno está vacío,\n"
                 "tiene más de 64 caracteres, caracteres de control o no está en UTF-8 válido;\n"
                 "en la entrada, las líneas en blanco no cuentan y cada error lleva su línea.");
  auto run = [options, form] {
    if (!form->empty()) options->form = FindForm(*form);
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    options->colour = ShouldColour(terminal, std::getenv("NO_COLOR"));
    // Piped output has no width: one form below the other.
    if (terminal) options->width = TableWidth(TerminalColumns(), std::getenv("COLUMNS"));
    return RunConjugate(*options, std::cin, std::cout, std::cerr);
  };
  return {parser, run};
}

}  // namespace flexoria
