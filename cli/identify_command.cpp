// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/identify_command.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "cli/commands.h"
#include "cli/conjugate_command.h"
#include "cli/exit_status.h"
#include "cli/json_writer.h"
#include "cli/terminal_text.h"
#include "cli/typed_word.h"
#include "lookup/form_lookup.h"
#include "lookup/text_reader.h"

namespace flexoria {
namespace {

constexpr std::size_t kFlushAt = 1 << 16;

class Identifier {
 public:
  Identifier(const IdentifyRequest& request, std::ostream& out, std::ostream& err)
      : request_(request),
        out_(out),
        err_(err),
        lookup_(EmbeddedFormIndex()),
        reader_(EmbeddedFormIndex()) {}

  void Identify(const Text& typed) {
    const Identification& answer = lookup_.Identify(typed);
    if (answer.readings.empty()) refused_ = true;
    if (request_.json) {
      WriteJson(typed, answer);
    } else {
      WriteLines(typed, answer);
    }
    if (buffer_.size() >= kFlushAt) Flush();
  }

  // Running text: one line or object per form found in it.
  void ReadText(std::string_view utf8) {
    skipped_ += reader_.Read(utf8, [this](const TextForm& form) {
      if (request_.json) {
        WriteTextJson(form);
      } else {
        WriteTextLine(form);
      }
      if (buffer_.size() >= kFlushAt) Flush();
    });
  }

  // After running text: how many of its words were no verb form.
  void ReportSkipped() {
    if (request_.json) {
      JsonWriter json(buffer_);
      json.BeginObject();
      json.Number("skipped_words", static_cast<long long>(skipped_));
      json.EndObject();
      json.Flush();
      buffer_ += '\n';
    } else {
      buffer_.append("Palabras que no son formas verbales: ")
          .append(std::to_string(skipped_))
          .append("\n");
    }
    Flush();
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
      json.BeginArray("reasons");
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
    buffer_.append(LabelLine(reading));
    if (!reading.pronouns.empty()) buffer_.append(" + ").append(reading.pronouns);
    if (!reading.note.empty()) buffer_.append("  (").append(reading.note).append(")");
    buffer_ += '\n';
  }

  void WriteLines(const Text& typed_text, const Identification& answer) {
    for (const FormReading& reading : answer.readings) WriteReadingLine(reading);
    if (answer.suggestions.empty() && answer.found()) return;
    // Written out only for a form that was not read as it stands.
    typed_utf8_.clear();
    AppendUtf8(typed_text, typed_utf8_);
    const std::string_view typed = typed_utf8_;
    if (!answer.suggestions.empty()) {
      buffer_.append(typed).append(": ¿Quiso decir ");
      for (std::size_t at = 0; at < answer.suggestions.size(); ++at) {
        if (at > 0) buffer_.append(at + 1 == answer.suggestions.size() ? " o " : ", ");
        buffer_.append(answer.suggestions[at]);
        if (!answer.reasons[at].empty()) {
          buffer_.append(" (").append(answer.reasons[at]).append(")");
        }
      }
      buffer_.append("?\n");
    } else if (!answer.found()) {
      Flush();
      err_ << typed << ": no es una forma de ningún verbo que conozca Flexoria.\n";
    }
  }

  // 3:14  había dicho  decir, Pretérito pluscuamperfecto de indicativo, yo; ...
  void WriteTextLine(const TextForm& form) {
    buffer_.append(std::to_string(form.line)).append(":").append(std::to_string(form.column));
    buffer_.append("  ");
    AppendUtf8(form.text, buffer_);
    const char* between = "  ";
    for (const FormReading& reading : form.answer->readings) {
      buffer_.append(between).append(reading.verb).append(", ").append(reading.title);
      if (!reading.pronoun.empty()) buffer_.append(", ").append(reading.pronoun);
      if (!reading.pronouns.empty()) buffer_.append(" + ").append(reading.pronouns);
      if (!reading.note.empty()) buffer_.append(" (").append(reading.note).append(")");
      between = "; ";
    }
    buffer_ += '\n';
  }

  void WriteTextJson(const TextForm& form) {
    JsonWriter json(buffer_);
    json.BeginObject();
    json.Number("line", static_cast<long long>(form.line));
    json.Number("column", static_cast<long long>(form.column));
    json.Number("start", static_cast<long long>(form.start));
    json.Number("end", static_cast<long long>(form.end));
    json.String("form", form.text);
    WriteReadingsJson(json, *form.answer);
    json.EndObject();
    json.Flush();
    buffer_ += '\n';
  }

  void WriteReadingsJson(JsonWriter& json, const Identification& answer) {
    json.BeginArray("readings");
    for (const FormReading& reading : answer.readings) {
      json.BeginObject();
      json.Utf8String("verb", reading.verb);
      json.Verbatim(LabelJson(reading));
      if (!reading.clitic.empty()) json.Utf8String("clitic", reading.clitic);
      if (!reading.auxiliary.empty()) json.Utf8String("auxiliary", reading.auxiliary);
      if (!reading.pronouns.empty()) WritePronouns(json, reading.pronouns);
      if (!reading.note.empty()) json.Utf8String("note", reading.note);
      json.Utf8String("text", reading.text);
      json.Utf8String("stem", reading.stem);
      json.Utf8String("ending", reading.ending);
      json.Boolean("in_lexicon", reading.in_lexicon);
      json.EndObject();
    }
    json.EndArray();
  }

  void WriteJson(const Text& typed, const Identification& answer) {
    JsonWriter json(buffer_);
    json.BeginObject();
    json.String("form", typed);
    WriteReadingsJson(json, answer);
    json.BeginArray("suggestions");
    for (const std::string_view text : answer.suggestions) json.Utf8Value(text);
    json.EndArray();
    json.BeginArray("reasons");
    for (const std::string_view reason : answer.reasons) json.Utf8Value(reason);
    json.EndArray();
    json.EndObject();
    json.Flush();
    buffer_ += '\n';
  }

  // "se + lo": ["se", "lo"].
  static void WritePronouns(JsonWriter& json, std::string_view pronouns) {
    json.BeginArray("pronouns");
    for (std::size_t at = 0; at <= pronouns.size();) {
      const std::size_t plus = std::min(pronouns.find(" + ", at), pronouns.size());
      json.Utf8Value(pronouns.substr(at, plus - at));
      at = plus + 3;
    }
    json.EndArray();
  }

  // "  Presente de Indicativo  yo": a label's words on a reading's line,
  // written once.
  const std::string& LabelLine(const FormReading& reading) {
    if (label_line_.size() <= reading.label) label_line_.resize(reading.label + 1);
    std::string& words = label_line_[reading.label];
    if (words.empty()) {
      words.append("  ").append(reading.title);
      if (!reading.pronoun.empty()) words.append("  ").append(reading.pronoun);
    }
    return words;
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
  TextReader reader_;
  std::size_t skipped_ = 0;
  std::string typed_utf8_;
  std::string buffer_;
  std::vector<std::string> label_json_;
  std::vector<std::string> label_line_;
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
  if (request.text) {
    const bool from_input =
        request.forms.empty() || std::ranges::find(request.forms, "-") != request.forms.end();
    for (const std::string& line : request.forms) {
      if (line != "-") identifier.ReadText(line + "\n");
    }
    if (from_input) {
      const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      identifier.ReadText(text);
    }
    identifier.ReportSkipped();
    return kExitOk;
  }
  if (request.forms.empty()) {
    err << "flexoria-cli: falta FORMA.\nMás información con «flexoria-cli --help».\n";
    return kExitUsage;
  }
  const int status = ReadWords(
      request.forms, in, err, "identificar",
      [&identifier](std::string_view, const Text& typed) { identifier.Identify(typed); },
      [&identifier](std::string_view typed, WordProblem problem) {
        identifier.Refuse(typed, problem);
      },
      // Someone typing forms one by one reads each answer before the next.
      [&identifier, &out] {
        identifier.Flush();
        out.flush();
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
                   "una por línea de la entrada; con --texto, el texto.")
      ->type_name("");
  parser->add_flag("--texto,--text", request->text,
                   "Lee texto corrido (los argumentos, cada uno una línea, o la entrada) y "
                   "escribe cada forma verbal que halla con su línea:columna.");
  parser->add_flag("--json", request->json,
                   "Escribe un objeto JSON por forma, en el orden dado, con todas sus lecturas.");
  parser->footer(
      "Cada lectura sale en una línea: la forma con su raíz y su terminación, el infinitivo,\n"
      "la forma verbal y la persona. Se reconocen todas las formas de «conjugar»: los tiempos\n"
      "compuestos, el imperativo entero, vos (tenés) y el verbo pronominal de cada infinitivo\n"
      "(«me lavo», lávate: lavarse), y también con pronombres unidos (dímelo: decir + me + lo)\n"
      "o delante («se lo dije», «no lo hagas») y hay. No importan las mayúsculas, los blancos\n"
      "ni la puntuación de los extremos (¿Hablo?). Una forma escrita sin tildes (tenia) o con\n"
      "las teclas de la ventana (ten`a) sugiere las formas con tilde: «¿Quiso decir tenía?»;\n"
      "un error de quien aprende, lo que quiso decir y por qué: rompido, «roto (participio\n"
      "irregular de romper)»; tubieron, «tuvieron (se escribe con v)». Cinco como mucho.\n"
      "Una forma con la tilde que se escribía antes de 2010 (rió, guié) se lee como la de hoy,\n"
      "con la nota «ortografía anterior a 2010».\n"
      "Con --texto, cada forma del texto sale en una línea: línea:columna, la forma y sus\n"
      "lecturas; con --json, un objeto por forma con sus posiciones en caracteres (start, end);\n"
      "al final, cuántas palabras no eran formas verbales.\n"
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
