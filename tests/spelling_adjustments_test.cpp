// The spelling and sound rules, applied to the regular values of a verb and
// read back through the writers, as a verb outside both catalogues sees them.
#include "engine/spelling_adjustments.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/regular_values.h"
#include "engine/tense_writers.h"
#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

using ::testing::ElementsAre;

// Conjugates `entry` (as typed) with the regular values and the spelling
// rules only, and returns the lines "stem+ending" of `writer`.
std::vector<std::string> Spelled(const std::string& entry, TenseWriter writer) {
  const Text typed = U32(entry);
  ConjugationState state;
  const auto first = typed.find_first_not_of(U' ');
  state.Verb = typed.substr(first == Text::npos ? typed.size() : first);
  FillRegularValues(state, typed);
  ApplySpellingAdjustments(state, typed);
  Columns columns;
  writer(state, typed, columns);
  std::vector<std::string> lines = Cells(columns.stems);
  const std::vector<std::string> endings = Cells(columns.endings);
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i] += "+" + endings[i];
  return lines;
}

struct Case {
  std::string entry;
  TenseWriter writer;
  std::vector<std::string> lines;
};

void ExpectAll(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(Spelled(c.entry, c.writer), c.lines);
  }
}

TEST(Spelling, ArConsonantsRespellBeforeE) {
  ExpectAll({
      {"buscar",
       WritePreteriteAr,
       {"busqu+é", "busc+aste", "busc+ó", "busc+amos", "busc+asteis", "busc+aron"}},
      {"buscar",
       WritePresentSubjAr,
       {"busqu+e", "busqu+es", "busqu+e", "busqu+emos", "busqu+éis", "busqu+en"}},
      {"buscar",
       WritePresentAr,
       {"busc+o", "busc+as", "busc+a", "busc+amos", "busc+áis", "busc+an"}},
      {"cazar", WritePresentSubjAr, {"cac+e", "cac+es", "cac+e", "cac+emos", "cac+éis", "cac+en"}},
      {"pagar",
       WritePreteriteAr,
       {"pagu+é", "pag+aste", "pag+ó", "pag+amos", "pag+asteis", "pag+aron"}},
      // A one-letter stem: the cut to nothing keeps the whole entry.
      {"car",
       WritePresentSubjAr,
       {"carqu+e", "carqu+es", "carqu+e", "carqu+emos", "carqu+éis", "carqu+en"}},
  });
}

TEST(Spelling, ErIrConsonantsKeepTheirSound) {
  ExpectAll({
      {"conocer",
       WritePresentEr,
       {"conozc+o", "conoc+es", "conoc+e", "conoc+emos", "conoc+éis", "conoc+en"}},
      {"conocer",
       WritePresentSubjErIr,
       {"conozc+a", "conozc+as", "conozc+a", "conozc+amos", "conozc+áis", "conozc+an"}},
      {"mecer", WritePresentEr, {"mez+o", "mec+es", "mec+e", "mec+emos", "mec+éis", "mec+en"}},
      // The mecer test compares the entry as typed.
      {" mecer",
       WritePresentEr,
       {" mezc+o", " mec+es", " mec+e", " mec+emos", " mec+éis", " mec+en"}},
      {"vencer",
       WritePresentSubjErIr,
       {"venz+a", "venz+as", "venz+a", "venz+amos", "venz+áis", "venz+an"}},
      {"coger", WritePresentEr, {"coj+o", "cog+es", "cog+e", "cog+emos", "cog+éis", "cog+en"}},
      {"lucir", WritePresentIr, {"luzc+o", "luc+es", "luc+e", "luc+imos", "luc+ís", "luc+en"}},
      {"distinguir",
       WritePresentSubjErIr,
       {"disting+a", "disting+as", "disting+a", "disting+amos", "disting+áis", "disting+an"}},
      {"delinquir",
       WritePresentIr,
       {"delinc+o", "delinqu+es", "delinqu+e", "delinqu+imos", "delinqu+ís", "delinqu+en"}},
  });
}

TEST(Spelling, DucirVerbsTakeZcAndAJPreterite) {
  ExpectAll({
      {"producir",
       WritePreteriteErIr,
       {"produj+e", "produj+iste", "produj+o", "produj+imos", "produj+isteis", "produj+eron"}},
      {"producir",
       WriteImperfSubj1ErIr,
       {"produj+era", "produj+eras", "produj+era", "produj+éramos", "produj+erais", "produj+eran"}},
      {"producir",
       WritePresentIr,
       {"produzc+o", "produc+es", "produc+e", "produc+imos", "produc+ís", "produc+en"}},
  });
}

TEST(Spelling, VowelStemsTakeYAndAccents) {
  ExpectAll({
      {"leer",
       WritePreteriteErIr,
       {"le+í", "le+íste", "le+yó", "le+ímos", "le+ísteis", "le+yeron"}},
      {"leer", WriteGerundErIr, {"le+yendo"}},
      {"leer", WriteParticipleErIr, {"le+ído"}},
      {"leer",
       WriteImperfSubj1ErIr,
       {"le+yera", "le+yeras", "le+yera", "le+yéramos", "le+yerais", "le+yeran"}},
      {"construir",
       WritePresentIr,
       {"construy+o", "construy+es", "construy+e", "constru+imos", "constru+ís", "construy+en"}},
      {"construir",
       WriteImperativeIr,
       {"   -   + ", "construy+e", "   -   + ", "   -   + ", "constru+id", "   -   + "}},
      {"construir",
       WritePreteriteErIr,
       {"constru+í", "constru+iste", "constru+yó", "constru+imos", "constru+isteis",
        "constru+yeron"}},
      {"construir", WriteGerundErIr, {"constru+yendo"}},
  });
}

TEST(Spelling, PalatalStemsDropTheI) {
  ExpectAll({
      {"gruñir",
       WritePreteriteErIr,
       {"gruñ+í", "gruñ+iste", "gruñ+ó", "gruñ+imos", "gruñ+isteis", "gruñ+eron"}},
      {"gruñir", WriteGerundErIr, {"gruñ+endo"}},
      {"gruñir",
       WriteImperfSubj1ErIr,
       {"gruñ+era", "gruñ+eras", "gruñ+era", "gruñ+éramos", "gruñ+erais", "gruñ+eran"}},
      {"bullir",
       WritePreteriteErIr,
       {"bull+í", "bull+iste", "bull+ó", "bull+imos", "bull+isteis", "bull+eron"}},
      {"bullir", WriteGerundErIr, {"bull+endo"}},
  });
}

TEST(Spelling, FinalUOfArVerbs) {
  ExpectAll({
      {"continuar",
       WritePresentAr,
       {"continú+o", "continú+as", "continú+a", "continu+amos", "continu+áis", "continú+an"}},
      {"continuar",
       WritePresentSubjAr,
       {"continú+e", "continú+es", "continú+e", "continu+emos", "continu+éis", "continú+en"}},
      {"continuar",
       WritePreteriteAr,
       {"continu+é", "continu+aste", "continu+ó", "continu+amos", "continu+asteis",
        "continu+aron"}},
      {"averiguar",
       WritePresentSubjAr,
       {"averigü+e", "averigü+es", "averigü+e", "averigü+emos", "averigü+éis", "averigü+en"}},
      {"averiguar",
       WritePreteriteAr,
       {"averigü+é", "averigu+aste", "averigu+ó", "averigu+amos", "averigu+asteis",
        "averigu+aron"}},
      {"averiguar",
       WritePresentAr,
       {"averigu+o", "averigu+as", "averigu+a", "averigu+amos", "averigu+áis", "averigu+an"}},
      {"evacuar",
       WritePresentAr,
       {"evacü+o", "evacü+as", "evacü+a", "evacu+amos", "evacu+áis", "evacü+an"}},
      {"licuar",
       WritePresentAr,
       {"licú+o", "licú+as", "licú+a", "licu+amos", "licu+áis", "licú+an"}},
  });
}

TEST(Spelling, AccentedInfinitiveEndingIsLeftAlone) {
  ExpectAll({
      {"oír", WritePresentIr, {"o+o", "o+es", "o+e", "o+imos", "o+ís", "o+en"}},
      {"huír",
       WritePreteriteErIr,
       {"hu+í", "hu+iste", "hu+ió", "hu+imos", "hu+isteis", "hu+ieron"}},
  });
}

}  // namespace
}  // namespace flexoria::testing
