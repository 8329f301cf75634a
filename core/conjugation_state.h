// SPDX-License-Identifier: GPL-3.0-or-later
// The record through which every stage of a request talks to the next: the
// request fills it with a regular verb's values, the catalogues and the
// spelling rules overwrite what differs, and one writer reads it.
#pragma once

#include <array>
#include <string_view>

#include "core/short_copy.h"
#include "core/text.h"

namespace flexoria {

struct ConjugationState {
  // The verb itself.
  Text Verb;
  Text Stem;
  int EntryLength = 0;
  Text InfEnding;
  Text LineBreak;
  int Found = 0;
  // Whether some value is in the notation of a cell that stands for several
  // forms (irg-/yerg): the irregular catalogue says so as it writes one, so
  // that the many verbs without one need not be searched for it.
  bool HoldsNotation = false;

  // Stems, by tense and person.
  Text PresStem1;
  Text PresStem236;
  Text SubjStem13;
  Text SubjStem26;
  Text SubjStem45;
  Text ImperfStem;
  Text PretStem1;
  Text PretStem245;
  Text PretStem3;
  Text PretStem6;
  Text PastSubjStem;
  Text FutureStem;
  Text ImperStem;
  Text GerundStem;
  Text ParticipleStem;

  // The endings that irregular verbs change; the others are fixed in the writers.
  Text PresEnding1;
  Text PresEnding4Ir;
  Text PresEnding5Ar;
  Text PresEnding5Er;
  Text PretEnding1;
  Text PretEnding2;
  Text PretEnding3;
  Text PretEnding4;
  Text PretEnding5;
  Text PretEnding6;
  Text PastSubjLink;
  Text ParticipleEnding;
  Text ImperEndingAr;
  Text ImperEndingEr;
  Text ImperEndingIr;
  Text GerundEnding;
};

using TextSlot = Text ConjugationState::*;

struct NamedSlot {
  std::string_view name;
  TextSlot slot;
};

// Every stem slot, in record order.
inline constexpr std::array<NamedSlot, 15> kStemSlots{{
    {"PresStem1", &ConjugationState::PresStem1},
    {"PresStem236", &ConjugationState::PresStem236},
    {"SubjStem13", &ConjugationState::SubjStem13},
    {"SubjStem26", &ConjugationState::SubjStem26},
    {"SubjStem45", &ConjugationState::SubjStem45},
    {"ImperfStem", &ConjugationState::ImperfStem},
    {"PretStem1", &ConjugationState::PretStem1},
    {"PretStem245", &ConjugationState::PretStem245},
    {"PretStem3", &ConjugationState::PretStem3},
    {"PretStem6", &ConjugationState::PretStem6},
    {"PastSubjStem", &ConjugationState::PastSubjStem},
    {"FutureStem", &ConjugationState::FutureStem},
    {"ImperStem", &ConjugationState::ImperStem},
    {"GerundStem", &ConjugationState::GerundStem},
    {"ParticipleStem", &ConjugationState::ParticipleStem},
}};

// Every ending slot with its regular value, in record order.
struct EndingSlot {
  std::string_view name;
  TextSlot slot;
  TextView regular;
};

inline constexpr std::array<EndingSlot, 16> kEndingSlots{{
    {"PresEnding1", &ConjugationState::PresEnding1, U"o"},
    {"PresEnding4Ir", &ConjugationState::PresEnding4Ir, U"imos"},
    {"PresEnding5Ar", &ConjugationState::PresEnding5Ar, U"áis"},
    {"PresEnding5Er", &ConjugationState::PresEnding5Er, U"éis"},
    {"PretEnding1", &ConjugationState::PretEnding1, U"í"},
    {"PretEnding2", &ConjugationState::PretEnding2, U"iste"},
    {"PretEnding3", &ConjugationState::PretEnding3, U"ió"},
    {"PretEnding4", &ConjugationState::PretEnding4, U"imos"},
    {"PretEnding5", &ConjugationState::PretEnding5, U"isteis"},
    {"PretEnding6", &ConjugationState::PretEnding6, U"ieron"},
    {"PastSubjLink", &ConjugationState::PastSubjLink, U"i"},
    {"ParticipleEnding", &ConjugationState::ParticipleEnding, U"ido"},
    {"ImperEndingAr", &ConjugationState::ImperEndingAr, U"a"},
    {"ImperEndingEr", &ConjugationState::ImperEndingEr, U"e"},
    {"ImperEndingIr", &ConjugationState::ImperEndingIr, U"id"},
    {"GerundEnding", &ConjugationState::GerundEnding, U"iendo"},
}};

// Looks a stem or ending slot up by name (also "Stem"); null when unknown.
TextSlot FindSlot(std::string_view name);

// The first `keep` characters of `entry`, where 0 means the whole entry, just
// as a length-limited text cell keeps what is assigned to it. A negative
// `keep` is a cut that cannot be made.
// The result views `entry`, so building a slot from it allocates nothing.
class CutFailed {};
TextView CutEntry(TextView entry, int keep);

// The entry less its last `cut` characters, by the rule above.
inline TextView StemPrefix(TextView entry, int cut) {
  return CutEntry(entry, static_cast<int>(entry.size()) - cut);
}

// Assigns prefix + fragment to a slot, keeping the slot's capacity.
// Neither part may view the slot itself.
inline void Assign(Text& slot, TextView prefix, TextView fragment = {}) {
  CopyShortText(slot, prefix, fragment);
}

}  // namespace flexoria
