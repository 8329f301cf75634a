#include "cli/identify_command.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "cli/commands.h"
#include "cli/conjugate_command.h"
#include "cli/exit_status.h"
#include "cli/json_writer.h"
#include "cli/terminal_text.h"
#include "cli/typed_word.h"
#include "lookup/form_lookup.h"

namespace flexoria {
namespace {

constexpr std::size_t kFlushAt = 1 << 16;
constexpr std::string_view kOlderSpelling = "ortografía anterior a 2010";

class Identifier {
 public:
  Identifier(const IdentifyRequest& request, std::ostream& out, std::ostream& err)
      : request_(request), out_(out), err_(err), lookup_(EmbeddedFormIndex()) {}

  void Identify(const Text& typed) {
    const Identification& answer = lookup_.Identify(typed);
    if (answer.readings.empty()) refused_ = true;
    typed_utf8_.clear();
    AppendUtf8(typed, typed_utf8_);
    if (request_.json) {
      WriteJson(typed, answer);
    } else {
      WriteLines(typed_utf8_, answer);
    }
    if (buffer_.size() >= kFlushAt) Flush();
  }

  // A form that broke the input rule: its message goes to standard error
  // after what came before it, and JSON keeps one object per form.
  void Refuse(std::string_view typed, WordProblem problem) {
    if (request_.json) {
      JsonWriter json(buffer_);
      json.BeginObject();
      json.Utf8String("form", ShownSafely(typed));
      json.Utf8String("error", WordProblemMessage(problem, typed));
      json.BeginArray("readings");
      json.EndArray();
      json.BeginArray("suggestions");
      json.EndArray();
      json.EndObject();
      json.Flush();
      buffer_ += '\n';
    }
    Flush();
  }

  bool refused() const { return refused_; }

  void Flush() {
    out_ << buffer_;
    buffer_.clear();
  }

 private:
  void WriteReadingLine(const FormReading& reading) {
    buffer_.append(reading.before).append(reading.stem);
    if (request_.colour && !reading.ending.empty()) {
      buffer_.append(kRed).append(reading.ending).append(kReset);
    } else {
      if (!reading.stem.empty() && !reading.ending.empty()) buffer_ += '-';
      buffer_.append(reading.ending);
    }
    buffer_.append(reading.after).append("  ").append(reading.verb);
    if (!reading.in_lexicon) buffer_.append(" (no está en la lista de verbos)");
    if (reading.older_spelling) buffer_.append(" (").append(kOlderSpelling).append(")");
    buffer_.append("  ").append(reading.title);
    if (!reading.pronoun.empty()) buffer_.append("  ").append(reading.pronoun);
    buffer_ += '\n';
  }

  void WriteLines(std::string_view typed, const Identification& answer) {
    for (const FormReading& reading : answer.readings) WriteReadingLine(reading);
    if (!answer.suggestions.empty()) {
      buffer_.append(typed).append(": ¿Quiso decir ");
      for (std::size_t at = 0; at < answer.suggestions.size(); ++at) {
        if (at > 0) buffer_.append(at + 1 == answer.suggestions.size() ? " o " : ", ");
        buffer_.append(answer.suggestions[at]);
      }
      buffer_.append("?\n");
    } else if (!answer.found()) {
      Flush();
      err_ << typed << ": no es una forma de ningún verbo que conozca Flexoria.\n";
    }
  }

  void WriteJson(const Text& typed, const Identification& answer) {
    JsonWriter json(buffer_);
    json.BeginObject();
    json.String("form", typed);
    json.BeginArray("readings");
    for (const FormReading& reading : answer.readings) {
      json.BeginObject();
      json.Utf8String("verb", reading.verb);
      json.Verbatim(LabelJson(reading));
      if (!reading.clitic.empty()) json.Utf8String("clitic", reading.clitic);
      if (!reading.auxiliary.empty()) json.Utf8String("auxiliary", reading.auxiliary);
      json.Utf8String("text", reading.text);
      json.Utf8String("stem", reading.stem);
      json.Utf8String("ending", reading.ending);
      json.Boolean("in_lexicon", reading.in_lexicon);
      if (reading.older_spelling) json.Utf8String("note", kOlderSpelling);
      json.EndObject();
    }
    json.EndArray();
    json.BeginArray("suggestions");
    for (const std::string_view text : answer.suggestions) json.Utf8Value(text);
    json.EndArray();
    json.EndObject();
    json.Flush();
    buffer_ += '\n';
  }

  // A label's keys come with every reading of it; written once.
  const std::string& LabelJson(const FormReading& reading) {
    if (label_json_.size() <= reading.label) label_json_.resize(reading.label + 1);
    std::string& fragment = label_json_[reading.label];
    if (fragment.empty()) {
      JsonWriter json(fragment);
      json.Utf8String("name", reading.name);
      json.Utf8String("title", reading.title);
      json.Utf8String("person", reading.person);
      json.Utf8String("pronoun", reading.pronoun);
    }
    return fragment;
  }

  const IdentifyRequest& request_;
  std::ostream& out_;
  std::ostream& err_;
  FormLookup lookup_;
  std::string typed_utf8_;
  std::string buffer_;
  std::vector<std::string> label_json_;
  bool refused_ = false;
};

}  // namespace

int RunIdentify(const IdentifyRequest& request, std::istream& in, std::ostream& out,
                std::ostream& err) {
  if (EmbeddedFormIndex().empty()) {
    err << "flexoria-cli identify: " << EmbeddedFormIndex().error() << ".\n";
    return kExitFailure;
  }
  Identifier identifier(request, out, err);
  const int status = ReadWords(
      request.forms, in, err, "identificar",
      [&identifier](std::string_view, const Text& typed) { identifier.Identify(typed); },
      [&identifier](std::string_view typed, WordProblem problem) {
        identifier.Refuse(typed, problem);
      });
  identifier.Flush();
  if (status != kExitOk) return status;
  return identifier.refused() ? kExitRefused : kExitOk;
}

Command AddIdentifyCommand(CLI::App& app) {
  auto request = std::make_shared<IdentifyRequest>();
  CLI::App* parser =
      app.add_subcommand("identify", "Dice de qué verbo, forma y persona es cada FORMA conjugada.");
  parser->alias("identificar");
  parser
      ->add_option("FORMA", request->forms,
                   "Formas conjugadas (tuvieron, «he tenido», «no tengas», vámonos); «-» lee "
                   "una por línea de la entrada.")
      ->type_name("")
      ->required();
  parser->add_flag("--json", request->json,
                   "Escribe un objeto JSON por forma, en el orden dado, con todas sus lecturas.");
  parser->footer(
      "Cada lectura sale en una línea: la forma con su raíz y su terminación, el infinitivo,\n"
      "la forma verbal y la persona. Se reconocen todas las formas de «conjugar»: los tiempos\n"
      "compuestos, el imperativo entero, vos (tenés) y el verbo pronominal de cada infinitivo\n"
      "(«me lavo», lávate: lavarse). No importan las mayúsculas ni los espacios de los extremos;\n"
      "una forma escrita sin tildes (tenia) o con las teclas de la ventana (ten`a) sugiere\n"
      "las formas con tilde: «¿Quiso decir tenía?». Una forma con la tilde que se escribía\n"
      "antes de 2010 (rió, guié) se lee como la de hoy, con la nota «ortografía anterior a 2010».\n"
      "Las terminaciones salen en rojo en un terminal, salvo con NO_COLOR.\n"
      "Estado de salida: 0 si todas las formas se reconocen, 1 si alguna no es una forma\n"
      "conocida (aunque haya sugerencias), 2 si alguna está vacía, es demasiado larga,\n"
      "tiene caracteres de control o no está en UTF-8 válido. En la entrada, las líneas en\n"
      "blanco no cuentan y cada error lleva el número de su línea.");
  auto run = [request] {
    request->colour = ShouldColour(isatty(STDOUT_FILENO) == 1, std::getenv("NO_COLOR"));
    return RunIdentify(*request, std::cin, std::cout, std::cerr);
  };
  return {parser, run};
}

}  // namespace flexoria
