// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/form_index.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <functional>

#include "core/text.h"
#include "core/written_accents.h"
#include "lookup/form_index_layout.h"

namespace flexoria {

using namespace form_index_layout;

namespace {

std::uint32_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint32_t word = 0;
  std::memcpy(&word, bytes.data() + at, sizeof word);
  return word;
}

// Where the edit of the form, or the label, of a reading ends.
constexpr std::size_t kLongestEdit = 255;

// Every marked letter people type an ASCII letter for (á for a, ú and ü for
// u, ñ for n on a keyboard without it) is written in UTF-8 as
// kMarkedLetterLead and one more byte; the walk without accents follows
// their arcs too.
struct MarkedLetters {
  std::array<std::uint8_t, 2> second_bytes;
  std::size_t count;
};

constexpr std::array<MarkedLetters, 128> kMarkedLetters = [] {
  std::array<MarkedLetters, 128> table{};
  const auto add = [&](char32_t plain, char32_t marked) {
    MarkedLetters& letters = table.at(plain);
    letters.second_bytes.at(letters.count++) = static_cast<std::uint8_t>(0x80 | (marked & 0x3F));
  };
  for (const CharPair& pair : kWrittenAccents) add(pair.from, pair.to);
  add(U'u', U'ü');
  add(U'n', U'ñ');
  return table;
}();

}  // namespace

FormIndex::FormIndex(std::span<const std::uint8_t> block) {
  if (!Read(block)) {
    verbs_ = labels_ = rules_ = {};
    label_texts_.clear();
    rule_slots_.clear();
    automaton_ = Automaton();
    pool_ = {};
    verb_count_ = label_count_ = rule_count_ = 0;
  }
}

bool FormIndex::Read(std::span<const std::uint8_t> block) {
  const auto fail = [this](std::string_view why) {
    error_ = "el índice de formas está dañado: ";
    error_ += why;
    return false;
  };
  if (block.size() < kHeaderBytes || WordAt(block, kMagic * 4) != kBlockMagic) {
    return fail("no empieza como un índice");
  }
  const auto header = [&](Header field) { return std::size_t{WordAt(block, field * 4)}; };
  verb_count_ = header(kVerbCount);
  label_count_ = header(kLabelCount);
  rule_count_ = header(kRuleCount);
  std::size_t at = kHeaderBytes;
  bool fits = true;
  const auto take = [&](std::size_t count, std::size_t each) {
    if (!fits || count > (block.size() - at) / each) {
      fits = false;
      return std::span<const std::uint8_t>();
    }
    const auto section = block.subspan(at, count * each);
    at += count * each;
    return section;
  };
  verbs_ = take(verb_count_, kVerbBytes);
  verb_slots_ = take(header(kVerbSlotCount), 2);
  labels_ = take(label_count_, kLabelBytes);
  rules_ = take(rule_count_, kRuleBytes);
  const auto automaton = take(header(kAutomatonBytes), 1);
  const auto pool = take(header(kPoolBytes), 1);
  if (!fits || at != block.size()) return fail("sus partes no lo llenan");
  if (label_count_ > kMostLabels || verb_count_ > kMostVerbs)
    return fail("tiene más entradas de las que caben");
  pool_ = std::string_view(reinterpret_cast<const char*>(pool.data()), pool.size());
  const auto string_fits = [&](std::uint32_t offset) {
    return offset < pool_.size() &&
           static_cast<unsigned char>(pool_[offset]) < pool_.size() - offset;
  };
  for (std::size_t verb = 0; verb < verb_count_; ++verb) {
    const std::uint32_t offset = WordAt(verbs_, verb * kVerbBytes);
    if (!string_fits(offset) || static_cast<unsigned char>(pool_[offset]) < 2) {
      return fail("el texto de un verbo cae fuera de él");
    }
  }
  if (!std::has_single_bit(verb_slots_.size() / 2))
    return fail("sus casillas de verbos no cuadran");
  for (std::size_t slot = 0; slot < verb_slots_.size() / 2; ++slot) {
    if (SlotAt(slot) > verb_count_) return fail("una casilla de verbo cae fuera de él");
  }
  label_texts_.resize(label_count_ * kLabelStrings);
  for (std::size_t string = 0; string < label_count_ * kLabelStrings; ++string) {
    if (!string_fits(WordAt(labels_, string * 4))) return fail("una etiqueta cae fuera de él");
    label_texts_[string] = StringAt(WordAt(labels_, string * 4));
  }
  for (std::size_t rule = 0; rule < rule_count_; ++rule) {
    const std::uint8_t* bytes = &rules_[rule * kRuleBytes];
    if (!string_fits(WordAt(rules_, rule * kRuleBytes)) || bytes[4] >= label_count_ ||
        bytes[5] >= label_count_) {
      return fail("una regla cae fuera de él");
    }
  }
  automaton_ = Automaton(automaton);
  if (automaton_.empty()) return fail("su autómata no es coherente");
  PlaceRuleRanges();
  return true;
}

std::string_view FormIndex::RulePrefix(std::size_t rule) const {
  return StringAt(WordAt(rules_, rule * kRuleBytes));
}

// Every text of several words asks for the rules of its first words: a
// table by their hash answers sooner than halving the sorted rules.
void FormIndex::PlaceRuleRanges() {
  std::vector<RuleRange> ranges;
  for (std::size_t rule = 0; rule < rule_count_; ++rule) {
    if (ranges.empty() || ranges.back().prefix != RulePrefix(rule)) {
      ranges.push_back({RulePrefix(rule), static_cast<std::uint32_t>(rule), 0});
    }
    ranges.back().end = static_cast<std::uint32_t>(rule + 1);
  }
  rule_slots_.assign(std::bit_ceil(2 * ranges.size() + 1), RuleRange());
  const std::size_t mask = rule_slots_.size() - 1;
  for (const RuleRange& range : ranges) {
    std::size_t slot = std::hash<std::string_view>()(range.prefix) & mask;
    while (rule_slots_[slot].end != 0 && rule_slots_[slot].prefix != range.prefix) {
      slot = (slot + 1) & mask;
    }
    // A damaged block may hold one prefix in two places: the first is kept.
    if (rule_slots_[slot].end == 0) rule_slots_[slot] = range;
  }
}

const FormIndex::RuleRange* FormIndex::RulesAfter(std::string_view prefix) const {
  if (rule_slots_.empty()) return nullptr;
  const std::size_t mask = rule_slots_.size() - 1;
  for (std::size_t slot = std::hash<std::string_view>()(prefix) & mask; rule_slots_[slot].end != 0;
       slot = (slot + 1) & mask) {
    if (rule_slots_[slot].prefix == prefix) return &rule_slots_[slot];
  }
  return nullptr;
}

std::string_view FormIndex::StringAt(std::uint32_t offset) const {
  return pool_.substr(offset + 1, static_cast<unsigned char>(pool_[offset]));
}

FormIndex::Verb FormIndex::VerbAt(std::size_t verb) const {
  const std::uint8_t* bytes = &verbs_[verb * kVerbBytes];
  return {StringAt(WordAt(verbs_, verb * kVerbBytes)), bytes[4] != 0, bytes[5] != 0,
          static_cast<std::uint32_t>(bytes[6] | bytes[7] << 8)};
}

std::size_t FormIndex::SlotAt(std::size_t slot) const {
  return verb_slots_[slot * 2] | std::size_t{verb_slots_[slot * 2 + 1]} << 8;
}

std::size_t FormIndex::FindVerb(std::string_view head, std::string_view added) const {
  const std::size_t mask = verb_slots_.size() / 2 - 1;
  std::size_t slot = VerbHash(head, added) & mask;
  for (std::size_t probe = 0; probe <= mask; ++probe, slot = (slot + 1) & mask) {
    const std::size_t verb = SlotAt(slot);
    if (verb == 0) break;
    const std::string_view name = VerbAt(verb - 1).pronominal;
    if (name.size() == head.size() + added.size() + 2 && name.starts_with(head) &&
        name.substr(head.size(), added.size()) == added) {
      return verb - 1;
    }
  }
  return verb_count_;
}

bool FormIndex::HasPronominalUse(std::string_view verb) const {
  const std::size_t found = FindVerb(verb, {});
  return found < verb_count_ && VerbAt(found).pronominal_use;
}

FormReading FormIndex::Reading(const Verb& verb, bool pronominal, std::uint32_t label,
                               std::string_view text, std::size_t before, std::size_t ending,
                               std::size_t after) const {
  const std::size_t strings = label * kLabelStrings;
  const auto label_string = [&](std::size_t at) { return label_texts_[strings + at]; };
  const std::size_t stem = text.size() - before - ending - after;
  const std::string_view name = verb.pronominal;
  return {pronominal ? name : name.substr(0, name.size() - 2),
          verb.in_lexicon,
          label_string(0),
          label_string(1),
          label_string(2),
          label_string(3),
          text,
          text.substr(0, before),
          text.substr(before, stem),
          text.substr(before + stem, ending),
          text.substr(before + stem + ending),
          label_string(4),
          pronominal ? label_string(5) : std::string_view(),
          label,
          verb.place * 2 + (pronominal ? 1 : 0),
          {},
          {}};
}

namespace {

// A reading's bytes after its form's separator: the cut, the added bytes,
// the separator, the label's bytes.
constexpr std::size_t kLongestTail = 1 + kLongestEdit + 1 + kTailLabelBytes;
// Arcs a walk may follow for one form: far more than any stored form needs,
// few enough that a damaged block cannot keep a lookup busy.
constexpr std::size_t kWalkBudget = 1 << 15;

struct Tail {
  std::array<std::uint8_t, kLongestTail> bytes;
  std::size_t length = 0;
  std::size_t separator = 0;  // where the added bytes end; 0 while they go on
  std::size_t budget = kWalkBudget;
};

}  // namespace

// Calls visit(tail) for each reading stored after `state`, which follows a
// form and its separator.
template <typename Visit>
void FormIndex::ForEachTail(std::uint32_t state, Visit visit) const {
  Tail tail;
  std::size_t readings = 0;
  const auto push = [&tail](std::uint8_t byte) {
    if (tail.separator == 0 && tail.length > 0 && byte == static_cast<std::uint8_t>(kSeparator)) {
      tail.separator = tail.length;
    }
    tail.bytes[tail.length++] = byte;
  };
  const auto walk = [&](const auto& self, std::uint32_t from) -> void {
    const std::size_t length = tail.length;
    const std::size_t separator = tail.separator;
    // A run of states with one arc each is followed without recursing.
    for (;;) {
      if (tail.separator != 0 && tail.length == tail.separator + 1 + kTailLabelBytes) {
        if (automaton_.IsFinal(from) && readings++ < kMostReadings) visit(tail);
        break;
      }
      if (tail.length == kLongestTail || tail.budget == 0) break;
      std::uint8_t byte = 0;
      std::uint32_t target = 0;
      if (!automaton_.OnlyArc(from, byte, target)) {
        automaton_.ForEachArc(from, [&](std::uint8_t each, std::uint32_t next) {
          if (tail.budget == 0) return;
          --tail.budget;
          const std::size_t before = tail.separator;
          push(each);
          self(self, next);
          --tail.length;
          tail.separator = before;
        });
        break;
      }
      --tail.budget;
      push(byte);
      from = target;
    }
    tail.length = length;
    tail.separator = separator;
  };
  walk(walk, state);
}

bool FormIndex::Contains(std::string_view text) const {
  if (empty()) return false;
  const std::uint32_t state = automaton_.Walk(automaton_.root(), text);
  return state != Automaton::kNoState && automaton_.Next(state, kSeparator) != Automaton::kNoState;
}

bool FormIndex::AppendReadings(std::string_view text, std::vector<FormReading>& out) const {
  if (empty()) return false;
  std::uint32_t state = automaton_.Walk(automaton_.root(), text);
  if (state != Automaton::kNoState) state = automaton_.Next(state, kSeparator);
  if (state == Automaton::kNoState) return false;
  const std::size_t first = out.size();
  // The readings of one verb come together, sorted by their edit.
  std::size_t last_cut = kLongestTail;
  std::string_view last_added;
  std::size_t last_found = verb_count_;
  std::array<char, kLongestTail> last_added_bytes;  // read only as far as written
  ForEachTail(state, [&](const Tail& tail) {
    const std::size_t cut = tail.bytes[0];
    if (cut > text.size()) return;
    const std::string_view head = text.substr(0, text.size() - cut);
    const std::string_view added(reinterpret_cast<const char*>(&tail.bytes[1]), tail.separator - 1);
    const std::uint8_t* label = &tail.bytes[tail.separator + 1];
    const std::size_t ending = label[1] & ~kPronominalBit;
    if (label[0] >= label_count_ || ending + label[2] > text.size()) return;
    if (cut != last_cut || added != last_added) {
      last_found = FindVerb(head, added);
      last_cut = cut;
      last_added = std::string_view(last_added_bytes.data(), added.size());
      std::copy(added.begin(), added.end(), last_added_bytes.begin());
    }
    const std::size_t found = last_found;
    if (found == verb_count_) return;
    const Verb verb = VerbAt(found);
    out.push_back(
        Reading(verb, (label[1] & kPronominalBit) != 0, label[0], text, 0, ending, label[2]));
  });
  // By insertion: a text has few readings, and this needs no buffer.
  for (std::size_t at = first + 1; at < out.size(); ++at) {
    for (std::size_t back = at;
         back > first && std::tie(out[back].verb_id, out[back].label) <
                             std::tie(out[back - 1].verb_id, out[back - 1].label);
         --back) {
      std::swap(out[back], out[back - 1]);
    }
  }
  return out.size() > first;
}

bool FormIndex::AppendComposed(std::string_view text, std::vector<FormReading>& last_readings,
                               std::vector<FormReading>& out) const {
  const auto blank = text.rfind(' ');
  if (blank == std::string_view::npos) return false;
  const RuleRange* rules = RulesAfter(text.substr(0, blank));
  if (rules == nullptr) return false;
  last_readings.clear();
  AppendReadings(text.substr(blank + 1), last_readings);
  bool any = false;
  for (std::size_t rule = rules->first; rule < rules->end; ++rule) {
    const std::uint8_t* bytes = &rules_[rule * kRuleBytes];
    const bool pronominal = bytes[6] != 0;
    for (const FormReading& last : last_readings) {
      if (last.label != bytes[4] || (last.verb_id & 1) != 0) continue;
      // "te fuiste" is irse's, never serse's: only a verb with a pronominal
      // use reads as pronominal.
      if (pronominal && !HasPronominalUse(last.verb)) continue;
      const Verb verb{std::string_view(last.verb.data(), last.verb.size() + 2), last.in_lexicon,
                      true, last.verb_id / 2};
      out.push_back(Reading(verb, pronominal, bytes[5], text, blank + 1, last.ending.size(),
                            last.after.size()));
      any = true;
    }
  }
  return any;
}

void FormIndex::AppendPrefixes(std::vector<std::string_view>& out) const {
  for (std::size_t rule = 0; rule < rule_count_; ++rule) {
    const std::string_view prefix = RulePrefix(rule);
    if (std::ranges::find(out, prefix) == out.end()) out.push_back(prefix);
  }
}

// Calls visit(text, marked, extended) for each stored text that reads
// `folded` when its marks are dropped, and, when `extra` is not 0, for each
// that reads `folded` + `extra`: the unmarked text first, as the walk tries
// the plain letter before the marked ones.
template <typename Visit>
void FormIndex::ForEachSpelling(std::string_view folded, char extra, Visit visit) const {
  std::string text;
  std::size_t budget = kWalkBudget;
  const auto stored = [this](std::uint32_t state) {
    return automaton_.Next(state, kSeparator) != Automaton::kNoState;
  };
  const auto at_end = [&](std::uint32_t state, bool marked) {
    if (stored(state)) visit(std::string_view(text), marked, false);
    if (extra == '\0') return;
    const std::uint32_t next = automaton_.Next(state, static_cast<std::uint8_t>(extra));
    if (next == Automaton::kNoState || !stored(next)) return;
    text += extra;
    visit(std::string_view(text), marked, true);
    text.pop_back();
  };
  // Each unaccented vowel also follows the arcs of its accented letters.
  const auto walk = [&](const auto& self, std::uint32_t state, std::size_t at,
                        bool marked) -> void {
    if (budget == 0) return;
    --budget;
    if (at == folded.size()) {
      at_end(state, marked);
      return;
    }
    const auto plain = static_cast<std::uint8_t>(folded[at]);
    if (const std::uint32_t next = automaton_.Next(state, plain); next != Automaton::kNoState) {
      text += static_cast<char>(plain);
      self(self, next, at + 1, marked);
      text.pop_back();
    }
    if (plain >= kMarkedLetters.size() || kMarkedLetters[plain].count == 0) return;
    const std::uint32_t lead = automaton_.Next(state, kMarkedLetterLead);
    if (lead == Automaton::kNoState) return;
    const MarkedLetters& letters = kMarkedLetters[plain];
    for (std::size_t letter = 0; letter < letters.count; ++letter) {
      const std::uint8_t second = letters.second_bytes[letter];
      const std::uint32_t next = automaton_.Next(lead, second);
      if (next == Automaton::kNoState) continue;
      text += static_cast<char>(kMarkedLetterLead);
      text += static_cast<char>(second);
      self(self, next, at + 1, true);
      text.resize(text.size() - 2);
    }
  };
  walk(walk, automaton_.root(), 0, false);
}

// texts[from..] in the order of their first reading: the verbs' order, then
// the forms'.
void FormIndex::RankByFirstReading(std::vector<std::string>& texts, std::size_t from) const {
  if (texts.size() < from + 2) return;
  std::vector<std::pair<std::pair<std::uint32_t, std::uint32_t>, std::string>> ranked;
  std::vector<FormReading> readings;
  for (std::size_t at = from; at < texts.size(); ++at) {
    readings.clear();
    AppendReadings(texts[at], readings);
    std::pair<std::uint32_t, std::uint32_t> rank{0xFFFFFFFF, 0xFFFFFFFF};
    for (const FormReading& reading : readings) {
      rank = std::min(rank, std::pair{reading.verb_id, reading.label});
    }
    ranked.emplace_back(rank, std::move(texts[at]));
  }
  std::ranges::stable_sort(ranked, {}, [](const auto& entry) { return entry.first; });
  for (std::size_t at = from; auto& [rank, text] : ranked) texts[at++] = std::move(text);
}

void FormIndex::AppendAccented(std::string_view folded, std::vector<std::string>& out) const {
  if (empty()) return;
  const std::size_t first = out.size();
  ForEachSpelling(folded, '\0', [&](std::string_view text, bool marked, bool) {
    if (marked) out.emplace_back(text);
  });
  RankByFirstReading(out, first);
}

void FormIndex::AppendSpellings(std::string_view folded, char extra, std::vector<std::string>& out,
                                std::vector<std::string>& extended) const {
  if (empty()) return;
  const std::size_t first = out.size();
  const std::size_t first_extended = extended.size();
  bool plain = false;
  bool plain_extended = false;
  ForEachSpelling(folded, extra, [&](std::string_view text, bool marked, bool longer) {
    (longer ? extended : out).emplace_back(text);
    if (!marked) (longer ? plain_extended : plain) = true;
  });
  RankByFirstReading(out, first + (plain ? 1 : 0));
  RankByFirstReading(extended, first_extended + (plain_extended ? 1 : 0));
}

}  // namespace flexoria
