// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' fonts. Every font of the program is bold; sizes are in points
// at 96 dots per inch, so that text keeps its proportions to the layout.
#pragma once

#include <QFont>

namespace flexoria::ui {

// Times New Roman, MS Sans Serif and Arial are rarely installed on Linux;
// the Liberation fonts have the same metrics, so the layout still fits.
void InstallFontSubstitutes();

QFont TimesFont(double points);
QFont SansSerifFont(double points);
QFont ArialFont(double points);

}  // namespace flexoria::ui
