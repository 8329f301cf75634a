#include "cli/recording_ui.h"

namespace flexoria {

void RecordingUi::PrepareRequest(TextView entry, int option) {
  entry_.assign(entry);
  option_ = option;
  messages_.clear();
}

void RecordingUi::SetResultColumns(TextView stems, TextView endings) {
  stems_.assign(stems);
  endings_.assign(endings);
}

void RecordingUi::ShowMessage(TextView text, TextView title) {
  messages_.push_back({Text(title), Text(text)});
}

}  // namespace flexoria
