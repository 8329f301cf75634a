#include "engine/recording_ui.h"

#include "core/regular_values.h"

namespace flexoria {

void RecordingUi::PrepareRequest(TextView entry, int option) {
  entry_.assign(entry);
  option_ = option;
  messages_.clear();
}

void RecordingUi::SetResultCells(const FormCells& cells) {
  JoinColumn(cells.stems, cells.count, kLineBreak, stems_);
  JoinColumn(cells.endings, cells.count, kLineBreak, endings_);
}

void RecordingUi::ShowMessage(TextView text, TextView title) {
  messages_.push_back({Text(title), Text(text)});
}

}  // namespace flexoria
