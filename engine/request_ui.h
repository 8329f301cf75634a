// SPDX-License-Identifier: GPL-3.0-or-later
// What a conjugation request needs of the window it runs in. The main
// window, the command-line tool and the tests each provide one.
#pragma once

#include <cstdint>

#include "core/form_cells.h"
#include "core/text.h"

namespace flexoria {

inline constexpr std::uint32_t kPureRed = 0xFF0000;

class RequestUi {
 public:
  virtual ~RequestUi() = default;

  // The entry box text exactly as typed. The view stays valid for the
  // whole request.
  virtual TextView EntryText() const = 0;
  // The selected form option, 1 to 13 (Option3D1 to Option3D13).
  virtual int SelectedOption() const = 0;

  virtual void SetTenseTitle(TextView title) = 0;
  // The person column as displayed: each label after a line break.
  virtual void SetPersonColumn(TextView persons) = 0;
  virtual void SetResultCells(const FormCells& cells) = 0;
  virtual void SetEndingColour(std::uint32_t rgb) = 0;

  // A modal message box with one OK button and no icon; returns when closed.
  virtual void ShowMessage(TextView text, TextView title) = 0;
};

}  // namespace flexoria
