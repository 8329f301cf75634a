// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/clitic_reading.h"

#include <algorithm>
#include <array>

#include "core/enclitics.h"
#include "lookup/typed_form.h"

namespace flexoria {

// The object pronouns, and where each stands when two go together: se
// first, then te and os, then me and nos, then the third person's (se lo
// doy, te lo digo, me la das, se te olvida, no te me vayas).
struct ObjectPronoun {
  std::string_view text;
  int place;
};

namespace {

constexpr std::array<ObjectPronoun, 11> kPronouns{{
    {"se", 0},
    {"te", 1},
    {"os", 1},
    {"me", 2},
    {"nos", 2},
    {"lo", 3},
    {"la", 3},
    {"los", 3},
    {"las", 3},
    {"le", 3},
    {"les", 3},
}};

// The letters the pronouns end in, each once.
constexpr std::string_view kPronounLastLetters = "eosa";
static_assert(std::ranges::all_of(kPronouns, [](const ObjectPronoun& pronoun) {
  return kPronounLastLetters.find(pronoun.text.back()) != std::string_view::npos;
}));

const ObjectPronoun* PronounOf(std::string_view word) {
  const auto found = std::ranges::find(kPronouns, word, &ObjectPronoun::text);
  return found == kPronouns.end() ? nullptr : &*found;
}

bool GoTogether(const ObjectPronoun& first, const ObjectPronoun& second) {
  return first.place < second.place;
}

// The forms a pronoun joins, and the forms it goes before.
bool TakesJoined(std::string_view name) {
  return name == "imperativo-afirmativo" || name == "infinitivo" || name == "gerundio";
}

bool TakesPlaced(std::string_view name) {
  return !TakesJoined(name) && name != "imperativo" && name != "participio";
}

// os is vosotros' pronoun, and vos takes te: «sentaos», «sentate».
bool PersonTakes(std::string_view person, std::string_view pronouns) {
  return person != "vos" || !pronouns.starts_with("os");
}

std::string_view Kept(std::deque<std::string>& keep, std::string text) {
  return keep.emplace_back(std::move(text));
}

// `reading` with its text and that text's parts viewing `copy`, which holds
// the same bytes elsewhere.
FormReading ViewingCopy(const FormReading& reading, std::string_view copy) {
  FormReading moved = reading;
  const auto view = [&](std::string_view part) {
    return copy.substr(static_cast<std::size_t>(part.data() - reading.text.data()), part.size());
  };
  moved.text = copy;
  moved.before = view(reading.before);
  moved.stem = view(reading.stem);
  moved.ending = view(reading.ending);
  moved.after = view(reading.after);
  return moved;
}

}  // namespace

void CliticReader::AppendJoined(std::string_view word, std::vector<FormReading>& out,
                                std::deque<std::string>& keep) {
  // Most words end in a letter that ends no pronoun.
  if (word.empty() || kPronounLastLetters.find(word.back()) == std::string_view::npos) return;
  for (const ObjectPronoun& last : kPronouns) {
    // The last letter first: most words end in none of the pronouns' letters.
    if (word.size() <= last.text.size() || word.back() != last.text.back() ||
        !word.ends_with(last.text)) {
      continue;
    }
    const std::string_view before_last = word.substr(0, word.size() - last.text.size());
    ReadJoined(word, before_last.size(), nullptr, last, out, keep);
    for (const ObjectPronoun& first : kPronouns) {
      if (!GoTogether(first, last) || before_last.size() <= first.text.size() ||
          !before_last.ends_with(first.text)) {
        continue;
      }
      ReadJoined(word, before_last.size() - first.text.size(), &first, last, out, keep);
    }
  }
}

// The join drops the s of -mos before nos and se and the d of -d before os,
// and moves the accent: the plain form is the bare letters, or those with
// the dropped letter back, with any accents the index has for them.
void CliticReader::ReadJoined(std::string_view word, std::size_t bare, const ObjectPronoun* first,
                              const ObjectPronoun& last, std::vector<FormReading>& out,
                              std::deque<std::string>& keep) {
  const std::string_view pronouns = word.substr(bare);
  char dropped = '\0';
  if (pronouns.starts_with("nos") || pronouns.starts_with("se")) {
    dropped = 's';
  } else if (pronouns.starts_with("os")) {
    dropped = 'd';
  }
  Joining joining{word, pronouns, first, last, {}};
  FoldAccents(word.substr(0, bare), folded_utf8_);
  spellings_.clear();
  restored_.clear();
  index_.AppendSpellings(folded_utf8_, dropped, spellings_, restored_);
  for (const std::string& spelling : spellings_) ReadSpelling(spelling, joining, out, keep);
  for (const std::string& spelling : restored_) ReadSpelling(spelling, joining, out, keep);
}

// The readings of `spelling` that joining the pronouns writes as the word.
void CliticReader::ReadSpelling(std::string_view spelling, Joining& joining,
                                std::vector<FormReading>& out, std::deque<std::string>& keep) {
  found_.clear();
  if (!index_.AppendReadings(spelling, found_)) return;
  std::string_view kept;  // the spelling, copied where the readings may view it
  for (const FormReading& reading : found_) {
    if (!TakesJoined(reading.name) || !PersonTakes(reading.person, joining.pronouns)) continue;
    // ir's own rule (idos) is found by the plain verb's name.
    const std::string_view verb =
        (reading.verb_id & 1) != 0 ? reading.verb.substr(0, reading.verb.size() - 2) : reading.verb;
    if (!DecodeUtf8(verb, verb_) || !DecodeUtf8(reading.text, bare_) ||
        !DecodeUtf8(joining.pronouns, pronouns_)) {
      continue;
    }
    AttachEnclitic(verb_, bare_, pronouns_, joined_);
    joined_utf8_.clear();
    AppendUtf8(joined_, joined_utf8_);
    if (joined_utf8_ != joining.word) continue;
    if (kept.empty()) kept = Kept(keep, std::string(spelling));
    out.push_back(ViewingCopy(reading, kept));
    out.back().pronouns = joining.Named(keep);
  }
}

std::string_view CliticReader::Joining::Named(std::deque<std::string>& keep) {
  if (named.empty()) {
    named = first == nullptr
                ? last.text
                : Kept(keep, std::string(first->text) + " + " + std::string(last.text));
  }
  return named;
}

// [no] pronoun [pronoun] form...: the pronouns named, or the first one the
// pronominal verb's own («me lo lavo»: lavarse + lo).
void CliticReader::AppendPlaced(std::string_view words, std::vector<FormReading>& out,
                                std::deque<std::string>& keep) {
  std::vector<std::string_view>& split = split_;  // kept from one call to the next
  split.clear();
  for (std::size_t at = 0; at <= words.size();) {
    const std::size_t blank = std::min(words.find(' ', at), words.size());
    split.push_back(words.substr(at, blank - at));
    at = blank + 1;
  }
  std::size_t next = split.front() == "no" ? 1 : 0;
  const std::string negation = next == 1 ? "no " : "";
  std::array<const ObjectPronoun*, 2> pronouns{};
  std::size_t count = 0;
  while (count < 2 && next + 1 < split.size() && PronounOf(split[next]) != nullptr) {
    pronouns[count++] = PronounOf(split[next++]);
  }
  if (count == 0 || (count == 2 && !GoTogether(*pronouns[0], *pronouns[1]))) return;
  const std::string_view verb_words = words.substr(split[next].data() - words.data());
  std::string named(pronouns[0]->text);
  if (count == 2) named.append(" + ").append(pronouns[1]->text);
  const std::size_t before = out.size();
  ReadPlaced(Kept(keep, negation + std::string(verb_words)), Kept(keep, named), false, out);
  if (out.size() == before && !negation.empty()) {
    ReadPlaced(verb_words, Kept(keep, named), false, out);
  }
  if (count == 2) {
    const std::string own =
        negation + std::string(pronouns[0]->text) + " " + std::string(verb_words);
    ReadPlaced(Kept(keep, own), pronouns[1]->text, true, out);
  }
}

void CliticReader::ReadPlaced(std::string_view rest, std::string_view named, bool own_pronoun,
                              std::vector<FormReading>& out) {
  found_.clear();
  if (rest.find(' ') == std::string_view::npos) {
    index_.AppendReadings(rest, found_);
  } else {
    index_.AppendComposed(rest, last_, found_);
  }
  for (FormReading& reading : found_) {
    if (own_pronoun != ((reading.verb_id & 1) != 0) || !TakesPlaced(reading.name)) continue;
    reading.pronouns = named;
    out.push_back(reading);
  }
}

}  // namespace flexoria
