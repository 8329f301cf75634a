// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/paradigm_table.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <vector>

#include "cli/terminal_text.h"
#include "engine/conjugation_session.h"

namespace flexoria {
namespace {

constexpr std::string_view kUnusedNote = "  (no se usa)";
constexpr std::size_t kUnusedNoteWidth = kUnusedNote.size();
constexpr std::string_view kFormIndent = "  ";
constexpr std::string_view kRowIndent = "    ";
constexpr std::size_t kLabelGap = 2;
constexpr std::size_t kColumnGap = 4;

constexpr std::array<Mood, 4> kMoodOrder{Mood::kIndicative, Mood::kSubjunctive, Mood::kImperative,
                                         Mood::kNonFinite};

// A form laid out as lines, each with its width in characters (what a
// terminal shows, without the colour escapes).
struct Block {
  std::vector<std::string> lines;
  std::vector<std::size_t> widths;
  std::size_t width = 0;

  void Add(std::string line, std::size_t line_width) {
    lines.push_back(std::move(line));
    widths.push_back(line_width);
    width = std::max(width, line_width);
  }
};

// Widths count characters: a stem such as "actú" is four wide, not five bytes.
struct ColumnWidths {
  std::size_t person = 0;
  std::size_t before = 0;  // what stands before the ending
};

ColumnWidths WidthsOf(const FullForm& form) {
  ColumnWidths widths;
  for (const FullRow& row : form.Rows()) {
    widths.person = std::max(widths.person, row.pronoun.size());
    widths.before = std::max(widths.before, row.ending_at);
  }
  return widths;
}

std::string Spaces(std::size_t width, std::size_t used) {
  return std::string(width > used ? width - used : 0, ' ');
}

void AddRow(Block& block, const FullRow& row, ColumnWidths widths, bool colour) {
  const TextView text = row.text;
  const TextView ending = text.substr(row.ending_at, row.ending_length);
  const TextView after = text.substr(row.ending_at + row.ending_length);
  std::string line(kRowIndent);
  std::size_t width = kRowIndent.size();
  if (widths.person > 0) {
    line += EncodeUtf8(row.pronoun) + Spaces(widths.person + kLabelGap, row.pronoun.size());
    width += widths.person + kLabelGap;
  }
  // A form not in use is dimmed, or marked when there is no colour.
  const std::size_t row_start = line.size();
  line += Spaces(widths.before, row.ending_at) + EncodeUtf8(text.substr(0, row.ending_at));
  if (colour && row.used && !ending.empty()) {
    line += std::string(kRed) + EncodeUtf8(ending) + std::string(kReset);
  } else {
    line += EncodeUtf8(ending);
  }
  line += EncodeUtf8(after);
  width += widths.before + ending.size() + after.size();
  // The other forms the Academy accepts: "he imprimido / he impreso".
  for (const TextView other : row.also) {
    line += " / " + EncodeUtf8(other);
    width += 3 + other.size();
  }
  if (!row.used && colour) {
    line.insert(row_start, kDim);
    line += kReset;
  } else if (!row.used) {
    line += kUnusedNote;
    width += kUnusedNoteWidth;
  }
  block.Add(std::move(line), width);
}

Block BlockOf(const FullForm& form, bool colour) {
  Block block;
  block.Add(std::string(kFormIndent) + EncodeUtf8(form.form->title),
            kFormIndent.size() + form.form->title.size());
  const ColumnWidths widths = WidthsOf(form);
  for (const FullRow& row : form.Rows()) AddRow(block, row, widths, colour);
  return block;
}

void WriteBlock(std::ostream& out, const Block& block) {
  for (const std::string& line : block.lines) out << line << '\n';
}

void WriteSideBySide(std::ostream& out, const Block& left, const Block& right) {
  const std::size_t count = std::max(left.lines.size(), right.lines.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (i < left.lines.size()) out << left.lines[i];
    if (i < right.lines.size()) {
      const std::size_t used = i < left.widths.size() ? left.widths[i] : 0;
      out << Spaces(left.width + kColumnGap, used) << right.lines[i];
    }
    out << '\n';
  }
}

const FullForm* PartnerOf(const FullParadigmResult& paradigm, const FullForm& form) {
  for (const FullForm& other : paradigm.Forms()) {
    if (other.form->beside == form.form->name) return &other;
  }
  return nullptr;
}

// Each form once, a form that goes beside another right after it.
std::vector<std::pair<const FullForm*, const FullForm*>> PairsToShow(
    const FullParadigmResult& paradigm, const FormSpec* only) {
  std::vector<std::pair<const FullForm*, const FullForm*>> pairs;
  for (const FullForm& form : paradigm.Forms()) {
    if (form.form == only) pairs.push_back({&form, nullptr});
  }
  if (only != nullptr) return pairs;
  for (const Mood mood : kMoodOrder) {
    for (const FullForm& form : paradigm.Forms()) {
      if (form.form->mood != mood || !form.form->beside.empty()) continue;
      pairs.push_back({&form, PartnerOf(paradigm, form)});
    }
  }
  return pairs;
}

}  // namespace

void WriteParadigmTable(std::ostream& out, const FullParadigmResult& paradigm, const FormSpec* only,
                        TableLayout layout) {
  out << EncodeUtf8(paradigm.entry) << '\n';
  bool first = true;
  for (const auto& [form, partner] : PairsToShow(paradigm, only)) {
    const Block left = BlockOf(*form, layout.colour);
    if (!first) out << '\n';
    first = false;
    if (partner == nullptr) {
      WriteBlock(out, left);
      continue;
    }
    const Block right = BlockOf(*partner, layout.colour);
    if (layout.width > 0 && left.width + kColumnGap + right.width <= layout.width) {
      WriteSideBySide(out, left, right);
    } else {
      WriteBlock(out, left);
      out << '\n';
      WriteBlock(out, right);
    }
  }
}

std::string MessageForTerminal(TextView entry, const Message& message) {
  std::string line = EncodeUtf8(entry);
  // The request's own title names the program, which says nothing here.
  if (message.title != kRequestTitle) line += " (" + EncodeUtf8(message.title) + ")";
  return line + ": " + PlainLines(message.text);
}

std::string SuggestionForTerminal(TextView entry, std::span<const Text> suggestions) {
  std::string line = EncodeUtf8(entry) + ": ¿Quiso decir ";
  for (std::size_t at = 0; at < suggestions.size(); ++at) {
    if (at > 0) line += at + 1 == suggestions.size() ? " o " : ", ";
    AppendUtf8(suggestions[at], line);
  }
  return line + "?";
}

}  // namespace flexoria
