// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the form index of every verb the program knows, at build time, and
// proves it first: every form of every verb must read back to its own
// readings and no other. Any fault stops the build with the form it concerns.
#include <cstdio>
#include <fstream>
#include <vector>

#include "lookup/form_index_builder.h"
#include "lookup/form_index_check.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  const std::vector<flexoria::IndexedVerb> verbs = flexoria::IndexedVerbs();
  const flexoria::BuiltFormIndex built = flexoria::BuildFormIndex(verbs);
  if (built.block.empty()) {
    std::fprintf(stderr, "%s: the form index cannot be built: %s\n", argv[0], built.error.c_str());
    return 1;
  }
  const flexoria::FormIndex index(built.block);
  if (index.empty()) {
    std::fprintf(stderr, "%s: the form index built cannot be read: %s\n", argv[0],
                 index.error().c_str());
    return 1;
  }
  const flexoria::FormIndexCheck check = flexoria::CheckFormIndex(index, verbs);
  if (check.problem_count > 0) {
    std::fprintf(stderr, "%s: %zu of %zu forms do not read back as they should:\n", argv[0],
                 check.problem_count, check.forms);
    for (const std::string& problem : check.problems)
      std::fprintf(stderr, "  %s\n", problem.c_str());
    return 1;
  }
  std::printf(
      "%zu verbs, %zu forms read back; %zu one-word readings, %zu rules for the rest; "
      "%zu bytes, %zu of them the automaton\n",
      verbs.size(), check.forms, built.readings, index.rule_count(), built.block.size(),
      index.automaton_bytes());
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(built.block.data()),
            static_cast<std::streamsize>(built.block.size()));
  return out ? 0 : 1;
}
