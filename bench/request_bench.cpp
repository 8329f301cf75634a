// SPDX-License-Identifier: GPL-3.0-or-later
// One request through the session, as the window runs it, for each kind of
// verb and each of the thirteen views.
#include <benchmark/benchmark.h>

#include <array>

#include "engine/conjugation_session.h"
#include "engine/recording_ui.h"

namespace flexoria {
namespace {

// Two verbs of each kind, alternated so that every request also runs the
// lexicon test (it only runs when the word changes).
struct VerbPair {
  TextView first;
  TextView second;
};

void RunRequests(benchmark::State& bench, VerbPair verbs) {
  const int option = static_cast<int>(bench.range(0));
  ConjugationSession session;
  RecordingUi ui;
  bool flip = false;
  for (auto _ : bench) {
    ui.PrepareRequest(flip ? verbs.first : verbs.second, option);
    session.RunRequest(ui);
    benchmark::DoNotOptimize(ui.shown_endings().data());
    flip = !flip;
  }
  bench.SetItemsProcessed(bench.iterations());
}

void BM_RequestRegular(benchmark::State& bench) { RunRequests(bench, {U"hablar", U"comer"}); }
void BM_RequestStemChange(benchmark::State& bench) { RunRequests(bench, {U"pensar", U"contar"}); }
void BM_RequestIrregular(benchmark::State& bench) { RunRequests(bench, {U"tener", U"decir"}); }
void BM_RequestUnknown(benchmark::State& bench) { RunRequests(bench, {U"blorpar", U"blorpir"}); }

BENCHMARK(BM_RequestRegular)->DenseRange(1, 13);
BENCHMARK(BM_RequestStemChange)->DenseRange(1, 13);
BENCHMARK(BM_RequestIrregular)->DenseRange(1, 13);
BENCHMARK(BM_RequestUnknown)->DenseRange(1, 13);

}  // namespace
}  // namespace flexoria
