#include "engine/form_index.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <unordered_map>

#include "engine/compound_rules.h"
#include "engine/typed_form.h"
#include "lexicon/pronominal_verbs.h"

namespace flexoria {
namespace {

// The block: a header of counts, then runs of 32-bit words: the verbs
// (each plain verb followed by its pronominal one), the labels, per text
// its group of accented neighbours, the readings, the texts' slots, the
// accented texts of each group, the groups' slots (by their text without
// accents), the rules that make forms of several words, the verbs and
// labels no rule applies to, and the pool. A string is a byte offset into
// the pool, where a length byte precedes its UTF-8.
enum Header : std::size_t {
  kMagic,
  kVerbCount,
  kLabelCount,
  kKeyCount,
  kReadingCount,
  kKeySlotCount,
  kFoldCount,  // groups, for the record: their slots hold them
  kFoldKeyCount,
  kFoldSlotCount,
  kRuleCount,
  kBlockedCount,
  kExceptionCount,  // for the record: forms of several words stored whole
  kPoolWords,
  kHeaderWords
};
constexpr std::uint32_t kBlockMagic = 0x32495846;  // "FXI2"
constexpr std::size_t kVerbWords = 2;              // name, in the lexicon
// name, title, person, pronoun, auxiliary, the pronominal verb's clitic
constexpr std::size_t kLabelWords = 6;
constexpr std::size_t kLabelKeyWords = 4;
constexpr std::size_t kReadingWords = 2;
constexpr std::size_t kRuleWords = 4;  // prefix, last word's label, label, pronominal
// A blocked verb and label share a word: the label takes the low 8 bits.
constexpr std::uint32_t kLabelBits = 8;

// A reading: verb (24 bits) and the bytes before the stem (8); label (16),
// the stem's bytes (8) and the ending's (8).
struct PackedReading {
  std::uint32_t verb_and_before;
  std::uint32_t label_and_split;
  bool operator==(const PackedReading&) const = default;
};

std::string_view StoredString(std::string_view pool, std::uint32_t ref) {
  return pool.substr(ref + 1, static_cast<unsigned char>(pool[ref]));
}

std::uint32_t HashOf(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

class BlockWriter {
 public:
  std::uint32_t String(std::string_view text) {
    const auto [found, added] = strings_.try_emplace(std::string(text), pool_.size());
    if (added) {
      pool_ += static_cast<char>(std::min<std::size_t>(text.size(), 255));
      pool_ += text.substr(0, 255);
    }
    return static_cast<std::uint32_t>(found->second);
  }

  // The engine's names, titles and persons are constants, so a label is
  // known by where they stand; auxiliary and clitic come with the first
  // reading that has them.
  std::uint32_t Label(const VerbForm& form) {
    const LabelPlace place{form.name.data(), form.title.data(), form.person.data(),
                           form.pronoun.data()};
    auto known = label_places_.find(place);
    if (known == label_places_.end()) known = label_places_.emplace(place, NewLabel(form)).first;
    const std::uint32_t label = known->second;
    std::uint32_t* extra = &labels_[label * kLabelWords + kLabelKeyWords];
    if (extra[0] == empty_ && !form.auxiliary.empty())
      extra[0] = String(EncodeUtf8(form.auxiliary));
    if (extra[1] == empty_ && !form.clitic.empty()) extra[1] = String(EncodeUtf8(form.clitic));
    return label;
  }

  std::uint32_t Key(const std::string& text) {
    const auto [found, added] = key_ids_.try_emplace(text, keys_.size());
    if (added) {
      keys_.push_back(String(text));
      key_texts_.push_back(text);
      readings_.emplace_back();
    }
    return found->second;
  }

  void AddReading(std::uint32_t key, PackedReading reading) {
    auto& list = readings_[key];
    if (std::find(list.begin(), list.end(), reading) == list.end()) list.push_back(reading);
  }

  std::vector<std::uint32_t> verbs;
  std::vector<std::uint32_t> labels_;
  std::vector<std::uint32_t> keys_;
  std::vector<std::string> key_texts_;
  std::vector<std::vector<PackedReading>> readings_;
  std::string pool_;

 private:
  struct LabelHash {
    std::size_t operator()(const std::array<std::uint32_t, kLabelKeyWords>& label) const {
      return HashOf(std::string_view(reinterpret_cast<const char*>(label.data()), sizeof label));
    }
  };
  std::uint32_t NewLabel(const VerbForm& form) {
    const std::array<std::uint32_t, kLabelKeyWords> label{
        String(form.name), String(EncodeUtf8(form.title)), String(EncodeUtf8(form.person)),
        String(EncodeUtf8(form.pronoun))};
    const auto [found, added] = label_ids_.try_emplace(label, labels_.size() / kLabelWords);
    if (added) {
      labels_.insert(labels_.end(), label.begin(), label.end());
      labels_.insert(labels_.end(), {empty_, empty_});
    }
    return found->second;
  }

  using LabelPlace = std::array<const void*, kLabelKeyWords>;
  struct PlaceHash {
    std::size_t operator()(const LabelPlace& place) const {
      return HashOf(std::string_view(reinterpret_cast<const char*>(place.data()), sizeof place));
    }
  };
  std::unordered_map<std::string, std::size_t> strings_;
  std::uint32_t empty_ = String({});
  std::unordered_map<LabelPlace, std::uint32_t, PlaceHash> label_places_;
  std::unordered_map<std::array<std::uint32_t, kLabelKeyWords>, std::uint32_t, LabelHash>
      label_ids_;
  std::unordered_map<std::string, std::uint32_t> key_ids_;
};

std::uint32_t Bytes(TextView text) { return static_cast<std::uint32_t>(EncodeUtf8(text).size()); }

PackedReading Packed(std::uint32_t verb, std::uint32_t label, std::uint32_t before,
                     std::uint32_t stem, std::uint32_t ending) {
  return {verb | before << 24, label | stem << 16 | ending << 24};
}

// A plain verb's id is even, its pronominal verb's the next.
std::uint32_t VerbId(std::uint32_t verb, bool pronominal) {
  return verb * 2 + (pronominal ? 1 : 0);
}

// One-word forms go to the index; the others wait for the rules.
void AddVerb(FullParadigm& paradigm, BlockWriter& writer, std::uint32_t verb, TextView infinitive,
             VerbWords& words) {
  const Text pronominal = PronominalOf(infinitive);
  for (const bool reflexive : {false, true}) {
    // Only the verbs that Spanish uses with a pronoun read as pronominal.
    if (reflexive && !HasPronominalUse(infinitive)) continue;
    ForEachForm(paradigm, reflexive ? TextView(pronominal) : infinitive, [&](const VerbForm& form) {
      std::string text = EncodeUtf8(TextOf(form));
      const std::uint32_t label = writer.Label(form);
      const auto stem = static_cast<std::uint8_t>(Bytes(form.stem));
      const auto ending = static_cast<std::uint8_t>(Bytes(form.ending));
      if (text.find(' ') != std::string::npos) {
        const auto before = static_cast<std::uint8_t>(Bytes(form.before));
        words.several.push_back({std::move(text), label, reflexive, before, stem, ending});
        return;
      }
      if (!reflexive && form.after.empty()) words.single.push_back({text, label, stem, ending});
      writer.AddReading(writer.Key(text),
                        Packed(VerbId(verb, reflexive), label, Bytes(form.before), stem, ending));
    });
  }
}

// Forms no rule gives back are stored whole; the rest are left to the rules.
std::size_t AddExceptions(BlockWriter& writer, std::uint32_t verb, const VerbWords& words,
                          const std::vector<CompoundRule>& rules,
                          std::vector<std::uint32_t>& blocked) {
  const RuleFit fit = FitCompoundRules(words, rules);
  for (const auto& [label, pronominal] : fit.blocked) {
    blocked.push_back(VerbId(verb, pronominal) << kLabelBits | label);
  }
  for (const SeveralWords* form : fit.exceptions) {
    writer.AddReading(writer.Key(form->text), Packed(VerbId(verb, form->pronominal), form->label,
                                                     form->before, form->stem, form->ending));
  }
  return fit.exceptions.size();
}

// Open addressing over `count` items, at most two thirds full. A slot is
// four words: item + 1, the item's hash, where its text is stored, and
// where its list starts (24 bits) with the list's length (8 bits); so a
// probe compares texts only when the hashes agree, and a found item needs
// no further table to reach its text and its list.
constexpr std::size_t kSlotWords = 4;

// A list in a run of lists: where it starts (24 bits), how long it is (8).
std::uint32_t ListWord(std::span<const std::uint32_t> firsts, std::uint32_t item) {
  const std::uint32_t length = std::min<std::uint32_t>(firsts[item + 1] - firsts[item], 255);
  return firsts[item] | length << 24;
}

template <typename TextOfItem>
std::vector<std::uint32_t> Slots(std::span<const std::uint32_t> refs,
                                 std::span<const std::uint32_t> firsts, TextOfItem text_of) {
  const std::size_t count = refs.size();
  const std::size_t size = std::bit_ceil(std::max<std::size_t>(count * 3 / 2, 2));
  std::vector<std::uint32_t> slots(kSlotWords * size);
  for (std::uint32_t item = 0; item < count; ++item) {
    const std::uint32_t hash = HashOf(text_of(item));
    std::size_t at = hash & (size - 1);
    while (slots[kSlotWords * at] != 0) at = (at + 1) & (size - 1);
    const std::array<std::uint32_t, kSlotWords> slot{item + 1, hash, refs[item],
                                                     ListWord(firsts, item)};
    std::copy(slot.begin(), slot.end(), slots.begin() + static_cast<long>(kSlotWords * at));
  }
  return slots;
}

void Append(std::vector<std::uint32_t>& block, const std::vector<std::uint32_t>& words) {
  block.insert(block.end(), words.begin(), words.end());
}

// Where each key's list starts in the run of all lists, and the run.
template <typename Item, typename Visit>
std::vector<std::uint32_t> Firsts(const std::vector<std::vector<Item>>& lists, Visit visit) {
  std::vector<std::uint32_t> firsts{0};
  for (const auto& list : lists) {
    for (const Item& item : list) visit(item);
    firsts.push_back(firsts.back() + static_cast<std::uint32_t>(list.size()));
  }
  return firsts;
}

struct FoldGroups {
  std::vector<std::uint32_t> refs;
  // Per key without accents, its group + 1, or 0; in the block, the
  // group's list: a found form reaches its accented neighbours without a
  // second search.
  std::vector<std::uint32_t> of_plain_key;
  std::vector<std::vector<std::uint32_t>> keys;
  std::vector<std::string> texts;
};

// The keys with accents, grouped by their text without them.
FoldGroups GroupByFold(BlockWriter& writer) {
  FoldGroups groups;
  std::unordered_map<std::string, std::uint32_t> ids;
  Text folded;
  for (std::uint32_t key = 0; key < writer.key_texts_.size(); ++key) {
    const Text text = DecodeUtf8(writer.key_texts_[key]).value_or(Text());
    FoldAccents(text, folded);
    if (folded == text) continue;
    const std::string fold = EncodeUtf8(folded);
    const auto [found, added] = ids.try_emplace(fold, groups.texts.size());
    if (added) {
      groups.texts.push_back(fold);
      groups.refs.push_back(writer.String(fold));
      groups.keys.emplace_back();
    }
    groups.keys[found->second].push_back(key);
  }
  groups.of_plain_key.resize(writer.key_texts_.size());
  for (std::uint32_t key = 0; key < writer.key_texts_.size(); ++key) {
    const auto found = ids.find(writer.key_texts_[key]);
    if (found != ids.end()) groups.of_plain_key[key] = found->second + 1;
  }
  return groups;
}

}  // namespace

std::vector<std::uint32_t> FormIndex::Build(std::span<const IndexedVerb> verbs) {
  BlockWriter writer;
  FullParadigm paradigm;
  std::vector<VerbWords> words(verbs.size());
  for (std::uint32_t verb = 0; verb < verbs.size(); ++verb) {
    const TextView infinitive = verbs[verb].infinitive;
    for (const Text& name : {Text(infinitive), PronominalOf(infinitive)}) {
      writer.verbs.push_back(writer.String(EncodeUtf8(name)));
      writer.verbs.push_back(verbs[verb].in_lexicon ? 1 : 0);
    }
    AddVerb(paradigm, writer, verb, infinitive, words[verb]);
  }
  const std::vector<CompoundRule> learnt = LearnCompoundRules(words);
  std::vector<std::uint32_t> blocked;
  std::size_t exceptions = 0;
  for (std::uint32_t verb = 0; verb < verbs.size(); ++verb) {
    exceptions += AddExceptions(writer, verb, words[verb], learnt, blocked);
    words[verb] = {};
  }
  std::ranges::sort(blocked);
  std::vector<std::uint32_t> rules;
  for (const CompoundRule& rule : learnt) {
    rules.insert(rules.end(), {writer.String(rule.prefix), rule.last_label, rule.label,
                               rule.pronominal ? 1u : 0u});
  }
  if (writer.labels_.size() / kLabelWords >= (1u << kLabelBits)) return {};
  std::vector<std::uint32_t> readings;
  const auto key_first = Firsts(writer.readings_, [&](const PackedReading& reading) {
    readings.push_back(reading.verb_and_before);
    readings.push_back(reading.label_and_split);
  });
  const auto key_slots =
      Slots(writer.keys_, key_first, [&](std::uint32_t key) { return writer.key_texts_[key]; });
  FoldGroups folds = GroupByFold(writer);
  std::vector<std::uint32_t> fold_keys;
  const auto fold_first =
      Firsts(folds.keys, [&](std::uint32_t key) { fold_keys.push_back(writer.keys_[key]); });
  const auto fold_slots =
      Slots(folds.refs, fold_first, [&](std::uint32_t fold) { return folds.texts[fold]; });
  for (std::uint32_t& group : folds.of_plain_key) {
    if (group != 0) group = ListWord(fold_first, group - 1);
  }

  std::string& pool = writer.pool_;
  pool.resize((pool.size() + 3) / 4 * 4);
  std::vector<std::uint32_t> pool_words(pool.size() / 4);
  std::memcpy(pool_words.data(), pool.data(), pool.size());

  std::vector<std::uint32_t> block(kHeaderWords);
  block[kMagic] = kBlockMagic;
  block[kVerbCount] = static_cast<std::uint32_t>(verbs.size());
  block[kLabelCount] = static_cast<std::uint32_t>(writer.labels_.size() / kLabelWords);
  block[kKeyCount] = static_cast<std::uint32_t>(writer.keys_.size());
  block[kReadingCount] = static_cast<std::uint32_t>(readings.size() / kReadingWords);
  block[kKeySlotCount] = static_cast<std::uint32_t>(key_slots.size());
  block[kFoldCount] = static_cast<std::uint32_t>(folds.refs.size());
  block[kFoldKeyCount] = static_cast<std::uint32_t>(fold_keys.size());
  block[kFoldSlotCount] = static_cast<std::uint32_t>(fold_slots.size());
  block[kRuleCount] = static_cast<std::uint32_t>(learnt.size());
  block[kBlockedCount] = static_cast<std::uint32_t>(blocked.size());
  block[kExceptionCount] = static_cast<std::uint32_t>(exceptions);
  block[kPoolWords] = static_cast<std::uint32_t>(pool_words.size());
  using Section = const std::vector<std::uint32_t>*;
  for (Section section : std::initializer_list<Section>{
           &writer.verbs, &writer.labels_, &folds.of_plain_key, &readings, &key_slots, &fold_keys,
           &fold_slots, &rules, &blocked, &pool_words}) {
    Append(block, *section);
  }
  return block;
}

FormIndex::FormIndex(std::span<const std::uint32_t> block) {
  if (block.size() < kHeaderWords || block[kMagic] != kBlockMagic) return;
  std::size_t at = kHeaderWords;
  bool fits = true;
  const auto take = [&](std::size_t count) {
    if (!fits || count > block.size() - at) {
      fits = false;
      return std::span<const std::uint32_t>();
    }
    const auto section = block.subspan(at, count);
    at += count;
    return section;
  };
  verbs_ = take(std::size_t{block[kVerbCount]} * 2 * kVerbWords);
  labels_ = take(std::size_t{block[kLabelCount]} * kLabelWords);
  key_folds_ = take(block[kKeyCount]);
  readings_ = take(block[kReadingCount] * kReadingWords);
  key_slots_ = take(block[kKeySlotCount]);
  fold_keys_ = take(block[kFoldKeyCount]);
  fold_slots_ = take(block[kFoldSlotCount]);
  rules_ = take(block[kRuleCount] * kRuleWords);
  blocked_ = take(block[kBlockedCount]);
  exception_count_ = block[kExceptionCount];
  const auto pool = take(block[kPoolWords]);
  if (!fits || at != block.size() || !std::has_single_bit(key_slots_.size() / kSlotWords) ||
      !std::has_single_bit(fold_slots_.size() / kSlotWords)) {
    *this = FormIndex({});
    return;
  }
  pool_ = std::string_view(reinterpret_cast<const char*>(pool.data()), pool.size_bytes());
}

std::string_view FormIndex::StringAt(std::uint32_t ref) const { return StoredString(pool_, ref); }

namespace {

// The slot of `text`, or null.
const std::uint32_t* Probe(std::span<const std::uint32_t> slots, std::string_view pool,
                           std::string_view text) {
  if (slots.empty()) return nullptr;
  const std::uint32_t hash = HashOf(text);
  const std::size_t mask = slots.size() / kSlotWords - 1;
  for (std::size_t at = hash & mask; slots[kSlotWords * at] != 0; at = (at + 1) & mask) {
    const std::uint32_t* slot = &slots[kSlotWords * at];
    if (slot[1] == hash && StoredString(pool, slot[2]) == text) return slot;
  }
  return nullptr;
}

std::uint32_t ListStart(std::uint32_t list) { return list & 0xFFFFFF; }
std::uint32_t ListEnd(std::uint32_t list) { return ListStart(list) + (list >> 24); }

}  // namespace

std::string_view FormIndex::Stored(std::string_view text) const {
  const std::uint32_t* slot = Probe(key_slots_, pool_, text);
  return slot == nullptr ? std::string_view() : StoredString(pool_, slot[2]);
}

std::uint32_t FormIndex::AppendReadings(std::string_view text,
                                        std::vector<FormReading>& out) const {
  const std::uint32_t* slot = Probe(key_slots_, pool_, text);
  if (slot == nullptr) return kNone;
  const std::string_view stored = StoredString(pool_, slot[2]);
  for (std::uint32_t at = ListStart(slot[3]); at < ListEnd(slot[3]); ++at) {
    const std::uint32_t first = readings_[at * kReadingWords];
    const std::uint32_t second = readings_[at * kReadingWords + 1];
    const std::size_t before = first >> 24;
    const std::size_t stem = (second >> 16) & 0xFF;
    const std::size_t ending = second >> 24;
    out.push_back(Reading(first & 0xFFFFFF, second & 0xFFFF, stored, before, stem, ending));
  }
  return slot[0] - 1;
}

FormReading FormIndex::Reading(std::uint32_t verb_id, std::uint32_t label_id, std::string_view text,
                               std::size_t before, std::size_t stem, std::size_t ending) const {
  const std::size_t verb = verb_id * kVerbWords;
  const std::size_t label = label_id * kLabelWords;
  const bool pronominal = (verb_id & 1) != 0;
  return {StringAt(verbs_[verb]),
          verbs_[verb + 1] != 0,
          StringAt(labels_[label]),
          StringAt(labels_[label + 1]),
          StringAt(labels_[label + 2]),
          StringAt(labels_[label + 3]),
          text,
          text.substr(0, before),
          text.substr(before, stem),
          text.substr(before + stem, ending),
          text.substr(before + stem + ending),
          StringAt(labels_[label + 4]),
          pronominal ? StringAt(labels_[label + 5]) : std::string_view(),
          label_id,
          verb_id};
}

bool FormIndex::AppendComposed(std::string_view text, std::vector<FormReading>& last_readings,
                               std::vector<FormReading>& out) const {
  const auto blank = text.rfind(' ');
  if (blank == std::string_view::npos) return false;
  const std::string_view prefix = text.substr(0, blank);
  last_readings.clear();
  AppendReadings(text.substr(blank + 1), last_readings);
  bool any = false;
  // The rules are sorted by their prefix.
  const auto prefix_of = [&](std::size_t rule) { return StringAt(rules_[rule * kRuleWords]); };
  std::size_t first = 0;
  for (std::size_t count = rule_count(); count > 0;) {
    const std::size_t half = count / 2;
    if (prefix_of(first + half) < prefix) {
      first += half + 1;
      count -= half + 1;
    } else {
      count = half;
    }
  }
  for (std::size_t rule = first; rule < rule_count() && prefix_of(rule) == prefix; ++rule) {
    const std::uint32_t* words = &rules_[rule * kRuleWords];
    const std::uint32_t verb_bit = words[3];
    for (const FormReading& last : last_readings) {
      if (last.label != words[1] || (last.verb_id & 1) != 0) continue;
      const std::uint32_t verb = last.verb_id | verb_bit;
      if (std::ranges::binary_search(blocked_, verb << kLabelBits | words[2])) continue;
      out.push_back(Reading(verb, words[2], text, blank + 1, last.stem.size(), last.ending.size()));
      any = true;
    }
  }
  return any;
}

void FormIndex::AppendPrefixes(std::vector<std::string_view>& out) const {
  for (std::size_t rule = 0; rule < rule_count(); ++rule) {
    const std::string_view prefix = StringAt(rules_[rule * kRuleWords]);
    if (std::ranges::find(out, prefix) == out.end()) out.push_back(prefix);
  }
}

void FormIndex::AppendAccentedOf(std::uint32_t key, std::vector<std::string_view>& out) const {
  if (key < key_folds_.size() && key_folds_[key] != 0) AppendGroup(key_folds_[key], out);
}

void FormIndex::AppendAccented(std::string_view folded, std::vector<std::string_view>& out) const {
  if (const std::uint32_t* slot = Probe(fold_slots_, pool_, folded)) AppendGroup(slot[3], out);
}

void FormIndex::AppendGroup(std::uint32_t list, std::vector<std::string_view>& out) const {
  for (std::uint32_t at = ListStart(list); at < ListEnd(list); ++at) {
    out.push_back(StringAt(fold_keys_[at]));
  }
}

}  // namespace flexoria
