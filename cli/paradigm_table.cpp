#include "cli/paradigm_table.h"

#include <algorithm>
#include <ostream>

#include "engine/conjugation_session.h"

namespace flexoria {
namespace {

constexpr std::string_view kRed = "\x1b[31m";
constexpr std::string_view kReset = "\x1b[0m";
constexpr std::string_view kFormIndent = "  ";
constexpr std::string_view kRowIndent = "    ";

// Widths count characters: a stem such as "actú" is four wide, not five bytes.
struct ColumnWidths {
  std::size_t person = 0;
  std::size_t stem = 0;
};

ColumnWidths WidthsOf(const ParadigmForm& form) {
  ColumnWidths widths;
  for (const ParadigmRow& row : form.rows) {
    widths.person = std::max(widths.person, row.person.size());
    widths.stem = std::max(widths.stem, row.stem.size());
  }
  return widths;
}

void Pad(std::ostream& out, std::size_t width, std::size_t used) {
  if (width > used) out << std::string(width - used, ' ');
}

void WriteRow(std::ostream& out, const ParadigmRow& row, ColumnWidths widths, bool colour) {
  out << kRowIndent;
  if (widths.person > 0) {
    out << EncodeUtf8(row.person);
    Pad(out, widths.person + 2, row.person.size());
  }
  Pad(out, widths.stem, row.stem.size());
  out << EncodeUtf8(row.stem);
  if (colour && !row.ending.empty()) {
    out << kRed << EncodeUtf8(row.ending) << kReset;
  } else {
    out << EncodeUtf8(row.ending);
  }
  out << '\n';
}

void WriteForm(std::ostream& out, const ParadigmForm& form, bool colour) {
  out << kFormIndent << EncodeUtf8(form.form->title) << '\n';
  const ColumnWidths widths = WidthsOf(form);
  for (const ParadigmRow& row : form.rows) WriteRow(out, row, widths, colour);
}

}  // namespace

std::string PlainLines(TextView text) {
  std::string lines = EncodeUtf8(text);
  for (auto at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at)) {
    lines.erase(at, 1);
  }
  return lines;
}

void WriteParadigmTable(std::ostream& out, const Paradigm& paradigm, bool colour) {
  out << EncodeUtf8(paradigm.entry) << '\n';
  bool first = true;
  for (const ParadigmForm& form : paradigm.forms) {
    if (!first) out << '\n';
    first = false;
    WriteForm(out, form, colour);
  }
}

std::string MessageForTerminal(TextView entry, const Message& message) {
  std::string line = EncodeUtf8(entry);
  // The request's own title names the program, which says nothing here.
  if (message.title != kRequestTitle) line += " (" + EncodeUtf8(message.title) + ")";
  return line + ": " + PlainLines(message.text);
}

}  // namespace flexoria
