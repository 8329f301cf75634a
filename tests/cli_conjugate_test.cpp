// flexoria-cli conjugate and lexicon, run in-process: the table and JSON
// for regular, stem-change and irregular verbs, notices and refusals.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/conjugate_command.h"
#include "cli/lexicon_command.h"
#include "cli/paradigm_table.h"
#include "engine/form_table.h"
#include "engine/paradigm.h"
#include "lexicon/lexicon.h"
#include "tests/test_support.h"

namespace flexoria {
namespace {

using ::flexoria::testing::ReadFile;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using Json = nlohmann::json;

struct Output {
  int status;
  std::string out;
  std::string err;
};

Output Conjugate(std::vector<std::string> verbs, std::optional<int> option = {}, bool json = false,
                 bool colour = false) {
  std::ostringstream out;
  std::ostringstream err;
  const FormSpec* form = option ? &FormForOption(*option) : nullptr;
  const int status = RunConjugate({std::move(verbs), form, json, colour}, out, err);
  return {status, out.str(), err.str()};
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(FormNames, NumbersAndShortNamesPickOptions) {
  const auto option_of = [](const char* typed) { return FindForm(typed)->option; };
  EXPECT_EQ(option_of("1"), 1);
  EXPECT_EQ(option_of("13"), 13);
  EXPECT_EQ(option_of("presente"), 1);
  EXPECT_EQ(option_of("subj-presente"), 5);
  EXPECT_EQ(option_of("Subj-Imperfecto-2"), 13);
  EXPECT_EQ(option_of("gerundio"), 12);
  for (const char* bad : {"0", "14", "+1", " 1", "1x", "pres", "", "subj-imperfecto"}) {
    EXPECT_EQ(FindForm(bad), nullptr) << bad;
  }
}

TEST(ConjugateCommand, RegularVerbTableShowsAllThirteenFormsAsTheWindowDoes) {
  const Output run = Conjugate({"hablar"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, ReadFile(FLEXORIA_TEST_DATA_DIR "/conjugate_hablar.txt"));
  EXPECT_THAT(run.out, Not(HasSubstr("\x1b")));
}

TEST(ConjugateCommand, OneFormOnlyWithEndingsInRedWhenColoured) {
  EXPECT_EQ(Conjugate({"hablar"}, 12, false, true).out,
            "hablar\n  Gerundio\n    habl\x1b[31mando\x1b[0m\n");
  EXPECT_THAT(Conjugate({"hablar"}, 9, false, true).out,
              HasSubstr("\n    1 1  hablar\x1b[31míamos\x1b[0m\n"));
}

TEST(ConjugateCommand, ImperativeShowsOnlyTuAndVosotros) {
  EXPECT_EQ(Conjugate({"hablar"}, 8).out,
            "hablar\n  Imperativo\n    2    habla\n    2 2  hablad\n");
  const std::string tener = Conjugate({"tener"}, 8).out;
  EXPECT_EQ(Count(tener, "\n    "), 2u);
  EXPECT_THAT(tener, HasSubstr("\n    2 2  tened\n"));
}

TEST(ParadigmTable, StemsAlignRightByCharactersNotBytes) {
  Paradigm paradigm;
  paradigm.entry = U"tañer";
  paradigm.forms.push_back(
      {&FormForOption(1), {{U"1", U"tañ", U"o"}, {U"2", U"ta", U"es"}, {U"1 1", U"tañ", U"emos"}}});
  paradigm.forms.push_back({&FormForOption(12), {{U"", U"tañ", U"endo"}}});
  std::ostringstream out;
  WriteParadigmTable(out, paradigm, false);
  EXPECT_EQ(out.str(),
            "tañer\n  Presente de Indicativo\n    1    taño\n    2     taes\n    1 1  tañemos\n"
            "\n  Gerundio\n    tañendo\n");
}

TEST(ConjugateCommand, JsonListsEveryFormInTheWindowsOrder) {
  const Output run = Conjugate({"pensar", "tener"}, {}, true);
  std::istringstream lines(run.out);
  std::string line;
  std::vector<Json> verbs;
  while (std::getline(lines, line)) verbs.push_back(Json::parse(line));
  ASSERT_EQ(verbs.size(), 2u);
  for (const Json& verb : verbs) {
    SCOPED_TRACE(verb["verb"].get<std::string>());
    const Json& forms = verb["forms"];
    ASSERT_EQ(forms.size(), 13u);
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < forms.size(); ++i) {
      EXPECT_EQ(forms[i]["name"], AllForms()[i].name);
      rows.push_back(forms[i]["rows"].size());
    }
    EXPECT_THAT(rows, ElementsAre(6, 6, 6, 6, 6, 6, 6, 6, 2, 6, 1, 1, 1));
  }
}

TEST(ConjugateCommand, IrregularStemsAlignAgainstTheirEndings) {
  EXPECT_EQ(Conjugate({"tener"}, 1).out,
            "tener\n  Presente de Indicativo\n    1    tengo\n    2    tienes\n    3    tiene\n"
            "    1 1   tenemos\n    2 2   tenéis\n    3 3  tienen\n");
  EXPECT_EQ(Conjugate({"pensar"}, 5).out,
            "pensar\n  Presente de subjuntivo\n    1    piense\n    2    pienses\n"
            "    3    piense\n    1 1   pensemos\n    2 2   penséis\n    3 3  piensen\n");
}

TEST(ConjugateCommand, NoticesGoToStandardErrorOncePerVerb) {
  const Output abolir = Conjugate({"abolir"});
  EXPECT_EQ(abolir.status, 0);
  EXPECT_EQ(Count(abolir.err,
                  "abolir (Verbo defectivo): Este verbo no se usa en las siguientes formas:\n"
                  "        Singular y tercerar persona del plural de Indicativo;\n"),
            1u);
  EXPECT_THAT(abolir.out, HasSubstr("  Gerundio\n    aboliendo\n"));

  const Output unknown = Conjugate({"wolfear"}, 1);
  EXPECT_EQ(unknown.status, 0);
  EXPECT_EQ(unknown.err,
            "wolfear: Esta palabra no aparece en nuestra lista de verbos. Pero si existe, su "
            "conjugación será como sigue.\n");
  EXPECT_THAT(unknown.out, HasSubstr("    1    wolfeo\n"));
}

TEST(ConjugateCommand, RefusedEntriesGetTheWindowMessageAndStatusOne) {
  const Output reflexive = Conjugate({"tenerse"});
  EXPECT_EQ(reflexive.status, 1);
  EXPECT_EQ(reflexive.err, "tenerse: Borre el pronombre \"se\".\n");
  EXPECT_THAT(reflexive.out, IsEmpty());
  for (const char* entry : {"casa", "AMAR", "amar ", ""}) {
    const Output run = Conjugate({entry});
    EXPECT_EQ(run.status, 1) << entry;
    EXPECT_EQ(run.err, std::string(entry) + ": Éste no es un infinitivo.\n");
  }
  // The other verbs are still conjugated.
  const Output mixed = Conjugate({"casa", "hablar"}, 12);
  EXPECT_EQ(mixed.status, 1);
  EXPECT_EQ(mixed.out, "hablar\n  Gerundio\n    hablando\n");
  EXPECT_EQ(Conjugate({"comer", "vivir"}, 10).out,
            "comer\n  Infinitivo\n    comer\n\nvivir\n  Infinitivo\n    vivir\n");
}

TEST(ConjugateCommand, JsonHasStemsAndEndingsPerFormAndTheRefusal) {
  const Json hablar = Json::parse(Conjugate({"hablar"}, 1, true).out);
  EXPECT_EQ(hablar["verb"], "hablar");
  EXPECT_TRUE(hablar["notices"].is_array());
  EXPECT_TRUE(hablar["refusal"].is_null());
  const Json& form = hablar["forms"].at(0);
  EXPECT_EQ(form["option"], 1);
  EXPECT_EQ(form["name"], "presente");
  EXPECT_EQ(form["title"], "Presente de Indicativo");
  std::vector<std::string> cells;
  for (const Json& row : form["rows"]) {
    cells.push_back(row["person"].get<std::string>() + "|" + row["stem"].get<std::string>() + "|" +
                    row["ending"].get<std::string>());
  }
  EXPECT_THAT(cells, ElementsAre("1|habl|o", "2|habl|as", "3|habl|a", "1 1|habl|amos",
                                 "2 2|habl|áis", "3 3|habl|an"));

  const Output refused = Conjugate({"hablarse"}, {}, true);
  EXPECT_EQ(refused.status, 1);
  const Json json = Json::parse(refused.out);
  EXPECT_EQ(json["refusal"]["text"], "Borre el pronombre \"se\".");
  EXPECT_THAT(json["forms"], IsEmpty());
}

TEST(ConjugateCommand, ArgumentsThatAreNotUtf8AreBadUsage) {
  const Output run =
      Conjugate({"am\xff"
                 "ar"});
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("UTF-8"));
}

TEST(LexiconCommand, SaysForEachWordWhetherItIsListed) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunLexicon({"wolfear", "Amar"}, out, err), 1);
  EXPECT_EQ(out.str(),
            "wolfear: no está en la lista de verbos\nAmar: no está en la lista de verbos\n");
  std::ostringstream found;
  EXPECT_EQ(RunLexicon({"amar", "tener"}, found, err), 0);
  EXPECT_EQ(found.str(), "amar: está en la lista de verbos\ntener: está en la lista de verbos\n");
}

}  // namespace
}  // namespace flexoria
