#include "tests/test_support.h"

#include <stdexcept>

namespace flexoria::testing {

std::string Utf8(TextView text) { return EncodeUtf8(text); }

Text U32(const std::string& utf8) {
  auto text = DecodeUtf8(utf8);
  if (!text) throw std::invalid_argument("test text is not UTF-8");
  return *text;
}

std::vector<std::string> Cells(TextView column) {
  std::vector<std::string> cells;
  constexpr TextView kBreak = U"\r\n";
  if (column.substr(0, 2) != kBreak) return cells;
  column.remove_prefix(2);
  while (true) {
    const auto next = column.find(kBreak);
    cells.push_back(Utf8(column.substr(0, next)));
    if (next == TextView::npos) break;
    column.remove_prefix(next + 2);
  }
  return cells;
}

Desk& Desk::Conjugate(const std::string& entry, int option) {
  ui.PrepareRequest(U32(entry), option);
  session.RunRequest(ui);
  return *this;
}

std::vector<std::string> Desk::Forms() const {
  auto stems = Stems();
  const auto endings = Endings();
  for (std::size_t i = 0; i < stems.size() && i < endings.size(); ++i) stems[i] += endings[i];
  return stems;
}

std::vector<std::string> Desk::Split() const {
  auto stems = Stems();
  const auto endings = Endings();
  for (std::size_t i = 0; i < stems.size() && i < endings.size(); ++i) {
    stems[i] += "+" + endings[i];
  }
  return stems;
}

std::vector<std::string> Desk::MessageTexts() const {
  std::vector<std::string> texts;
  for (const Message& m : ui.messages()) texts.push_back(Utf8(m.text));
  return texts;
}

}  // namespace flexoria::testing
