// Identifying a form as typed: its exact readings first, then the stored
// forms it may have meant (the same letters with accents, or with the
// window's remapped keys read as the letters they type).
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/form_index.h"
#include "lookup/typed_form.h"

namespace flexoria {

struct Identification {
  TypedFormProblem problem = TypedFormProblem::kNone;
  std::vector<FormReading> readings;
  std::vector<std::string_view> suggestions;

  bool found() const { return !readings.empty() || !suggestions.empty(); }
};

// Keeps its buffers from one form to the next, for long batches.
class FormLookup {
 public:
  explicit FormLookup(const FormIndex& index) : index_(index) {}

  // The answer stays valid until the next call.
  const Identification& Identify(TextView typed);

 private:
  bool ReadOlderSpelling(bool several);
  void SuggestAccented(TextView text);
  void SuggestComposed();
  void Suggest(std::string text);

  const FormIndex& index_;
  Identification answer_;
  Text key_;
  Text variant_;
  Text folded_;
  std::string utf8_;
  std::string typed_utf8_;
  std::string older_utf8_;  // the readings of an older spelling view it
  std::vector<FormReading> last_readings_;
  std::vector<FormReading> composed_scratch_;
  std::vector<std::string> accented_;
  FormIndex::Path path_;
  std::deque<std::string> suggested_;                               // what the suggestions view
  std::vector<std::pair<std::string_view, std::string>> prefixes_;  // with their accents folded
};

// The index compiled into the program, and its stored bytes.
const FormIndex& EmbeddedFormIndex();
std::span<const std::uint8_t> EmbeddedFormIndexBlock();

}  // namespace flexoria
