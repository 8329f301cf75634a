// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogues/stem_change.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>

#include "catalogues/stem_change_tables.h"
#include "core/cell_notation.h"
#include "core/match_kind.h"

namespace flexoria {
namespace {

// The three shapes a changing stem can take, by stress and by whether the
// ending begins with e (which needs g, z, c respelled).
enum StemForm : std::size_t { kStressed, kStressedBeforeE, kUnstressedBeforeE };

struct SlotForm {
  TextSlot slot;
  StemForm form;
};

constexpr std::array<SlotForm, 7> kSlotForms{{
    {&ConjugationState::PresStem1, kStressed},
    {&ConjugationState::PresStem236, kStressed},
    {&ConjugationState::ImperStem, kStressed},
    {&ConjugationState::SubjStem26, kStressedBeforeE},
    {&ConjugationState::SubjStem13, kStressedBeforeE},
    {&ConjugationState::SubjStem45, kUnstressedBeforeE},
    {&ConjugationState::PretStem1, kUnstressedBeforeE},
}};

// What a listed verb's class does: how many final characters it cuts, and
// the fragment of each form; a form without one keeps the regular stem.
struct Rewrite {
  int cut = 0;
  std::array<std::optional<TextView>, 3> fragments;
};

Rewrite RewriteOf(const SingleFormClass& c) { return {c.cut, {c.fragment, c.fragment, {}}}; }

Rewrite RewriteOf(const ThreeFormClass& c) {
  return {c.cut, {c.stressed, c.stressed_before_e, c.unstressed_before_e}};
}

// No fragment is in a cell's notation: the state's HoldsNotation is the
// irregular catalogue's to set.
constexpr bool WritesNoNotation() {
  const auto plain = [](TextView fragment) { return !HoldsNotationMarks(fragment); };
  return std::ranges::all_of(kSingleFormClasses,
                             [&](const SingleFormClass& c) { return plain(c.fragment); }) &&
         std::ranges::all_of(kThreeFormClasses, [&](const ThreeFormClass& c) {
           return plain(c.stressed) && plain(c.stressed_before_e) && plain(c.unstressed_before_e);
         });
}
static_assert(WritesNoNotation());

using RewriteIndex = std::unordered_map<TextView, Rewrite>;

// Keeps the first class that lists a verb, so a lookup answers as a walk of
// the tables in order would.
template <typename Table>
void AddClasses(const Table& table, RewriteIndex& index) {
  for (const auto& c : table) {
    const Rewrite rewrite = RewriteOf(c);
    ForEachInfinitive(c.infinitives, [&](TextView verb) { index.try_emplace(verb, rewrite); });
  }
}

const Rewrite* FindRewrite(TextView verb) {
  static const RewriteIndex index = [] {
    RewriteIndex built;
    AddClasses(kSingleFormClasses, built);
    AddClasses(kThreeFormClasses, built);
    return built;
  }();
  const auto found = index.find(verb);
  return found == index.end() ? nullptr : &found->second;
}

}  // namespace

MatchKind ApplyStemChange(ConjugationState& state, TextView entry_text) {
  const Rewrite* rewrite = FindRewrite(state.Verb);
  if (rewrite == nullptr) return kMatchCleared;
  const TextView prefix = StemPrefix(entry_text, rewrite->cut);
  for (const SlotForm& target : kSlotForms) {
    const auto& fragment = rewrite->fragments[target.form];
    if (fragment) Assign(state.*target.slot, prefix, *fragment);
  }
  return kStemChangeMatched;
}

}  // namespace flexoria
