// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/form_enumeration.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "catalogues/irregular_entries.h"
#include "catalogues/stem_change_tables.h"
#include "core/enclitics.h"
#include "engine/form_table.h"
#include "engine/full_paradigm.h"
#include "lexicon/pronominal_verbs.h"
#include "lexicon/word_lists.h"

namespace flexoria {
namespace {

constexpr TextView kPronominalTail = U"se";

void VisitLexiconWords(std::unordered_set<TextView>& seen, std::vector<IndexedVerb>& verbs) {
  for (const WordList& list : WordLists()) {
    for (TextView word : list.words) {
      if (seen.insert(word).second) verbs.push_back({word, true, HasPronominalUse(word)});
    }
  }
}

void VisitCatalogueWords(std::unordered_set<TextView>& seen, std::vector<IndexedVerb>& verbs) {
  const auto add = [&](TextView word) {
    if (seen.insert(word).second) verbs.push_back({word, false, HasPronominalUse(word)});
  };
  for (const auto& group : kSingleFormClasses) ForEachInfinitive(group.infinitives, add);
  for (const auto& group : kThreeFormClasses) ForEachInfinitive(group.infinitives, add);
  const auto add_test = [&](const irregular::VerbTest& test) {
    if (test.kind == irregular::TestKind::kWord) add(test.tail);
    for (TextView word : test.words) add(word);
  };
  for (const irregular::CatalogueEntry& entry : irregular::kIrregularEntries) {
    add_test(entry.test);
    for (const irregular::SubEntry& sub : entry.sub_entries) add_test(sub.test);
  }
}

}  // namespace

std::uint8_t FormLabel(std::size_t form, int person) {
  // yo, tú, él, nosotros, vosotros, ellos, vos; none
  constexpr std::array<std::uint8_t, 8> kPersonOrder{0, 1, 3, 4, 5, 6, 2, 7};
  const std::size_t at = person == kNoPerson ? 7 : static_cast<std::size_t>(person);
  return static_cast<std::uint8_t>(form * 8 + kPersonOrder[at]);
}

Text TextOf(const VerbForm& form) {
  Text text;
  text.append(form.before).append(form.stem).append(form.ending).append(form.after);
  return text;
}

std::vector<IndexedVerb> IndexedVerbs() {
  std::vector<IndexedVerb> verbs;
  std::unordered_set<TextView> seen;
  VisitLexiconWords(seen, verbs);
  VisitCatalogueWords(seen, verbs);
  return verbs;
}

Text PronominalOf(TextView infinitive) { return Text(infinitive) + Text(kPronominalTail); }

void ForEachForm(FullParadigm& paradigm, TextView verb,
                 const std::function<void(const VerbForm&)>& visit) {
  const FullParadigmResult& result = paradigm.Conjugate(verb, true);
  const TextView bare =
      result.pronominal ? verb.substr(0, verb.size() - kPronominalTail.size()) : verb;
  std::vector<std::pair<Text, Text>> spelled;  // the forms a cell's notation spells
  std::vector<std::pair<TextView, TextView>> alternatives;
  Text joined, text;
  for (const FullForm& shown : result.Forms()) {
    const bool attached = shown.form->clitic == CliticPlace::kJoinedAfter;
    for (const FullRow& row : shown.Rows()) {
      // A pronominal verb's forms without a pronoun (lavado) are the plain verb's.
      if (result.pronominal && row.clitic.empty()) continue;
      VerbForm form{
          shown.form->name,
          shown.form->title,
          row.person_label,
          row.pronoun,
          {},
          {},
          {},
          {},
          row.auxiliary,
          row.clitic,
          FormLabel(static_cast<std::size_t>(shown.form - FullParadigmForms().data()), row.person)};
      alternatives.clear();
      const bool plain_cell = IsPlainCell(row.stem, row.ending);
      if (plain_cell) {
        alternatives.emplace_back(row.stem, row.ending);
      } else {
        spelled.clear();
        ForEachAlternative(row.stem, row.ending, [&](TextView stem, TextView ending) {
          spelled.emplace_back(stem, ending);
        });
        for (const auto& [stem, ending] : spelled) alternatives.emplace_back(stem, ending);
      }
      const bool plain =
          plain_cell || (alternatives.size() == 1 && alternatives[0].first == row.stem &&
                         alternatives[0].second == row.ending);
      if (!attached || row.clitic.empty()) {
        const std::size_t before = row.before.size();
        form.before = row.before;
        for (const auto& [stem, ending] : alternatives) {
          form.stem = stem;
          form.ending = ending;
          visit(form);
        }
        // "he impreso" beside "he imprimido": the same words before it. A
        // cell's notation gave its forms above.
        if (plain) {
          for (const TextView other : row.also) {
            form.stem = other.substr(before);
            form.ending = {};
            visit(form);
          }
        }
        continue;
      }
      // lávate: the pronoun moves the accent and may drop a letter, so the
      // ending is where the engine says it stands.
      for (const auto& [stem, ending] : alternatives) {
        std::size_t ending_length = row.ending_length;
        if (!plain) {
          joined.assign(stem).append(ending);
          const std::size_t dropped = AttachEnclitic(bare, joined, row.clitic, text);
          ending_length = ending.size() - std::min(dropped, ending.size());
        } else {
          text = row.text;
        }
        const TextView whole(text);
        form.stem = whole.substr(0, stem.size());
        form.ending = whole.substr(stem.size(), ending_length);
        form.after = whole.substr(stem.size() + ending_length);
        visit(form);
      }
    }
  }
}

}  // namespace flexoria
