// SPDX-License-Identifier: GPL-3.0-or-later
// The three help texts of the How-to window, their paragraphs and lines
// joined by carriage return and line feed.
#pragma once

#include <QString>

namespace flexoria::ui {

inline constexpr char16_t kContactAddress[] = u"flexoria@example.org";

QString ProgramText();
QString UsageText();
QString AccentsText();

}  // namespace flexoria::ui
