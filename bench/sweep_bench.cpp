// The whole lexicon in every view through one session: 10,836 words times
// 13 options, 140,868 requests.
#include <benchmark/benchmark.h>

#include <unordered_set>
#include <vector>

#include "engine/conjugation_session.h"
#include "engine/form_table.h"
#include "engine/recording_ui.h"
#include "lexicon/word_lists.h"

namespace flexoria {
namespace {

// Each listed word once, in list order (four words stand in two lists).
std::vector<TextView> LexiconWords() {
  std::vector<TextView> words;
  std::unordered_set<TextView> seen;
  for (const WordList& list : WordLists()) {
    for (TextView word : list.words) {
      if (seen.insert(word).second) words.push_back(word);
    }
  }
  return words;
}

void BM_Sweep(benchmark::State& bench) {
  const std::vector<TextView> words = LexiconWords();
  ConjugationSession session;
  RecordingUi ui;
  std::int64_t requests = 0;
  for (auto _ : bench) {
    for (TextView word : words) {
      for (int option = 1; option <= kOptionCount; ++option) {
        ui.PrepareRequest(word, option);
        session.RunRequest(ui);
        benchmark::DoNotOptimize(ui.endings().data());
        ++requests;
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
