// SPDX-License-Identifier: GPL-3.0-or-later
// The paradigm as one line of JSON, for programs: per form its rows, each
// with its person, pronoun, stem, ending and the whole form as written.
#pragma once

#include <string>
#include <vector>

#include "cli/json_writer.h"
#include "engine/full_paradigm.h"

namespace flexoria {

// One per caller: it keeps what every verb's rows write alike.
class ParadigmJson {
 public:
  ParadigmJson();

  // Appends the object for `paradigm` to `out`, without a line break; only
  // the form `only` when it is not null.
  void Append(const FullParadigmResult& paradigm, const FormSpec* only, std::string& out);

 private:
  // All of a row before its stem that is the same for every verb,
  // `{"person":"1","pronoun":"yo","clitic":"me","auxiliary":"he"`, and the
  // words before its verb form as JSON, `me he `: made once for the rows
  // with those words (FullForm::WordsOf), not for each of a verb's some 120.
  struct RowFrame {
    int words = -1;
    std::string start;
    std::string words_json;
  };

  void WriteForm(JsonWriter& json, const FullForm& form);
  const RowFrame& FrameOf(std::size_t form_at, bool imperative, int words, const FullRow& row);

  std::vector<RowFrame> frames_;  // by form, person and whether a clitic is written
};

}  // namespace flexoria
