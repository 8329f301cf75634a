// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookup/form_index_check.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "engine/form_table.h"

namespace flexoria {
namespace {

constexpr std::size_t kProblemsShown = 20;

// A reading as the paradigm shows it or the index gives it back.
struct Expected {
  std::uint32_t text_at;
  std::uint32_t text_size;
  std::uint32_t label;
  std::uint32_t stem;
  std::uint32_t ending;
};

class Checker {
 public:
  explicit Checker(const FormIndex& index) : index_(index) {}

  void CheckVerb(const IndexedVerb& verb, std::uint32_t place, bool pronominal);
  FormIndexCheck& check() { return check_; }

 private:
  void Problem(std::string_view form, std::string_view what, std::uint32_t label) {
    if (check_.problem_count++ >= kProblemsShown) return;
    const std::string person = std::to_string(label % 8);
    std::string text = "\"";
    for (const std::string_view part :
         {form, std::string_view("\" of "), std::string_view(name_), std::string_view(" "), what,
          std::string_view(" reading "), FullParadigmForms()[label / 8].name, std::string_view(" "),
          std::string_view(person)}) {
      text += part;
    }
    check_.problems.push_back(std::move(text));
  }

  const FormIndex& index_;
  FullParadigm paradigm_;
  FormIndexCheck check_;
  std::string texts_;
  std::string name_;
  std::vector<Expected> shown_;
  std::vector<Expected> found_;
  std::vector<FormReading> readings_;
  std::vector<FormReading> last_readings_;
};

void Checker::CheckVerb(const IndexedVerb& verb, std::uint32_t place, bool pronominal) {
  const Text entry = pronominal ? PronominalOf(verb.infinitive) : Text(verb.infinitive);
  name_ = EncodeUtf8(entry);
  texts_.clear();
  shown_.clear();
  ForEachForm(paradigm_, entry, [&](const VerbForm& form) {
    ++check_.forms;
    const auto at = static_cast<std::uint32_t>(texts_.size());
    std::array<std::uint32_t, 4> ends{};
    for (std::size_t part = 0; part < ends.size(); ++part) {
      AppendUtf8(std::array{form.before, form.stem, form.ending, form.after}[part], texts_);
      ends[part] = static_cast<std::uint32_t>(texts_.size());
    }
    shown_.push_back({at, ends[3] - at, form.label, ends[1] - ends[0], ends[2] - ends[1]});
  });
  const auto text_of = [&](const Expected& reading) {
    return std::string_view(texts_).substr(reading.text_at, reading.text_size);
  };
  // By text, then by reading; the texts compared once, not once each way
  // as a tuple would.
  const auto parts = [](const Expected& reading) {
    return std::tie(reading.label, reading.stem, reading.ending);
  };
  const auto less = [&](const Expected& a, const Expected& b) {
    if (const int order = text_of(a).compare(text_of(b)); order != 0) return order < 0;
    return parts(a) < parts(b);
  };
  const auto same = [&](const Expected& a, const Expected& b) {
    return parts(a) == parts(b) && text_of(a) == text_of(b);
  };
  std::ranges::sort(shown_, less);
  shown_.erase(std::unique(shown_.begin(), shown_.end(), same), shown_.end());
  const std::uint32_t verb_id = place * 2 + (pronominal ? 1 : 0);
  for (auto group = shown_.begin(); group != shown_.end();) {
    const std::string_view text = text_of(*group);
    const auto end = std::find_if(
        group, shown_.end(), [&](const Expected& reading) { return text_of(reading) != text; });
    readings_.clear();
    index_.AppendReadings(text, readings_);
    if (text.find(' ') != std::string_view::npos) {
      index_.AppendComposed(text, last_readings_, readings_);
    }
    found_.clear();
    for (const FormReading& reading : readings_) {
      if (reading.verb_id != verb_id) continue;
      if (reading.verb != name_ || reading.in_lexicon != verb.in_lexicon) {
        Problem(text, "names another verb in", reading.label);
      }
      found_.push_back({group->text_at, group->text_size, reading.label,
                        static_cast<std::uint32_t>(reading.stem.size()),
                        static_cast<std::uint32_t>(reading.ending.size())});
    }
    std::ranges::sort(found_, less);
    auto shown = group;
    auto found = found_.begin();
    // Both sorted: what one has and the other lacks is a miss or an extra.
    while (shown != end || found != found_.end()) {
      if (found == found_.end() || (shown != end && less(*shown, *found))) {
        Problem(text, "misses its", (shown++)->label);
      } else if (shown == end || less(*found, *shown)) {
        Problem(text, "gives an extra", (found++)->label);
      } else {
        ++shown;
        ++found;
      }
    }
    group = end;
  }
}

}  // namespace

FormIndexCheck CheckFormIndex(const FormIndex& index, std::span<const IndexedVerb> verbs) {
  Checker checker(index);
  for (std::uint32_t place = 0; place < verbs.size(); ++place) {
    for (const bool pronominal : {false, true}) {
      if (pronominal && !verbs[place].pronominal_use) continue;
      checker.CheckVerb(verbs[place], place, pronominal);
    }
  }
  return std::move(checker.check());
}

}  // namespace flexoria
