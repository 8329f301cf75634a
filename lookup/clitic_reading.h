// SPDX-License-Identifier: GPL-3.0-or-later
// Verb forms that carry object pronouns: joined after an affirmative
// imperative, an infinitive or a gerund (dímelo, decírselo, comiéndoselo),
// or placed before a finite form («se lo dije», «no lo hagas», «lo he
// hecho»). The pronouns are taken off, the plain form is read from the
// index, and a joined reading counts only when joining the pronouns again
// (core/enclitics) writes exactly the word that was read.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"
#include "lookup/form_index.h"

namespace flexoria {

struct ObjectPronoun;

class CliticReader {
 public:
  explicit CliticReader(const FormIndex& index) : index_(index) {}

  // `word`: one word as the index keeps it. The readings' texts live in
  // `keep` until it is cleared.
  void AppendJoined(std::string_view word, std::vector<FormReading>& out,
                    std::deque<std::string>& keep);
  // `words`: several words, one blank between them.
  void AppendPlaced(std::string_view words, std::vector<FormReading>& out,
                    std::deque<std::string>& keep);

 private:
  // A word read as a plain form with pronouns joined: the pronouns, and
  // their name for the readings, written once when a reading needs it.
  struct Joining {
    std::string_view word;
    std::string_view pronouns;
    const ObjectPronoun* first;  // null for one pronoun
    const ObjectPronoun& last;
    std::string_view named;
    std::string_view Named(std::deque<std::string>& keep);
  };
  // The plain form is the first `bare` bytes of `word`.
  void ReadJoined(std::string_view word, std::size_t bare, const ObjectPronoun* first,
                  const ObjectPronoun& last, std::vector<FormReading>& out,
                  std::deque<std::string>& keep);
  void ReadSpelling(std::string_view spelling, Joining& joining, std::vector<FormReading>& out,
                    std::deque<std::string>& keep);
  void ReadPlaced(std::string_view rest, std::string_view named, bool own_pronoun,
                  std::vector<FormReading>& out);

  const FormIndex& index_;
  std::vector<FormReading> found_;
  std::vector<FormReading> last_;
  std::vector<std::string> spellings_;
  std::vector<std::string> restored_;  // with the letter the join dropped
  std::vector<std::string_view> split_;
  std::string folded_utf8_;
  std::string joined_utf8_;
  Text bare_;
  Text joined_;
  Text verb_;
  Text pronouns_;
};

}  // namespace flexoria
