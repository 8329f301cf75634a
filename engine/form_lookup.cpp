#include "engine/form_lookup.h"

#include <algorithm>

namespace flexoria {

const Identification& FormLookup::Identify(TextView typed) {
  answer_.readings.clear();
  answer_.suggestions.clear();
  answer_.problem = NormalizeTypedForm(typed, key_);
  if (answer_.problem != TypedFormProblem::kNone) return answer_;
  typed_utf8_.clear();
  AppendUtf8(key_, typed_utf8_);
  const std::uint32_t found = index_.AppendReadings(typed_utf8_, answer_.readings);
  // A form typed with its accents and found needs no other accents.
  FoldAccents(key_, folded_);
  if (found == FormIndex::kNone) {
    SuggestAccented(key_);
  } else if (folded_ == key_) {
    index_.AppendAccentedOf(found, answer_.suggestions);
  }
  if (UndoKeyRemaps(key_, variant_)) {
    utf8_.clear();
    AppendUtf8(variant_, utf8_);
    const std::string_view stored = index_.Stored(utf8_);
    if (!stored.empty()) answer_.suggestions.push_back(stored);
    const Text letters = variant_;
    SuggestAccented(letters);
  }
  // Each suggestion once, the typed text itself never.
  auto& list = answer_.suggestions;
  std::erase(list, std::string_view(typed_utf8_));
  for (auto at = list.begin(); at != list.end(); ++at) {
    list.erase(std::remove(at + 1, list.end(), *at), list.end());
  }
  return answer_;
}

void FormLookup::SuggestAccented(TextView text) {
  FoldAccents(text, folded_);
  utf8_.clear();
  AppendUtf8(folded_, utf8_);
  index_.AppendAccented(utf8_, answer_.suggestions);
}

}  // namespace flexoria
