// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers for the logic tests: run requests through a real session
// and read the displayed columns as lists of UTF-8 cells.
#pragma once

#include <string>
#include <vector>

#include "engine/conjugation_session.h"
#include "engine/form_table.h"
#include "engine/recording_ui.h"

namespace flexoria::testing {

std::string Utf8(TextView text);
Text U32(const std::string& utf8);

// The displayed lines of a form, each "stem+ending"; of FormCells or KeptCells.
template <typename Cells>
std::vector<std::string> SplitCells(const Cells& cells) {
  std::vector<std::string> lines;
  for (std::size_t line = 0; line < cells.count; ++line) {
    lines.push_back(Utf8(cells.stems[line]) + "+" + Utf8(cells.endings[line]));
  }
  return lines;
}

std::vector<std::string> CellTexts(const std::array<Text, 6>& cells, std::size_t count);

std::vector<std::string> SplitAt(const std::string& text, char separator);

// A data file's text with each \xNN as the byte it stands for, \n and \t as a
// line feed and a tab.
std::string UnescapeBytes(const std::string& typed);

// The whole content of a file, byte for byte; empty when it cannot be read.
std::string ReadFile(const std::string& path);

// A row of a forms data file (tests/data/*_forms.tsv): what one request
// for `entry` with `option` selected shows, each line "stem+ending"; or,
// in the full paradigm's file, each form as written. A form named
// "presente:vos" stands for the vos row of that form alone.
struct FormRow {
  std::string group;
  std::string entry;
  int option = 0;
  std::vector<std::string> lines;
  const FormSpec* form = nullptr;
  bool vos = false;
};

// Reads every row of a forms file in tests/data; fails the test on a
// malformed row.
std::vector<FormRow> ReadFormRows(const std::string& file_name);

// The lines a forms file lists for a view: the imperative lists only its tú
// and vosotros lines, the other persons showing a dash.
std::vector<std::string> ListedLines(std::vector<std::string> lines, int option);

// A row of tests/data/typed_entries.tsv: an entry as typed (bytes) and
// how every front end reads it.
struct TypedEntryRow {
  std::string typed;
  std::string verb;
  std::string stem;
  std::size_t messages = 0;
  std::vector<std::string> forms;  // Presente de Indicativo, yo to ellos
};

std::vector<TypedEntryRow> ReadTypedEntries();

// One session and the window it talks to.
struct Desk {
  ConjugationSession session;
  RecordingUi ui;

  // Runs a request for `entry` (UTF-8, as typed) with `option` selected.
  Desk& Conjugate(const std::string& entry, int option = kPresente);

  RequestResult result;
  KeptCells shown;  // the cells on display, which a refused request leaves

  std::vector<std::string> Stems() const { return CellTexts(shown.stems, shown.count); }
  std::vector<std::string> Endings() const { return CellTexts(shown.endings, shown.count); }
  // Each displayed line, stem and ending joined: "habl" + "o" -> "hablo".
  std::vector<std::string> Forms() const;
  // Each displayed line as "stem+ending": "habl+o".
  std::vector<std::string> Split() const;
  std::vector<std::string> MessageTexts() const;
  const ConjugationState& State() const { return session.state(); }
};

}  // namespace flexoria::testing
