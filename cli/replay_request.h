// SPDX-License-Identifier: GPL-3.0-or-later
// Reading one replay line: a JSON object with a string "entry" and an
// integer "option" from 1 to 13.
#pragma once

#include <string>
#include <string_view>

#include "core/text.h"

namespace flexoria {

struct ReplayRequest {
  Text entry;
  int option = 0;
  std::string utf8_entry;  // the entry as read, before decoding
};

// Fills `request` from `line`. Returns an empty string on success, else what
// is wrong with the line. `request` keeps its buffers from call to call.
std::string ParseReplayRequest(std::string_view line, ReplayRequest& request);

}  // namespace flexoria
