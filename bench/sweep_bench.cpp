// The whole lexicon in every view through one session: 10,836 words (10,840
// places) times 13 options.
#include <benchmark/benchmark.h>

#include "cli/recording_ui.h"
#include "engine/conjugation_session.h"
#include "engine/form_views.h"
#include "lexicon/word_lists.h"

namespace flexoria {
namespace {

void BM_Sweep(benchmark::State& bench) {
  ConjugationSession session;
  RecordingUi ui;
  std::int64_t requests = 0;
  for (auto _ : bench) {
    for (const WordList& list : WordLists()) {
      for (TextView word : list.words) {
        for (int option = 1; option <= kOptionCount; ++option) {
          ui.PrepareRequest(word, option);
          session.RunRequest(ui);
          benchmark::DoNotOptimize(ui.endings().data());
          ++requests;
        }
      }
    }
  }
  bench.counters["requests"] =
      benchmark::Counter(static_cast<double>(requests) / static_cast<double>(bench.iterations()));
  bench.counters["requests_per_second"] =
      benchmark::Counter(static_cast<double>(requests), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Sweep)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace flexoria
