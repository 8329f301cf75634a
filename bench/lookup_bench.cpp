// SPDX-License-Identifier: GPL-3.0-or-later
// The three look-ups of a request on their own: lexicon, stem changes,
// irregular verbs; each for a listed and an unlisted word.
#include <benchmark/benchmark.h>

#include "catalogues/irregular_catalogue.h"
#include "catalogues/stem_change.h"
#include "core/regular_values.h"
#include "lexicon/lexicon.h"

namespace flexoria {
namespace {

void LexiconLookup(benchmark::State& bench, TextView word) {
  for (auto _ : bench) benchmark::DoNotOptimize(IsInLexicon(word, word));
}

ConjugationState RegularState(TextView verb) {
  ConjugationState state;
  state.Verb = verb;
  FillRegularValues(state, verb);
  return state;
}

using Catalogue = MatchKind (*)(ConjugationState&, TextView);

void CatalogueLookup(benchmark::State& bench, Catalogue catalogue, TextView verb) {
  ConjugationState state = RegularState(verb);
  for (auto _ : bench) benchmark::DoNotOptimize(catalogue(state, verb));
}

BENCHMARK_CAPTURE(LexiconLookup, hit, U"trabajar");
BENCHMARK_CAPTURE(LexiconLookup, miss, U"trabajur");
BENCHMARK_CAPTURE(CatalogueLookup, stem_change_hit, ApplyStemChange, U"pensar");
BENCHMARK_CAPTURE(CatalogueLookup, stem_change_miss, ApplyStemChange, U"hablar");
BENCHMARK_CAPTURE(CatalogueLookup, irregular_hit, ApplyIrregularCatalogue, U"tener");
BENCHMARK_CAPTURE(CatalogueLookup, irregular_miss, ApplyIrregularCatalogue, U"hablar");

}  // namespace
}  // namespace flexoria
