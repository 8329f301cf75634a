// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/parser_spanish.h"

#include <array>
#include <memory>
#include <string_view>
#include <utility>

#include "cli/typed_word.h"

namespace flexoria {
namespace {

constexpr std::string_view kOptionsGroup = "Opciones";
constexpr std::string_view kCommandsGroup = "Órdenes";

// The parser's own words, as its formatter looks them up.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kLabels{{
    {"Usage", "Uso"},
    {"OPTIONS", "OPCIONES"},
    {"SUBCOMMAND", "ORDEN"},
    {"SUBCOMMANDS", "ÓRDENES"},
    {"Positionals", "Argumentos"},
    {"REQUIRED", "(obligatorio)"},
    {"TEXT", ""},
    {"INT", "NÚMERO"},
    {"Env", "Variable"},
}};

// The commands are listed by their Spanish names first: "conjugar, conjugate".
class SpanishFormatter : public CLI::Formatter {
 public:
  SpanishFormatter() {
    for (const auto& [english, spanish] : kLabels)
      label(std::string(english), std::string(spanish));
  }

  // "Uso: flexoria-cli conjugar ...": a command by its Spanish name.
  std::string make_usage(const CLI::App* app, std::string name) const override {
    const auto& aliases = app->get_aliases();
    const std::string& english = app->get_name();
    if (!aliases.empty() && name.ends_with(english)) {
      name.replace(name.size() - english.size(), english.size(), aliases.front());
    }
    return CLI::Formatter::make_usage(app, name);
  }

  std::string make_subcommand(const CLI::App* sub) const override {
    std::string names;
    for (const std::string& alias : sub->get_aliases()) names += alias + ", ";
    names += sub->get_name();
    std::stringstream out;
    CLI::detail::format_help(out, names, sub->get_description(), get_column_width());
    return out.str();
  }
};

// The part of a message after `marker`, or before it when `before`.
std::string_view Around(std::string_view text, std::string_view marker, bool before) {
  const auto at = text.find(marker);
  if (at == std::string_view::npos) return {};
  return before ? text.substr(0, at) : text.substr(at + marker.size());
}

template <typename Kind>
bool Is(const CLI::Error& error) {
  return dynamic_cast<const Kind*>(&error) != nullptr;
}

// By the error's class: some errors carry a command's name instead of theirs.
std::string Translate(const CLI::Error& error) {
  std::string_view what = error.what();
  if (Is<CLI::RequiredError>(error)) {
    if (what.starts_with("A subcommand")) {
      return "falta la orden: conjugar, identificar, lexico o repetir";
    }
    return "falta " + ShownSafely(Around(what, " is required", true));
  }
  if (Is<CLI::ArgumentMismatch>(error)) {
    if (what.find("At Most") != std::string_view::npos) {
      return ShownSafely(Around(what, ":", true)) + ": se admite una sola";
    }
    if (what.starts_with("Expected")) {
      return ShownSafely(Around(Around(what, " arguments to ", false), ",", true)) +
             ": falta su valor";
    }
    return ShownSafely(Around(what, ":", true)) + ": falta su valor";
  }
  if (Is<CLI::ExtrasError>(error)) return "sobra: " + ShownSafely(Around(what, ": ", false));
  if (Is<CLI::ConversionError>(error)) {
    if (what.find("for a flag") != std::string_view::npos) {
      return ShownSafely(Around(what, ":", true)) + ": no lleva valor";
    }
    return "valor no válido";
  }
  // Validators say their own Spanish message, a sentence, after the
  // option's name.
  if (Is<CLI::ValidationError>(error)) {
    if (what.ends_with('.')) what.remove_suffix(1);
    return ShownSafely(what);
  }
  return "argumentos no válidos";
}

}  // namespace

void SpeakSpanish(CLI::App& app) {
  app.formatter(std::make_shared<SpanishFormatter>());
  app.option_defaults()->group(std::string(kOptionsGroup));
  app.failure_message(
      [](const CLI::App*, const CLI::Error& error) { return SpanishParseError(error); });
}

void ListCommandsInSpanish(CLI::App& app) {
  for (CLI::App* command : app.get_subcommands({})) {
    command->group(std::string(kCommandsGroup));
    // A command's help flag is made before the defaults it would take.
    if (CLI::Option* help = command->get_help_ptr()) help->group(std::string(kOptionsGroup));
  }
}

std::string SpanishParseError(const CLI::Error& error) {
  return "flexoria-cli: " + Translate(error) + ".\nMás información con «flexoria-cli --help».\n";
}

}  // namespace flexoria
