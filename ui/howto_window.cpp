// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/howto_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/artwork.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/howto_texts.h"
#include "ui/keep_on_top.h"
#include "ui/object_names.h"
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
    {names::kProgramHeading, u"El programa:", TwipRect(120, 120, 2415, 375)},
    {names::kUsageHeading, u"Cómo usarlo:", TwipRect(120, 2040, 2055, 375)},
    {names::kAccentsHeading, u"Las letras acentuadas y signos especiales:",
     TwipRect(120, 3840, 3015, 855)},
};

const QRect kHelpBoxes[] = {
    TwipRect(480, 480, 8175, 1455),
    TwipRect(480, 2400, 8175, 1335),
    TwipRect(3360, 3840, 5295, 3015),
};

QPlainTextEdit* AddHelpBox(QWidget* parent, int index) {
  auto* box = new QPlainTextEdit(parent);
  box->setObjectName(QLatin1String(names::kHelpBox));
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
  setObjectName(QLatin1String(names::kHowToWindow));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("C ó mo    u s a r   F l e x o r i a "));
  setAccessibleName(QStringLiteral("Cómo usar Flexoria"));
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
  for (int index = 0; index < 3; ++index) help_boxes_.at(index) = AddHelpBox(this, index);
  auto* ok_button = new QPushButton(QStringLiteral("&Aceptar"), this);
  ok_button->setObjectName(QLatin1String(names::kHowToOkButton));
  ok_button->setGeometry(TwipRect(840, 5520, 1215, 495));
  ok_button->setFont(SansSerifFont(9.75));
  connect(ok_button, &QPushButton::clicked, this, &HowToWindow::close);
  setTabOrder(help_boxes_[0], ok_button);
  setTabOrder(ok_button, help_boxes_[1]);
  setTabOrder(help_boxes_[1], help_boxes_[2]);
  FillHelpTexts();
}

void HowToWindow::FillHelpTexts() {
  SetKeepOnTop(this, true);
  help_boxes_[0]->setPlainText(ForDisplay(ProgramText()));
  help_boxes_[1]->setPlainText(ForDisplay(UsageText()));
  help_boxes_[2]->setPlainText(ForDisplay(AccentsText()));
}

}  // namespace flexoria::ui
