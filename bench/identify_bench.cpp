// SPDX-License-Identifier: GPL-3.0-or-later
// From forms back to their verbs: one lookup, a batch through the command,
// running text through the command's text mode, and the index build with its size (the generator
// reads every form of every verb back when the program is built). BM_Sweep in the same run is the
// thirteen-view sweep the build rests on.
#include <benchmark/benchmark.h>

#include <array>
#include <sstream>

#include "cli/identify_command.h"
#include "lookup/form_index_builder.h"
#include "lookup/form_lookup.h"

namespace flexoria {
namespace {

void BM_IdentifyOne(benchmark::State& bench) {
  FormLookup lookup(EmbeddedFormIndex());
  for (auto _ : bench) benchmark::DoNotOptimize(lookup.Identify(U"tuvieron").readings.data());
}

// The index's own walk, no pronouns, punctuation or suggestions: the floor
// that BM_IdentifyOne stands on.
void BM_PlainLookupOne(benchmark::State& bench) {
  const FormIndex& index = EmbeddedFormIndex();
  std::vector<FormReading> readings;
  for (auto _ : bench) {
    readings.clear();
    benchmark::DoNotOptimize(index.AppendReadings("tuvieron", readings));
  }
}

// A form that ends like a joined pronoun (-se, -te) and is none.
void BM_IdentifyOneLikeJoined(benchmark::State& bench) {
  FormLookup lookup(EmbeddedFormIndex());
  for (auto _ : bench) benchmark::DoNotOptimize(lookup.Identify(U"cantaste").readings.data());
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
    RunIdentify({{"-"}, json, false, false}, in, out, err);
    benchmark::DoNotOptimize(out.str().size());
  }
  bench.counters["forms_per_second"] = benchmark::Counter(
      1e6 * static_cast<double>(bench.iterations()), benchmark::Counter::kIsRate);
}

// A megabyte of prose as the text mode meets it: verb forms (some of
// several words, some with pronouns) among other words, punctuation,
// capitals and line breaks.
std::string RunningText() {
  static constexpr std::array<std::string_view, 16> kOtherWords{
      "el", "perro", "que", "de",   "la",  "casa",  "y",      "en",
      "un", "azul",  "muy", "pero", "los", "niños", "mañana", "con"};
  static constexpr std::array<std::string_view, 12> kForms{
      "tuvieron",   "había dicho", "se lo dije", "dímelo",       "no lo hagas", "hay",
      "cantábamos", "quepo",       "me lavo",    "comiéndoselo", "lo he hecho", "vinieron"};
  std::string text;
  for (std::size_t word = 0; text.size() < 1'000'000; ++word) {
    const bool form = word * 7 % 5 < 2;
    text += form ? kForms[word * 13 % kForms.size()] : kOtherWords[word * 31 % kOtherWords.size()];
    text += word % 12 == 11 ? ".\n" : word % 8 == 7 ? ", " : " ";
  }
  return text;
}

void BM_IdentifyText(benchmark::State& bench) {
  const std::string text = RunningText();
  for (auto _ : bench) {
    std::istringstream in(text);
    std::ostringstream out, err;
    RunIdentify({{}, false, false, true}, in, out, err);
    benchmark::DoNotOptimize(out.str().size());
  }
  bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * text.size()));
}

// The generator's first half, without its proof: every form of every verb
// conjugated, sorted and made into the automaton.
void BM_IndexBuild(benchmark::State& bench) {
  const auto verbs = IndexedVerbs();
  BuiltFormIndex built;
  for (auto _ : bench) built = BuildFormIndex(verbs);
  const FormIndex& stored = EmbeddedFormIndex();
  bench.counters["verbs"] = static_cast<double>(verbs.size());
  bench.counters["readings"] = static_cast<double>(built.readings);
  bench.counters["rules"] = static_cast<double>(stored.rule_count());
  bench.counters["automaton_kB"] = static_cast<double>(stored.automaton_bytes()) / 1e3;
  bench.counters["block_kB"] = static_cast<double>(built.block.size()) / 1e3;
}

BENCHMARK(BM_IdentifyOne);
BENCHMARK(BM_PlainLookupOne);
BENCHMARK(BM_IdentifyOneLikeJoined);
BENCHMARK_CAPTURE(BM_IdentifyBatch, text, false)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_IdentifyBatch, json, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_IdentifyText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace flexoria
