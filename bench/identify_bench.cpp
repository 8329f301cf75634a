// From forms back to their verbs: one lookup, a batch through the command,
// the index build with its size, and every form of every verb read back.
// BM_Sweep in the same run is the thirteen-view sweep the build rests on.
#include <benchmark/benchmark.h>

#include <map>
#include <set>
#include <sstream>

#include "cli/identify_command.h"
#include "lookup/form_lookup.h"

namespace flexoria {
namespace {

void BM_IdentifyOne(benchmark::State& bench) {
  FormLookup lookup(EmbeddedFormIndex());
  for (auto _ : bench) benchmark::DoNotOptimize(lookup.Identify(U"tuvieron").readings.data());
}

// Every form of every 16th verb as a reader meets it ("tuvo", "he tenido",
// "no tengas"), repeated in a scattered order up to a million lines, plus
// what people mistype: no accents, capitals, blanks.
std::string BatchInput() {
  std::vector<std::string> forms;
  const auto verbs = IndexedVerbs();
  FullParadigm paradigm;
  for (std::size_t at = 0; at < verbs.size(); at += 16) {
    ForEachForm(paradigm, verbs[at].infinitive,
                [&](const VerbForm& form) { forms.push_back(EncodeUtf8(TextOf(form))); });
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
  bench.counters["rules"] = static_cast<double>(stored.rule_count());
  bench.counters["exceptions"] = static_cast<double>(stored.exception_count());
  bench.counters["blocked"] = static_cast<double>(stored.blocked_count());
  bench.counters["block_MB"] = static_cast<double>(words * 4) / 1e6;
}

// The long check, over every verb and its pronominal verb: a form the
// index dropped or misfiled counts as a miss, a reading of the verb that
// its paradigm does not show (a rule applied where it should not) as an
// extra one.
void BM_RoundTripWholeLexicon(benchmark::State& bench) {
  const auto verbs = IndexedVerbs();
  FormLookup lookup(EmbeddedFormIndex());
  FullParadigm paradigm;
  std::int64_t forms = 0, misses = 0, extras = 0;
  const auto describe = [](auto name, auto person, auto stem, auto ending, bool in_lexicon) {
    return std::string(name) + " " + std::string(person) + " " + std::string(stem) + "+" +
           std::string(ending) + (in_lexicon ? "" : " (no)");
  };
  for (auto _ : bench) {
    for (const IndexedVerb& verb : verbs) {
      for (const Text& entry : {Text(verb.infinitive), PronominalOf(verb.infinitive)}) {
        const std::string name = EncodeUtf8(entry);
        std::map<Text, std::set<std::string>> shown;
        ForEachForm(paradigm, entry, [&](const VerbForm& form) {
          ++forms;
          shown[TextOf(form)].insert(describe(form.name, EncodeUtf8(form.person),
                                              EncodeUtf8(form.stem), EncodeUtf8(form.ending),
                                              verb.in_lexicon));
        });
        for (const auto& [text, readings_shown] : shown) {
          std::set<std::string> found;
          for (const FormReading& reading : lookup.Identify(text).readings) {
            if (reading.verb != name) continue;
            found.insert(describe(reading.name, reading.person, reading.stem, reading.ending,
                                  reading.in_lexicon));
          }
          for (const std::string& reading : readings_shown) misses += found.erase(reading) ? 0 : 1;
          extras += static_cast<std::int64_t>(found.size());
        }
      }
    }
  }
  if (misses + extras > 0) bench.SkipWithError("a form did not read back to its verb alone");
  bench.counters["forms"] =
      static_cast<double>(forms / static_cast<std::int64_t>(bench.iterations()));
  bench.counters["misses"] = static_cast<double>(misses);
  bench.counters["extras"] = static_cast<double>(extras);
}

BENCHMARK(BM_IdentifyOne);
BENCHMARK_CAPTURE(BM_IdentifyBatch, text, false)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_IdentifyBatch, json, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RoundTripWholeLexicon)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace flexoria
