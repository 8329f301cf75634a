// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "ui/about_texts.h"
#include "ui/artwork.h"
#include "ui/clickable_label.h"
#include "ui/colours.h"
#include "ui/desktop.h"
#include "ui/fonts.h"
#include "ui/keep_on_top.h"
#include "ui/main_window.h"
#include "ui/object_names.h"
#include "ui/panel3d.h"
#include "ui/program.h"
#include "ui/twips.h"

namespace flexoria::ui {
namespace {

constexpr int kSplashMilliseconds = 1000;
constexpr int kFrameMilliseconds = 200;

struct PanelLabel {
  const char* name;
  const char16_t* text;
  QRect geometry;
  double points;
  bool serif;
};

// Positions are relative to the panel.
const PanelLabel kPanelLabels[] = {
    {names::kSubtitleLabel, kSubtitle, TwipRect(120, 1080, 4215, 255), 11.25, true},
    {names::kAuthorHeadingLabel, kAuthorHeading, TwipRect(480, 1455, 645, 375), 9.75, false},
    {names::kAuthorLineLabel, kAuthorLine, TwipRect(1200, 1440, 3585, 495), 9.75, false},
    {names::kYearLabel, kYear, TwipRect(2280, 1680, 735, 375), 9.75, false},
    {names::kMoreInformationLabel, kMoreInformation, TwipRect(240, 2040, 4335, 375), 9.75, false},
};

QLabel* AddPicture(QWidget* parent, const char* name, const QRect& geometry) {
  auto* picture = new QLabel(parent);
  picture->setObjectName(QString::fromLatin1(name));
  picture->setGeometry(geometry);
  picture->setScaledContents(true);
  return picture;
}

QTimer* AddTimer(QObject* parent, const char* name) {
  auto* timer = new QTimer(parent);
  timer->setObjectName(QString::fromLatin1(name));
  return timer;
}

}  // namespace

AboutWindow::AboutWindow(Program& program) : program_(program) {
  setObjectName(QLatin1String(names::kAboutWindow));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf16(kAboutCaption));
  setAccessibleName(QStringLiteral("Acerca de Flexoria"));
  setWindowIcon(ProgramIcon());
  setFixedSize(Px(6120), Px(3585));
  setFont(SansSerifFont(12));
  FillBackground(this, kLightGrey);
  SetTextColour(this, kBlack);
  BuildPanel();
  BuildPictures();
  ok_button_ = new QPushButton(QStringLiteral("&Vale"), this);
  ok_button_->setObjectName(QLatin1String(names::kAboutOkButton));
  ok_button_->setGeometry(TwipRect(2520, 3000, 1215, 495));
  ok_button_->hide();
  connect(ok_button_, &QPushButton::clicked, this, &AboutWindow::close);
  splash_timer_ = AddTimer(this, names::kSplashTimer);
  connect(splash_timer_, &QTimer::timeout, this, &AboutWindow::EndSplash);
  animation_timer_ = AddTimer(this, names::kAnimationTimer);
  connect(animation_timer_, &QTimer::timeout, this, &AboutWindow::ShowNextFrame);
  ShowCentredOnTop();
  splash_timer_->start(kSplashMilliseconds);
  animation_timer_->start(kFrameMilliseconds);
}

void AboutWindow::BuildPanel() {
  // The product name stands in the band left of the animation.
  panel_ = new Panel3D(QString::fromUtf16(kPanelCaption), TwipRect(120, 120, 3720, 840), this);
  panel_->setAccessibleName(QStringLiteral("Flexoria"));
  panel_->setObjectName(QLatin1String(names::kAboutPanel));
  panel_->setGeometry(TwipRect(360, 240, 5415, 2670));
  panel_->setFont(SansSerifFont(13.5));
  for (const PanelLabel& spec : kPanelLabels) {
    auto* label = new QLabel(QString::fromUtf16(spec.text), panel_);
    label->setObjectName(QString::fromLatin1(spec.name));
    label->setGeometry(spec.geometry);
    label->setFont(spec.serif ? TimesFont(spec.points) : SansSerifFont(spec.points));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
}

void AboutWindow::BuildPictures() {
  animation_ = AddPicture(panel_, names::kAnimation, TwipRect(3960, 240, 1215, 975));
  auto* information_icon = new ClickableLabel(panel_);
  information_icon->setObjectName(QLatin1String(names::kInformationIcon));
  information_icon->setGeometry(TwipRect(4440, 1800, 480, 480));
  information_icon->setPixmap(InformationIcon());
  information_icon->setCursor(program_.splash_done() ? Qt::PointingHandCursor : Qt::WaitCursor);
  connect(information_icon, &ClickableLabel::clicked, this, &AboutWindow::ShowInformation);
  for (int frame = 0; frame < kAnimationFrames; ++frame) {
    QLabel*& picture = frames_.at(static_cast<std::size_t>(frame));
    picture = AddPicture(this, names::kAnimationFramePictures[frame],
                         TwipRect(120 + 720 * frame, 3000, 615, 495));
    picture->setPixmap(AnimationFrame(frame + 1));
    picture->hide();
  }
}

void AboutWindow::ShowCentredOnTop() {
  const QRect screen_area = screen()->geometry();
  move(screen_area.center() - rect().center());
  SetKeepOnTop(this, true);
  animation_->setPixmap(frames_[0]->pixmap());
  show();
  const bool splash = !program_.splash_done();
  setCursor(splash ? Qt::WaitCursor : Qt::ArrowCursor);
  ok_button_->setVisible(!splash);
}

void AboutWindow::StayUntilClosed() { splash_timer_->stop(); }

int AboutWindow::ShownFrame() const {
  const qint64 shown = animation_->pixmap().cacheKey();
  for (int frame = 1; frame <= kAnimationFrames; ++frame) {
    if (frames_.at(static_cast<std::size_t>(frame - 1))->pixmap().cacheKey() == shown) return frame;
  }
  return 0;
}

void AboutWindow::EndSplash() {
  splash_timer_->stop();
  program_.ShowMainWindow();
  // The information message belongs to this window: it closes first.
  if (informing_) {
    close_when_informed_ = true;
    return;
  }
  close();
}

void AboutWindow::ShowNextFrame() {
  const int shown = ShownFrame();
  if (shown == 0) return;
  animation_->setPixmap(frames_.at(static_cast<std::size_t>(shown % kAnimationFrames))->pixmap());
}

void AboutWindow::ShowInformation() {
  informing_ = true;
  ShowModalMessage(this, InformationMessage(), QString::fromUtf16(kInformationTitle),
                   MessageIcon::kInformation);
  informing_ = false;
  if (close_when_informed_) close();
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  StopOnClosing();
  QWidget::closeEvent(event);
}

void AboutWindow::StopOnClosing() {
  splash_timer_->stop();
  animation_timer_->stop();
  ok_button_->setVisible(true);
  ok_button_->setEnabled(true);
  program_.MarkSplashDone();
}

}  // namespace flexoria::ui
