// SPDX-License-Identifier: GPL-3.0-or-later
// The exit statuses of flexoria-cli, the same for every command.
#pragma once

namespace flexoria {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;  // a word refused or not found, or a bad replay line
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFailure = 3;  // an unexpected failure, such as memory running out

}  // namespace flexoria
