#include "cli/form_names.h"

#include <algorithm>
#include <charconv>

namespace flexoria {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view typed, std::string_view name) {
  return std::ranges::equal(typed, name, [](char a, char b) { return AsciiLower(a) == b; });
}

std::optional<int> ParseOptionNumber(std::string_view text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (number < 1 || number > static_cast<int>(kFormNames.size())) return std::nullopt;
  return number;
}

}  // namespace

std::optional<int> ParseFormOption(std::string_view text) {
  if (auto number = ParseOptionNumber(text)) return number;
  for (const FormName& form : kFormNames) {
    if (SameName(text, form.name)) return form.option;
  }
  return std::nullopt;
}

std::string_view ShortFormName(int option) {
  for (const FormName& form : kFormNames) {
    if (form.option == option) return form.name;
  }
  return {};
}

}  // namespace flexoria
