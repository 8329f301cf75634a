// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_options.h"

#include <QLabel>

#include "engine/form_table.h"
#include "ui/colours.h"
#include "ui/fonts.h"
#include "ui/object_names.h"
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
    {names::kIndicativeGroup, u"Indicativo", 120, 120, 1335},
    {names::kSubjunctiveGroup, u"Subjuntivo", 1680, 120, 1455},
    {names::kImperativeGroup, u"Imperativo", 3240, 120, 1455},
    {names::kConditionalGroup, u"Condicional", 3240, 1200, 1335},
    {names::kNonPersonalGroup, u"Formas no personales", 960, 2040, 2535},
};

struct OptionPlace {
  const char16_t* caption;
  int left, top, width;
};

inline constexpr int kOptionHeight = 390;

// One per form, in the order of the table of forms, which is also the
// keyboard order.
inline constexpr OptionPlace kOptionPlaces[] = {
    {u"&Presente", 240, 480, 1095},       {u"P&erfecto sim.", 240, 840, 1455},
    {u"I&mperfecto", 240, 1200, 1215},    {u"&Futuro", 240, 1560, 1500},
    {u"P&resente", 1680, 480, 1500},      {u"Imperfecto &1", 1680, 840, 1500},
    {u"Imperfecto &2", 1680, 1200, 1455}, {u"Fu&turo", 1680, 1560, 1500},
    {u"Imperati&vo", 3240, 480, 1335},    {u"Pre&sente", 3240, 1560, 1335},
    {u"I&nfinitivo", 240, 2400, 1500},    {u"Parti&cipio", 1800, 2400, 1500},
    {u"&Gerundio", 3240, 2400, 1095},
};
static_assert(std::size(kOptionPlaces) == kOptionCount);

void AddGroupLabel(QFrame* frame, const GroupLabel& spec) {
  auto* label = new QLabel(QString::fromUtf16(spec.text), frame);
  label->setObjectName(QString::fromLatin1(spec.name));
  label->setGeometry(TwipRect(spec.left, spec.top, spec.width, kGroupLabelHeight));
  label->setFont(SansSerifFont(9.75));
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  FillBackground(label, kPaleGrey);
  SetTextColour(label, kDarkOrange);
}

QRadioButton* AddOption(QFrame* frame, const OptionPlace& place, int number) {
  auto* option = new QRadioButton(QString::fromUtf16(place.caption), frame);
  option->setObjectName(names::FormOption(number));
  option->setGeometry(TwipRect(place.left, place.top, place.width, kOptionHeight));
  option->setFont(SansSerifFont(8.25));
  return option;
}

}  // namespace

FormOptions BuildFormOptions(QWidget* parent) {
  FormOptions options;
  options.frame = new QFrame(parent);
  options.frame->setObjectName(QLatin1String(names::kOptionFrame));
  options.frame->setGeometry(TwipRect(4320, 120, 4695, 2910));
  options.frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  options.frame->setLineWidth(2);
  FillBackground(options.frame, kLightGrey);
  SetTextColour(options.frame, kBlack);
  for (const GroupLabel& label : kGroupLabels) AddGroupLabel(options.frame, label);
  options.group = new QButtonGroup(options.frame);
  options.group->setExclusive(true);
  const std::span<const FormSpec> forms = AllForms();
  for (std::size_t row = 0; row < forms.size(); ++row) {
    QRadioButton* option = AddOption(options.frame, kOptionPlaces[row], forms[row].option);
    options.group->addButton(option, forms[row].option);
    options.in_tab_order.push_back(option);
  }
  return options;
}

}  // namespace flexoria::ui
