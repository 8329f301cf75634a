// SPDX-License-Identifier: GPL-3.0-or-later
// The irregular-verb catalogue, entry by entry, in the order in which the
// entries are tried: the first entry whose test matches the verb is the only
// one applied. P(fragment) is the entry text less its last `cut` characters,
// followed by the fragment; Lit(text) is the text alone.
#pragma once

#include "catalogues/irregular_entry.h"
#include "core/stressed_endings.h"

namespace flexoria::irregular {

using State = ConjugationState;

inline constexpr TextView kOlerItself[] = {U"oler"};
inline constexpr TextView kHendirItself[] = {U"hendir"};
// Only these two: the -andar verbs in general (mandar, ablandar) are regular.
inline constexpr TextView kAndarWords[] = {U"andar", U"desandar"};
// Regular verbs that merely share a tail with an irregular family.
inline constexpr TextView kRegularEdir[] = {U"agredir", U"transgredir", U"trasgredir"};
inline constexpr TextView kRegularTender[] = {U"pretender"};
inline constexpr TextView kRegularAbrir[] = {U"desabrir"};
inline constexpr TextView kPodrirWords[] = {U"podrir", U"pudrir"};
inline constexpr TextView kVerWords[] = {U"ver",      U"prever", U"antever",
                                         U"entrever", U"rever",  U"trasver"};
inline constexpr TextView kListAWords[] = {
    U"ansiar", U"agriar", U"baquiar", U"comentariar", U"cuantiar", U"cuchichiar", U"demasiar",
    U"recriar", U"malcriar", U"fiar", U"confiar", U"porfiar", U"desafiar", U"desconfiar", U"guiar",
    U"liar", U"aliar", U"desliar", U"reliar", U"piar", U"arriar", U"aviar", U"desviar", U"enviar",
    U"extraviar", U"desaviar", U"reenviar", U"expiar", U"amnistiar", U"averiar", U"enlejiar",
    U"espiar", U"hastiar", U"vigiar", U"esquiar", U"extasiar", U"descarriar", U"chirriar",
    U"rociar", U"ataviar", U"contrariar", U"variar", U"ampliar", U"inventariar", U"criar",
    // Stressed like enviar: desatavío, adío, almadío, estrío.
    U"desataviar", U"adiar", U"almadiar", U"estriar"};
inline constexpr TextView kListATails[] = {U"grafiar"};
inline constexpr TextView kListBWords[] = {
    U"ciar",       U"criar",     U"abaliar", U"descriar",   U"desvariar", U"ejecutoriar",
    U"engaliar",   U"enhastiar", U"enriar",  U"entrecriar", U"espurriar", U"gloriar",
    U"ispiar",     U"istriar",   U"jadiar",  U"jipiar",     U"miar",      U"pipiar",
    U"tataratiar", U"triar",     U"vaciar",  U"zurriar",    U"vidriar"};
inline constexpr TextView kListBTails[] = {U"friar", U"guiar", U"patriar"};
inline constexpr TextView kDecirRegularFutureWords[] = {U"maldecir", U"bendecir"};

// 1: ends with "irir"
inline constexpr Assignment kIrirTail[] = {
    {&State::PresStem1, P(U"er")},  {&State::PresStem236, P(U"er")}, {&State::SubjStem26, P(U"er")},
    {&State::SubjStem13, P(U"er")}, {&State::ImperStem, P(U"er")},
};

// 2: andar, desandar
inline constexpr Assignment kAndar[] = {
    {&State::PretStem1, P(U"uv")},    {&State::PretStem245, P(U"uv")},
    {&State::PretStem3, P(U"uv")},    {&State::PretStem6, P(U"uv")},
    {&State::PastSubjStem, P(U"uv")}, {&State::PretEnding1, Lit(U"e")},
    {&State::PretEnding3, Lit(U"o")},
};

// 3: ends with "argüir"
inline constexpr Assignment kArguirTail[] = {
    {&State::Stem, P(U"ü")},           {&State::PresStem1, P(U"uy")},
    {&State::PresStem236, P(U"uy")},   {&State::SubjStem26, P(U"uy")},
    {&State::SubjStem45, P(U"uy")},    {&State::SubjStem13, P(U"uy")},
    {&State::ImperStem, P(U"uy")},     {&State::PretStem3, P(U"u")},
    {&State::PretStem6, P(U"u")},      {&State::PastSubjStem, P(U"u")},
    {&State::GerundStem, P(U"u")},     {&State::FutureStem, P(U"üir")},
    {&State::PretEnding3, Lit(U"yó")}, {&State::PretEnding6, Lit(U"yeron")},
    {&State::PastSubjLink, Lit(U"y")}, {&State::GerundEnding, Lit(U"yendo")},
};

// 4: ends with "cender"
inline constexpr Assignment kCenderTail[] = {
    {&State::PresStem1, P(U"iend")},  {&State::PresStem236, P(U"iend")},
    {&State::SubjStem26, P(U"iend")}, {&State::SubjStem13, P(U"iend")},
    {&State::ImperStem, P(U"iend")},
};

// 5: ends with "asir"
inline constexpr Assignment kAsirTail[] = {
    {&State::PresStem1, P(U"g")},
    {&State::SubjStem26, P(U"g")},
    {&State::SubjStem13, P(U"g")},
    {&State::SubjStem45, P(U"g")},
};

// 6: ends with "vergonzar"
inline constexpr Assignment kVergonzarTail[] = {
    {&State::PresStem1, P(U"üenz")},  {&State::PresStem236, P(U"üenz")},
    {&State::ImperStem, P(U"üenz")},  {&State::SubjStem26, P(U"üenc")},
    {&State::SubjStem13, P(U"üenc")}, {&State::SubjStem45, P(U"onc")},
    {&State::PretStem1, P(U"onc")},
};

// 7: is "caber"
inline constexpr Assignment kCaber[] = {
    {&State::PresStem1, Lit(U"quep")},   {&State::SubjStem26, Lit(U"quep")},
    {&State::SubjStem45, Lit(U"quep")},  {&State::SubjStem13, Lit(U"quep")},
    {&State::PretStem1, Lit(U"cup")},    {&State::PretStem245, Lit(U"cup")},
    {&State::PretStem3, Lit(U"cup")},    {&State::PretStem6, Lit(U"cup")},
    {&State::PastSubjStem, Lit(U"cup")}, {&State::FutureStem, Lit(U"cabr")},
    {&State::PretEnding1, Lit(U"e")},    {&State::PretEnding3, Lit(U"o")},
};

// 8: ends with "caer"
inline constexpr Assignment kCaerTail[] = {
    {&State::PresStem1, P(U"ig")},         {&State::SubjStem26, P(U"ig")},
    {&State::SubjStem45, P(U"ig")},        {&State::SubjStem13, P(U"ig")},
    {&State::PretEnding2, Lit(U"íste")},   {&State::PretEnding4, Lit(U"ímos")},
    {&State::PretEnding5, Lit(U"ísteis")}, {&State::PretEnding3, Lit(U"yó")},
    {&State::PretEnding6, Lit(U"yeron")},  {&State::PastSubjLink, Lit(U"y")},
    {&State::GerundEnding, Lit(U"yendo")}, {&State::ParticipleEnding, Lit(U"ído")},
};

// 9: ends with "cocer"
inline constexpr Assignment kCocerTail[] = {
    {&State::PresStem1, P(U"uez")},  {&State::SubjStem26, P(U"uez")},
    {&State::SubjStem13, P(U"uez")}, {&State::PresStem236, P(U"uec")},
    {&State::ImperStem, P(U"uec")},  {&State::SubjStem45, P(U"oz")},
};

// 10: ends with "ohibir"
inline constexpr Assignment kOhibirTail[] = {
    {&State::PresStem1, P(U"íb")},  {&State::PresStem236, P(U"íb")}, {&State::SubjStem26, P(U"íb")},
    {&State::SubjStem13, P(U"íb")}, {&State::ImperStem, P(U"íb")},
};

// 11: ends with "aizar"; also 81, "europeizar" (europeízo)
inline constexpr Assignment kAizarTail[] = {
    {&State::PresStem1, P(U"íz")},
    {&State::PresStem236, P(U"íz")},
    {&State::ImperStem, P(U"íz")},
    {&State::SubjStem26, P(U"íc")},
    {&State::SubjStem13, P(U"íc")},
    // Stressed on the ending: enraicemos, enraicéis.
    {&State::SubjStem45, P(U"ic")},
    {&State::PretStem1, P(U"ic")},
};

// 12: is "dar"
inline constexpr Assignment kDar[] = {
    {&State::PresEnding1, Lit(U"oy")},
    {&State::PretEnding1, Lit(U"i")},
    {&State::PretEnding3, Lit(U"io")},
};

// 13: ends with "decir"
inline constexpr Assignment kDecirTail[] = {
    {&State::PresStem1, P(U"ig")},        {&State::SubjStem26, P(U"ig")},
    {&State::SubjStem45, P(U"ig")},       {&State::SubjStem13, P(U"ig")},
    {&State::PresStem236, P(U"ic")},      {&State::ImperStem, P(U"ic")},
    {&State::GerundStem, P(U"ic")},       {&State::PretStem1, P(U"ij")},
    {&State::PretStem245, P(U"ij")},      {&State::PretStem3, P(U"ij")},
    {&State::PretStem6, P(U"ij")},        {&State::PastSubjStem, P(U"ij")},
    {&State::FutureStem, P(U"ir")},       {&State::ParticipleStem, P(U"icho")},
    {&State::PretEnding1, Lit(U"e")},     {&State::PretEnding3, Lit(U"o")},
    {&State::PretEnding6, Lit(U"eron")},  {&State::PastSubjLink, Lit(U"")},
    {&State::ParticipleEnding, Lit(U"")},
};

// 14: is "cerner"
inline constexpr Assignment kCerner[] = {
    {&State::PresStem1, Lit(U"ciern")},  {&State::PresStem236, Lit(U"ciern")},
    {&State::SubjStem26, Lit(U"ciern")}, {&State::SubjStem13, Lit(U"ciern")},
    {&State::ImperStem, Lit(U"ciern")},
};

// 15: is "defender"
inline constexpr Assignment kDefender[] = {
    {&State::PresStem1, Lit(U"defiend")},  {&State::PresStem236, Lit(U"defiend")},
    {&State::SubjStem26, Lit(U"defiend")}, {&State::SubjStem13, Lit(U"defiend")},
    {&State::ImperStem, Lit(U"defiend")},
};

// 16: is "desosar"
inline constexpr Assignment kDesosar[] = {
    {&State::PresStem1, Lit(U"deshues")},  {&State::PresStem236, Lit(U"deshues")},
    {&State::SubjStem26, Lit(U"deshues")}, {&State::SubjStem13, Lit(U"deshues")},
    {&State::ImperStem, Lit(U"deshues")},
};

// 17: ends with "cernir"
inline constexpr Assignment kCernirTail[] = {
    {&State::PresStem1, P(U"iern")},  {&State::PresStem236, P(U"iern")},
    {&State::SubjStem26, P(U"iern")}, {&State::SubjStem13, P(U"iern")},
    {&State::ImperStem, P(U"iern")},
};

// 18: ends with "oler" and is not "oler"
inline constexpr Assignment kOlerTail[] = {
    {&State::PresStem1, P(U"uel")},  {&State::PresStem236, P(U"uel")},
    {&State::SubjStem26, P(U"uel")}, {&State::SubjStem13, P(U"uel")},
    {&State::ImperStem, P(U"uel")},
};

// 19: ends with "dormir"
inline constexpr Assignment kDormirTail[] = {
    {&State::PresStem1, P(U"uerm")},   {&State::PresStem236, P(U"uerm")},
    {&State::SubjStem26, P(U"uerm")},  {&State::SubjStem13, P(U"uerm")},
    {&State::ImperStem, P(U"uerm")},   {&State::SubjStem45, P(U"urm")},
    {&State::PretStem3, P(U"urm")},    {&State::PretStem6, P(U"urm")},
    {&State::PastSubjStem, P(U"urm")}, {&State::GerundStem, P(U"urm")},
};

// 20: ends with "morir"
inline constexpr Assignment kMorirTail[] = {
    {&State::PresStem1, P(U"uer")},        {&State::PresStem236, P(U"uer")},
    {&State::SubjStem26, P(U"uer")},       {&State::SubjStem13, P(U"uer")},
    {&State::ImperStem, P(U"uer")},        {&State::SubjStem45, P(U"ur")},
    {&State::PretStem3, P(U"ur")},         {&State::PretStem6, P(U"ur")},
    {&State::PastSubjStem, P(U"ur")},      {&State::GerundStem, P(U"ur")},
    {&State::ParticipleStem, P(U"uerto")}, {&State::ParticipleEnding, Lit(U"")},
};

// 21: ends with "entir"
inline constexpr Assignment kEntirTail[] = {
    {&State::PresStem1, P(U"ient")},   {&State::PresStem236, P(U"ient")},
    {&State::SubjStem26, P(U"ient")},  {&State::SubjStem13, P(U"ient")},
    {&State::ImperStem, P(U"ient")},   {&State::SubjStem45, P(U"int")},
    {&State::PretStem3, P(U"int")},    {&State::PretStem6, P(U"int")},
    {&State::PastSubjStem, P(U"int")}, {&State::GerundStem, P(U"int")},
};

// 22: ends with "enchir"
inline constexpr Assignment kEnchirTail[] = {
    {&State::PresStem1, P(U"inch")},     {&State::PresStem236, P(U"inch")},
    {&State::SubjStem26, P(U"inch")},    {&State::SubjStem13, P(U"inch")},
    {&State::ImperStem, P(U"inch")},     {&State::SubjStem45, P(U"inch")},
    {&State::PretStem3, P(U"inch")},     {&State::PretStem6, P(U"inch")},
    {&State::PastSubjStem, P(U"inch")},  {&State::GerundStem, P(U"inch")},
    {&State::PretEnding3, Lit(U"(i)ó")}, {&State::PretEnding6, Lit(U"(i)eron")},
    {&State::PastSubjLink, Lit(U"(i)")}, {&State::GerundEnding, Lit(U"(i)endo")},
};

// 23: ends with "endir" and is not "hendir"
inline constexpr Assignment kEndirTail[] = {
    {&State::PresStem1, P(U"ind")},    {&State::PresStem236, P(U"ind")},
    {&State::SubjStem26, P(U"ind")},   {&State::SubjStem13, P(U"ind")},
    {&State::ImperStem, P(U"ind")},    {&State::SubjStem45, P(U"ind")},
    {&State::PretStem3, P(U"ind")},    {&State::PretStem6, P(U"ind")},
    {&State::PastSubjStem, P(U"ind")}, {&State::GerundStem, P(U"ind")},
};

// 24: ends with "eñir"
inline constexpr Assignment kEnirTail[] = {
    {&State::PresStem1, P(U"iñ")},    {&State::PresStem236, P(U"iñ")},
    {&State::SubjStem26, P(U"iñ")},   {&State::SubjStem13, P(U"iñ")},
    {&State::ImperStem, P(U"iñ")},    {&State::SubjStem45, P(U"iñ")},
    {&State::PretStem3, P(U"iñ")},    {&State::PretStem6, P(U"iñ")},
    {&State::PastSubjStem, P(U"iñ")}, {&State::GerundStem, P(U"iñ")},
    {&State::PretEnding3, Lit(U"ó")}, {&State::PretEnding6, Lit(U"eron")},
    {&State::PastSubjLink, Lit(U"")}, {&State::GerundEnding, Lit(U"endo")},
};

// 25: ends with "estir"
inline constexpr Assignment kEstirTail[] = {
    {&State::PresStem1, P(U"ist")},    {&State::PresStem236, P(U"ist")},
    {&State::SubjStem26, P(U"ist")},   {&State::SubjStem13, P(U"ist")},
    {&State::ImperStem, P(U"ist")},    {&State::SubjStem45, P(U"ist")},
    {&State::PretStem3, P(U"ist")},    {&State::PretStem6, P(U"ist")},
    {&State::PastSubjStem, P(U"ist")}, {&State::GerundStem, P(U"ist")},
};

// 26: ends with "egir"
inline constexpr Assignment kEgirTail[] = {
    {&State::PresStem1, P(U"ij")},    {&State::SubjStem26, P(U"ij")},
    {&State::SubjStem45, P(U"ij")},   {&State::SubjStem13, P(U"ij")},
    {&State::PresStem236, P(U"ig")},  {&State::ImperStem, P(U"ig")},
    {&State::PretStem3, P(U"ig")},    {&State::PretStem6, P(U"ig")},
    {&State::PastSubjStem, P(U"ig")}, {&State::GerundStem, P(U"ig")},
};

// 27: ends with "etir"
inline constexpr Assignment kEtirTail[] = {
    {&State::PresStem1, P(U"it")},    {&State::PresStem236, P(U"it")},
    {&State::SubjStem26, P(U"it")},   {&State::SubjStem13, P(U"it")},
    {&State::ImperStem, P(U"it")},    {&State::SubjStem45, P(U"it")},
    {&State::PretStem3, P(U"it")},    {&State::PretStem6, P(U"it")},
    {&State::PastSubjStem, P(U"it")}, {&State::GerundStem, P(U"it")},
};

// 28: ends with "servir"
inline constexpr Assignment kServirTail[] = {
    {&State::PresStem1, P(U"irv")},    {&State::PresStem236, P(U"irv")},
    {&State::SubjStem26, P(U"irv")},   {&State::SubjStem13, P(U"irv")},
    {&State::ImperStem, P(U"irv")},    {&State::SubjStem45, P(U"irv")},
    {&State::PretStem3, P(U"irv")},    {&State::PretStem6, P(U"irv")},
    {&State::PastSubjStem, P(U"irv")}, {&State::GerundStem, P(U"irv")},
};

// 29: is "erguir"
inline constexpr Assignment kErguir[] = {
    {&State::PresStem1, Lit(U"irg-/yerg")},     {&State::SubjStem26, Lit(U"irg-/yerg")},
    {&State::SubjStem45, Lit(U"irg-/yerg")},    {&State::SubjStem13, Lit(U"irg-/yerg")},
    {&State::PresStem236, Lit(U"irgu-/yergu")}, {&State::ImperStem, Lit(U"irgu-/yergu")},
    {&State::PretStem3, Lit(U"irgu")},          {&State::PretStem6, Lit(U"irgu")},
    {&State::PastSubjStem, Lit(U"irgu")},       {&State::GerundStem, Lit(U"irgu")},
};

// 30: is "errar"
inline constexpr Assignment kErrar[] = {
    {&State::PresStem1, Lit(U"yerr")},  {&State::PresStem236, Lit(U"yerr")},
    {&State::SubjStem26, Lit(U"yerr")}, {&State::SubjStem13, Lit(U"yerr")},
    {&State::ImperStem, Lit(U"yerr")},
};

// 31: ends with "erter"
inline constexpr Assignment kErterTail[] = {
    {&State::PresStem1, P(U"iert")},  {&State::PresStem236, P(U"iert")},
    {&State::SubjStem26, P(U"iert")}, {&State::SubjStem13, P(U"iert")},
    {&State::ImperStem, P(U"iert")},
};

// 32: is "estar"
inline constexpr Assignment kEstar[] = {
    {&State::PretStem1, Lit(U"estuv")},    {&State::PretStem245, Lit(U"estuv")},
    {&State::PretStem3, Lit(U"estuv")},    {&State::PretStem6, Lit(U"estuv")},
    {&State::PastSubjStem, Lit(U"estuv")}, {&State::PresEnding1, Lit(U"oy")},
    {&State::ImperEndingAr, Lit(U"á")},    {&State::PretEnding1, Lit(U"e")},
    {&State::PretEnding3, Lit(U"o")},
};

// 33: is "haber"
inline constexpr Assignment kHaber[] = {
    {&State::PresStem1, Lit(U"h")},      {&State::ImperStem, Lit(U"h")},
    {&State::SubjStem26, Lit(U"hay")},   {&State::SubjStem45, Lit(U"hay")},
    {&State::SubjStem13, Lit(U"hay")},   {&State::PretStem1, Lit(U"hub")},
    {&State::PretStem245, Lit(U"hub")},  {&State::PretStem6, Lit(U"hub")},
    {&State::PastSubjStem, Lit(U"hub")}, {&State::PretStem3, Lit(U"hub")},
    {&State::FutureStem, Lit(U"habr")},  {&State::PretEnding1, Lit(U"e")},
    {&State::PretEnding3, Lit(U"o")},
};

// 34: ends with "hacer"
inline constexpr Assignment kHacerTail[] = {
    {&State::PresStem1, P(U"ag")},     {&State::SubjStem26, P(U"ag")},
    {&State::SubjStem45, P(U"ag")},    {&State::SubjStem13, P(U"ag")},
    {&State::PretStem1, P(U"ic")},     {&State::PretStem245, P(U"ic")},
    {&State::PretStem6, P(U"ic")},     {&State::PastSubjStem, P(U"ic")},
    {&State::PretStem3, P(U"iz")},     {&State::FutureStem, P(U"ar")},
    {&State::ImperStem, P(U"az")},     {&State::ParticipleStem, P(U"echo")},
    {&State::PretEnding1, Lit(U"e")},  {&State::PretEnding3, Lit(U"o")},
    {&State::ImperEndingEr, Lit(U"")}, {&State::ParticipleEnding, Lit(U"")},
};

// 35: is "heder"
inline constexpr Assignment kHeder[] = {
    {&State::PresStem1, P(U"ied")},  {&State::PresStem236, P(U"ied")},
    {&State::SubjStem26, P(U"ied")}, {&State::SubjStem13, P(U"ied")},
    {&State::ImperStem, P(U"ied")},
};

// 36: is "hender"
inline constexpr Assignment kHender[] = {
    {&State::PresStem1, P(U"iend")},  {&State::PresStem236, P(U"iend")},
    {&State::SubjStem26, P(U"iend")}, {&State::SubjStem13, P(U"iend")},
    {&State::ImperStem, P(U"iend")},
};

// 37: is "hendir"
inline constexpr Assignment kHendir[] = {
    {&State::PresStem1, P(U"iend")},  {&State::PresStem236, P(U"iend")},
    {&State::SubjStem26, P(U"iend")}, {&State::SubjStem13, P(U"iend")},
    {&State::ImperStem, P(U"iend")},
};

// 38: is "jugar"
inline constexpr Assignment kJugar[] = {
    {&State::PresStem1, Lit(U"jueg")},   {&State::PresStem236, Lit(U"jueg")},
    {&State::ImperStem, Lit(U"jueg")},   {&State::SubjStem26, Lit(U"juegu")},
    {&State::SubjStem13, Lit(U"juegu")}, {&State::SubjStem45, Lit(U"jugu")},
    {&State::PretStem1, Lit(U"jugu")},
};

// 39: is "ir"
inline constexpr Assignment kIr[] = {
    {&State::Stem, Lit(U"v")},
    {&State::PresStem1, Lit(U"v")},
    {&State::PresStem236, Lit(U"v")},
    {&State::SubjStem26, Lit(U"vay")},
    {&State::SubjStem45, Lit(U"vay")},
    {&State::SubjStem13, Lit(U"vay")},
    {&State::PretStem1, Lit(U"fu")},
    {&State::PretStem245, Lit(U"fu")},
    {&State::PretStem3, Lit(U"fu")},
    {&State::PretStem6, Lit(U"fu")},
    {&State::PastSubjStem, Lit(U"fu")},
    {&State::GerundStem, Lit(U"")},
    {&State::PastSubjLink, Lit(U"")},
    {&State::PresEnding1, Lit(U"oy")},
    {&State::PresEnding5Ar, Lit(U"ais")},
    {&State::GerundEnding, Lit(U"yendo")},
    {&State::PretEnding1, Lit(U"i")},
    {&State::PretEnding3, Lit(U"e")},
    {&State::PretEnding6, Lit(U"eron")},
};

// 40: ends with "morder"
inline constexpr Assignment kMorderTail[] = {
    {&State::PresStem1, P(U"uerd")},  {&State::PresStem236, P(U"uerd")},
    {&State::SubjStem26, P(U"uerd")}, {&State::SubjStem13, P(U"uerd")},
    {&State::ImperStem, P(U"uerd")},
};

// 41: ends with "over"
inline constexpr Assignment kOverTail[] = {
    {&State::PresStem1, P(U"uev")},  {&State::PresStem236, P(U"uev")},
    {&State::SubjStem26, P(U"uev")}, {&State::SubjStem13, P(U"uev")},
    {&State::ImperStem, P(U"uev")},
};

// 42: ends with "oír"
inline constexpr Assignment kOirTail[] = {
    {&State::PresStem1, P(U"ig")},         {&State::SubjStem26, P(U"ig")},
    {&State::SubjStem45, P(U"ig")},        {&State::SubjStem13, P(U"ig")},
    {&State::PresStem236, P(U"y")},        {&State::FutureStem, P(U"ir")},
    {&State::PresEnding4Ir, Lit(U"ímos")}, {&State::PretEnding4, Lit(U"ímos")},
    {&State::PretEnding2, Lit(U"íste")},   {&State::PretEnding3, Lit(U"yó")},
    {&State::PretEnding5, Lit(U"ísteis")}, {&State::PretEnding6, Lit(U"yeron")},
    {&State::PastSubjLink, Lit(U"y")},     {&State::ImperEndingEr, Lit(U"ye")},
    {&State::ImperEndingIr, Lit(U"íd")},   {&State::ParticipleEnding, Lit(U"ído")},
    {&State::GerundEnding, Lit(U"yendo")},
};

// 43: is "oler"
inline constexpr Assignment kOler[] = {
    {&State::PresStem1, Lit(U"huel")},  {&State::PresStem236, Lit(U"huel")},
    {&State::SubjStem26, Lit(U"huel")}, {&State::SubjStem13, Lit(U"huel")},
    {&State::ImperStem, Lit(U"huel")},
};

// 44: ends with "edir", except agredir, transgredir, trasgredir
inline constexpr Assignment kEdirTail[] = {
    {&State::PresStem1, P(U"id")},    {&State::PresStem236, P(U"id")},
    {&State::SubjStem26, P(U"id")},   {&State::SubjStem13, P(U"id")},
    {&State::ImperStem, P(U"id")},    {&State::SubjStem45, P(U"id")},
    {&State::PretStem3, P(U"id")},    {&State::PretStem6, P(U"id")},
    {&State::PastSubjStem, P(U"id")}, {&State::GerundStem, P(U"id")},
};

// 45: ends with "ebir"
inline constexpr Assignment kEbirTail[] = {
    {&State::PresStem1, P(U"ib")},    {&State::PresStem236, P(U"ib")},
    {&State::SubjStem26, P(U"ib")},   {&State::SubjStem13, P(U"ib")},
    {&State::ImperStem, P(U"ib")},    {&State::SubjStem45, P(U"ib")},
    {&State::PretStem3, P(U"ib")},    {&State::PretStem6, P(U"ib")},
    {&State::PastSubjStem, P(U"ib")}, {&State::GerundStem, P(U"ib")},
};

// 46: ends with "emir"
inline constexpr Assignment kEmirTail[] = {
    {&State::PresStem1, P(U"im")},    {&State::PresStem236, P(U"im")},
    {&State::SubjStem26, P(U"im")},   {&State::SubjStem13, P(U"im")},
    {&State::ImperStem, P(U"im")},    {&State::SubjStem45, P(U"im")},
    {&State::PretStem3, P(U"im")},    {&State::PretStem6, P(U"im")},
    {&State::PastSubjStem, P(U"im")}, {&State::GerundStem, P(U"im")},
};

// 47: is "poder"
inline constexpr Assignment kPoder[] = {
    {&State::PresStem1, Lit(U"pued")},   {&State::PresStem236, Lit(U"pued")},
    {&State::SubjStem26, Lit(U"pued")},  {&State::SubjStem13, Lit(U"pued")},
    {&State::ImperStem, Lit(U"pued")},   {&State::PretStem1, Lit(U"pud")},
    {&State::PretStem245, Lit(U"pud")},  {&State::PretStem6, Lit(U"pud")},
    {&State::PastSubjStem, Lit(U"pud")}, {&State::PretStem3, Lit(U"pud")},
    {&State::GerundStem, Lit(U"pud")},   {&State::FutureStem, Lit(U"podr")},
    {&State::PretEnding1, Lit(U"e")},    {&State::PretEnding3, Lit(U"o")},
};

// 48: is one of "podrir", "pudrir"
inline constexpr Assignment kPodrir[] = {
    {&State::Stem, Lit(U"pudr")},
    {&State::PresStem1, Lit(U"pudr")},
    {&State::PresStem236, Lit(U"pudr")},
    {&State::SubjStem26, Lit(U"pudr")},
    {&State::SubjStem45, Lit(U"pudr")},
    {&State::SubjStem13, Lit(U"pudr")},
    {&State::ImperfStem, Lit(U"pudr")},
    {&State::PretStem1, Lit(U"pudr")},
    {&State::PretStem245, Lit(U"pudr")},
    {&State::PretStem6, Lit(U"pudr")},
    {&State::PastSubjStem, Lit(U"pudr")},
    {&State::PretStem3, Lit(U"pudr")},
    {&State::ImperStem, Lit(U"pudr")},
    {&State::GerundStem, Lit(U"pudr")},
    {&State::FutureStem, Lit(U"pudrir-/podrir")},
    {&State::ParticipleStem, Lit(U"podr")},
};

// 49: ends with "poner"
inline constexpr Assignment kPonerTail[] = {
    {&State::PresStem1, P(U"ong")},    {&State::SubjStem26, P(U"ong")},
    {&State::SubjStem45, P(U"ong")},   {&State::SubjStem13, P(U"ong")},
    {&State::PretStem1, P(U"us")},     {&State::PretStem245, P(U"us")},
    {&State::PretStem6, P(U"us")},     {&State::PastSubjStem, P(U"us")},
    {&State::PretStem3, P(U"us")},     {&State::FutureStem, P(U"ondr")},
    {&State::ImperStem, P(U"on")},     {&State::ParticipleStem, P(U"uesto")},
    {&State::PretEnding1, Lit(U"e")},  {&State::PretEnding3, Lit(U"o")},
    {&State::ImperEndingEr, Lit(U"")}, {&State::ParticipleEnding, Lit(U"")},
};

// 50: ends with "querer"
inline constexpr Assignment kQuererTail[] = {
    {&State::PresStem1, P(U"ier")},   {&State::PresStem236, P(U"ier")},
    {&State::SubjStem26, P(U"ier")},  {&State::SubjStem13, P(U"ier")},
    {&State::ImperStem, P(U"ier")},   {&State::PretStem1, P(U"is")},
    {&State::PretStem245, P(U"is")},  {&State::PretStem3, P(U"is")},
    {&State::PretStem6, P(U"is")},    {&State::PastSubjStem, P(U"is")},
    {&State::FutureStem, P(U"err")},  {&State::PretEnding1, Lit(U"e")},
    {&State::PretEnding3, Lit(U"o")},
};

// 51: is "raer"
inline constexpr Assignment kRaer[] = {
    {&State::PresStem1, Lit(U"raig/ray/ra")}, {&State::SubjStem26, Lit(U"raig/ray")},
    {&State::SubjStem45, Lit(U"raig/ray")},   {&State::SubjStem13, Lit(U"raig/ray")},
    {&State::PretEnding2, Lit(U"íste")},      {&State::PretEnding4, Lit(U"ímos")},
    {&State::PretEnding5, Lit(U"ísteis")},    {&State::PretEnding3, Lit(U"yó")},
    {&State::PretEnding6, Lit(U"yeron")},     {&State::PastSubjLink, Lit(U"y")},
    {&State::GerundEnding, Lit(U"yendo")},    {&State::ParticipleEnding, Lit(U"ído")},
};

// 52: ends with "eír"
inline constexpr Assignment kEirTail[] = {
    {&State::PresStem1, P(U"í")},
    {&State::PresStem236, P(U"í")},
    {&State::SubjStem26, P(U"í")},
    {&State::SubjStem13, P(U"í")},
    {&State::ImperStem, P(U"í")},
    {&State::SubjStem45, P(U"i")},
    {&State::PretStem3, P()},
    {&State::PretStem6, P()},
    {&State::PastSubjStem, P()},
    {&State::GerundStem, P()},
    {&State::FutureStem, P(U"eir")},
    {&State::PresEnding4Ir, Lit(U"ímos")},
    {&State::PretEnding4, Lit(U"ímos")},
    {&State::PretEnding2, Lit(U"íste")},
    {&State::PretEnding5, Lit(U"ísteis")},
    {&State::ImperEndingIr, Lit(U"íd")},
    {&State::ParticipleEnding, Lit(U"ído")},
};

// 53: ends with "roer"
inline constexpr Assignment kRoerTail[] = {
    {&State::PresStem1, P(U"roig/roy/ro")},  {&State::SubjStem26, P(U"roig/roy/ro")},
    {&State::SubjStem13, P(U"roig/roy/ro")}, {&State::SubjStem45, P(U"roig/roy/ro")},
    {&State::PretEnding2, Lit(U"íste")},     {&State::PretEnding4, Lit(U"ímos")},
    {&State::PretEnding5, Lit(U"ísteis")},   {&State::PretEnding3, Lit(U"yó")},
    {&State::PretEnding6, Lit(U"yeron")},    {&State::PastSubjLink, Lit(U"y")},
    {&State::GerundEnding, Lit(U"yendo")},   {&State::ParticipleEnding, Lit(U"ído")},
};

// 54: ends with "saber"
inline constexpr Assignment kSaberTail[] = {
    {&State::PresStem1, P()},         {&State::SubjStem26, P(U"ep")},
    {&State::SubjStem45, P(U"ep")},   {&State::SubjStem13, P(U"ep")},
    {&State::PretStem1, P(U"up")},    {&State::PretStem245, P(U"up")},
    {&State::PretStem3, P(U"up")},    {&State::PretStem6, P(U"up")},
    {&State::PastSubjStem, P(U"up")}, {&State::FutureStem, P(U"abr")},
    {&State::PresEnding1, Lit(U"é")}, {&State::PretEnding1, Lit(U"e")},
    {&State::PretEnding3, Lit(U"o")},
};

// 55: ends with "salir"
inline constexpr Assignment kSalirTail[] = {
    {&State::PresStem1, P(U"g")},   {&State::SubjStem26, P(U"g")},
    {&State::SubjStem45, P(U"g")},  {&State::SubjStem13, P(U"g")},
    {&State::FutureStem, P(U"dr")}, {&State::ImperEndingEr, Lit(U"")},
};

// 56: ends with "facer"
inline constexpr Assignment kFacerTail[] = {
    {&State::PresStem1, P(U"ag")},        {&State::SubjStem26, P(U"ag")},
    {&State::SubjStem45, P(U"ag")},       {&State::SubjStem13, P(U"ag")},
    {&State::PretStem1, P(U"ic")},        {&State::PretStem245, P(U"ic")},
    {&State::PretStem6, P(U"ic")},        {&State::PastSubjStem, P(U"ic")},
    {&State::PretStem3, P(U"iz")},        {&State::FutureStem, P(U"ar")},
    {&State::ImperStem, P(U"az / (-ac")}, {&State::ParticipleStem, P(U"echo")},
    {&State::PretEnding1, Lit(U"e")},     {&State::PretEnding3, Lit(U"o")},
    {&State::ImperEndingEr, Lit(U"e)")},  {&State::ParticipleEnding, Lit(U"")},
};

// 57: ends with "seguir"
inline constexpr Assignment kSeguirTail[] = {
    {&State::PresStem1, P(U"ig")},    {&State::SubjStem26, P(U"ig")},
    {&State::SubjStem45, P(U"ig")},   {&State::SubjStem13, P(U"ig")},
    {&State::PresStem236, P(U"igu")}, {&State::PretStem3, P(U"igu")},
    {&State::PretStem6, P(U"igu")},   {&State::PastSubjStem, P(U"igu")},
    {&State::ImperStem, P(U"igu")},   {&State::GerundStem, P(U"igu")},
};

// 58: ends with "hervir"
inline constexpr Assignment kHervirTail[] = {
    {&State::PresStem1, P(U"ierv")},   {&State::PresStem236, P(U"ierv")},
    {&State::SubjStem26, P(U"ierv")},  {&State::SubjStem13, P(U"ierv")},
    {&State::ImperStem, P(U"ierv")},   {&State::SubjStem45, P(U"irv")},
    {&State::PretStem3, P(U"irv")},    {&State::PretStem6, P(U"irv")},
    {&State::PastSubjStem, P(U"irv")}, {&State::GerundStem, P(U"irv")},
};

// 59: ends with "erir"
inline constexpr Assignment kErirTail[] = {
    {&State::PresStem1, P(U"ier")},   {&State::PresStem236, P(U"ier")},
    {&State::SubjStem26, P(U"ier")},  {&State::SubjStem13, P(U"ier")},
    {&State::ImperStem, P(U"ier")},   {&State::SubjStem45, P(U"ir")},
    {&State::PretStem3, P(U"ir")},    {&State::PretStem6, P(U"ir")},
    {&State::PastSubjStem, P(U"ir")}, {&State::GerundStem, P(U"ir")},
};

// 60: ends with "ertir"
inline constexpr Assignment kErtirTail[] = {
    {&State::PresStem1, P(U"iert")},   {&State::PresStem236, P(U"iert")},
    {&State::SubjStem26, P(U"iert")},  {&State::SubjStem13, P(U"iert")},
    {&State::ImperStem, P(U"iert")},   {&State::SubjStem45, P(U"irt")},
    {&State::PretStem3, P(U"irt")},    {&State::PretStem6, P(U"irt")},
    {&State::PastSubjStem, P(U"irt")}, {&State::GerundStem, P(U"irt")},
};

// 61: is "ser"
inline constexpr Assignment kSer[] = {
    {&State::ImperfStem, Lit(U"era")},   {&State::SubjStem26, Lit(U"se")},
    {&State::SubjStem45, Lit(U"se")},    {&State::SubjStem13, Lit(U"se")},
    {&State::PretStem1, Lit(U"fu")},     {&State::PretStem245, Lit(U"fu")},
    {&State::PretStem3, Lit(U"fu")},     {&State::PretStem6, Lit(U"fu")},
    {&State::PastSubjStem, Lit(U"fu")},  {&State::PresEnding1, Lit(U"oy")},
    {&State::PretEnding1, Lit(U"i")},    {&State::PretEnding3, Lit(U"e")},
    {&State::PretEnding6, Lit(U"eron")}, {&State::PastSubjLink, Lit(U"")},
    {&State::ImperEndingEr, Lit(U"é")},
};

// 62: is "perder"
inline constexpr Assignment kPerder[] = {
    {&State::PresStem1, Lit(U"pierd")},  {&State::PresStem236, Lit(U"pierd")},
    {&State::SubjStem26, Lit(U"pierd")}, {&State::SubjStem13, Lit(U"pierd")},
    {&State::ImperStem, Lit(U"pierd")},
};

// 63: is "reunir"
inline constexpr Assignment kReunir[] = {
    {&State::PresStem1, Lit(U"reún")},  {&State::PresStem236, Lit(U"reún")},
    {&State::SubjStem26, Lit(U"reún")}, {&State::SubjStem13, Lit(U"reún")},
    {&State::ImperStem, Lit(U"reún")},
};

// 64: ends with "tender", except pretender
inline constexpr Assignment kTenderTail[] = {
    {&State::PresStem1, P(U"iend")},  {&State::PresStem236, P(U"iend")},
    {&State::SubjStem26, P(U"iend")}, {&State::SubjStem13, P(U"iend")},
    {&State::ImperStem, P(U"iend")},
};

// 65: ends with "tener"
inline constexpr Assignment kTenerTail[] = {
    {&State::PresStem1, P(U"eng")},   {&State::SubjStem26, P(U"eng")},
    {&State::SubjStem45, P(U"eng")},  {&State::SubjStem13, P(U"eng")},
    {&State::PresStem236, P(U"ien")}, {&State::PretStem1, P(U"uv")},
    {&State::PretStem245, P(U"uv")},  {&State::PretStem3, P(U"uv")},
    {&State::PretStem6, P(U"uv")},    {&State::PastSubjStem, P(U"uv")},
    {&State::FutureStem, P(U"endr")}, {&State::ImperEndingEr, Lit(U"")},
    {&State::PretEnding1, Lit(U"e")}, {&State::PretEnding3, Lit(U"o")},
};

// 66: ends with "torcer"
inline constexpr Assignment kTorcerTail[] = {
    {&State::PresStem1, P(U"uerz")},  {&State::SubjStem26, P(U"uerz")},
    {&State::SubjStem13, P(U"uerz")}, {&State::PresStem236, P(U"uerc")},
    {&State::ImperStem, P(U"uerc")},  {&State::SubjStem45, P(U"orz")},
};

// 67: ends with "traer"
inline constexpr Assignment kTraerTail[] = {
    {&State::PresStem1, P(U"ig")},
    {&State::SubjStem26, P(U"ig")},
    {&State::SubjStem45, P(U"ig")},
    {&State::SubjStem13, P(U"ig")},
    {&State::PretStem1, P(U"j")},
    {&State::PretStem245, P(U"j")},
    {&State::PretStem3, P(U"j")},
    {&State::PretStem6, P(U"j")},
    {&State::PastSubjStem, P(U"j")},
    {&State::PretEnding1, Lit(U"e")},
    {&State::PretEnding3, Lit(U"o")},
    {&State::PretEnding6, Lit(U"eron")},
    {&State::PastSubjLink, Lit(U"")},
    {&State::GerundEnding, Lit(U"yendo")},
    {&State::ParticipleEnding, Lit(U"ído")},
};

// 68: ends with "aler"
inline constexpr Assignment kAlerTail[] = {
    {&State::PresStem1, P(U"g")},   {&State::SubjStem26, P(U"g")},
    {&State::SubjStem45, P(U"g")},  {&State::SubjStem13, P(U"g")},
    {&State::FutureStem, P(U"dr")}, {&State::ImperStem, PrefixTwice(U"(", U")  ")},
};

// 69: ends with "venir"
inline constexpr Assignment kVenirTail[] = {
    {&State::PresStem1, P(U"eng")},   {&State::SubjStem26, P(U"eng")},
    {&State::SubjStem45, P(U"eng")},  {&State::SubjStem13, P(U"eng")},
    {&State::PresStem236, P(U"ien")}, {&State::PretStem1, P(U"in")},
    {&State::PretStem245, P(U"in")},  {&State::PretStem3, P(U"in")},
    {&State::PretStem6, P(U"in")},    {&State::PastSubjStem, P(U"in")},
    {&State::GerundStem, P(U"in")},   {&State::FutureStem, P(U"endr")},
    {&State::ImperStem, P(U"en")},    {&State::PretEnding1, Lit(U"e")},
    {&State::PretEnding3, Lit(U"o")}, {&State::ImperEndingEr, Lit(U"")},
};

// 70: is one of "ver", "prever", "antever", "entrever", "rever"
inline constexpr Assignment kVer[] = {
    {&State::PresStem1, P(U"e")},         {&State::SubjStem26, P(U"e")},
    {&State::SubjStem45, P(U"e")},        {&State::SubjStem13, P(U"e")},
    {&State::ImperfStem, P(U"e")},        {&State::ParticipleStem, P(U"isto")},
    {&State::ParticipleEnding, Lit(U"")},
};

// 71: ends with "olver"
inline constexpr Assignment kOlverTail[] = {
    {&State::PresStem1, P(U"uelv")},      {&State::PresStem236, P(U"uelv")},
    {&State::SubjStem26, P(U"uelv")},     {&State::SubjStem13, P(U"uelv")},
    {&State::ImperStem, P(U"uelv")},      {&State::ParticipleStem, P(U"uelto")},
    {&State::ParticipleEnding, Lit(U"")},
};

// 72: is "yacer"
inline constexpr Assignment kYacer[] = {
    {&State::PresStem1, Lit(U"yazc/yazg/yag")},  {&State::SubjStem26, Lit(U"yazc/yazg/yag")},
    {&State::SubjStem45, Lit(U"yazc/yazg/yag")}, {&State::SubjStem13, Lit(U"yazc/yazg/yag")},
    {&State::ImperStem, Lit(U"(yaz) yac")},
};

// 73: ends with "scribir"
inline constexpr Assignment kScribirTail[] = {
    {&State::ParticipleStem, P(U"ito")},
    {&State::ParticipleEnding, Lit(U"")},
};

// 74: ends with "cubrir"
inline constexpr Assignment kCubrirTail[] = {
    {&State::ParticipleStem, P(U"ierto")},
    {&State::ParticipleEnding, Lit(U"")},
};

// 75: is "romper"
inline constexpr Assignment kRomper[] = {
    {&State::ParticipleStem, P(U"to")},
    {&State::ParticipleEnding, Lit(U"")},
};

// 76: ends with "abrir", except desabrir
inline constexpr Assignment kAbrirTail[] = {
    {&State::ParticipleStem, P(U"ierto")},
    {&State::ParticipleEnding, Lit(U"")},
};

// 77, 78: lists A and B
inline constexpr Assignment kStressedI[] = {
    {&State::PresStem1, P(U"í")},  {&State::PresStem236, P(U"í")}, {&State::SubjStem26, P(U"í")},
    {&State::SubjStem13, P(U"í")}, {&State::ImperStem, P(U"í")},
};

inline constexpr Assignment kDecirShortImperative[] = {
    {&State::ImperStem, P(U"i")},
    {&State::ImperEndingEr, Lit(U"")},
};
inline constexpr Assignment kDecirRegularFuture[] = {
    {&State::FutureStem, P(U"ecir")},
    {&State::ParticipleStem, P(U"ec")},
    {&State::ParticipleEnding, Lit(U"ido")},
};
// 86: is "autodefender": defender's stressed ie after the prefix.
inline constexpr Assignment kAutodefender[] = {
    {&State::PresStem1, P(U"iend")},  {&State::PresStem236, P(U"iend")},
    {&State::SubjStem26, P(U"iend")}, {&State::SubjStem13, P(U"iend")},
    {&State::ImperStem, P(U"iend")},
};

// Only decir itself: its compounds say condice, redice, predice.
inline constexpr SubEntry kDecirTailSubs[] = {
    {Word(U"decir"), kDecirShortImperative},
    {OneOf(U"decir", kDecirRegularFutureWords), kDecirRegularFuture}};

inline constexpr Assignment kVerItself[] = {
    {&State::PresEnding5Er, Lit(U"eis")},
    {&State::PretEnding1, Lit(U"i")},
    {&State::PretEnding3, Lit(U"io")},
};
// The compounds stress the last syllable, where the written accent goes:
// prevé (the present's prevés, prevé, prevén are the writer's).
inline constexpr Assignment kVerCompoundImperative[] = {{&State::ImperEndingEr, Lit(U"é")}};
inline constexpr SubEntry kVerSubs[] = {{Word(U"ver"), kVerItself},
                                        {OneOf(U"ver", kVerCompounds), kVerCompoundImperative}};

// The compounds of tener, venir and poner end their tú imperative in a
// stressed syllable, which takes the accent the plain verb does not need:
// ten but detén, ven but convén, pon but compón. The accented syllable is the
// red ending, after the same prefix the other irregular stems grow from
// (det + uv, det + én).
inline constexpr TextView kTenerItself[] = {U"tener"};
inline constexpr TextView kVenirItself[] = {U"venir"};
inline constexpr TextView kPonerItself[] = {U"poner"};
inline constexpr Assignment kStressedEnImperative[] = {
    {&State::ImperStem, P()},
    {&State::ImperEndingEr, Lit(U"én")},
};
inline constexpr Assignment kStressedOnImperative[] = {
    {&State::ImperStem, P()},
    {&State::ImperEndingEr, Lit(U"ón")},
};
inline constexpr SubEntry kTenerTailSubs[] = {
    {TailExcept(U"tener", kTenerItself), kStressedEnImperative}};
inline constexpr SubEntry kVenirTailSubs[] = {
    {TailExcept(U"venir", kVenirItself), kStressedEnImperative}};
inline constexpr SubEntry kPonerTailSubs[] = {
    {TailExcept(U"poner", kPonerItself), kStressedOnImperative}};

// A prefix ending in a vowel makes a hiatus of the stressed i: rehíce,
// rehízo, rehíncho (deshice and henchir have none).
inline constexpr TextView kHiatusHacerWords[] = {U"rehacer", U"contrahacer"};
inline constexpr Assignment kHiatusHacerPreterite[] = {
    {&State::PretStem1, P(U"íc")},
    {&State::PretStem3, P(U"íz")},
};
inline constexpr SubEntry kHacerTailSubs[] = {
    {OneOf(U"hacer", kHiatusHacerWords), kHiatusHacerPreterite}};
inline constexpr Assignment kRehenchirStressed[] = {
    {&State::PresStem1, P(U"ínch")},  {&State::PresStem236, P(U"ínch")},
    {&State::SubjStem26, P(U"ínch")}, {&State::SubjStem13, P(U"ínch")},
    {&State::ImperStem, P(U"ínch")},
};
inline constexpr SubEntry kEnchirTailSubs[] = {{Word(U"rehenchir"), kRehenchirStressed}};

// 79: is "rehuir": the y-forms of huir, with the hiatus accent where the u
// is stressed (rehúyo, rehuyamos, rehuyó).
inline constexpr Assignment kRehuir[] = {
    {&State::PresStem1, Lit(U"rehúy")},   {&State::PresStem236, Lit(U"rehúy")},
    {&State::SubjStem26, Lit(U"rehúy")},  {&State::SubjStem13, Lit(U"rehúy")},
    {&State::ImperStem, Lit(U"rehúy")},   {&State::SubjStem45, Lit(U"rehuy")},
    {&State::PastSubjLink, Lit(U"y")},    {&State::PretEnding3, Lit(U"yó")},
    {&State::PretEnding6, Lit(U"yeron")}, {&State::GerundEnding, Lit(U"yendo")},
};

// 80: is "rehundir"
inline constexpr Assignment kRehundir[] = {
    {&State::PresStem1, Lit(U"rehúnd")},  {&State::PresStem236, Lit(U"rehúnd")},
    {&State::SubjStem26, Lit(U"rehúnd")}, {&State::SubjStem13, Lit(U"rehúnd")},
    {&State::ImperStem, Lit(U"rehúnd")},
};

// 82: is "embaír": the i stays a vowel of its own after the a wherever it
// is stressed, and turns to y before a vowel (embaímos, embayó); the future
// drops the accent, as oír's does (embairé).
inline constexpr Assignment kEmbair[] = {
    {&State::FutureStem, P(U"ir")},        {&State::PresEnding4Ir, Lit(U"ímos")},
    {&State::PretEnding2, Lit(U"íste")},   {&State::PretEnding3, Lit(U"yó")},
    {&State::PretEnding4, Lit(U"ímos")},   {&State::PretEnding5, Lit(U"ísteis")},
    {&State::PretEnding6, Lit(U"yeron")},  {&State::PastSubjLink, Lit(U"y")},
    {&State::ImperEndingIr, Lit(U"íd")},   {&State::ParticipleEnding, Lit(U"ído")},
    {&State::GerundEnding, Lit(U"yendo")},
};

// 83: is "desdar": dar's endings after the prefix, accented where the word
// now ends stressed; the writers give it estar's present endings and the
// -er/-ir preterite (desdás, desdé, desdió).
inline constexpr Assignment kDesdar[] = {
    {&State::PresEnding1, Lit(U"oy")},
    {&State::ImperEndingAr, Lit(U"á")},
};

// 84: ends with "pudrir": the participle is podrido, as for pudrir itself
// (entry 48 answers first for that one).
inline constexpr Assignment kPudrirTail[] = {
    {&State::ParticipleStem, P(U"podr")},
};

// 85: ends with "scer": sc before a or o becomes zc, as c does in
// agradecer (fosforezco, pubezca), never "sz".
inline constexpr Assignment kScerTail[] = {
    {&State::PresStem1, P(U"zc")},
    {&State::SubjStem26, P(U"zc")},
    {&State::SubjStem45, P(U"zc")},
    {&State::SubjStem13, P(U"zc")},
};

inline constexpr CatalogueEntry kIrregularEntries[] = {
    {1, Tail(U"irir"), 3, kIrirTail},
    {2, OneOf(U"andar", kAndarWords), 2, kAndar},
    {3, Tail(U"argüir"), 3, kArguirTail},
    {4, Tail(U"cender"), 5, kCenderTail},
    {5, Tail(U"asir"), 2, kAsirTail},
    {6, Tail(U"vergonzar"), 5, kVergonzarTail},
    {7, Word(U"caber"), kNoCut, kCaber},
    {8, Tail(U"caer"), 2, kCaerTail},
    {9, Tail(U"cocer"), 4, kCocerTail},
    {10, Tail(U"ohibir"), 4, kOhibirTail},
    {11, Tail(U"aizar"), 4, kAizarTail},
    {12, Word(U"dar"), kNoCut, kDar},
    {13, Tail(U"decir"), 4, kDecirTail, kDecirTailSubs},
    {14, Word(U"cerner"), kNoCut, kCerner},
    {15, Word(U"defender"), kNoCut, kDefender},
    {16, Word(U"desosar"), kNoCut, kDesosar},
    {17, Tail(U"cernir"), 5, kCernirTail},
    {18, TailExcept(U"oler", kOlerItself), 4, kOlerTail},
    {19, Tail(U"dormir"), 5, kDormirTail},
    {20, Tail(U"morir"), 4, kMorirTail},
    {21, Tail(U"entir"), 5, kEntirTail},
    {22, Tail(U"enchir"), 6, kEnchirTail, kEnchirTailSubs},
    {23, TailExcept(U"endir", kHendirItself), 5, kEndirTail},
    {24, Tail(U"eñir"), 4, kEnirTail},
    {25, Tail(U"estir"), 5, kEstirTail},
    {26, Tail(U"egir"), 4, kEgirTail},
    {27, Tail(U"etir"), 4, kEtirTail},
    {28, Tail(U"servir"), 5, kServirTail},
    {29, Word(U"erguir"), kNoCut, kErguir},
    {30, Word(U"errar"), kNoCut, kErrar},
    {31, Tail(U"erter"), 5, kErterTail},
    {32, Word(U"estar"), kNoCut, kEstar},
    {33, Word(U"haber"), kNoCut, kHaber},
    {34, Tail(U"hacer"), 4, kHacerTail, kHacerTailSubs},
    {35, Word(U"heder"), 4, kHeder},
    {36, Word(U"hender"), 5, kHender},
    {37, Word(U"hendir"), 5, kHendir},
    {38, Word(U"jugar"), kNoCut, kJugar},
    {39, Word(U"ir"), kNoCut, kIr},
    {40, Tail(U"morder"), 5, kMorderTail},
    {41, Tail(U"over"), 4, kOverTail},
    {42, Tail(U"oír"), 2, kOirTail},
    {43, Word(U"oler"), kNoCut, kOler},
    {44, TailExcept(U"edir", kRegularEdir), 4, kEdirTail},
    {45, Tail(U"ebir"), 4, kEbirTail},
    {46, Tail(U"emir"), 4, kEmirTail},
    {47, Word(U"poder"), kNoCut, kPoder},
    {48, OneOf(U"drir", kPodrirWords), kNoCut, kPodrir},
    {49, Tail(U"poner"), 4, kPonerTail, kPonerTailSubs},
    {50, Tail(U"querer"), 4, kQuererTail},
    {51, Word(U"raer"), kNoCut, kRaer},
    {52, Tail(U"eír"), 3, kEirTail},
    {53, Tail(U"roer"), 4, kRoerTail, {}, U"roer"},
    {54, Tail(U"saber"), 4, kSaberTail},
    {55, Tail(U"salir"), 2, kSalirTail},
    {56, Tail(U"facer"), 4, kFacerTail},
    {57, Tail(U"seguir"), 5, kSeguirTail},
    {58, Tail(U"hervir"), 5, kHervirTail},
    {59, Tail(U"erir"), 4, kErirTail},
    {60, Tail(U"ertir"), 5, kErtirTail},
    {61, Word(U"ser"), kNoCut, kSer},
    {62, Word(U"perder"), kNoCut, kPerder},
    {63, Word(U"reunir"), kNoCut, kReunir},
    {64, TailExcept(U"tender", kRegularTender), 5, kTenderTail},
    {65, Tail(U"tener"), 4, kTenerTail, kTenerTailSubs},
    {66, Tail(U"torcer"), 5, kTorcerTail},
    {67, Tail(U"traer"), 2, kTraerTail},
    {68, Tail(U"aler"), 2, kAlerTail},
    {69, Tail(U"venir"), 4, kVenirTail, kVenirTailSubs},
    {70, OneOf(U"ver", kVerWords), 2, kVer, kVerSubs},
    {71, Tail(U"olver"), 5, kOlverTail},
    {72, Word(U"yacer"), kNoCut, kYacer},
    {73, Tail(U"scribir"), 4, kScribirTail},
    {74, Tail(U"cubrir"), 3, kCubrirTail},
    {75, Word(U"romper"), 4, kRomper},
    {76, TailExcept(U"abrir", kRegularAbrir), 3, kAbrirTail},
    {77, InList(U"iar", kListAWords, kListATails), 3, kStressedI},
    {78, InList(U"iar", kListBWords, kListBTails), 3, kStressedI},
    // Verbs whose sound the entries above missed; no earlier test matches them.
    {79, Word(U"rehuir"), kNoCut, kRehuir},
    {80, Word(U"rehundir"), kNoCut, kRehundir},
    {81, Word(U"europeizar"), 4, kAizarTail},
    {82, Word(U"embaír"), 2, kEmbair},
    {83, Word(U"desdar"), kNoCut, kDesdar},
    {84, Tail(U"pudrir"), 6, kPudrirTail},
    {85, Tail(U"scer"), 4, kScerTail},
    {86, Word(U"autodefender"), 5, kAutodefender},
};

static_assert(std::size(kIrregularEntries) == 86);
constexpr bool WellFormed() {
  int expected = 1;
  for (const CatalogueEntry& entry : kIrregularEntries) {
    if (entry.number != expected++ || !SharesItsTail(entry.test)) return false;
    for (const SubEntry& sub : entry.sub_entries) {
      if (!SharesItsTail(sub.test)) return false;
    }
  }
  return true;
}
static_assert(WellFormed());

}  // namespace flexoria::irregular
