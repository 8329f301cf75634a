// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/howto_texts.h"

#include <QStringList>

namespace flexoria::ui {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// Each paragraph of the first two texts is indented by five blanks, each
// key line of the third by sixteen.
const QString kParagraphIndent(5, u' ');
const QString kKeyIndent(16, u' ');

}  // namespace

QString ProgramText() {
  return kParagraphIndent +
         QStringLiteral(
             "\"Flexoria\" permite al usuario conjugar correctamente todos los verbos españoles. "
             "Lo que es más, si se le pide, conjuga incluso los \"verbos\" que no existan en "
             "ningún país o región hispanohablante. Sin embargo, antes de hacerlo, advierte al "
             "usuario que dicha palabra no aparece en la lista de verbos integrada en el "
             "programa. (Ésta se compone de unos 12.000 verbos: abarca todos los verbos de uso "
             "general en el mundo hispanohablante y una parte considerable de los demás verbos "
             "existentes en una o varias zonas hispanas. Sin embargo, la necesidad de no excluir "
             "ninguno de los verbos existentes en cualquiera de las variantes nacionales o "
             "dialectales del español, impone que se mantenga el criterio de conjugar cualquier "
             "\"verbo\", eso es, cualquier palabra que corresponda a los requisitos formales de "
             "un verbo. ");
}

QString UsageText() {
  const QStringList paragraphs{
      QStringLiteral("El verbo a conjugar debe escribirse siempre en infinitivo, omitiéndose el "
                     "pronombre \"se\" en el caso de los verbos pronominales."),
      QStringLiteral("Después de escribir el verbo en la casilla vacía, hay que seleccionar la "
                     "opción deseada con el ratón o con el teclado (pulsando la letra "
                     "subrayada). Si se cambia el verbo, pero se mantiene la opción, hay que "
                     "hacer clic sobre el botón \"Conjugar\" o pulsar \"Enter\"."),
      QStringLiteral("Las formas compuestas, el imperativo completo (afirmativo y negativo), las "
                     "formas de vos y los verbos pronominales (\"lavarse\") se encuentran en la "
                     "tabla completa del verbo: menú \"Archivo\", \"Tabla completa…\" (Ctrl+T). "
                     "En ella, Ctrl+C copia la tabla o la casilla elegida, Ctrl+P la imprime y "
                     "Ctrl+E la guarda en PDF. Para saber de qué verbo es una forma "
                     "(\"tuvieron\", \"había tenido\"), sirve \"Buscar una forma…\" (Ctrl+B), "
                     "en el mismo menú. Si durante el uso del programa se descubre cualquier "
                     "error, por favor, avísese al autor por E-mail (") +
          QString::fromUtf16(kContactAddress) + QStringLiteral(") para corregirlo."),
  };
  QStringList indented;
  for (const QString& paragraph : paragraphs) indented.append(kParagraphIndent + paragraph);
  return indented.join(kLineBreak);
}

QString AccentsText() {
  const QStringList keys{
      QStringLiteral("á = ' "),  QStringLiteral("é = ; "),  QStringLiteral("í = ` "),
      QStringLiteral("ó = \\ "), QStringLiteral("ú = / "),  QStringLiteral("ñ = [ "),
      QStringLiteral("¡ = @ "),  QStringLiteral("¿ = # ."),
  };
  QStringList lines{
      QStringLiteral("Las letras acentuadas y signos especiales son como sigue "
                     "(sobre la base del teclado inglés):")};
  for (const QString& key : keys) lines.append(kKeyIndent + key);
  lines.append(QStringLiteral(
      "Por supuesto, se pueden utilizar también los teclados español o  húngaro (insertándose, "
      "en este último caso, la \"ñ\", la \"¡\" y la \"¿\" con Alt+Número), etc."));
  return lines.join(kLineBreak);
}

}  // namespace flexoria::ui
