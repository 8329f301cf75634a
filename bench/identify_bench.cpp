// From forms back to their verbs: one lookup, a batch through the command,
// the index build with its size, and every form of every verb read back.
// BM_Sweep in the same run is the thirteen-view sweep the build rests on.
#include <benchmark/benchmark.h>

#include <sstream>

#include "cli/identify_command.h"
#include "engine/form_lookup.h"

namespace flexoria {
namespace {

void BM_IdentifyOne(benchmark::State& bench) {
  FormLookup lookup(EmbeddedFormIndex());
  for (auto _ : bench) benchmark::DoNotOptimize(lookup.Identify(U"tuvieron").readings.data());
}

// Every form of every 16th verb, repeated in a scattered order up to a
// million lines, plus what people mistype: no accents, capitals, blanks.
std::string BatchInput() {
  std::vector<std::string> forms;
  const auto verbs = IndexedVerbs();
  for (std::size_t at = 0; at < verbs.size(); at += 16) {
    ForEachForm(verbs[at].infinitive, [&](const VerbForm& form) {
      forms.push_back(EncodeUtf8(Text(form.stem) + Text(form.ending)));
    });
  }
  forms.insert(forms.end(), {"tenia", " Tuvieron ", "pidio", "xyzzy", "QUEPO"});
  std::string input;
  for (std::size_t line = 0; line < 1'000'000; ++line) {
    input += forms[line * 7919 % forms.size()];
    input += '\n';
  }
  return input;
}

void BM_IdentifyBatch(benchmark::State& bench, bool json) {
  const std::string input = BatchInput();
  for (auto _ : bench) {
    std::istringstream in(input);
    std::ostringstream out, err;
    RunIdentify({{"-"}, json, false}, in, out, err);
    benchmark::DoNotOptimize(out.str().size());
  }
  bench.counters["forms_per_second"] = benchmark::Counter(
      1e6 * static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}

void BM_IndexBuild(benchmark::State& bench) {
  const auto verbs = IndexedVerbs();
  std::size_t words = 0;
  for (auto _ : bench) words = FormIndex::Build(verbs).size();
  const FormIndex& stored = EmbeddedFormIndex();
  bench.counters["verbs"] = static_cast<double>(verbs.size());
  bench.counters["texts"] = static_cast<double>(stored.text_count());
  bench.counters["readings"] = static_cast<double>(stored.reading_count());
  bench.counters["block_MB"] = static_cast<double>(words * 4) / 1e6;
}

// The long check: any form the index dropped or filed under another
// verb, form or person counts as a miss.
void BM_RoundTripWholeLexicon(benchmark::State& bench) {
  const auto verbs = IndexedVerbs();
  FormLookup lookup(EmbeddedFormIndex());
  std::int64_t forms = 0, misses = 0;
  for (auto _ : bench) {
    for (const IndexedVerb& verb : verbs) {
      const std::string infinitive = EncodeUtf8(verb.infinitive);
      ForEachForm(verb.infinitive, [&](const VerbForm& form) {
        ++forms;
        const Text text = TextOf(form);
        const auto& readings = lookup.Identify(text).readings;
        const bool found = std::ranges::any_of(readings, [&](const FormReading& reading) {
          return reading.verb == infinitive && reading.name == form.name &&
                 reading.person == EncodeUtf8(form.person) && reading.in_lexicon == verb.in_lexicon;
        });
        misses += found ? 0 : 1;
      });
    }
  }
  if (misses > 0) bench.SkipWithError("a form did not read back to its verb");
  bench.counters["forms"] =
      static_cast<double>(forms / static_cast<std::int64_t>(bench.iterations()));
  bench.counters["misses"] = static_cast<double>(misses);
}

BENCHMARK(BM_IdentifyOne);
BENCHMARK_CAPTURE(BM_IdentifyBatch, text, false)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_IdentifyBatch, json, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RoundTripWholeLexicon)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace flexoria
