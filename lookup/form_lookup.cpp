// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/form_lookup.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/trim.h"

namespace flexoria {
namespace {

// Forms that no tense of the table writes, read as the form whose label
// they share.
struct OutsideTable {
  std::string_view text;
  std::string_view like;
  std::string_view verb;
  std::string_view name;
  std::string_view note;
};

constexpr std::array<OutsideTable, 1> kOutsideTable{{
    {"hay", "ha", "haber", "presente", "forma impersonal"},
}};

// Marks that stand around a word in a text and are no part of it.
constexpr std::u32string_view kPunctuation = U"¿¡.,;:!?\"«»()…“”‘’'[]-—";

// Asked of both ends of every word: the ASCII marks come from a table.
constexpr std::array<bool, 0x80> kAsciiPunctuation = [] {
  std::array<bool, 0x80> marks{};
  for (const char32_t c : kPunctuation) {
    if (c < marks.size()) marks.at(c) = true;
  }
  return marks;
}();

// A text of small letters has no mark around it.
static_assert(std::ranges::none_of(kPunctuation, IsSmallLetter));

bool IsPunctuation(char32_t c) {
  if (c < kAsciiPunctuation.size()) return kAsciiPunctuation[c];
  return kPunctuation.find(c) != std::u32string_view::npos;
}

}  // namespace

const Identification& FormLookup::Identify(TextView typed) { return Look(typed, true); }

const Identification& FormLookup::Read(TextView typed) { return Look(typed, false); }

const Identification& FormLookup::Look(TextView typed, bool suggest) {
  answer_.readings.clear();
  answer_.suggestions.clear();
  answer_.reasons.clear();
  suggested_.clear();
  kept_.clear();
  const bool own_key = IsIndexKey(typed);
  if (own_key) {
    answer_.problem = TypedFormProblem::kNone;
    as_typed_.assign(typed);
    key_.assign(typed);
  } else if (!MakeKey(typed)) {
    return answer_;
  }
  typed_utf8_.clear();
  AppendUtf8(key_, typed_utf8_);
  const bool exact = index_.AppendReadings(typed_utf8_, answer_.readings);
  const bool several = key_.find(U' ') != Text::npos;
  const bool composed =
      several && index_.AppendComposed(typed_utf8_, last_readings_, answer_.readings);
  const bool older = !exact && !composed && ReadOlderSpelling(several);
  const std::size_t plain = answer_.readings.size();
  if (several) {
    clitics_.AppendPlaced(typed_utf8_, answer_.readings, kept_);
  } else {
    AppendOutsideTable(typed_utf8_);
    clitics_.AppendJoined(typed_utf8_, answer_.readings, kept_);
  }
  // A form with pronouns is found as surely as a plain one.
  const bool with_pronouns = answer_.readings.size() > plain;
  DropEchoes();
  if (!suggest) return answer_;
  if (!exact && !composed && !older && !with_pronouns) {
    SuggestAccented(key_);
    if (several) SuggestComposed();
  }
  if (!own_key && UndoKeyRemaps(as_typed_, variant_)) {
    utf8_.clear();
    AppendUtf8(variant_, utf8_);
    if (index_.Contains(utf8_)) Suggest(utf8_);
    const Text letters = variant_;
    SuggestAccented(letters);
  }
  KeepEachSuggestionOnce();
  if (answer_.readings.empty() && !several &&
      answer_.suggestions.size() < Identification::kMostSuggestions) {
    corrections_.clear();
    learner_.Correct(typed_utf8_, Identification::kMostSuggestions - answer_.suggestions.size(),
                     !answer_.suggestions.empty(), corrections_);
    for (Correction& correction : corrections_) {
      Suggest(std::move(correction.text), std::move(correction.reason));
    }
    KeepEachSuggestionOnce();
  }
  return answer_;
}

// The text as typed, normalised, and its key: the same without the marks
// around it. False, with the problem in the answer, when it reads as no form.
bool FormLookup::MakeKey(TextView typed) {
  answer_.problem = NormalizeTypedForm(typed, as_typed_);
  if (answer_.problem != TypedFormProblem::kNone) return false;
  TextView word(as_typed_);
  while (!word.empty() && IsPunctuation(word.front())) word.remove_prefix(1);
  while (!word.empty() && IsPunctuation(word.back())) word.remove_suffix(1);
  // What is left is normalised already but for blanks the marks stood between.
  word = Trimmed(word, U" ");
  key_.assign(word.empty() ? TextView(as_typed_) : word);
  return true;
}

// Each suggestion once, with its first reason; the typed text itself never.
void FormLookup::KeepEachSuggestionOnce() {
  auto& list = answer_.suggestions;
  auto& reasons = answer_.reasons;
  std::size_t kept = 0;
  for (std::size_t at = 0; at < list.size(); ++at) {
    const std::span<const std::string_view> earlier(list.data(), kept);
    const bool seen =
        list[at] == typed_utf8_ || std::ranges::find(earlier, list[at]) != earlier.end();
    if (seen || kept == Identification::kMostSuggestions) continue;
    list[kept] = list[at];
    reasons[kept++] = reasons[at];
  }
  list.resize(kept);
  reasons.resize(kept);
}

void FormLookup::AppendOutsideTable(std::string_view word) {
  for (const OutsideTable& form : kOutsideTable) {
    if (form.text != word) continue;
    last_readings_.clear();
    index_.AppendReadings(form.like, last_readings_);
    for (FormReading reading : last_readings_) {
      if (reading.verb != form.verb || reading.name != form.name) continue;
      reading.text = reading.stem = form.text;
      reading.before = reading.ending = reading.after = {};
      reading.note = form.note;
      answer_.readings.push_back(reading);
    }
  }
}

// The same form read twice says nothing new: the window's Imperativo beside
// the Imperativo afirmativo, a plain verb with the pronoun that a pronominal
// verb's same form has as its own («me lavo», lávatelo; «te fuiste» is irse,
// not ser + te), one reading found two ways.
void FormLookup::DropEchoes() {
  auto& readings = answer_.readings;
  if (readings.size() < 2) return;  // one reading echoes nothing
  const auto echoes = [&](const FormReading& reading) {
    const bool imperative = reading.name == "imperativo";
    const bool own_pronoun = !reading.pronouns.empty() && (reading.verb_id & 1) == 0 &&
                             (reading.pronouns.size() == 2 || !reading.pronouns.starts_with("se"));
    // Most readings are neither, and echo nothing.
    if (!imperative && !own_pronoun) return false;
    return std::ranges::any_of(readings, [&](const FormReading& other) {
      if (&other == &reading || other.person != reading.person) return false;
      if (imperative) {
        return other.name == "imperativo-afirmativo" && other.verb_id == reading.verb_id &&
               other.text == reading.text;
      }
      return (other.verb_id & 1) != 0 && other.name == reading.name;
    });
  };
  std::vector<std::uint8_t>& dropped = dropped_;
  dropped.assign(readings.size(), 0);
  for (std::size_t at = 0; at < readings.size(); ++at) {
    dropped[at] = echoes(readings[at]) ? 1 : 0;
    for (std::size_t earlier = 0; earlier < at && dropped[at] == 0; ++earlier) {
      const FormReading& a = readings[earlier];
      const FormReading& b = readings[at];
      dropped[at] = a.verb_id == b.verb_id && a.label == b.label && a.text == b.text &&
                    a.pronouns == b.pronouns;
    }
  }
  std::size_t kept = 0;
  for (std::size_t at = 0; at < readings.size(); ++at) {
    if (dropped[at] == 0) readings[kept++] = readings[at];
  }
  readings.resize(kept);
}

void FormLookup::Suggest(std::string text, std::string reason) {
  answer_.suggestions.push_back(suggested_.emplace_back(std::move(text)));
  answer_.reasons.push_back(suggested_.emplace_back(std::move(reason)));
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
    answer_.readings[at].note = kOlderSpellingNote;
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
