// SPDX-License-Identifier: GPL-3.0-or-later
// The request from entry to display: acceptance, notices, state rules and
// which writer each option and verb reach.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/cell_notation.h"
#include "core/monosyllable_accents.h"
#include "core/regular_values.h"
#include "engine/form_table.h"
#include "engine/restricted_use.h"
#include "lexicon/word_lists.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kUnknown =
    "Esta palabra no aparece en nuestra lista de verbos. Pero si existe, su conjugación será "
    "como sigue.";
const std::string kNotInfinitive = "Éste no es un infinitivo.";

TEST(Request, RegularPresentOfHablarIsShownExactly) {
  Desk desk;
  desk.Conjugate("hablar", kPresente);
  EXPECT_EQ(desk.ui.stems(), U"\r\nhabl\r\nhabl\r\nhabl\r\nhabl\r\nhabl\r\nhabl");
  EXPECT_EQ(desk.ui.endings(), U"\r\no\r\nas\r\na\r\namos\r\náis\r\nan");
  EXPECT_EQ(desk.ui.title(), U"Presente de Indicativo");
  EXPECT_EQ(desk.ui.persons(), U"\r\n1\r\n2\r\n3\r\n1 1\r\n2 2\r\n3 3");
  EXPECT_TRUE(desk.ui.endings_red());
}

TEST(Request, RefusedEntriesChangeOnlyVerbAndKeepTheDisplay) {
  struct Case {
    std::string entry;
    std::string message;
  };
  const Case cases[] = {
      {"tenerse", "Borre el pronombre \"se\"."},
      {"casa", kNotInfinitive},
      {"AMAR\t", kNotInfinitive},
      {"amar\u00a0", kNotInfinitive},
      {"", kNotInfinitive},
      // An ending alone is no verb.
      {"ar", kNotInfinitive},
      {"er", kNotInfinitive},
      {"ír", kNotInfinitive},
      {" ar", kNotInfinitive},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    Desk desk;
    desk.Conjugate("comer", kGerundio);
    const ConjugationState before = desk.State();
    const Text stems = desk.ui.stems();
    desk.Conjugate(c.entry, kPresente);
    EXPECT_THAT(desk.MessageTexts(), ElementsAre(c.message));
    for (const auto& message : desk.ui.messages()) EXPECT_EQ(Utf8(message.title), "Flexoria");
    EXPECT_EQ(desk.ui.stems(), stems);
    EXPECT_EQ(desk.ui.title(), U"Gerundio");
    EXPECT_EQ(desk.State().Stem, before.Stem);
    EXPECT_EQ(desk.State().InfEnding, before.InfEnding);
    EXPECT_EQ(desk.State().GerundStem, before.GerundStem);
    EXPECT_EQ(desk.State().EntryLength, before.EntryLength);
    EXPECT_EQ(desk.State().Found, before.Found);
    EXPECT_EQ(desk.session.last_verb(), U"comer");
  }
}

TEST(Request, OnlySpacesAreTrimmedFromTheEntry) {
  Desk desk;
  desk.Conjugate(" amar");
  EXPECT_EQ(desk.State().EntryLength, 4);
  EXPECT_EQ(desk.State().FutureStem, U"amar");

  desk.Conjugate("\tamar");  // a tab is no blank
  EXPECT_EQ(desk.State().Verb, U"\tamar");

  desk.Conjugate("amar\u00a0");  // nor a no-break space: the entry ends in one
  EXPECT_THAT(desk.MessageTexts(), ElementsAre(kNotInfinitive));
}

TEST(Request, TwoLetterVerbKeepsItsWholeEntryAsStem) {
  ConjugationState ir;
  ir.Verb = U"ir";
  FillRegularValues(ir, U"ir");
  EXPECT_EQ(ir.Stem, U"ir");
  EXPECT_EQ(ir.InfEnding, U"ir");
  EXPECT_EQ(ir.FutureStem, U"ir");
  EXPECT_EQ(ir.EntryLength, 2);

  Desk desk;
  desk.Conjugate("ir", kInfinitivo);
  EXPECT_THAT(desk.Split(), ElementsAre("i+r"));
  desk.Conjugate("reír", kInfinitivo);
  EXPECT_EQ(desk.State().Stem, U"re");
  EXPECT_EQ(desk.State().InfEnding, U"ír");
}

TEST(Request, CharactersOutsideLatinOneCountAsOne) {
  Desk desk;
  desk.Conjugate("\U0001F600ar", kInfinitivo);
  EXPECT_EQ(desk.State().EntryLength, 3);
  EXPECT_THAT(desk.Split(), ElementsAre("\U0001F600+ar"));
}

TEST(Request, UnknownWordIsAnnouncedOncePerWord) {
  Desk desk;
  desk.Conjugate("blorpar", kPresente);
  EXPECT_THAT(desk.MessageTexts(), ElementsAre(kUnknown));
  desk.Conjugate("blorpar", kFuturo);
  EXPECT_THAT(desk.MessageTexts(), IsEmpty());
  desk.Conjugate("blorpir", kFuturo);
  desk.Conjugate("blorpar", kFuturo);
  EXPECT_THAT(desk.MessageTexts(), ElementsAre(kUnknown));
  // A refused entry does not count as the last word looked up.
  desk.Conjugate("blorparse");
  desk.Conjugate("blorpar", kFuturo);
  EXPECT_THAT(desk.MessageTexts(), IsEmpty());
}

TEST(Request, AfterAnyRequestTheStateHoldsOnlyThisVerbsValues) {
  Desk desk;
  desk.Conjugate("leer", kPerfecto);
  desk.Conjugate("amar", kPresente);
  const ConjugationState& s = desk.State();
  for (const NamedSlot& named : kStemSlots) {
    SCOPED_TRACE(std::string(named.name));
    EXPECT_EQ(s.*named.slot, named.slot == &ConjugationState::FutureStem ? U"amar" : U"am");
  }
  for (const EndingSlot& ending : kEndingSlots) {
    SCOPED_TRACE(std::string(ending.name));
    EXPECT_EQ(s.*ending.slot, ending.regular);
  }
  EXPECT_EQ(s.LineBreak, U"\r\n");
}

// The catalogue says when it writes a value in a cell's notation, and the
// full paradigm looks for notations only then: no verb of the lexicon shows
// one that its state does not own to.
TEST(Request, EveryNotationShownIsOneTheStateOwnsTo) {
  Desk desk;
  int owned = 0;
  for (const WordList& list : WordLists()) {
    for (const TextView word : list.words) {
      if (!desk.Conjugate(Utf8(word)).result.shown()) continue;
      const bool holds = desk.session.state().HoldsNotation;
      owned += holds ? 1 : 0;
      for (const FormSpec& form : AllForms()) {
        FormCells cells;
        desk.session.WriteForm(form, cells);
        for (std::size_t line = 0; line < cells.count && !holds; ++line) {
          ASSERT_FALSE(HoldsNotationMarks(cells.stems[line]) ||
                       HoldsNotationMarks(cells.endings[line]))
              << Utf8(word) << " " << form.name << " " << line;
        }
      }
    }
  }
  EXPECT_GT(owned, 0);
}

// The session spares a verb whose stems rule them out the one-syllable
// accent rule: over the whole lexicon and entries of one syllable, no form
// it writes is one the rule would still change.
TEST(Request, NoWrittenFormKeepsAnAccentOfOneSyllable) {
  Desk desk;
  const auto check = [&desk](TextView verb) {
    if (!desk.Conjugate(Utf8(verb)).result.shown()) return;
    for (const FormSpec& form : AllForms()) {
      FormCells cells;
      desk.session.WriteForm(form, cells);
      for (std::size_t line = 0; line < cells.count; ++line) {
        ASSERT_EQ(MonosyllableAccentToDrop(cells.stems[line], cells.endings[line]), TextView::npos)
            << Utf8(verb) << " " << form.name << " " << line;
      }
    }
  };
  for (const WordList& list : WordLists()) {
    for (const TextView word : list.words) check(word);
  }
  for (const TextView typed : {U"fíar", U"ríer", U"guíar", U"dér", U"vér", U"sír", U"fiár"}) {
    check(typed);
  }
}

// A long-lived session reuses what it worked out for the previous entry;
// whatever came before, it must show what a fresh session shows.
TEST(Request, HistoryNeverChangesWhatAnEntryShows) {
  const std::pair<std::string, int> requests[] = {
      {"tener", kPresente},  {"tener", kPerfecto}, {"tenerse", kFuturo}, {"tener", kFuturo},
      {" tener", kPresente}, {"tener", kPresente}, {"leer", kGerundio},  {"amar", kGerundio},
      {"soler", kFuturo},    {"soler", kPresente}, {"casa", kPresente},  {"pensar", kPerfecto},
      {"ir", kImperfecto},   {"ir", kImperativo},  {"", kPresente},      {"ir", kPresente},
  };
  Desk lived;
  for (const auto& [entry, option] : requests) {
    SCOPED_TRACE(entry + " " + std::to_string(option));
    lived.Conjugate(entry, option);
    Desk fresh;
    fresh.Conjugate(entry, option);
    if (fresh.ui.stems().empty()) continue;  // refused: the display stays
    EXPECT_EQ(lived.ui.stems(), fresh.ui.stems());
    EXPECT_EQ(lived.ui.endings(), fresh.ui.endings());
    EXPECT_EQ(lived.ui.title(), fresh.ui.title());
    for (const NamedSlot& named : kStemSlots) {
      EXPECT_EQ(lived.State().*named.slot, fresh.State().*named.slot) << named.name;
    }
    for (const EndingSlot& ending : kEndingSlots) {
      EXPECT_EQ(lived.State().*ending.slot, fresh.State().*ending.slot) << ending.name;
    }
    // Restricted-use notices have no memory.
    const auto has_notice = [](const Desk& desk) {
      const auto& messages = desk.ui.messages();
      return !messages.empty() && messages.back().title == U"Verbo defectivo";
    };
    EXPECT_EQ(has_notice(lived), has_notice(fresh));
  }
}

TEST(RestrictedUse, NoticesComeOnEveryRequestInListOrder) {
  struct Case {
    std::string verb;
    std::string notice;
  };
  const Case cases[] = {
      {"soler",
       "Este verbo no se usa en las siguientes formas:\r\n        Futuro;\r\n        "
       "Condicional;\r\n        Formas compuestas"},
      {"nevar", "Este verbo sólo se usa en la tercera persona de singular."},
      {"acaecer", "Este verbo sólo se usa en la tercera persona de singular."},
      {"ocurrir", "Este verbo sólo se usa en la tercera persona."},
      {"atañer", "Este verbo sólo se usa en la tercera persona."},
      {"abolir",
       "Este verbo no se usa en las siguientes formas:\r\n        Singular y tercera persona "
       "del plural de Indicativo;\r\n        Presente de Subjuntivo;\r\n        Segunda persona "
       "de singular de Imperativo"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.verb);
    Desk desk;
    for (int option : {kFuturo, kPresente}) {
      desk.Conjugate(c.verb, option);
      const auto& messages = desk.ui.messages();
      if (messages.empty()) {
        ADD_FAILURE() << "no notice";
        continue;
      }
      EXPECT_EQ(Utf8(messages.back().title), "Verbo defectivo");
      EXPECT_EQ(Utf8(messages.back().text), c.notice);
      EXPECT_EQ(desk.Stems().size(), 6u);  // the forms are shown all the same
    }
  }
  EXPECT_THAT(Utf8(RestrictedUseNotice(U"Soler", U"\r\n")), IsEmpty());
  EXPECT_THAT(Utf8(RestrictedUseNotice(U"amar", U"\r\n")), IsEmpty());
}

TEST(Dispatch, OptionsPickTitleAndPersonColumn) {
  Desk desk;
  desk.Conjugate("vivir", kImperativo);
  EXPECT_EQ(desk.ui.title(), U"Imperativo");
  EXPECT_EQ(desk.ui.persons(), U"\r\n\r\n2\r\n\r\n\r\n2 2\r\n");
  EXPECT_THAT(desk.Split(),
              ElementsAre("   -   + ", "viv+e", "   -   + ", "   -   + ", "viv+id", "   -   + "));
  desk.Conjugate("vivir", kParticipio);
  EXPECT_EQ(desk.ui.title(), U"Participio");
  EXPECT_EQ(desk.ui.persons(), U"");
  desk.Conjugate("vivir", kSubjImperfecto2);
  EXPECT_EQ(desk.ui.title(), U"Imperfecto II. de subjuntivo");
}

TEST(Request, ReadsTheEntryAsPeopleTypeIt) {
  for (const TypedEntryRow& row : ReadTypedEntries()) {
    Desk desk;
    desk.Conjugate(row.typed, kPresente);
    EXPECT_EQ(Utf8(desk.State().Verb), row.verb) << row.typed;
    EXPECT_EQ(Utf8(desk.State().Stem), row.stem) << row.typed;
    EXPECT_EQ(desk.MessageTexts().size(), row.messages) << row.typed;
    EXPECT_EQ(desk.Forms(), row.forms) << row.typed;
  }
}

}  // namespace
}  // namespace flexoria::testing
