#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace flexoria::testing {
namespace {

// What one request shows, each line "stem+ending". For the imperative only
// the tú and vosotros lines are listed; the other persons show a dash.
struct Shown {
  std::string entry;
  int option;
  std::vector<std::string> lines;
};

std::vector<std::string> ShownLines(const Desk& desk, int option) {
  const auto lines = desk.Split();
  if (option != kImperativo || lines.size() != 6) return lines;
  return {lines[1], lines[4]};
}

void ExpectShown(const std::vector<Shown>& cases) {
  Desk desk;
  for (const Shown& shown : cases) {
    SCOPED_TRACE("\"" + shown.entry + "\", option " + std::to_string(shown.option));
    desk.Conjugate(shown.entry, shown.option);
    EXPECT_EQ(ShownLines(desk, shown.option), shown.lines);
  }
}

TEST(IrregularRequest, TenerFromEntryToColumns) {
  Desk desk;
  desk.Conjugate("tener", kPresente);
  EXPECT_EQ(desk.ui.title(), U"Presente de Indicativo");
  EXPECT_EQ(desk.ui.persons(), U"\r\n1\r\n2\r\n3\r\n1 1\r\n2 2\r\n3 3");
  EXPECT_EQ(desk.ui.stems(), U"\r\nteng\r\ntien\r\ntien\r\nten\r\nten\r\ntien");
  EXPECT_EQ(desk.ui.endings(), U"\r\no\r\nes\r\ne\r\nemos\r\néis\r\nen");
  EXPECT_TRUE(desk.ui.endings_red());
}

TEST(IrregularRequest, StrongAndSuppletiveVerbs) {
  ExpectShown({
      {"ser", kPresente, {"s+oy", "er+es", "es+", "so+mos", "so+is", "so+n"}},
      {"ser", kImperfecto, {"era+", "era+s", "era+", "éra+mos", "era+is", "era+n"}},
      {"ser", kPerfecto, {"fu+i", "fu+iste", "fu+e", "fu+imos", "fu+isteis", "fu+eron"}},
      {"ser", kSubjPresente, {"se+a", "se+as", "se+a", "se+amos", "se+áis", "se+an"}},
      {"ser",
       kSubjImperfecto1,
       {"fu+era", "fu+eras", "fu+era", "fu+éramos", "fu+erais", "fu+eran"}},
      {"ser", kImperativo, {"s+é", "s+ed"}},
      {"ir", kPresente, {"v+oy", "v+as", "v+a", "v+amos", "v+ais", "v+an"}},
      {"ir", kPerfecto, {"fu+i", "fu+iste", "fu+e", "fu+imos", "fu+isteis", "fu+eron"}},
      {"ir", kSubjPresente, {"vay+a", "vay+as", "vay+a", "vay+amos", "vay+áis", "vay+an"}},
      {"ir", kSubjImperfecto2, {"fu+ese", "fu+eses", "fu+ese", "fu+ésemos", "fu+eseis", "fu+esen"}},
      {"ir", kImperativo, {"v+e", "i+d"}},
      {"ir", kGerundio, {"+yendo"}},
      {"haber", kPresente, {"h+e", "h+as", "h+a", "h+emos", "hab+éis", "h+an"}},
      {"haber", kPerfecto, {"hub+e", "hub+iste", "hub+o", "hub+imos", "hub+isteis", "hub+ieron"}},
      {"haber", kSubjPresente, {"hay+a", "hay+as", "hay+a", "hay+amos", "hay+áis", "hay+an"}},
      {"haber",
       kCondicional,
       {"habr+ía", "habr+ías", "habr+ía", "habr+íamos", "habr+íais", "habr+ían"}},
      {"estar", kPresente, {"est+oy", "est+ás", "est+á", "est+amos", "est+áis", "est+án"}},
      {"estar",
       kPerfecto,
       {"estuv+e", "estuv+iste", "estuv+o", "estuv+imos", "estuv+isteis", "estuv+ieron"}},
      {"estar",
       kSubjImperfecto1,
       {"estuv+iera", "estuv+ieras", "estuv+iera", "estuv+iéramos", "estuv+ierais", "estuv+ieran"}},
      {"estar", kImperativo, {"est+á", "est+ad"}},
      {"dar", kPresente, {"d+oy", "d+as", "d+a", "d+amos", "d+ais", "d+an"}},
      {"dar", kPerfecto, {"d+i", "d+iste", "d+io", "d+imos", "d+isteis", "d+ieron"}},
      {"dar", kSubjPresente, {"d+é", "d+es", "d+é", "d+emos", "d+eis", "d+en"}},
      {"caber", kPresente, {"quep+o", "cab+es", "cab+e", "cab+emos", "cab+éis", "cab+en"}},
      {"caber", kPerfecto, {"cup+e", "cup+iste", "cup+o", "cup+imos", "cup+isteis", "cup+ieron"}},
      {"caber", kFuturo, {"cabr+é", "cabr+ás", "cabr+á", "cabr+emos", "cabr+éis", "cabr+án"}},
      {"caer", kPresente, {"caig+o", "ca+es", "ca+e", "ca+emos", "ca+éis", "ca+en"}},
      {"caer", kPerfecto, {"ca+í", "ca+íste", "ca+yó", "ca+ímos", "ca+ísteis", "ca+yeron"}},
      {"caer",
       kSubjImperfecto1,
       {"ca+yera", "ca+yeras", "ca+yera", "ca+yéramos", "ca+yerais", "ca+yeran"}},
      {"caer", kGerundio, {"ca+yendo"}},
      {"caer", kParticipio, {"ca+ído"}},
      {"hacer", kPresente, {"hag+o", "hac+es", "hac+e", "hac+emos", "hac+éis", "hac+en"}},
      {"hacer", kPerfecto, {"hic+e", "hic+iste", "hiz+o", "hic+imos", "hic+isteis", "hic+ieron"}},
      {"hacer", kFuturo, {"har+é", "har+ás", "har+á", "har+emos", "har+éis", "har+án"}},
      {"hacer", kImperativo, {"haz+", "hac+ed"}},
      {"hacer", kParticipio, {"hecho+"}},
      {"poner", kPresente, {"pong+o", "pon+es", "pon+e", "pon+emos", "pon+éis", "pon+en"}},
      {"poner", kPerfecto, {"pus+e", "pus+iste", "pus+o", "pus+imos", "pus+isteis", "pus+ieron"}},
      {"poner", kImperativo, {"pon+", "pon+ed"}},
      {"poner", kParticipio, {"puesto+"}},
      {"poner",
       kCondicional,
       {"pondr+ía", "pondr+ías", "pondr+ía", "pondr+íamos", "pondr+íais", "pondr+ían"}},
      {"querer",
       kPresente,
       {"quier+o", "quier+es", "quier+e", "quer+emos", "quer+éis", "quier+en"}},
      {"querer",
       kPerfecto,
       {"quis+e", "quis+iste", "quis+o", "quis+imos", "quis+isteis", "quis+ieron"}},
      {"querer",
       kFuturo,
       {"querr+é", "querr+ás", "querr+á", "querr+emos", "querr+éis", "querr+án"}},
      {"saber", kPresente, {"s+é", "sab+es", "sab+e", "sab+emos", "sab+éis", "sab+en"}},
      {"saber", kSubjPresente, {"sep+a", "sep+as", "sep+a", "sep+amos", "sep+áis", "sep+an"}},
      {"saber", kPerfecto, {"sup+e", "sup+iste", "sup+o", "sup+imos", "sup+isteis", "sup+ieron"}},
      {"salir", kPresente, {"salg+o", "sal+es", "sal+e", "sal+imos", "sal+ís", "sal+en"}},
      {"salir", kImperativo, {"sal+", "sal+id"}},
      {"satisfacer", kImperativo, {"satisfaz / (-ac+e)", "satisfac+ed"}},
      {"satisfacer",
       kPerfecto,
       {"satisfic+e", "satisfic+iste", "satisfiz+o", "satisfic+imos", "satisfic+isteis",
        "satisfic+ieron"}},
      {"satisfacer", kParticipio, {"satisfecho+"}},
      {"tener", kPerfecto, {"tuv+e", "tuv+iste", "tuv+o", "tuv+imos", "tuv+isteis", "tuv+ieron"}},
      {"tener", kImperativo, {"ten+", "ten+ed"}},
      {"traer", kPresente, {"traig+o", "tra+es", "tra+e", "tra+emos", "tra+éis", "tra+en"}},
      {"traer",
       kPerfecto,
       {"traj+e", "traj+iste", "traj+o", "traj+imos", "traj+isteis", "traj+eron"}},
      {"traer",
       kSubjImperfecto1,
       {"traj+era", "traj+eras", "traj+era", "traj+éramos", "traj+erais", "traj+eran"}},
      {"traer", kGerundio, {"tra+yendo"}},
      {"valer", kPresente, {"valg+o", "val+es", "val+e", "val+emos", "val+éis", "val+en"}},
      {"valer", kImperativo, {"(val)  val+e", "val+ed"}},
      {"venir", kPresente, {"veng+o", "vien+es", "vien+e", "ven+imos", "ven+ís", "vien+en"}},
      {"venir", kPerfecto, {"vin+e", "vin+iste", "vin+o", "vin+imos", "vin+isteis", "vin+ieron"}},
      {"venir", kImperativo, {"ven+", "ven+id"}},
      {"venir", kGerundio, {"vin+iendo"}},
      {"ver", kPresente, {"ve+o", "v+es", "v+e", "v+emos", "v+eis", "v+en"}},
      {"ver", kPerfecto, {"v+i", "v+iste", "v+io", "v+imos", "v+isteis", "v+ieron"}},
      {"ver", kImperfecto, {"ve+ía", "ve+ías", "ve+ía", "ve+íamos", "ve+íais", "ve+ían"}},
      {"ver", kParticipio, {"visto+"}},
      {"prever", kPresente, {"preve+o", "prev+es", "prev+e", "prev+emos", "prev+éis", "prev+en"}},
      {"prever",
       kPerfecto,
       {"prev+í", "prev+iste", "prev+ió", "prev+imos", "prev+isteis", "prev+ieron"}},
      {"yacer", kPresente, {"yazc/yazg/yag+o", "yac+es", "yac+e", "yac+emos", "yac+éis", "yac+en"}},
      {"yacer", kImperativo, {"(yaz) yac+e", "yac+ed"}},
      {"decir", kPresente, {"dig+o", "dic+es", "dic+e", "dec+imos", "dec+ís", "dic+en"}},
      {"decir", kPerfecto, {"dij+e", "dij+iste", "dij+o", "dij+imos", "dij+isteis", "dij+eron"}},
      {"decir",
       kSubjImperfecto1,
       {"dij+era", "dij+eras", "dij+era", "dij+éramos", "dij+erais", "dij+eran"}},
      {"decir", kImperativo, {"di+", "dec+id"}},
      {"decir", kParticipio, {"dicho+"}},
      {"decir", kGerundio, {"dic+iendo"}},
      {"predecir", kImperativo, {"predic+e", "predec+id"}},
      {"bendecir",
       kFuturo,
       {"bendecir+é", "bendecir+ás", "bendecir+á", "bendecir+emos", "bendecir+éis", "bendecir+án"}},
      {"bendecir", kParticipio, {"bendec+ido"}},
      {"oír", kPresente, {"oig+o", "oy+es", "oy+e", "o+ímos", "o+ís", "oy+en"}},
      {"oír", kPerfecto, {"o+í", "o+íste", "o+yó", "o+ímos", "o+ísteis", "o+yeron"}},
      {"oír", kImperativo, {"o+ye", "o+íd"}},
      {"oír", kFuturo, {"oir+é", "oir+ás", "oir+á", "oir+emos", "oir+éis", "oir+án"}},
      {"reír", kPresente, {"rí+o", "rí+es", "rí+e", "re+ímos", "re+ís", "rí+en"}},
      {"reír", kPerfecto, {"re+í", "re+íste", "r+ió", "re+ímos", "re+ísteis", "r+ieron"}},
      {"reír", kSubjPresente, {"rí+a", "rí+as", "rí+a", "ri+amos", "ri+áis", "rí+an"}},
      {"reír", kImperativo, {"rí+e", "re+íd"}},
      {"reír", kGerundio, {"r+iendo"}},
      {"argüir", kPresente, {"arguy+o", "arguy+es", "arguy+e", "argü+imos", "argü+ís", "arguy+en"}},
      {"argüir",
       kPerfecto,
       {"argü+í", "argü+iste", "argu+yó", "argü+imos", "argü+isteis", "argu+yeron"}},
      {"argüir", kGerundio, {"argu+yendo"}},
      {"pudrir", kPresente, {"pudr+o", "pudr+es", "pudr+e", "pudr+imos", "pudr+ís", "pudr+en"}},
      {"pudrir",
       kFuturo,
       {"pudrir-/podrir+é", "pudrir-/podrir+ás", "pudrir-/podrir+á", "pudrir-/podrir+emos",
        "pudrir-/podrir+éis", "pudrir-/podrir+án"}},
      {"pudrir", kParticipio, {"podr+ido"}},
      {"podrir", kInfinitivo, {"pudr+ir"}},
  });
}

TEST(IrregularRequest, StemChangingVerbs) {
  ExpectShown({
      {"sentir", kPresente, {"sient+o", "sient+es", "sient+e", "sent+imos", "sent+ís", "sient+en"}},
      {"sentir",
       kPerfecto,
       {"sent+í", "sent+iste", "sint+ió", "sent+imos", "sent+isteis", "sint+ieron"}},
      {"sentir",
       kSubjPresente,
       {"sient+a", "sient+as", "sient+a", "sint+amos", "sint+áis", "sient+an"}},
      {"sentir", kGerundio, {"sint+iendo"}},
      {"pedir", kPresente, {"pid+o", "pid+es", "pid+e", "ped+imos", "ped+ís", "pid+en"}},
      {"pedir", kPerfecto, {"ped+í", "ped+iste", "pid+ió", "ped+imos", "ped+isteis", "pid+ieron"}},
      {"pedir", kSubjPresente, {"pid+a", "pid+as", "pid+a", "pid+amos", "pid+áis", "pid+an"}},
      {"dormir", kPresente, {"duerm+o", "duerm+es", "duerm+e", "dorm+imos", "dorm+ís", "duerm+en"}},
      {"dormir",
       kPerfecto,
       {"dorm+í", "dorm+iste", "durm+ió", "dorm+imos", "dorm+isteis", "durm+ieron"}},
      {"morir", kPerfecto, {"mor+í", "mor+iste", "mur+ió", "mor+imos", "mor+isteis", "mur+ieron"}},
      {"morir", kParticipio, {"muerto+"}},
      {"elegir", kPresente, {"elij+o", "elig+es", "elig+e", "eleg+imos", "eleg+ís", "elig+en"}},
      {"elegir",
       kSubjPresente,
       {"elij+a", "elij+as", "elij+a", "elij+amos", "elij+áis", "elij+an"}},
      {"elegir",
       kPerfecto,
       {"eleg+í", "eleg+iste", "elig+ió", "eleg+imos", "eleg+isteis", "elig+ieron"}},
      {"conseguir",
       kPresente,
       {"consig+o", "consigu+es", "consigu+e", "consegu+imos", "consegu+ís", "consigu+en"}},
      {"conseguir",
       kSubjPresente,
       {"consig+a", "consig+as", "consig+a", "consig+amos", "consig+áis", "consig+an"}},
      {"conseguir", kImperativo, {"consigu+e", "consegu+id"}},
      {"torcer",
       kPresente,
       {"tuerz+o", "tuerc+es", "tuerc+e", "torc+emos", "torc+éis", "tuerc+en"}},
      {"torcer",
       kSubjPresente,
       {"tuerz+a", "tuerz+as", "tuerz+a", "torz+amos", "torz+áis", "tuerz+an"}},
      {"torcer", kImperativo, {"tuerc+e", "torc+ed"}},
      {"devolver",
       kPresente,
       {"devuelv+o", "devuelv+es", "devuelv+e", "devolv+emos", "devolv+éis", "devuelv+en"}},
      {"devolver", kParticipio, {"devuelto+"}},
      {"jugar", kPresente, {"jueg+o", "jueg+as", "jueg+a", "jug+amos", "jug+áis", "jueg+an"}},
      {"jugar",
       kSubjPresente,
       {"juegu+e", "juegu+es", "juegu+e", "jugu+emos", "jugu+éis", "juegu+en"}},
      {"jugar", kPerfecto, {"jugu+é", "jug+aste", "jug+ó", "jug+amos", "jug+asteis", "jug+aron"}},
      {"avergonzar",
       kPresente,
       {"avergüenz+o", "avergüenz+as", "avergüenz+a", "avergonz+amos", "avergonz+áis",
        "avergüenz+an"}},
      {"avergonzar",
       kSubjPresente,
       {"avergüenc+e", "avergüenc+es", "avergüenc+e", "avergonc+emos", "avergonc+éis",
        "avergüenc+en"}},
      {"avergonzar",
       kPerfecto,
       {"avergonc+é", "avergonz+aste", "avergonz+ó", "avergonz+amos", "avergonz+asteis",
        "avergonz+aron"}},
  });
}

TEST(IrregularRequest, WrittenAccentsAndParticiples) {
  ExpectShown({
      {"enviar", kPresente, {"enví+o", "enví+as", "enví+a", "envi+amos", "envi+áis", "enví+an"}},
      {"enviar",
       kSubjPresente,
       {"enví+e", "enví+es", "enví+e", "envi+emos", "envi+éis", "enví+en"}},
      {"enviar",
       kPerfecto,
       {"envi+é", "envi+aste", "envi+ó", "envi+amos", "envi+asteis", "envi+aron"}},
      {"prohibir",
       kPresente,
       {"prohíb+o", "prohíb+es", "prohíb+e", "prohib+imos", "prohib+ís", "prohíb+en"}},
      {"enraizar",
       kPresente,
       {"enraíz+o", "enraíz+as", "enraíz+a", "enraiz+amos", "enraiz+áis", "enraíz+an"}},
      {"enraizar",
       kPerfecto,
       {"enraic+é", "enraiz+aste", "enraiz+ó", "enraiz+amos", "enraiz+asteis", "enraiz+aron"}},
      {"reunir", kPresente, {"reún+o", "reún+es", "reún+e", "reun+imos", "reun+ís", "reún+en"}},
      {"escribir", kParticipio, {"escrito+"}},
      {"cubrir", kParticipio, {"cubierto+"}},
      {"abrir", kParticipio, {"abierto+"}},
      {"cambiar",
       kPresente,
       {"cambi+o", "cambi+as", "cambi+a", "cambi+amos", "cambi+áis", "cambi+an"}},
  });
}

TEST(IrregularRequest, CaseAndLeadingBlanks) {
  ExpectShown({
      {" tener",
       kPresente,
       {" teng+o", " tien+es", " tien+e", " ten+emos", " ten+éis", " tien+en"}},
      {"Tener", kPresente, {"Ten+o", "Ten+es", "Ten+e", "Ten+emos", "Ten+éis", "Ten+en"}},
  });
}

// Regular verbs that merely share a tail with an irregular family stay
// regular, and the family itself keeps its forms.
TEST(IrregularRequest, RegularVerbsOutsideIrregularFamilies) {
  ExpectShown({
      {"mandar",
       kPerfecto,
       {"mand+é", "mand+aste", "mand+ó", "mand+amos", "mand+asteis", "mand+aron"}},
      {"ablandar",
       kPerfecto,
       {"abland+é", "abland+aste", "abland+ó", "abland+amos", "abland+asteis", "abland+aron"}},
      {"andar",
       kPerfecto,
       {"anduv+e", "anduv+iste", "anduv+o", "anduv+imos", "anduv+isteis", "anduv+ieron"}},
      {"andar",
       kSubjImperfecto1,
       {"anduv+iera", "anduv+ieras", "anduv+iera", "anduv+iéramos", "anduv+ierais", "anduv+ieran"}},
      {"desandar",
       kPerfecto,
       {"desanduv+e", "desanduv+iste", "desanduv+o", "desanduv+imos", "desanduv+isteis",
        "desanduv+ieron"}},
      {"desandar",
       kSubjImperfecto1,
       {"desanduv+iera", "desanduv+ieras", "desanduv+iera", "desanduv+iéramos", "desanduv+ierais",
        "desanduv+ieran"}},
      {"desandar",
       kSubjImperfecto2,
       {"desanduv+iese", "desanduv+ieses", "desanduv+iese", "desanduv+iésemos", "desanduv+ieseis",
        "desanduv+iesen"}},
      {"desandar",
       kSubjFuturo,
       {"desanduv+iere", "desanduv+ieres", "desanduv+iere", "desanduv+iéremos", "desanduv+iereis",
        "desanduv+ieren"}},
      {"corromper", kParticipio, {"corromp+ido"}},
      {"romper", kParticipio, {"roto+"}},
      {"agredir",
       kPresente,
       {"agred+o", "agred+es", "agred+e", "agred+imos", "agred+ís", "agred+en"}},
      {"transgredir",
       kPerfecto,
       {"transgred+í", "transgred+iste", "transgred+ió", "transgred+imos", "transgred+isteis",
        "transgred+ieron"}},
      {"trasgredir",
       kSubjPresente,
       {"trasgred+a", "trasgred+as", "trasgred+a", "trasgred+amos", "trasgred+áis", "trasgred+an"}},
      {"pedir", kPresente, {"pid+o", "pid+es", "pid+e", "ped+imos", "ped+ís", "pid+en"}},
      {"pretender",
       kPresente,
       {"pretend+o", "pretend+es", "pretend+e", "pretend+emos", "pretend+éis", "pretend+en"}},
      {"entender",
       kPresente,
       {"entiend+o", "entiend+es", "entiend+e", "entend+emos", "entend+éis", "entiend+en"}},
      {"desabrir", kParticipio, {"desabr+ido"}},
      {"abrir", kParticipio, {"abierto+"}},
      // Persons 4 and 5 carry the stress on the ending; the others keep the accent.
      {"enraizar",
       kSubjPresente,
       {"enraíc+e", "enraíc+es", "enraíc+e", "enraic+emos", "enraic+éis", "enraíc+en"}},
  });
}

}  // namespace
}  // namespace flexoria::testing
