// SPDX-License-Identifier: GPL-3.0-or-later
// Text between the command line and a terminal or a pipe: the colour of the
// endings, the window's line breaks as a terminal's, and input lines
// without a carriage return.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "core/text.h"

namespace flexoria {

// ANSI escapes: an ending painted red, a form not in use dimmed.
inline constexpr std::string_view kRed = "\x1b[31m";
inline constexpr std::string_view kDim = "\x1b[2m";
inline constexpr std::string_view kReset = "\x1b[0m";

// UTF-8 with the window's line breaks (CR LF) as plain line feeds.
std::string PlainLines(TextView text);

}  // namespace flexoria
