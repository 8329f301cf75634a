// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_text.h"

namespace flexoria {

std::string PlainLines(TextView text) {
  std::string lines = EncodeUtf8(text);
  for (auto at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at)) {
    lines.erase(at, 1);
  }
  return lines;
}

}  // namespace flexoria
