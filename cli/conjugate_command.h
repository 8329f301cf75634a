// `flexoria-cli conjugate`: the forms of each verb given, as a table or JSON.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace flexoria {

struct FormSpec;

struct ConjugateRequest {
  std::vector<std::string> verbs;  // UTF-8, exactly as typed
  const FormSpec* form = nullptr;  // every form when null
  bool json = false;
  bool colour = false;
};

// Writes the forms to `out` and the window's messages to `err`. Returns the
// exit status: 1 when some verb was refused, 2 when an argument is not UTF-8.
int RunConjugate(const ConjugateRequest& request, std::ostream& out, std::ostream& err);

// Red endings only on a terminal, and never when NO_COLOR is set to anything.
bool ShouldColour(bool stdout_is_terminal, const char* no_color);

}  // namespace flexoria
