// The reverse of conjugation: from the text of a form to every reading of
// it. The index is built from the engine's own forms (ForEachForm) and kept
// as one block of 32-bit words, so the build can happen once, at build
// time, and the program only looks at the stored block. It holds the
// one-word forms; those of several words come from the rules learnt from
// them (compound_rules.h), checked then against every verb's forms.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/form_enumeration.h"

namespace flexoria {

// One reading of a text, all UTF-8 views into the stored block:
// text == before + stem + ending + after.
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
  // Readings with the same label share name, title, person and pronoun.
  std::uint32_t label = 0;
  std::uint32_t verb_id = 0;
  // Read from the spelling before 2010, which gave one-syllable forms an
  // accent (rió for rio); the lookup sets it, the index never stores one.
  bool older_spelling = false;
};

class FormIndex {
 public:
  // Every form of `verbs`, in their order, as a stored block.
  static std::vector<std::uint32_t> Build(std::span<const IndexedVerb> verbs);

  // Views a stored block, which must outlive the index. A block that does
  // not hold together gives an empty index.
  explicit FormIndex(std::span<const std::uint32_t> block);

  bool empty() const { return key_slots_.empty(); }
  std::size_t text_count() const { return key_folds_.size(); }
  std::size_t reading_count() const { return readings_.size() / 2; }
  std::size_t label_count() const { return labels_.size() / 6; }
  std::size_t rule_count() const { return rules_.size() / 4; }
  std::size_t blocked_count() const { return blocked_.size(); }
  std::size_t exception_count() const { return exception_count_; }

  static constexpr std::uint32_t kNone = 0xFFFFFFFF;

  // The readings of `text` exactly as stored (lower case, one blank between
  // words), appended to `out` in the verbs' order, then the forms'; returns
  // the text's number, or kNone.
  std::uint32_t AppendReadings(std::string_view text, std::vector<FormReading>& out) const;
  // The readings that the rules give a text of several words (lower case,
  // one blank between words), which must outlive them; `last_readings` is
  // room for the last word's. False when none.
  bool AppendComposed(std::string_view text, std::vector<FormReading>& last_readings,
                      std::vector<FormReading>& out) const;
  // The words that the rules put before a last word ("he", "no te"), each once.
  void AppendPrefixes(std::vector<std::string_view>& out) const;
  // The stored copy of `text`; empty when no form reads so.
  std::string_view Stored(std::string_view text) const;

  // The stored texts with accents that read `folded` without them.
  void AppendAccented(std::string_view folded, std::vector<std::string_view>& out) const;
  // The same for a stored text without accents, by its number.
  void AppendAccentedOf(std::uint32_t text, std::vector<std::string_view>& out) const;

 private:
  FormReading Reading(std::uint32_t verb_id, std::uint32_t label_id, std::string_view text,
                      std::size_t before, std::size_t stem, std::size_t ending) const;
  void AppendGroup(std::uint32_t list, std::vector<std::string_view>& out) const;

  std::string_view StringAt(std::uint32_t ref) const;

  std::span<const std::uint32_t> verbs_;
  std::span<const std::uint32_t> labels_;
  std::span<const std::uint32_t> key_folds_;
  std::span<const std::uint32_t> readings_;
  std::span<const std::uint32_t> key_slots_;
  std::span<const std::uint32_t> fold_keys_;
  std::span<const std::uint32_t> fold_slots_;
  std::span<const std::uint32_t> rules_;
  std::span<const std::uint32_t> blocked_;
  std::size_t exception_count_ = 0;
  std::string_view pool_;
};

}  // namespace flexoria
