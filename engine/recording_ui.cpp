// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/recording_ui.h"

#include "core/regular_values.h"

namespace flexoria {

void RecordingUi::PrepareRequest(TextView entry, int option) {
  entry_.assign(entry);
  option_ = option;
  messages_.clear();
}

std::span<const Text> RecordingUi::shown_stems() const {
  return std::span(shown_.stems).first(shown_.count);
}

std::span<const Text> RecordingUi::shown_endings() const {
  return std::span(shown_.endings).first(shown_.count);
}

Text RecordingUi::stems() const {
  Text column;
  JoinColumn(shown_stems(), shown_stems().size(), kLineBreak, column);
  return column;
}

Text RecordingUi::endings() const {
  Text column;
  JoinColumn(shown_endings(), shown_endings().size(), kLineBreak, column);
  return column;
}

void RecordingUi::ShowMessage(TextView text, TextView title) {
  messages_.push_back({Text(title), Text(text)});
}

}  // namespace flexoria
