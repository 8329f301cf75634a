// flexoria-cli identify: from forms back to their verbs.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace flexoria {

struct IdentifyRequest {
  std::vector<std::string> forms;  // "-" reads one form per line from standard input
  bool json = false;
  bool colour = false;
};

int RunIdentify(const IdentifyRequest& request, std::istream& in, std::ostream& out,
                std::ostream& err);

}  // namespace flexoria
