#include "ui/form_options.h"

#include <QLabel>

#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace flexoria::ui {
namespace {

struct GroupLabel {
  const char* name;
  const char16_t* text;
  int left, top, width;
};

inline constexpr int kGroupLabelHeight = 255;

inline constexpr GroupLabel kGroupLabels[] = {
    {"Label2", u"Indicativo", 120, 120, 1335},
    {"Label3", u"Subjuntivo", 1680, 120, 1455},
    {"Label5", u"Imperativo", 3240, 120, 1455},
    {"Label6", u"Condicional", 3240, 1200, 1335},
    {"Label7", u"Formas no personales", 960, 2040, 2535},
};

struct FormOption {
  int number;
  const char16_t* caption;
  int left, top, width;
};

inline constexpr int kOptionHeight = 390;

// In keyboard order.
inline constexpr FormOption kFormOptions[] = {
    {1, u"&Presente", 240, 480, 1095},        {2, u"P&erfecto sim.", 240, 840, 1455},
    {3, u"I&mperfecto", 240, 1200, 1215},     {4, u"&Futuro", 240, 1560, 1500},
    {5, u"P&resente", 1680, 480, 1500},       {6, u"Imperfecto &1", 1680, 840, 1500},
    {13, u"Imperfecto &2", 1680, 1200, 1455}, {7, u"Fu&turo", 1680, 1560, 1500},
    {8, u"Imperati&vo", 3240, 480, 1335},     {9, u"Pre&sente", 3240, 1560, 1335},
    {10, u"I&nfinitivo", 240, 2400, 1500},    {11, u"Parti&cipio", 1800, 2400, 1500},
    {12, u"&Gerundio", 3240, 2400, 1095},
};

void AddGroupLabel(QFrame* frame, const GroupLabel& spec) {
  auto* label = new QLabel(QString::fromUtf16(spec.text), frame);
  label->setObjectName(QString::fromLatin1(spec.name));
  label->setGeometry(TwipRect(spec.left, spec.top, spec.width, kGroupLabelHeight));
  label->setFont(SansSerifFont(9.75));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  FillBackground(label, kPaleGrey);
  SetTextColour(label, kDarkOrange);
}

QRadioButton* AddOption(QFrame* frame, const FormOption& spec) {
  auto* option = new QRadioButton(QString::fromUtf16(spec.caption), frame);
  option->setObjectName(QStringLiteral("Option3D%1").arg(spec.number));
  option->setGeometry(TwipRect(spec.left, spec.top, spec.width, kOptionHeight));
  option->setFont(SansSerifFont(8.25));
  return option;
}

}  // namespace

FormOptions BuildFormOptions(QWidget* parent) {
  FormOptions options;
  options.frame = new QFrame(parent);
  options.frame->setObjectName(QStringLiteral("Frame3D1"));
  options.frame->setGeometry(TwipRect(4320, 120, 4695, 2910));
  options.frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  options.frame->setLineWidth(2);
  FillBackground(options.frame, kLightGrey);
  SetTextColour(options.frame, kBlack);
  for (const GroupLabel& label : kGroupLabels) AddGroupLabel(options.frame, label);
  options.group = new QButtonGroup(options.frame);
  options.group->setExclusive(true);
  for (const FormOption& spec : kFormOptions) {
    QRadioButton* option = AddOption(options.frame, spec);
    options.group->addButton(option, spec.number);
    options.in_tab_order.push_back(option);
  }
  return options;
}

}  // namespace flexoria::ui
