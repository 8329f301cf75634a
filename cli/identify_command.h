// SPDX-License-Identifier: GPL-3.0-or-later
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
  // The forms are running text: each argument a line, or standard input
  // when there are none or one is "-".
  bool text = false;
};

int RunIdentify(const IdentifyRequest& request, std::istream& in, std::ostream& out,
                std::ostream& err);

}  // namespace flexoria
