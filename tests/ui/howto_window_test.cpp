// SPDX-License-Identifier: GPL-3.0-or-later
// The How-to window: its three help texts, its keyboard order and "Aceptar".
#include "ui/howto_window.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "tests/ui/ui_test_support.h"
#include "ui/keep_on_top.h"

namespace flexoria::ui::testing {

class HowToWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Program> program_;

  HowToWindow& OpenFromMenu() {
    Child<QAction>(&program_->ShowMainWindow(), names::kHowToItem)->trigger();
    return *program_->howto_window();
  }

 private slots:
  void init() { program_ = std::make_unique<Program>(); }
  void cleanup() { program_.reset(); }

  void showsTheKeyTableWithItsBackslash() {
    HowToWindow& howto = OpenFromMenu();
    QCOMPARE(howto.windowTitle(), QStringLiteral("C ó mo    u s a r   F l e x o r i a "));
    QVERIFY(IsKeptOnTop(&howto));
    QStringList expected{
        QStringLiteral("Las letras acentuadas y signos especiales son como "
                       "sigue (sobre la base del teclado inglés):")};
    for (const char16_t* key : {u"á = ' ", u"é = ; ", u"í = ` ", u"ó = \\ ", u"ú = / ", u"ñ = [ ",
                                u"¡ = @ ", u"¿ = # ."}) {
      expected << QString(16, u' ') + QString::fromUtf16(key);
    }
    expected << QStringLiteral(
        "Por supuesto, se pueden utilizar también los teclados español o "
        " húngaro (insertándose, en este último caso, la \"ñ\", la \"¡\" y "
        "la \"¿\" con Alt+Número), etc.");
    QCOMPARE(howto.HelpBox(2)->toPlainText().split(u'\n'), expected);
  }

  void showsTheProgramAndUsageTexts() {
    HowToWindow& howto = OpenFromMenu();
    const QString program = howto.HelpBox(0)->toPlainText();
    QVERIFY(program.startsWith(QStringLiteral("     \"Flexoria\" permite al usuario conjugar")));
    QVERIFY(program.endsWith(QStringLiteral("a los requisitos formales de un verbo. ")));
    QVERIFY(!program.contains(u'\n'));
    const QStringList usage = howto.HelpBox(1)->toPlainText().split(u'\n');
    QCOMPARE(usage.size(), 3);
    QCOMPARE(usage[0], QStringLiteral("     El verbo a conjugar debe escribirse siempre en "
                                      "infinitivo, omitiéndose el pronombre \"se\" en el caso de "
                                      "los verbos pronominales."));
    QVERIFY(
        usage[1].endsWith(QStringLiteral("hacer clic sobre el botón \"Conjugar\" o pulsar "
                                         "\"Enter\".")));
    QVERIFY(usage[2].startsWith(QStringLiteral("     Las formas compuestas")));
    QVERIFY(usage[2].endsWith(
        QStringLiteral("avísese al autor por E-mail (flexoria@example.org) para corregirlo.")));
  }

  void tabVisitsTheFirstBoxThenAceptarThenTheOthers() {
    HowToWindow& howto = OpenFromMenu();
    QWidget* aceptar = Child<QPushButton>(&howto, names::kHowToOkButton);
    QCOMPARE(NextTabStop(howto.HelpBox(0)), aceptar);
    QCOMPARE(NextTabStop(aceptar), howto.HelpBox(1));
    QCOMPARE(NextTabStop(howto.HelpBox(1)), howto.HelpBox(2));
    QVERIFY(howto.HelpBox(0)->tabChangesFocus());
  }

  void aceptarClosesAndTheMenuBuildsItAnew() {
    HowToWindow& howto = OpenFromMenu();
    howto.HelpBox(0)->setPlainText(QStringLiteral("borrado"));
    QTest::mouseClick(Child<QPushButton>(&howto, names::kHowToOkButton), Qt::LeftButton);
    QTRY_VERIFY(program_->howto_window() == nullptr);
    HowToWindow& again = OpenFromMenu();
    QVERIFY(again.HelpBox(0)->toPlainText().startsWith(QStringLiteral("     \"Flexoria\"")));
  }
};

}  // namespace flexoria::ui::testing

FLEXORIA_UI_TEST_MAIN(flexoria::ui::testing::HowToWindowTest)
#include "howto_window_test.moc"
