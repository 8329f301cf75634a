// SPDX-License-Identifier: GPL-3.0-or-later
// flexoria-cli conjugate and lexicon, run in-process: the table and JSON
// for regular, stem-change and irregular verbs, notices and refusals.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/conjugate_command.h"
#include "cli/lexicon_command.h"
#include "cli/paradigm_json.h"
#include "cli/paradigm_table.h"
#include "engine/form_table.h"
#include "engine/full_paradigm.h"
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

Output RunRequest(const ConjugateRequest& request, const std::string& input = {}) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunConjugate(request, in, out, err);
  return {status, out.str(), err.str()};
}

Output Conjugate(std::vector<std::string> verbs, std::optional<int> option = {}, bool json = false,
                 bool colour = false) {
  const FormSpec* form = option ? &FormForOption(*option) : nullptr;
  return RunRequest({std::move(verbs), form, json, colour});
}

Json JsonOf(const std::string& verb, const char* form, bool vos = false) {
  return Json::parse(RunRequest({{verb}, FindForm(form), true, false, vos}).out);
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

TEST(ConjugateCommand, RegularVerbTableShowsEveryFormByMood) {
  const Output run = Conjugate({"hablar"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, ReadFile(FLEXORIA_TEST_DATA_DIR "/conjugate_hablar.txt"));
  EXPECT_THAT(run.out, Not(HasSubstr("\x1b")));
}

TEST(ConjugateCommand, OneFormOnlyWithEndingsInRedWhenColoured) {
  EXPECT_EQ(Conjugate({"hablar"}, 12, false, true).out,
            "hablar\n  Gerundio\n    habl\x1b[31mando\x1b[0m\n");
  EXPECT_THAT(Conjugate({"hablar"}, 9, false, true).out,
              HasSubstr("\n    nosotros       hablar\x1b[31míamos\x1b[0m\n"));
}

TEST(ConjugateCommand, ImperativeShowsOnlyTuAndVosotros) {
  EXPECT_EQ(Conjugate({"hablar"}, 8).out,
            "hablar\n  Imperativo\n    tú        habla\n    vosotros  hablad\n");
  const std::string tener = Conjugate({"tener"}, 8).out;
  EXPECT_EQ(Count(tener, "\n    "), 2u);
  EXPECT_THAT(tener, HasSubstr("\n    vosotros  tened\n"));
}

TEST(ParadigmTable, StemsAlignRightByCharactersNotBytes) {
  EXPECT_EQ(Conjugate({"reír"}, 1).out,
            "reír\n  Presente de Indicativo\n    yo             río\n    tú             ríes\n"
            "    él/ella/usted  ríe\n    nosotros       reímos\n    vosotros       reís\n"
            "    ellos/ustedes  ríen\n");
}

TEST(ParadigmTable, CompoundBesideSimpleWhenTheTerminalIsWideEnough) {
  const auto table = [](std::size_t width) {
    return RunRequest({{"hablar"}, nullptr, false, false, false, width}).out;
  };
  EXPECT_THAT(table(100),
              HasSubstr("\n  Presente de Indicativo" + std::string(9, ' ') +
                        "Pretérito perfecto compuesto de indicativo\n    yo             "
                        "hablo" +
                        std::string(11, ' ') + "yo                 he hablado\n"));
  EXPECT_THAT(table(60),
              HasSubstr("\n    ellos/ustedes  hablan\n\n  Pretérito perfecto compuesto"));
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
    ASSERT_EQ(forms.size(), 24u);
    std::vector<std::size_t> rows;
    for (std::size_t i = 0; i < forms.size(); ++i) {
      EXPECT_EQ(forms[i]["name"], FullParadigmForms()[i].name);
      EXPECT_EQ(forms[i]["option"], i < 13 ? Json(AllForms()[i].option) : Json());
      rows.push_back(forms[i]["rows"].size());
    }
    EXPECT_THAT(
        rows, ElementsAre(6, 6, 6, 6, 6, 6, 6, 6, 2, 6, 1, 1, 1, 6, 6, 6, 6, 6, 6, 6, 6, 6, 5, 5));
  }
}

TEST(ConjugateCommand, IrregularStemsAlignAgainstTheirEndings) {
  EXPECT_EQ(Conjugate({"tener"}, 1).out,
            "tener\n  Presente de Indicativo\n    yo             tengo\n    tú             tienes\n"
            "    él/ella/usted  tiene\n    nosotros        tenemos\n    vosotros        tenéis\n"
            "    ellos/ustedes  tienen\n");
}

TEST(ConjugateCommand, NoticesGoToStandardErrorOncePerVerb) {
  const Output abolir = Conjugate({"abolir"});
  EXPECT_EQ(abolir.status, 0);
  EXPECT_EQ(Count(abolir.err,
                  "abolir (Verbo defectivo): Este verbo no se usa en las siguientes formas:\n"
                  "        Singular y tercera persona del plural de Indicativo;\n"),
            1u);
  EXPECT_THAT(abolir.out, HasSubstr("  Gerundio\n    aboliendo\n"));

  const Output unknown = Conjugate({"wolfear"}, 1);
  EXPECT_EQ(unknown.status, 0);
  EXPECT_EQ(unknown.err,
            "wolfear: Esta palabra no aparece en nuestra lista de verbos. Pero si existe, su "
            "conjugación será como sigue.\n");
  EXPECT_THAT(unknown.out, HasSubstr("    yo             wolfeo\n"));
  // A listed verb with no pronominal use is conjugated after a notice.
  const Output serse = Conjugate({"serse"}, 1);
  EXPECT_EQ(serse.status, 0);
  EXPECT_EQ(serse.err,
            "serse: serse no aparece en nuestra lista de verbos pronominales. Pero si existe, su "
            "conjugación será como sigue.\n");
  EXPECT_THAT(serse.out, HasSubstr("me soy\n"));
  EXPECT_EQ(Conjugate({"irse"}, 1).err, "");
  // A pronominal verb gets the notice of the plain one.
  EXPECT_EQ(Conjugate({"wolfearse"}, 1).err,
            "wolfearse: Esta palabra no aparece en nuestra lista de verbos. Pero si existe, su "
            "conjugación será como sigue.\n");
}

TEST(ConjugateCommand, RefusedEntriesGetTheWindowMessageAndStatusOne) {
  const Output reflexive = Conjugate({"tenersese"});
  EXPECT_EQ(reflexive.status, 1);
  EXPECT_EQ(reflexive.err, "tenersese: Borre el pronombre \"se\".\n");
  EXPECT_THAT(reflexive.out, IsEmpty());
  for (const char* entry : {"casa", "casase", "se", "amar\u00A0"}) {
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
    cells.push_back(row["person"].get<std::string>() + "|" + row["pronoun"].get<std::string>() +
                    "|" + row["stem"].get<std::string>() + "|" + row["ending"].get<std::string>() +
                    "|" + row["text"].get<std::string>());
  }
  EXPECT_THAT(
      cells, ElementsAre("1|yo|habl|o|hablo", "2|tú|habl|as|hablas", "3|él/ella/usted|habl|a|habla",
                         "1 1|nosotros|habl|amos|hablamos", "2 2|vosotros|habl|áis|habláis",
                         "3 3|ellos/ustedes|habl|an|hablan"));

  const Output refused = Conjugate({"hablarsese"}, {}, true);
  EXPECT_EQ(refused.status, 1);
  const Json json = Json::parse(refused.out);
  EXPECT_EQ(json["refusal"]["text"], "Borre el pronombre \"se\".");
  EXPECT_THAT(json["forms"], IsEmpty());
}

TEST(ConjugateCommand, JsonRowsOfCompoundVosAndPronominalForms) {
  const Json tener = JsonOf("tener", "perfecto-compuesto", true);
  EXPECT_TRUE(tener["forms"][0]["option"].is_null());
  EXPECT_EQ(tener["forms"][0]["rows"][0],
            Json::parse(R"({"person": "1", "pronoun": "yo", "auxiliary": "he", "stem": "ten",
                            "ending": "ido", "text": "he tenido"})"));
  EXPECT_EQ(tener["forms"][0]["rows"][2]["person"], "vos");
  EXPECT_EQ(tener["forms"][0]["rows"][2]["pronoun"], "vos");
  const Json lavarse = JsonOf("lavarse", "imperativo-negativo");
  EXPECT_TRUE(lavarse["pronominal"]);
  EXPECT_EQ(lavarse["forms"][0]["rows"][2],
            Json::parse(R"({"person": "1 1", "pronoun": "nosotros", "clitic": "nos", "stem": "lav",
                            "ending": "emos", "text": "no nos lavemos"})"));
}

// One session writes each verb's rows as its own, whatever verb came before
// with or without its pronoun.
TEST(ConjugateCommand, JsonRowsOfEachVerbOfASession) {
  const Output output =
      RunRequest({{"lavar", "lavarse", "tener", "lavar"}, FindForm("perfecto-compuesto"), true});
  std::vector<Json> firsts;
  std::istringstream lines(output.out);
  for (std::string line; std::getline(lines, line);) {
    firsts.push_back(Json::parse(line)["forms"][0]["rows"][0]);
  }
  const auto row = [](const char* clitic, const char* stem, const char* ending, const char* text) {
    Json row = {{"person", "1"}, {"pronoun", "yo"},  {"auxiliary", "he"},
                {"stem", stem},  {"ending", ending}, {"text", text}};
    if (clitic != nullptr) row["clitic"] = clitic;
    return row;
  };
  EXPECT_THAT(firsts, ElementsAre(row(nullptr, "lav", "ado", "he lavado"),
                                  row("me", "lav", "ado", "me he lavado"),
                                  row(nullptr, "ten", "ido", "he tenido"),
                                  row(nullptr, "lav", "ado", "he lavado")));
}

// A row goes out in one run, or member by member when its texts are more
// than the writer holds at once; either way a simple form's text is its stem
// and ending again, and a quote typed into the entry is escaped in each.
TEST(ParadigmJson, SimpleRowsRepeatTheirCellsShortLongOrEscaped) {
  FullParadigm paradigm;
  ParadigmJson writer;
  for (const std::string& entry : {std::string("ha\"blar"), std::string(1000, 'a') + "blar"}) {
    const Json json =
        Json::parse(writer.Line(paradigm.Conjugate(DecodeUtf8(entry).value(), false), nullptr));
    ASSERT_FALSE(json["forms"].empty()) << entry.size();
    const Json& rows = json["forms"][0]["rows"];
    EXPECT_EQ(rows.size(), 6u);
    for (const Json& row : rows) {
      EXPECT_EQ(row["text"], row["stem"].get<std::string>() + row["ending"].get<std::string>());
    }
    EXPECT_EQ(rows[0]["text"], entry.substr(0, entry.size() - 2) + "o");
  }
}

// The engine may leave a row's text to its words and cell, which the JSON
// then writes itself: the lines are the same either way, for every kind of
// row of the Academy's tables and for a row written member by member.
TEST(ParadigmJson, SameLinesWhetherTheEngineWritesEveryRowsTextOrNot) {
  FullParadigm every_row(RowTexts::kEveryRow);
  FullParadigm unless_cells(RowTexts::kUnlessCells);
  ParadigmJson writer;
  // Written member by member; in one run, with every character escaped.
  std::vector<Text> entries{Text(1000, U'a') + U"blarse", Text(250, U'\x01') + U"arse"};
  for (const testing::FormRow& row : testing::ReadFormRows("full_paradigm_forms.tsv")) {
    entries.push_back(testing::U32(row.entry));
  }
  for (const Text& entry : entries) {
    for (const bool vos : {false, true}) {
      const std::string line(writer.Line(every_row.Conjugate(entry, vos), nullptr));
      EXPECT_EQ(writer.Line(unless_cells.Conjugate(entry, vos), nullptr), line)
          << testing::Utf8(entry).substr(0, 20) << (vos ? " with vos" : "");
    }
  }
}

TEST(LexiconCommand, SaysForEachWordWhetherItIsListed) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunLexicon({"wolfear", "Amar"}, in, out, err), 1);
  EXPECT_EQ(out.str(),
            "wolfear: no está en la lista de verbos\namar: está en la lista de verbos\n");
  std::ostringstream found;
  EXPECT_EQ(RunLexicon({"amar", "tener"}, in, found, err), 0);
  EXPECT_EQ(found.str(), "amar: está en la lista de verbos\ntener: está en la lista de verbos\n");
}

}  // namespace
}  // namespace flexoria
