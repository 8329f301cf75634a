// SPDX-License-Identifier: GPL-3.0-or-later
// `flexoria-cli lexicon`: whether each word is in the built-in list of verbs.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace flexoria {

// One line per word on `out`, "-" reading one word per line from `in`.
// Returns the exit status: 0 when every word is listed, 1 when some is
// not, 2 when some word broke the input rule (cli/typed_word.h).
int RunLexicon(const std::vector<std::string>& words, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace flexoria
