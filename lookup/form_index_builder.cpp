// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/form_index_builder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <numeric>
#include <unordered_map>

#include "lookup/compound_rules.h"
#include "lookup/form_index.h"
#include "lookup/form_index_layout.h"
#include "lookup/minimal_automaton.h"

namespace flexoria {

using namespace form_index_layout;

namespace {

class Pool {
 public:
  // Where `text` is stored, each text once; false when it is too long.
  std::uint32_t String(std::string_view text) {
    const auto [found, added] = offsets_.try_emplace(std::string(text), bytes_.size());
    if (added) {
      bytes_ += static_cast<char>(text.size());
      bytes_ += text;
    }
    return found->second;
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::unordered_map<std::string, std::uint32_t> offsets_;
};

// Every reading as the automaton stores it, in one buffer.
class Readings {
 public:
  void Add(std::string_view reading) {
    spans_.emplace_back(bytes_.size(), reading.size());
    bytes_ += reading;
  }
  std::string_view At(std::size_t at) const {
    return std::string_view(bytes_).substr(spans_[at].first, spans_[at].second);
  }
  // Sorted, each once. A million readings are sorted at every build, and
  // the forms of one verb begin alike: each is compared by its first
  // sixteen bytes as two numbers, and only readings that begin alike for
  // that long are compared byte by byte.
  std::vector<std::string_view> Sorted() const {
    struct Keyed {
      std::array<std::uint64_t, 2> head;
      std::uint32_t at;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(spans_.size());
    for (std::size_t at = 0; at < spans_.size(); ++at) {
      const std::string_view text = At(at);
      std::array<std::uint64_t, 2> head{};
      for (std::size_t byte = 0; byte < 16; ++byte) {
        const auto value = byte < text.size() ? static_cast<std::uint8_t>(text[byte]) : 0;
        head[byte / 8] = head[byte / 8] << 8 | value;
      }
      keyed.push_back({head, static_cast<std::uint32_t>(at)});
    }
    std::sort(keyed.begin(), keyed.end(), [this](const Keyed& a, const Keyed& b) {
      if (a.head[0] != b.head[0]) return a.head[0] < b.head[0];
      return a.head[1] != b.head[1] ? a.head[1] < b.head[1] : At(a.at) < At(b.at);
    });
    std::vector<std::string_view> sorted;
    sorted.reserve(keyed.size());
    for (const Keyed& reading : keyed) {
      const std::string_view text = At(reading.at);
      if (sorted.empty() || sorted.back() != text) sorted.push_back(text);
    }
    return sorted;
  }

 private:
  std::string bytes_;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> spans_;
};

void AppendWord(std::vector<std::uint8_t>& block, std::uint32_t word) {
  const std::size_t at = block.size();
  block.resize(at + sizeof word);
  std::memcpy(block.data() + at, &word, sizeof word);
}

struct Labels {
  std::array<std::array<std::string, kLabelStrings>, kFormLabelCount> strings;
  std::array<bool, kFormLabelCount> seen{};

  void Note(const VerbForm& form) {
    auto& label = strings[form.label];
    if (!seen[form.label]) {
      seen[form.label] = true;
      label[0] = form.name;
      label[1] = EncodeUtf8(form.title);
      label[2] = EncodeUtf8(form.person);
      label[3] = EncodeUtf8(form.pronoun);
    }
    if (label[4].empty()) label[4] = EncodeUtf8(form.auxiliary);
    if (label[5].empty()) label[5] = EncodeUtf8(form.clitic);
  }
};

class Builder {
 public:
  explicit Builder(std::span<const IndexedVerb> verbs) : verbs_(verbs) {}

  BuiltFormIndex Build();

 private:
  bool AddVerb(std::uint32_t place);
  bool AddReading(std::string_view text, std::string_view verb, std::uint8_t label, bool pronominal,
                  std::size_t ending, std::size_t after);
  bool Fail(std::string why) {
    if (built_.error.empty()) built_.error = std::move(why);
    return false;
  }
  std::vector<std::uint8_t> Block(const std::vector<std::uint8_t>& automaton);

  std::span<const IndexedVerb> verbs_;
  FullParadigm paradigm_;
  std::vector<CompoundRule> rules_;
  Labels labels_;
  Readings readings_;
  std::string text_;
  std::string reading_;
  BuiltFormIndex built_;
};

bool Builder::AddReading(std::string_view text, std::string_view verb, std::uint8_t label,
                         bool pronominal, std::size_t ending, std::size_t after) {
  const std::size_t shared =
      static_cast<std::size_t>(std::ranges::mismatch(text, verb).in1 - text.begin());
  const std::size_t cut = text.size() - shared;
  if (cut > 255 || ending > kLongestEnding || after > 255 ||
      text.find(kSeparator) != std::string_view::npos) {
    return Fail("the form \"" + std::string(text) + "\" of " + std::string(verb) +
                " is longer than the index keeps");
  }
  std::string& reading = reading_;
  reading.assign(text);
  reading += kSeparator;
  reading += static_cast<char>(cut);
  reading += verb.substr(shared);
  reading += kSeparator;
  for (const std::size_t byte :
       {std::size_t{label}, ending | (pronominal ? kPronominalBit : 0), after}) {
    reading += static_cast<char>(byte);
  }
  readings_.Add(reading);
  return true;
}

// The one-word forms go to the automaton; those of several words are left
// to the rules.
bool Builder::AddVerb(std::uint32_t place) {
  const TextView infinitive = verbs_[place].infinitive;
  const std::string plain = EncodeUtf8(infinitive);
  const Text pronominal = PronominalOf(infinitive);
  bool fits = true;
  for (const bool reflexive : {false, true}) {
    // Only the verbs that Spanish uses with a pronoun read as pronominal.
    if (reflexive && !verbs_[place].pronominal_use) continue;
    ForEachForm(paradigm_, reflexive ? TextView(pronominal) : infinitive,
                [&](const VerbForm& form) {
                  labels_.Note(form);
                  if (!form.before.empty()) return;
                  text_.clear();
                  AppendUtf8(form.stem, text_);
                  const std::size_t stem = text_.size();
                  AppendUtf8(form.ending, text_);
                  const std::size_t ending = text_.size() - stem;
                  AppendUtf8(form.after, text_);
                  fits = fits && AddReading(text_, plain, form.label, reflexive, ending,
                                            text_.size() - stem - ending);
                });
  }
  return fits;
}

std::vector<std::uint8_t> Builder::Block(const std::vector<std::uint8_t>& automaton) {
  Pool pool;
  // The verbs, sorted by their text.
  std::vector<std::uint32_t> order(verbs_.size());
  std::iota(order.begin(), order.end(), 0);
  std::vector<std::string> names;
  for (const IndexedVerb& verb : verbs_) names.push_back(EncodeUtf8(verb.infinitive));
  std::ranges::sort(order, {},
                    [&](std::uint32_t place) -> const std::string& { return names[place]; });
  std::vector<std::uint8_t> verbs;
  for (const std::uint32_t place : order) {
    AppendWord(verbs, pool.String(names[place] + "se"));
    verbs.insert(verbs.end(),
                 {static_cast<std::uint8_t>(verbs_[place].in_lexicon ? 1 : 0),
                  static_cast<std::uint8_t>(verbs_[place].pronominal_use ? 1 : 0),
                  static_cast<std::uint8_t>(place), static_cast<std::uint8_t>(place >> 8)});
  }
  const std::size_t slot_count = std::bit_ceil(std::max<std::size_t>(order.size() * 3 / 2, 2));
  std::vector<std::uint16_t> slots(slot_count);
  for (std::size_t verb = 0; verb < order.size(); ++verb) {
    std::size_t slot = VerbHash(names[order[verb]], {}) & (slot_count - 1);
    while (slots[slot] != 0) slot = (slot + 1) & (slot_count - 1);
    slots[slot] = static_cast<std::uint16_t>(verb + 1);
  }
  std::vector<std::uint8_t> verb_slots;
  for (const std::uint16_t slot : slots) {
    verb_slots.insert(verb_slots.end(),
                      {static_cast<std::uint8_t>(slot), static_cast<std::uint8_t>(slot >> 8)});
  }
  std::size_t label_count = 0;
  for (std::size_t label = 0; label < kFormLabelCount; ++label) {
    if (labels_.seen[label]) label_count = label + 1;
  }
  std::vector<std::uint8_t> labels;
  for (std::size_t label = 0; label < label_count; ++label) {
    for (const std::string& text : labels_.strings[label]) AppendWord(labels, pool.String(text));
  }
  std::vector<std::uint8_t> rules;
  for (const CompoundRule& rule : rules_) {
    AppendWord(rules, pool.String(rule.prefix));
    rules.insert(rules.end(),
                 {static_cast<std::uint8_t>(rule.last_label), static_cast<std::uint8_t>(rule.label),
                  static_cast<std::uint8_t>(rule.pronominal ? 1 : 0), 0});
  }

  std::vector<std::uint8_t> block;
  for (const std::size_t word :
       {std::size_t{kBlockMagic}, verbs_.size(), label_count, rules_.size(), automaton.size(),
        pool.bytes().size(), slot_count, std::size_t{0}}) {
    AppendWord(block, static_cast<std::uint32_t>(word));
  }
  using Section = const std::vector<std::uint8_t>*;
  for (Section section :
       std::initializer_list<Section>{&verbs, &verb_slots, &labels, &rules, &automaton}) {
    block.insert(block.end(), section->begin(), section->end());
  }
  block.insert(block.end(), pool.bytes().begin(), pool.bytes().end());
  return block;
}

BuiltFormIndex Builder::Build() {
  if (verbs_.size() > kMostVerbs) {
    Fail("more verbs than the index keeps");
    return std::move(built_);
  }
  rules_ = DeclaredCompoundRules(paradigm_);
  for (std::uint32_t place = 0; place < verbs_.size(); ++place) {
    if (!AddVerb(place)) return std::move(built_);
  }
  const std::vector<std::string_view> sorted = readings_.Sorted();
  built_.readings = sorted.size();
  AutomatonBuilder automaton;
  std::size_t same_text = 0;
  for (std::size_t at = 0; at < sorted.size(); ++at) {
    const std::string_view text = sorted[at].substr(0, sorted[at].find(kSeparator));
    const bool same = at > 0 && sorted[at - 1].substr(0, sorted[at - 1].find(kSeparator)) == text;
    same_text = same ? same_text + 1 : 1;
    if (same_text > FormIndex::kMostReadings) {
      Fail("the form \"" + std::string(text) + "\" has more readings than the index keeps");
      return std::move(built_);
    }
    automaton.Add(sorted[at]);
  }
  const std::vector<std::uint8_t> stored = automaton.Finish();
  if (stored.empty()) {
    Fail("the automaton is larger than the index keeps");
    return std::move(built_);
  }
  built_.block = Block(stored);
  return std::move(built_);
}

}  // namespace

BuiltFormIndex BuildFormIndex(std::span<const IndexedVerb> verbs) { return Builder(verbs).Build(); }

}  // namespace flexoria
