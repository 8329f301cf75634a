// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal_text.h"

#include <istream>

namespace flexoria {

std::string PlainLines(TextView text) {
  std::string lines = EncodeUtf8(text);
  for (auto at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at)) {
    lines.erase(at, 1);
  }
  return lines;
}

bool ReadLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace flexoria
