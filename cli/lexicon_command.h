// `flexoria-cli lexicon`: whether each word is in the built-in list of verbs.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace flexoria {

// One line per word on `out`. Returns the exit status: 0 when every word is
// listed, 1 when some is not, 2 when a word is not UTF-8.
int RunLexicon(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace flexoria
