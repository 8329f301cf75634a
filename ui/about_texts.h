// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the About window.
#pragma once

#include <QString>

namespace flexoria::ui {

inline constexpr char16_t kAboutCaption[] = u"A c e r c a   d e   F L E X O R I A";
inline constexpr char16_t kPanelCaption[] = u"          F L E X O R I A";
inline constexpr char16_t kSubtitle[] = u"(Conjugador de verbos españoles)";
inline constexpr char16_t kAuthorHeading[] = u"Autor:";
inline constexpr char16_t kAuthorLine[] = u"Equipo Flexoria, Proyecto Flexoria,\nBudapest";
inline constexpr char16_t kYear[] = u"2026";
inline constexpr char16_t kMoreInformation[] = u"Si quiere más información, pulse aquí:";
inline constexpr char16_t kInformationTitle[] = u"Mi ez?";

// One paragraph and three indented lines, joined by carriage return and
// line feed.
QString InformationMessage();

}  // namespace flexoria::ui
