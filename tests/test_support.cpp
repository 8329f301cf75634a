#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "cli/form_names.h"

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

std::vector<std::string> SplitAt(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  return parts;
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

std::vector<FormRow> ReadFormRows(const std::string& file_name) {
  std::ifstream data(std::string(FLEXORIA_TEST_DATA_DIR) + "/" + file_name);
  EXPECT_TRUE(data.is_open()) << file_name;
  std::vector<FormRow> rows;
  for (std::string row; std::getline(data, row);) {
    if (row.empty() || row[0] == '#') continue;
    const auto fields = SplitAt(row, '\t');
    const auto option = fields.size() == 4 ? ParseFormOption(fields[2]) : std::nullopt;
    EXPECT_TRUE(option.has_value()) << file_name << ": " << row;
    if (!option) continue;
    rows.push_back({fields[0], fields[1], *option, SplitAt(fields[3], '|')});
  }
  return rows;
}

std::vector<std::string> ListedLines(std::vector<std::string> lines, int option) {
  if (option != kImperativo || lines.size() != 6) return lines;
  return {lines[1], lines[4]};
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

std::vector<std::string> SplitLines(TextView stems, TextView endings) {
  std::vector<std::string> lines = Cells(stems);
  const std::vector<std::string> ending_cells = Cells(endings);
  EXPECT_EQ(lines.size(), ending_cells.size());
  for (std::size_t i = 0; i < lines.size() && i < ending_cells.size(); ++i) {
    lines[i] += "+" + ending_cells[i];
  }
  return lines;
}

std::vector<std::string> Desk::Split() const { return SplitLines(ui.stems(), ui.endings()); }

std::vector<std::string> Desk::MessageTexts() const {
  std::vector<std::string> texts;
  for (const Message& m : ui.messages()) texts.push_back(Utf8(m.text));
  return texts;
}

}  // namespace flexoria::testing
