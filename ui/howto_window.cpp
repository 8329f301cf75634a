#include "ui/howto_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/artwork.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/howto_texts.h"
#include "ui/keep_on_top.h"
#include "ui/text_bridge.h"
#include "ui/twips.h"

namespace flexoria::ui {
namespace {

struct Heading {
  const char* name;
  const char16_t* text;
  QRect geometry;
};

const Heading kHeadings[] = {
    {"Label1", u"El programa:", TwipRect(120, 120, 2415, 375)},
    {"Label2", u"Cómo usarlo:", TwipRect(120, 2040, 2055, 375)},
    {"Label3", u"Las letras acentuadas y signos especiales:", TwipRect(120, 3840, 3015, 855)},
};

const QRect kHelpBoxes[] = {
    TwipRect(480, 480, 8175, 1455),
    TwipRect(480, 2400, 8175, 1335),
    TwipRect(3360, 3840, 5295, 3015),
};

QPlainTextEdit* AddHelpBox(QWidget* parent, int index) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QStringLiteral("Text1"));
  box->setProperty("index", index);
  box->setGeometry(kHelpBoxes[index]);
  box->setFont(TimesFont(12));
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Tab moves on to the next control, as in the other windows.
  box->setTabChangesFocus(true);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, QColor(kLightYellow));
  palette.setColor(QPalette::Text, QColor(kBlack));
  box->setPalette(palette);
  return box;
}

}  // namespace

HowToWindow::HowToWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("Como"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("C ó mo    u s a r   F l e x o r i a "));
  setWindowIcon(ProgramIcon());
  setFixedSize(Px(9120), Px(7020));
  setFont(SansSerifFont(8.25));
  FillBackground(this, kLightGrey);
  SetTextColour(this, kBlack);
  for (const Heading& heading : kHeadings) {
    auto* label = new QLabel(QString::fromUtf16(heading.text), this);
    label->setObjectName(QString::fromLatin1(heading.name));
    label->setGeometry(heading.geometry);
    label->setFont(ArialFont(12));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
  }
  for (int index = 0; index < 3; ++index) text1_.at(index) = AddHelpBox(this, index);
  auto* command1 = new QPushButton(QStringLiteral("&Aceptar"), this);
  command1->setObjectName(QStringLiteral("Command1"));
  command1->setGeometry(TwipRect(840, 5520, 1215, 495));
  command1->setFont(SansSerifFont(9.75));
  connect(command1, &QPushButton::clicked, this, &HowToWindow::Command1_Click);
  setTabOrder(text1_[0], command1);
  setTabOrder(command1, text1_[1]);
  setTabOrder(text1_[1], text1_[2]);
  Form_Load();
}

void HowToWindow::Form_Load() {
  SetKeepOnTop(this, true);
  text1_[0]->setPlainText(ForDisplay(ProgramText()));
  text1_[1]->setPlainText(ForDisplay(UsageText()));
  text1_[2]->setPlainText(ForDisplay(AccentsText()));
}

void HowToWindow::Command1_Click() { close(); }

}  // namespace flexoria::ui
