// Identifying a form as typed: its exact readings first, then the stored
// forms it may have meant (the same letters with accents, or with the
// window's remapped keys read as the letters they type).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "engine/form_index.h"
#include "engine/typed_form.h"

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
  std::uint32_t ReadOlderSpelling(bool several);
  void SuggestAccented(TextView text);
  void SuggestComposed();

  static constexpr std::uint32_t kComposed = FormIndex::kNone - 1;

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
  std::deque<std::string> composed_texts_;                          // suggestions the rules made
  std::vector<std::pair<std::string_view, std::string>> prefixes_;  // with their accents folded
};

// The index compiled into the program.
const FormIndex& EmbeddedFormIndex();

}  // namespace flexoria
