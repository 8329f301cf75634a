// SPDX-License-Identifier: GPL-3.0-or-later
// The replay protocol: JSON Lines of requests in, JSON Lines of what the
// window would show out, all through one session.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "cli/replay_request.h"
#include "engine/conjugation_session.h"
#include "engine/recording_ui.h"

namespace flexoria {

class Replay {
 public:
  explicit Replay(bool with_state) : with_state_(with_state) {}

  // Runs one input line. Returns the output line without its newline, or
  // an empty string for a blank line, which gets no answer. The answer is
  // valid until the next call.
  const std::string& RunLine(std::string_view line);

  bool had_bad_input() const { return had_bad_input_; }

 private:
  ConjugationSession session_;
  RecordingUi ui_;
  ReplayRequest request_;
  std::string answer_;
  bool with_state_;
  bool had_bad_input_ = false;
};

// Replays every line of `in` to `out`, flushing after each answer. Returns
// the exit status: 0, or 1 when some line was bad input.
int RunReplay(std::istream& in, std::ostream& out, bool with_state);

}  // namespace flexoria
