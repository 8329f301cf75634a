// SPDX-License-Identifier: GPL-3.0-or-later
// A request user interface without a window: it holds the entry and the
// option it is given and records what the request displays and announces.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/request_ui.h"

namespace flexoria {

struct Message {
  Text title;
  Text text;
};

class RecordingUi : public RequestUi {
 public:
  // Sets what the next request reads and forgets the previous messages.
  void PrepareRequest(TextView entry, int option);

  TextView EntryText() const override { return entry_; }
  int SelectedOption() const override { return option_; }
  void SetTenseTitle(TextView title) override { title_.assign(title); }
  void SetPersonColumn(TextView persons) override { persons_.assign(persons); }
  void SetResultCells(const FormCells& cells) override { shown_.Keep(cells); }
  void SetEndingColour(std::uint32_t rgb) override { ending_colour_ = rgb; }
  void ShowMessage(TextView text, TextView title) override;

  const std::vector<Message>& messages() const { return messages_; }
  const Text& title() const { return title_; }
  const Text& persons() const { return persons_; }
  // The cells on display: the last form shown, kept as the window keeps
  // it; nothing before the first.
  std::span<const Text> shown_stems() const;
  std::span<const Text> shown_endings() const;
  // The columns as the window displays them, each cell after a line break.
  Text stems() const;
  Text endings() const;
  bool endings_red() const { return ending_colour_ == kPureRed; }

 private:
  Text entry_;
  int option_ = 1;
  std::vector<Message> messages_;
  Text title_;
  Text persons_;
  KeptCells shown_;
  std::uint32_t ending_colour_ = 0;  // black until the first accepted request
};

}  // namespace flexoria
