// SPDX-License-Identifier: GPL-3.0-or-later
// Identifying a form as typed, or as it stands in a text (punctuation
// around it, a capital): its exact readings first, then its readings with
// pronouns joined or placed before it, then the stored forms it may have
// meant (the same letters with accents, or with the window's remapped keys
// read as the letters they type).
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/clitic_reading.h"
#include "lookup/form_index.h"
#include "lookup/learner_mistakes.h"
#include "lookup/typed_form.h"

namespace flexoria {

// The note on a reading of the spelling before 2010.
inline constexpr std::string_view kOlderSpellingNote = "ortografía anterior a 2010";

struct Identification {
  TypedFormProblem problem = TypedFormProblem::kNone;
  std::vector<FormReading> readings;
  std::vector<std::string_view> suggestions;
  std::vector<std::string_view> reasons;  // why each suggestion; empty for a form's accents

  // At most this many suggestions, the likeliest first.
  static constexpr std::size_t kMostSuggestions = 5;

  bool found() const { return !readings.empty() || !suggestions.empty(); }
};

// Keeps its buffers from one form to the next, for long batches.
class FormLookup {
 public:
  explicit FormLookup(const FormIndex& index) : index_(index), clitics_(index), learner_(index) {}

  // The answer stays valid until the next call.
  const Identification& Identify(TextView typed);
  // The readings alone, without looking for what else was meant: for
  // running text, where most words are no verb at all.
  const Identification& Read(TextView typed);

 private:
  bool MakeKey(TextView typed);
  bool ReadOlderSpelling(bool several);
  const Identification& Look(TextView typed, bool suggest);
  void SuggestAccented(TextView text);
  void SuggestComposed();
  void Suggest(std::string text, std::string reason = {});
  void KeepEachSuggestionOnce();
  void AppendOutsideTable(std::string_view word);
  void DropEchoes();

  const FormIndex& index_;
  CliticReader clitics_;
  LearnerMistakes learner_;
  std::vector<Correction> corrections_;
  Identification answer_;
  std::deque<std::string> kept_;  // texts that readings view
  Text as_typed_;
  Text key_;
  Text variant_;
  Text folded_;
  std::string utf8_;
  std::string typed_utf8_;
  std::string older_utf8_;  // the readings of an older spelling view it
  std::vector<FormReading> last_readings_;
  std::vector<FormReading> composed_scratch_;
  std::vector<std::string> accented_;
  std::vector<std::uint8_t> dropped_;  // DropEchoes' marks, kept from one lookup to the next
  std::deque<std::string> suggested_;  // what the suggestions view
  std::vector<std::pair<std::string_view, std::string>> prefixes_;  // with their accents folded
};

// The index compiled into the program, and its stored bytes.
const FormIndex& EmbeddedFormIndex();
std::span<const std::uint8_t> EmbeddedFormIndexBlock();

}  // namespace flexoria
