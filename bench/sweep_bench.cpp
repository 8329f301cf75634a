// SPDX-License-Identifier: GPL-3.0-or-later
// The whole lexicon in every view through one session (10,836 words times
// 13 options, 140,868 requests), and beside it the whole lexicon's full
// paradigm, by itself and as JSON Lines, as `flexoria-cli conjugate --json -`
// writes it.
#include <benchmark/benchmark.h>

#include <unordered_set>
#include <vector>

#include "bench/allocation_count.h"
#include "bench/paradigm_json_rapidjson.h"
#include "cli/paradigm_json.h"
#include "engine/conjugation_session.h"
#include "engine/form_table.h"
#include "engine/full_paradigm.h"
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
        benchmark::DoNotOptimize(ui.shown_endings().data());
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

// Every form of every word, written nowhere: what the engine costs a verb.
void BM_FullParadigm(benchmark::State& bench) {
  const std::vector<TextView> words = LexiconWords();
  FullParadigm paradigm;
  const bool vos = bench.range(0) != 0;
  std::int64_t rows = 0;
  for (auto _ : bench) {
    for (TextView word : words) {
      const FullParadigmResult& result = paradigm.Conjugate(word, vos);
      for (const FullForm& form : result.Forms()) rows += static_cast<std::int64_t>(form.count);
      benchmark::DoNotOptimize(result.forms.data());
    }
  }
  const auto verbs = static_cast<double>(words.size());
  bench.counters["verbs"] = verbs;
  bench.counters["rows_per_verb"] =
      static_cast<double>(rows) / static_cast<double>(bench.iterations()) / verbs;
  bench.counters["us_per_verb"] = benchmark::Counter(
      verbs * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_FullParadigm)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Every form of every word, one JSON line each, written where a writer
// would flush it from. After the first pass every buffer has its size, so
// the counter of allocations per verb shows what steady state costs.
template <std::string_view (*kLine)(const FullParadigmResult&), RowTexts kTexts>
void JsonLines(benchmark::State& bench) {
  const std::vector<TextView> words = LexiconWords();
  FullParadigm paradigm(kTexts);
  std::int64_t bytes = 0;
  std::int64_t allocations = 0;
  bool vos = bench.range(0) != 0;
  for (auto _ : bench) {
    const std::int64_t before = AllocationCount();
    for (TextView word : words) {
      const std::string_view line = kLine(paradigm.Conjugate(word, vos));
      benchmark::DoNotOptimize(line.data());
      bytes += static_cast<std::int64_t>(line.size());
    }
    allocations += AllocationCount() - before;
  }
  const auto iterations = static_cast<double>(bench.iterations());
  bench.counters["verbs"] = static_cast<double>(words.size());
  bench.counters["us_per_verb"] = benchmark::Counter(
      static_cast<double>(words.size()) * 1e-6,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  bench.counters["MB_per_pass"] = static_cast<double>(bytes) / iterations / 1e6;
  bench.counters["allocations_per_verb"] =
      static_cast<double>(allocations) / iterations / static_cast<double>(words.size());
}

// Our own writer, as `flexoria-cli conjugate --json -` runs it: it writes
// a row's text from its words and cell, so the engine leaves those unwritten.
std::string_view ParadigmJsonLine(const FullParadigmResult& paradigm) {
  static ParadigmJson json;
  return json.Line(paradigm, nullptr);
}

void BM_FullParadigmJsonLines(benchmark::State& bench) {
  JsonLines<ParadigmJsonLine, RowTexts::kUnlessCells>(bench);
}

// The same lines through RapidJSON's Writer, which writes each row's text
// as the engine wrote it. It first checks that the two write the same bytes
// for every verb, each from its own engine, and counts the verbs they
// differ on.
void BM_FullParadigmJsonLinesRapidjson(benchmark::State& bench) {
  FullParadigm ours(RowTexts::kUnlessCells);
  FullParadigm theirs(RowTexts::kEveryRow);
  const bool vos = bench.range(0) != 0;
  std::int64_t differing = 0;
  for (TextView word : LexiconWords()) {
    differing += ParadigmJsonLine(ours.Conjugate(word, vos)) !=
                         ParadigmJsonLineRapidjson(theirs.Conjugate(word, vos))
                     ? 1
                     : 0;
  }
  JsonLines<ParadigmJsonLineRapidjson, RowTexts::kEveryRow>(bench);
  bench.counters["verbs_written_differently"] = static_cast<double>(differing);
}

BENCHMARK(BM_FullParadigmJsonLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FullParadigmJsonLinesRapidjson)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

}  // namespace
}  // namespace flexoria
