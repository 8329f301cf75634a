// SPDX-License-Identifier: GPL-3.0-or-later
// The stem-change catalogue's data: -ar verbs grouped into classes that share
// one rewrite of the stem's last letters. The search order is the order below
// (single-form classes first); no infinitive appears twice.
#pragma once

#include <array>

#include "core/text.h"

namespace flexoria {

// A class whose stressed stems all take one form: the verb's last `cut`
// characters give way to `fragment` (pensar, cut 5: "p" + "iens").
struct SingleFormClass {
  int number;
  int cut;
  TextView fragment;
  TextView infinitives;  // separated by single blanks
};

// A class whose stem ends in g, z or c, which must be respelled before an
// ending that begins with e (negar: niego, niegue, neguemos).
struct ThreeFormClass {
  int number;
  int cut;
  TextView stressed;             // niego, niega
  TextView stressed_before_e;    // niegue
  TextView unstressed_before_e;  // neguemos, negué
  TextView infinitives;          // separated by single blanks
};

// Calls `visit` with each infinitive of a class's list, in order.
template <typename Visit>
constexpr void ForEachInfinitive(TextView infinitives, Visit&& visit) {
  while (!infinitives.empty()) {
    const auto blank = infinitives.find(U' ');
    visit(infinitives.substr(0, blank));
    if (blank == TextView::npos) return;
    infinitives.remove_prefix(blank + 1);
  }
}

inline constexpr std::array<SingleFormClass, 62> kSingleFormClasses{{
    // Stressed e becomes ie.
    {1, 5, U"iebl", U"aneblar"},
    {2, 5, U"iebr", U"alebrar aliquebrar patiquebrar perniquebrar quebrar requebrar resquebrar"},
    {3, 5, U"iedr", U"desempedrar despedrar empedrar"},
    {4, 4, U"iel", U"amelar desmelar deshelar enmelar helar melar"},
    {5, 5, U"ield", U"albeldar beldar"},
    {6, 4, U"iem", U"femar"},
    {7, 6, U"iembl", U"retemblar temblar"},
    {8, 6, U"iembr", U"desmembrar remembrar resembrar sembrar sobresembrar"},
    {9, 6, U"iempl", U"destemplar templar"},
    {10, 5, U"iend",
     U"arrendar coarrendar desarrendar encomendar enmendar merendar recomendar remendar "
     U"subarrendar hacendar"},
    {11, 6, U"iendr", U"deslendrar"},
    {12, 5, U"iens", U"incensar pensar repensar"},
    {13, 5, U"ient",
     U"acrecentar alentar amentar apacentar asentar aspaventar atentar avalentar aventar "
     U"calentar cimentar decentar dentar desalentar desasentar desatentar descalentar "
     U"descimentar desdentar destentar desventar emparentar encentar endentar ensangrentar "
     U"ensarmentar escarmentar herventar mentar reaventar recalentar recentar regimentar "
     U"retentar reventar rusentar salpimentar sarmentar sentar sobrecalentar tentar ventar "
     U"sementar adormentar"},
    {14, 5, U"ierb", U"desherbar herbar"},
    {15, 5, U"ierd", U"jamerdar enmerdar"},
    {16, 5, U"iern",
     U"apernar desgobernar desinvernar despernar entrepernar gobernar infernar invernar"},
    {17, 5, U"ierr",
     U"aberrar acerrar aserrar aterrar cerrar desaferrar desaterrar descerrar desencerrar "
     U"desenterrar desherrar desterrar encerrar enterrar entrecerrar ferrar herrar reherrar "
     U"soterrar serrar transterrar"},
    {18, 5, U"iert", U"acertar concertar desacertar desconcertar despertar encubertar"},
    {19, 4, U"ies", U"atesar atravesar confesar entesar travesar"},
    {20, 5, U"iest", U"asestar contramanifestar enhestar inhestar manifestar"},
    {21, 6, U"iestr", U"adestrar"},
    {22, 4, U"iet", U"apretar desapretar reapretar"},
    {23, 4, U"iev", U"desnevar nevar"},
    {24, 5, U"iezm", U"dezmar"},
    // Stressed o becomes ue (agorar: güe).
    {25, 4, U"ueb", U"aprobar comprobar desaprobar improbar probar reprobar"},
    {26, 5, U"uebl", U"amoblar desamoblar despoblar moblar poblar repoblar superpoblar"},
    {27, 4, U"ued", U"enrodar rodar sonrodar"},
    {28, 4, U"uel",
     U"abuñolar amolar anzolar asolar azolar circunvolar colar consolar desconsolar desmajolar "
     U"desolar dolar empajolar escolar recolar remolar revolar sobresolar sobrevolar socolar "
     U"solar subsolar trascolar trasvolar volar dedolar majolar"},
    {29, 5, U"ueld", U"asoldar desoldar soldar"},
    {30, 5, U"uelt", U"resoltar soltar"},
    {31, 5, U"uell",
     U"acollar afollar apercollar apescollar desacollar descollar desollar follar "
     U"hollar percollar rehollar remollar resollar socollar"},
    {32, 4, U"uen",
     U"asonar atronar consonar disonar grandisonar resonar retronar sonar tonar tronar unisonar "
     U"malsonar"},
    {33, 5, U"uent", U"contar descontar discontar recontar redescontar"},
    {34, 6, U"uentr", U"encontrar rescontrar reencontrar"},
    {35, 4, U"ueñ", U"ensoñar soñar trasoñar"},
    {36, 4, U"uer", U"aforar ajorar atorar desaforar encorar"},
    {37, 5, U"uerd",
     U"acordar concordar desconcordar descordar desencordar discordar encordar recordar "
     U"trascordar desacordar"},
    {38, 5, U"uern", U"acornar descornar mancornar encornar"},
    {39, 5, U"uert", U"entortar"},
    {40, 4, U"ues", U"desengrosar engrosar"},
    {41, 5, U"uest",
     U"acostar apostar costar denostar descostar destostar encostar recostar retostar tostar"},
    {42, 6, U"uestr", U"demostrar mostrar premostrar amostrar"},
    {43, 4, U"uev", U"desencovar encovar renovar"},
    {44, 5, U"güer", U"agorar engorar malagorar"},
    // Stressed i or u after another vowel takes a written accent.
    {45, 5, U"íll", U"atraillar desatraillar traillar"},
    {46, 4, U"íj", U"ahijar desahijar prohijar"},
    {47, 4, U"íl", U"ahilar raspahilar rehilar reilar respahilar sobrehilar"},
    {48, 4, U"ín", U"amohinar desainar enzainar descafeinar sainar"},
    {49, 4, U"ír", U"airar desairar"},
    {50, 5, U"ísl", U"aislar desaislar"},
    {51, 4, U"ít", U"ahitar desahitar"},
    {52, 5, U"úch", U"ahuchar"},
    {53, 5, U"úll", U"aullar maullar"},
    {54, 4, U"úp", U"aupar"},
    {55, 4, U"úm", U"ahumar desahumar sahumar"},
    {56, 4, U"úl", U"embaular maular desembaular"},
    {57, 4, U"ún", U"aunar"},
    {58, 4, U"ús", U"ahusar parahusar parausar rehusar"},
    {59, 5, U"úst", U"barahustar baraustar desbarahustar"},
    // As agorar, the g before the changing o keeps its sound: degüello, regüeldo.
    {60, 6, U"güell", U"degollar"},
    {61, 6, U"güeld", U"regoldar"},
    // The u of un- after re- and entre- is stressed in hiatus: reúnto.
    {62, 5, U"únt", U"reuntar entreuntar"},
}};

inline constexpr std::array<ThreeFormClass, 13> kThreeFormClasses{{
    {1, 4, U"ieg", U"iegu", U"egu",
     U"abnegar regar cegar denegar derrenegar desasosegar desnegar desplegar estregar fregar "
     U"negar plegar refregar segar renegar replegar resegar restregar sorregar trasegar "
     U"desosegar"},
    {2, 5, U"ieng", U"iengu", U"engu", U"derrengar"},
    {3, 5, U"ienz", U"ienc", U"enc", U"comenzar enlenzar jimenzar recomenzar simenzar encomenzar"},
    {4, 4, U"iez", U"iec", U"ec", U"despezar empezar trompezar tropezar"},
    {5, 4, U"uec", U"uequ", U"oqu",
     U"aclocar clocar desflocar destrocar enclocar enllocar envocar trastrocar trocar"},
    {6, 5, U"uerc", U"uerqu", U"orqu", U"aporcar emporcar desaporcar"},
    {7, 5, U"uelc", U"uelqu", U"olqu", U"revolcar volcar"},
    {8, 5, U"uerz", U"uerc", U"orc", U"almorzar forzar desforzar disforzar esforzar reforzar"},
    {9, 5, U"uelg", U"uelgu", U"olgu", U"colgar descolgar holgar resolgar acolgar"},
    {10, 5, U"ueng", U"uengu", U"ongu", U"alongar"},
    {11, 4, U"ueg", U"uegu", U"ogu", U"rogar"},
    {12, 5, U"ínc", U"ínqu", U"inqu", U"ahincar"},
    {13, 4, U"íg", U"ígu", U"igu", U"cabrahigar encabrahigar"},
}};

}  // namespace flexoria
