// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "engine/form_table.h"

namespace flexoria::testing {

std::string Utf8(TextView text) { return EncodeUtf8(text); }

Text U32(const std::string& utf8) {
  auto text = DecodeUtf8(utf8);
  if (!text) throw std::invalid_argument("test text is not UTF-8");
  return *text;
}

std::string UnescapeBytes(const std::string& typed) {
  std::string bytes;
  for (std::size_t at = 0; at < typed.size(); ++at) {
    if (typed.compare(at, 2, "\\n") == 0 || typed.compare(at, 2, "\\t") == 0) {
      bytes += typed[++at] == 'n' ? '\n' : '\t';
    } else if (typed.compare(at, 2, "\\x") == 0 && at + 4 <= typed.size()) {
      bytes += static_cast<char>(std::stoi(typed.substr(at + 2, 2), nullptr, 16));
      at += 3;
    } else {
      bytes += typed[at];
    }
  }
  return bytes;
}

std::vector<TypedEntryRow> ReadTypedEntries() {
  std::vector<TypedEntryRow> rows;
  std::istringstream lines(ReadFile(std::string(FLEXORIA_TEST_DATA_DIR) + "/typed_entries.tsv"));
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line[0] == '#') continue;
    const auto fields = SplitAt(line, '\t');
    if (fields.size() != 5) throw std::invalid_argument("malformed row: " + line);
    rows.push_back({UnescapeBytes(fields[0]), fields[1], fields[2],
                    static_cast<std::size_t>(std::stoul(fields[3])), SplitAt(fields[4], '|')});
  }
  return rows;
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
    const auto name = fields.size() == 4 ? SplitAt(fields[2], ':') : std::vector<std::string>{};
    const FormSpec* form = name.empty() ? nullptr : FindForm(name[0]);
    EXPECT_TRUE(form != nullptr) << file_name << ": " << row;
    if (form == nullptr) continue;
    const bool vos = name.size() == 2 && name[1] == "vos";
    rows.push_back({fields[0], fields[1], form->option, SplitAt(fields[3], '|'), form, vos});
  }
  return rows;
}

std::vector<std::string> ListedLines(std::vector<std::string> lines, int option) {
  if (option != kImperativo || lines.size() != 6) return lines;
  return {lines[1], lines[4]};
}

Desk& Desk::Conjugate(const std::string& entry, int option) {
  ui.PrepareRequest(U32(entry), option);
  result = session.RunRequest(ui);
  if (result.shown()) shown.Keep(*result.cells);
  return *this;
}

std::vector<std::string> CellTexts(const std::array<Text, 6>& cells, std::size_t count) {
  std::vector<std::string> texts;
  for (std::size_t line = 0; line < count; ++line) texts.push_back(Utf8(cells[line]));
  return texts;
}

std::vector<std::string> Desk::Forms() const {
  auto stems = Stems();
  const auto endings = Endings();
  for (std::size_t i = 0; i < stems.size() && i < endings.size(); ++i) stems[i] += endings[i];
  return stems;
}

std::vector<std::string> Desk::Split() const { return SplitCells(shown); }

std::vector<std::string> Desk::MessageTexts() const {
  std::vector<std::string> texts;
  for (const Message& m : ui.messages()) texts.push_back(Utf8(m.text));
  return texts;
}

}  // namespace flexoria::testing
