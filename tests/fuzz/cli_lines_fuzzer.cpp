// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes as the lines of `conjugate -` and `lexicon -`:
// whatever comes in, neither may crash, and nothing they write may hold a
// control character but the line feeds they put there themselves.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/conjugate_command.h"
#include "cli/lexicon_command.h"

namespace {

bool HoldsForeignControl(const std::string& text) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if ((byte < 0x20 && byte != '\n') || byte == 0x7F) return true;
    // C1 controls in UTF-8: C2 80 to C2 9F.
    if (byte == 0xC2 && at + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[at + 1]);
      if (next >= 0x80 && next <= 0x9F) return true;
    }
  }
  return false;
}

void Check(const std::ostringstream& out, const std::ostringstream& err) {
  if (HoldsForeignControl(out.str()) || HoldsForeignControl(err.str())) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  {
    std::istringstream in(input);
    std::ostringstream out, err;
    flexoria::ConjugateRequest request;
    request.verbs = {"-"};
    const int status = flexoria::RunConjugate(request, in, out, err);
    if (status < 0 || status > 2) __builtin_trap();
    Check(out, err);
  }
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = flexoria::RunLexicon({"-"}, in, out, err);
  if (status < 0 || status > 2) __builtin_trap();
  Check(out, err);
  return 0;
}
