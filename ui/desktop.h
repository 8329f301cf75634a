// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows ask of the desktop beyond drawing themselves: modal
// messages, the beep and ending the program. Each goes through a replaceable
// hook, so that tests can watch them without blocking on a modal box.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace flexoria::ui {

enum class MessageIcon { kNone, kInformation };

struct DesktopHooks {
  std::function<void(QWidget* parent, const QString& text, const QString& title, MessageIcon)>
      show_message;
  std::function<void()> beep;
  std::function<void()> quit;
};

// The process-wide hooks, set to the real desktop at first use.
DesktopHooks& Desktop();

// A modal box with one OK button; returns when the user has closed it.
void ShowModalMessage(QWidget* parent, const QString& text, const QString& title,
                      MessageIcon icon = MessageIcon::kNone);
void Beep();
void QuitProgram();

}  // namespace flexoria::ui
