// SPDX-License-Identifier: GPL-3.0-or-later
// The object names of the windows and their controls. They keep the names
// the windows were designed with, which the accessibility tree shows and
// the window tests look controls up by; the code itself names them by role.
#pragma once

#include <QString>

namespace flexoria::ui::names {

// The main window.
inline constexpr char kMainWindow[] = "Form1";
inline constexpr char kEntry[] = "Text1";
inline constexpr char kSeHint[] = "Label8";
inline constexpr char kConjugateButton[] = "Command1";
inline constexpr char kExitButton[] = "Command2";
inline constexpr char kStartButton[] = "Command3";
inline constexpr char kTenseTitle[] = "Label10";
inline constexpr char kPersonColumn[] = "Label9";
inline constexpr char kStemColumn[] = "Label1";
inline constexpr char kEndingColumn[] = "Label4";
inline constexpr char kOptionFrame[] = "Frame3D1";
inline constexpr char kIndicativeGroup[] = "Label2";
inline constexpr char kSubjunctiveGroup[] = "Label3";
inline constexpr char kImperativeGroup[] = "Label5";
inline constexpr char kConditionalGroup[] = "Label6";
inline constexpr char kNonPersonalGroup[] = "Label7";
inline constexpr char kFileMenu[] = "mnuFile";
inline constexpr char kOnTopItem[] = "mnuontop";
inline constexpr char kFullTableItem[] = "mnutabla";
inline constexpr char kLookupItem[] = "mnubuscar";
inline constexpr char kHelpMenu[] = "mnuAyuda";
inline constexpr char kHowToItem[] = "mnucomo";
inline constexpr char kAboutItem[] = "acerca";

// The option of form number 1 to 13.
inline QString FormOption(int number) { return QStringLiteral("Option3D%1").arg(number); }

// The About window.
inline constexpr char kAboutWindow[] = "sobre";
inline constexpr char kAboutPanel[] = "Panel3D1";
inline constexpr char kSubtitleLabel[] = "Label5";
inline constexpr char kAuthorHeadingLabel[] = "Label3";
inline constexpr char kAuthorLineLabel[] = "Label4";
inline constexpr char kYearLabel[] = "Label2";
inline constexpr char kMoreInformationLabel[] = "Label6";
inline constexpr char kAnimation[] = "Image1";
inline constexpr char kInformationIcon[] = "Image2";
inline constexpr char kAnimationFramePictures[3][7] = {"Image3", "Image4", "Image5"};
inline constexpr char kAboutOkButton[] = "Command1";
inline constexpr char kSplashTimer[] = "Timer1";
inline constexpr char kAnimationTimer[] = "Timer2";

// The How-to window; its three help boxes share one name, told apart by
// their "index" property.
inline constexpr char kHowToWindow[] = "Como";
inline constexpr char kProgramHeading[] = "Label1";
inline constexpr char kUsageHeading[] = "Label2";
inline constexpr char kAccentsHeading[] = "Label3";
inline constexpr char kHelpBox[] = "Text1";
inline constexpr char kHowToOkButton[] = "Command1";

// The full table.
inline constexpr char kFullTableWindow[] = "TablaCompleta";
inline constexpr char kFullTableEntry[] = "verbo";
inline constexpr char kVosCheck[] = "conVos";
inline constexpr char kFullTableMessage[] = "aviso";
inline constexpr char kFullTable[] = "tabla";

// The form lookup.
inline constexpr char kLookupWindow[] = "BuscarForma";
inline constexpr char kLookupEntry[] = "forma";
inline constexpr char kLookupMessage[] = "aviso";
inline constexpr char kLookupList[] = "lecturas";

}  // namespace flexoria::ui::names
