#include "lookup/form_lookup.h"

#include <algorithm>

namespace flexoria {

const Identification& FormLookup::Identify(TextView typed) {
  answer_.readings.clear();
  answer_.suggestions.clear();
  suggested_.clear();
  answer_.problem = NormalizeTypedForm(typed, key_);
  if (answer_.problem != TypedFormProblem::kNone) return answer_;
  typed_utf8_.clear();
  AppendUtf8(key_, typed_utf8_);
  const bool exact = index_.AppendReadings(typed_utf8_, answer_.readings, &path_);
  const bool several = key_.find(U' ') != Text::npos;
  const bool composed =
      several && index_.AppendComposed(typed_utf8_, last_readings_, answer_.readings);
  const bool older = !exact && !composed && ReadOlderSpelling(several);
  // A form typed with its accents and found needs no other accents.
  FoldAccents(key_, folded_);
  if (!exact && !composed && !older) {
    SuggestAccented(key_);
    if (several) SuggestComposed();
  } else if (folded_ == key_ && exact) {
    accented_.clear();
    index_.AppendAccented(typed_utf8_, accented_, &path_);
    for (std::string& found : accented_) Suggest(std::move(found));
  }
  if (UndoKeyRemaps(key_, variant_)) {
    utf8_.clear();
    AppendUtf8(variant_, utf8_);
    if (index_.Contains(utf8_)) Suggest(utf8_);
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

void FormLookup::Suggest(std::string text) {
  answer_.suggestions.push_back(suggested_.emplace_back(std::move(text)));
}

// "se rió", as written before 2010: the readings of "se rio", marked as
// read from the older spelling, which is never suggested.
bool FormLookup::ReadOlderSpelling(bool several) {
  if (!RespellOneSyllableWords(key_, variant_)) return false;
  older_utf8_.clear();
  AppendUtf8(variant_, older_utf8_);
  const std::size_t first = answer_.readings.size();
  const bool exact = index_.AppendReadings(older_utf8_, answer_.readings);
  const bool composed =
      several && index_.AppendComposed(older_utf8_, last_readings_, answer_.readings);
  for (std::size_t at = first; at < answer_.readings.size(); ++at) {
    answer_.readings[at].older_spelling = true;
  }
  return exact || composed;
}

// "habia tenido": the few words that go before a last one, and the last
// word, each with its accents, as long as together they make a form.
void FormLookup::SuggestComposed() {
  if (prefixes_.empty()) {
    std::vector<std::string_view> prefixes;
    index_.AppendPrefixes(prefixes);
    Text folded;
    for (const std::string_view prefix : prefixes) {
      FoldAccents(DecodeUtf8(prefix).value_or(Text()), folded);
      prefixes_.emplace_back(prefix, EncodeUtf8(folded));
    }
  }
  const std::size_t blank = typed_utf8_.rfind(' ');
  const std::string_view typed_prefix = std::string_view(typed_utf8_).substr(0, blank);
  const std::string last = typed_utf8_.substr(blank + 1);
  FoldAccents(DecodeUtf8(typed_prefix).value_or(Text()), folded_);
  const std::string folded_prefix = EncodeUtf8(folded_);
  std::vector<std::string> lasts;
  if (index_.Contains(last)) lasts.push_back(last);
  FoldAccents(DecodeUtf8(last).value_or(Text()), folded_);
  index_.AppendAccented(EncodeUtf8(folded_), lasts);
  for (const auto& [prefix, folded] : prefixes_) {
    if (folded != folded_prefix) continue;
    for (const std::string& word : lasts) {
      std::string candidate = std::string(prefix) + " " + word;
      composed_scratch_.clear();
      if (!index_.AppendComposed(candidate, last_readings_, composed_scratch_)) continue;
      Suggest(std::move(candidate));
    }
  }
}

void FormLookup::SuggestAccented(TextView text) {
  FoldAccents(text, folded_);
  utf8_.clear();
  AppendUtf8(folded_, utf8_);
  accented_.clear();
  index_.AppendAccented(utf8_, accented_);
  for (std::string& found : accented_) Suggest(std::move(found));
}

}  // namespace flexoria
