// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/learner_mistakes.h"

#include <algorithm>
#include <array>

#include "lookup/form_enumeration.h"
#include "lookup/typed_form.h"

namespace flexoria {
namespace {

// The regular verbs whose endings a learner puts on any verb.
constexpr std::array<std::string_view, 3> kRegularModels{"hablar", "comer", "vivir"};

// How a reason names a form: «participio irregular de romper».
struct FormNoun {
  std::string_view name;
  std::string_view noun;
};

constexpr std::array<FormNoun, 12> kFormNouns{{
    {"presente", "presente"},
    {"perfecto", "pretérito"},
    {"imperfecto", "imperfecto"},
    {"futuro", "futuro"},
    {"condicional", "condicional"},
    {"subj-presente", "presente de subjuntivo"},
    {"subj-imperfecto-1", "imperfecto de subjuntivo"},
    {"subj-imperfecto-2", "imperfecto de subjuntivo"},
    {"subj-futuro", "futuro de subjuntivo"},
    {"imperativo-afirmativo", "imperativo"},
    {"participio", "participio"},
    {"gerundio", "gerundio"},
}};

std::string_view NounOf(std::string_view name) {
  const auto found = std::ranges::find(kFormNouns, name, &FormNoun::name);
  return found == kFormNouns.end() ? std::string_view() : found->noun;
}

// Letters that sound alike, each way round, with how the right word is
// written: tubieron (tuvieron), hize (hice), llegé (llegué), abía (había).
struct Confusable {
  std::string_view typed;
  std::string_view meant;
  std::string_view reason;
};

constexpr std::array<Confusable, 18> kConfusables{{
    {"b", "v", "se escribe con v"},
    {"v", "b", "se escribe con b"},
    {"y", "ll", "se escribe con ll"},
    {"ll", "y", "se escribe con y"},
    {"z", "c", "se escribe con c"},
    {"c", "z", "se escribe con z"},
    {"s", "c", "se escribe con c"},
    {"s", "z", "se escribe con z"},
    {"c", "s", "se escribe con s"},
    {"z", "s", "se escribe con s"},
    {"j", "g", "se escribe con g"},
    {"g", "j", "se escribe con j"},
    {"c", "qu", "ante e, i se escribe qu"},
    {"k", "qu", "se escribe con qu"},
    {"g", "gu", "ante e, i se escribe gu"},
    {"gu", "gü", "se escribe con diéresis"},
    {"h", "", "se escribe sin h"},
    {"", "h", "se escribe con h"},
}};

constexpr std::u32string_view kLetters = U"abcdefghijklmnñopqrstuvwxyzáéíóúü";

// The sounds a letter change keeps (toqué for tocé, venzo for venco, cojo
// for cogo): the two spellings read alike.
Text Sounds(std::string_view word) {
  Text text;
  FoldAccents(DecodeUtf8(word).value_or(Text()), text);
  Text sounds;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char32_t c = text[at];
    const bool silent_u = (c == U'q' || c == U'g') && at + 2 < text.size() &&
                          text[at + 1] == U'u' && (text[at + 2] == U'e' || text[at + 2] == U'i');
    sounds += c == U'q' || c == U'z' ? U'c' : c == U'j' ? U'g' : c;
    if (silent_u) ++at;
  }
  return sounds;
}

}  // namespace

void LearnerMistakes::Correct(std::string_view word, std::size_t most, bool other_guesses,
                              std::vector<Correction>& out) {
  const std::size_t before = out.size();
  most_ = before + most;
  RegularOfIrregular(word, out);
  PreteriteSlips(word, out);
  ConfusableLetters(word, out);
  // Any other word one letter away is a guess, worth offering only when
  // nothing likelier is.
  if (!other_guesses && out.size() == before) OneEditAway(word, out);
}

void LearnerMistakes::Offer(std::string text, std::string reason,
                            std::vector<Correction>& out) const {
  if (out.size() >= most_ || std::ranges::find(out, text, &Correction::text) != out.end()) return;
  out.push_back({std::move(text), std::move(reason)});
}

const std::vector<LearnerMistakes::RegularEnding>& LearnerMistakes::RegularEndings() {
  if (!endings_.empty()) return endings_;
  for (const std::string_view model : kRegularModels) {
    const Text verb = DecodeUtf8(model).value_or(Text());
    const std::size_t stem = verb.size() - 2;
    ForEachForm(paradigm_, verb, [&](const VerbForm& form) {
      if (!form.before.empty() || !form.after.empty() || NounOf(form.name).empty()) return;
      const Text text = TextOf(form);
      RegularEnding ending{EncodeUtf8(TextView(text).substr(stem)), model.substr(stem), form.name,
                           Text(form.person)};
      const bool known = std::ranges::any_of(endings_, [&](const RegularEnding& other) {
        return other.ending == ending.ending && other.name == ending.name &&
               other.person == ending.person && other.infinitive_ending == ending.infinitive_ending;
      });
      if (!known) endings_.push_back(std::move(ending));
    });
  }
  return endings_;
}

bool LearnerMistakes::IsVerb(const std::string& infinitive) {
  readings_.clear();
  index_.AppendReadings(infinitive, readings_);
  return std::ranges::any_of(readings_, [&](const FormReading& reading) {
    return reading.name == "infinitivo" && reading.verb == infinitive;
  });
}

// The word is a regular verb's ending on an irregular verb's stem: the
// irregular verb's own form for the same form and person.
void LearnerMistakes::RegularOfIrregular(std::string_view word, std::vector<Correction>& out) {
  for (const RegularEnding& ending : RegularEndings()) {
    if (word.size() <= ending.ending.size() || !word.ends_with(ending.ending)) continue;
    std::string infinitive(word.substr(0, word.size() - ending.ending.size()));
    infinitive += ending.infinitive_ending;
    if (!IsVerb(infinitive)) continue;
    const Text sounds = Sounds(word);
    ForEachForm(paradigm_, DecodeUtf8(infinitive).value_or(Text()), [&](const VerbForm& form) {
      if (form.name != ending.name || form.person != ending.person || !form.before.empty() ||
          !form.after.empty()) {
        return;
      }
      std::string meant = EncodeUtf8(TextOf(form));
      if (meant == word) return;
      const bool spelling = Sounds(meant) == sounds;
      std::string reason(NounOf(form.name));
      reason += spelling ? " de " : " irregular de ";
      reason += infinitive;
      if (spelling) reason += ", con la letra que guarda el sonido";
      Offer(std::move(meant), std::move(reason), out);
    });
  }
}

// hicistes for hiciste; dijieron, trajiera for dijeron, trajera.
void LearnerMistakes::PreteriteSlips(std::string_view word, std::vector<Correction>& out) {
  if (word.ends_with("stes")) {
    std::string meant(word.substr(0, word.size() - 1));
    if (index_.Contains(meant)) Offer(std::move(meant), "el pretérito de tú acaba en -ste", out);
  }
  for (std::size_t at = word.find("jie"); at != std::string_view::npos;
       at = word.find("jie", at + 1)) {
    std::string meant = std::string(word.substr(0, at + 1)) + std::string(word.substr(at + 2));
    if (index_.Contains(meant)) Offer(std::move(meant), "tras j, sin i: dijeron, trajera", out);
  }
}

void LearnerMistakes::ConfusableLetters(std::string_view word, std::vector<Correction>& out) {
  for (const Confusable& pair : kConfusables) {
    for (std::size_t at = 0; at <= word.size(); ++at) {
      // An h goes in between characters, never inside one's bytes.
      const bool inside = at < word.size() && (word[at] & 0xC0) == 0x80;
      if (pair.typed.empty() ? inside : word.compare(at, pair.typed.size(), pair.typed) != 0) {
        continue;
      }
      std::string meant = std::string(word.substr(0, at)) + std::string(pair.meant) +
                          std::string(word.substr(at + pair.typed.size()));
      if (index_.Contains(meant)) Offer(std::move(meant), std::string(pair.reason), out);
    }
  }
}

// Any one letter added, dropped, changed, or two swapped.
void LearnerMistakes::OneEditAway(std::string_view word, std::vector<Correction>& out) {
  const Text text = DecodeUtf8(word).value_or(Text());
  Text edited;
  const auto offer = [&](std::string_view reason) {
    std::string meant = EncodeUtf8(edited);
    if (index_.Contains(meant)) Offer(std::move(meant), std::string(reason), out);
  };
  for (std::size_t at = 0; at + 1 < text.size(); ++at) {
    edited = text;
    std::swap(edited[at], edited[at + 1]);
    offer("dos letras trocadas");
  }
  for (std::size_t at = 0; at < text.size(); ++at) {
    edited = text;
    edited.erase(at, 1);
    offer("sobra una letra");
  }
  for (std::size_t at = 0; at < text.size(); ++at) {
    for (const char32_t letter : kLetters) {
      if (letter == text[at]) continue;
      edited = text;
      edited[at] = letter;
      offer("una letra cambiada");
    }
  }
  for (std::size_t at = 0; at <= text.size(); ++at) {
    for (const char32_t letter : kLetters) {
      edited = text;
      edited.insert(at, 1, letter);
      offer("falta una letra");
    }
  }
}

}  // namespace flexoria
