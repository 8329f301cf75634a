// SPDX-License-Identifier: GPL-3.0-or-later
// The paradigm as one line of JSON, for programs: per form its rows, each
// with its person, pronoun, stem, ending and the whole form as written.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cli/json_output.h"
#include "cli/json_writer.h"
#include "core/short_copy.h"
#include "engine/full_paradigm.h"

namespace flexoria {

// The JSON of a cell that many rows of a verb show, made for the first of
// them. It is kept within one verb's Append, where views of the same
// characters are views of the same text.
class SharedCell {
 public:
  void Forget() { held_ = false; }
  bool Holds(const FullRow& row) const {
    return held_ && row.stem.data() == stem_.data() && row.stem.size() == stem_.size() &&
           row.ending.data() == ending_.data() && row.ending.size() == ending_.size();
  }
  // Keeps nothing when the two are longer than it holds.
  void Keep(const FullRow& row, std::string_view stem, std::string_view ending) {
    held_ = stem.size() + ending.size() <= kCapacity;
    if (!held_) return;
    stem_ = row.stem;
    ending_ = row.ending;
    CopyShort(json_.data(), stem.data(), stem.size());
    CopyShort(json_.data() + stem.size(), ending.data(), ending.size());
    stem_size_ = stem.size();
    ending_size_ = ending.size();
  }
  std::string_view Stem() const { return {json_.data(), stem_size_}; }
  std::string_view Ending() const { return {json_.data() + stem_size_, ending_size_}; }

 private:
  static constexpr std::size_t kCapacity = 64;
  bool held_ = false;
  TextView stem_;
  TextView ending_;
  std::array<char, kCapacity> json_{};
  std::size_t stem_size_ = 0;
  std::size_t ending_size_ = 0;
};

// All of a row but its cell that is the same for every verb: before its
// stem, `{"person":"1","pronoun":"yo","clitic":"me","auxiliary":"he","stem":"`;
// between its ending and the stem in its text, `","text":"me he `. Made
// once for the rows with the same words (FullForm::WordsOf), not for each
// of a verb's some 120.
struct RowFrame {
  int words = -1;
  std::string head;
  std::string text_start;

  // `"person":"1",...,"auxiliary":"he"`, for a row written member by member.
  std::string_view Members() const {
    return std::string_view(head).substr(1, head.size() - 1 - kStemOpening.size());
  }
  static constexpr std::string_view kStemOpening = R"(,"stem":")";
};

// One per caller: it keeps what every verb's rows write alike.
class ParadigmJson {
 public:
  ParadigmJson();

  // The object for `paradigm` as a line of JSON Lines, its line break
  // included, in a buffer the next line reuses; only the form `only` when
  // it is not null.
  std::string_view Line(const FullParadigmResult& paradigm, const FormSpec* only);

 private:
  void Append(const FullParadigmResult& paradigm, const FormSpec* only, JsonOutput& out);
  void WriteForm(JsonWriter& json, const FullForm& form);
  const RowFrame& FrameOf(std::size_t form_at, bool imperative, int words, const FullRow& row) {
    RowFrame& frame = frames_[form_at * kFrameSlots + FrameSlot(row)];
    if (frame.words != words) MakeFrame(imperative, words, row, frame);
    return frame;
  }
  static void MakeFrame(bool imperative, int words, const FullRow& row, RowFrame& frame);

  // Where a row's frame stands among a form's: kNoPerson first, vos last,
  // each without a clitic, then with one.
  static constexpr std::size_t kFrameSlots = static_cast<std::size_t>(kVos - kNoPerson + 1) * 2;
  static std::size_t FrameSlot(const FullRow& row) {
    return static_cast<std::size_t>(row.person - kNoPerson) * 2 + (row.clitic.empty() ? 0 : 1);
  }

  // A form's rows' frames in order. They are looked up again only when the
  // words of its rows change (FullForm::words, and vos adding a row): a
  // verb's 120 rows then find theirs without reading the rows for it.
  // FramesOf is inline: every form of every verb asks it.
  struct FormFrames {
    int words = -1;
    std::size_t count = 0;
    std::array<const RowFrame*, std::tuple_size_v<decltype(FullForm::rows)>> rows{};
  };
  [[gnu::always_inline]] const FormFrames& FramesOf(std::size_t form_at, bool imperative,
                                                    const FullForm& form);

  std::vector<RowFrame> frames_;  // by form, person and whether a clitic is written
  std::array<FormFrames, kFullParadigmFormCount> form_frames_;
  JsonOutput line_;
  SharedCell participle_;
};

}  // namespace flexoria
