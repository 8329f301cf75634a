// SPDX-License-Identifier: GPL-3.0-or-later
// The reverse of conjugation: from the text of a form to every reading of
// it. The index is built from the engine's own forms (ForEachForm) once,
// when the program is built, and the program only walks the stored block.
//
// Each one-word reading is one string of a minimal automaton
// (minimal_automaton.h):
//   the form's UTF-8, 0,
//   the verb as an edit of the form: the bytes cut from its end, then the
//   bytes added (no 0 among them), 0,
//   the label: its number (FormLabel), the ending's bytes with bit 7 set
//   for a pronominal verb, and the bytes after the ending (a joined pronoun).
// "cantábamos" gives its verb by "cut 7, add ar", as every regular verb of
// its model does, so the automaton keeps that tail once for all of them.
// A table of the verbs sorted by their text turns the edited text into the
// verb, with whether the lexicon lists it and its place in the lexicon's
// order, by which the readings of a text come out. The forms of several
// words are not stored: the rules that the table of forms declares
// (compound_rules.h) make them from their last word.
//
// The block, little-endian:
//   header: 8 words of 32 bits: magic, the counts of verbs, labels and
//     rules, the automaton's and the pool's bytes, the verbs' slots, 0;
//   verbs, 8 bytes each, sorted by their text: where "<verb>se" is in the
//     pool (32 bits), whether the lexicon lists it (8), whether it has a
//     pronominal use (8), its place in the lexicon's order (16);
//   the verbs' slots, a power of two of them, 16 bits each: a verb's number
//     + 1 or 0, placed by open addressing on VerbHash of the plain verb;
//   labels, 6 pool offsets each (32 bits): name, title, person, pronoun,
//     auxiliary, the pronominal verb's pronoun;
//   rules, 8 bytes each, sorted: the prefix's pool offset (32), the last
//     word's label, the form's label, pronominal, 0;
//   the automaton; the pool: each string a length byte, then its UTF-8.
// Limits: 255 labels, 65,535 verbs, 255 bytes cut or added, 127 bytes of
// ending, 64 readings of one text, a 16 MB automaton; the generator fails
// the build when a form goes beyond them. The trade-off: a lookup walks a
// form's bytes arc by arc and searches the verbs' table for each reading,
// where a hash table of every text answered sooner but took ninety times
// the room (46 MB against half a megabyte).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/minimal_automaton.h"

namespace flexoria {

// One reading of a text, all UTF-8: text == before + stem + ending + after.
// `text` and its parts view the text that was looked up; the rest views the
// stored block.
struct FormReading {
  std::string_view verb;
  bool in_lexicon = true;
  std::string_view name;
  std::string_view title;
  std::string_view person;
  std::string_view pronoun;
  std::string_view text;
  std::string_view before;
  std::string_view stem;
  std::string_view ending;
  std::string_view after;
  std::string_view auxiliary;  // haber's form in a compound tense
  std::string_view clitic;     // a pronominal verb's pronoun
  std::uint32_t label = 0;
  std::uint32_t verb_id = 0;  // the verb's place in the lexicon's order, twice, +1 if pronominal
  // Pronouns that go with the form as written but are no part of it
  // ("me + lo" of dímelo, "se + lo" of «se lo dije»), and a word on how the
  // reading was found: outside the table of forms (hay), or read from the
  // spelling before 2010, which gave one-syllable forms an accent (rió for
  // rio). The lookup sets both; the index never stores one.
  std::string_view pronouns;
  std::string_view note;
};

class FormIndex {
 public:
  // Views a stored block, which must outlive the index. A block that does
  // not hold together is refused: the index is then empty and `error()`
  // says why, in words for the user.
  explicit FormIndex(std::span<const std::uint8_t> block);

  bool empty() const { return automaton_.empty(); }
  const std::string& error() const { return error_; }
  std::size_t verb_count() const { return verb_count_; }
  std::size_t label_count() const { return label_count_; }
  std::size_t rule_count() const { return rule_count_; }
  std::size_t automaton_bytes() const { return automaton_.size_bytes(); }

  static constexpr std::size_t kMostReadings = 64;

  // The readings of `text` exactly as stored (lower case, one blank between
  // words), appended to `out` in the verbs' order, then the forms'; `text`
  // must outlive them. False when there are none.
  bool AppendReadings(std::string_view text, std::vector<FormReading>& out) const;
  // Whether `text` is stored as it is.
  bool Contains(std::string_view text) const;
  // The readings that the rules give a text of several words; `last_readings`
  // is room for the last word's. False when none.
  bool AppendComposed(std::string_view text, std::vector<FormReading>& last_readings,
                      std::vector<FormReading>& out) const;
  // Whether Spanish uses the plain verb `verb` with a pronoun of its own
  // (lavar; not ser).
  bool HasPronominalUse(std::string_view verb) const;
  // The words that the rules put before a last word ("he", "no te"), each once.
  void AppendPrefixes(std::vector<std::string_view>& out) const;

  // The stored texts that read `folded` when their accents and diaereses
  // are dropped and ñ is written n, and that have some of those marks,
  // appended to `out` in the order of their first reading.
  void AppendAccented(std::string_view folded, std::vector<std::string>& out) const;
  // Every stored text that reads `folded` so, the one without marks first,
  // then those of AppendAccented; and the same for `folded` + `extra` into
  // `extended`, unless `extra` is 0. One walk serves both.
  void AppendSpellings(std::string_view folded, char extra, std::vector<std::string>& out,
                       std::vector<std::string>& extended) const;

 private:
  struct Verb {
    std::string_view pronominal;  // "lavarse"; the plain verb is all but its last two bytes
    bool in_lexicon;
    bool pronominal_use;  // whether Spanish uses it with a pronoun (lavarse; not serse)
    std::uint32_t place;
  };
  bool Read(std::span<const std::uint8_t> block);
  Verb VerbAt(std::size_t verb) const;
  std::size_t SlotAt(std::size_t slot) const;
  // The verb whose plain text is head + added, or verb_count_.
  std::size_t FindVerb(std::string_view head, std::string_view added) const;
  std::string_view StringAt(std::uint32_t offset) const;
  FormReading Reading(const Verb& verb, bool pronominal, std::uint32_t label, std::string_view text,
                      std::size_t before, std::size_t ending, std::size_t after) const;
  template <typename Visit>
  void ForEachTail(std::uint32_t state, Visit visit) const;
  template <typename Visit>
  void ForEachSpelling(std::string_view folded, char extra, Visit visit) const;
  void RankByFirstReading(std::vector<std::string>& texts, std::size_t from) const;
  std::string_view RulePrefix(std::size_t rule) const;
  // The rules with one prefix: they stand together, the rules being sorted.
  struct RuleRange {
    std::string_view prefix;
    std::uint32_t first = 0;
    std::uint32_t end = 0;  // 0 for an empty slot
  };
  void PlaceRuleRanges();
  const RuleRange* RulesAfter(std::string_view prefix) const;

  std::string error_;
  std::size_t verb_count_ = 0;
  std::size_t label_count_ = 0;
  std::size_t rule_count_ = 0;
  std::span<const std::uint8_t> verbs_;
  std::span<const std::uint8_t> verb_slots_;
  std::span<const std::uint8_t> labels_;
  std::vector<std::string_view> label_texts_;  // the labels' strings, read once
  std::span<const std::uint8_t> rules_;
  std::vector<RuleRange> rule_slots_;  // by the prefix's hash, a power of two of them
  Automaton automaton_;
  std::string_view pool_;
};

}  // namespace flexoria
