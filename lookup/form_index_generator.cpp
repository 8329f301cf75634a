// Writes the form index of every verb the program knows, at build time:
// the program then only maps the stored block instead of conjugating the
// whole lexicon on its first lookup.
#include <cstdio>
#include <fstream>
#include <vector>

#include "lookup/form_index.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  const std::vector<flexoria::IndexedVerb> verbs = flexoria::IndexedVerbs();
  const std::vector<std::uint32_t> block = flexoria::FormIndex::Build(verbs);
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(block.data()),
            static_cast<std::streamsize>(block.size() * sizeof block.front()));
  return out ? 0 : 1;
}
