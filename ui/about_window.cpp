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
    {"Label5", kSubtitle, TwipRect(120, 1080, 4215, 255), 11.25, true},
    {"Label3", kAuthorHeading, TwipRect(480, 1455, 645, 375), 9.75, false},
    {"Label4", kAuthorLine, TwipRect(1200, 1440, 3585, 495), 9.75, false},
    {"Label2", kYear, TwipRect(2280, 1680, 735, 375), 9.75, false},
    {"Label6", kMoreInformation, TwipRect(240, 2040, 4335, 375), 9.75, false},
};

QLabel* AddPicture(QWidget* parent, const char* name, const QRect& geometry) {
  auto* picture = new QLabel(parent);
  picture->setObjectName(QString::fromLatin1(name));
  picture->setGeometry(geometry);
  picture->setScaledContents(true);
  return picture;
}

}  // namespace

AboutWindow::AboutWindow(Program& program) : program_(program) {
  setObjectName(QStringLiteral("sobre"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf16(kAboutCaption));
  setWindowIcon(ProgramIcon());
  setFixedSize(Px(6120), Px(3585));
  setFont(SansSerifFont(12));
  FillBackground(this, kLightGrey);
  SetTextColour(this, kBlack);
  BuildPanel();
  BuildPictures();
  command1_ = new QPushButton(QStringLiteral("&Vale"), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setGeometry(TwipRect(2520, 3000, 1215, 495));
  command1_->hide();
  connect(command1_, &QPushButton::clicked, this, &AboutWindow::Command1_Click);
  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  connect(timer1_, &QTimer::timeout, this, &AboutWindow::Timer1_Timer);
  timer2_ = new QTimer(this);
  timer2_->setObjectName(QStringLiteral("Timer2"));
  connect(timer2_, &QTimer::timeout, this, &AboutWindow::Timer2_Timer);
  Form_Load();
  timer1_->start(kSplashMilliseconds);
  timer2_->start(kFrameMilliseconds);
}

void AboutWindow::BuildPanel() {
  // The product name stands in the band left of the animation.
  panel3d1_ = new Panel3D(QString::fromUtf16(kPanelCaption), TwipRect(120, 120, 3720, 840), this);
  panel3d1_->setObjectName(QStringLiteral("Panel3D1"));
  panel3d1_->setGeometry(TwipRect(360, 240, 5415, 2670));
  panel3d1_->setFont(SansSerifFont(13.5));
  for (const PanelLabel& spec : kPanelLabels) {
    auto* label = new QLabel(QString::fromUtf16(spec.text), panel3d1_);
    label->setObjectName(QString::fromLatin1(spec.name));
    label->setGeometry(spec.geometry);
    label->setFont(spec.serif ? TimesFont(spec.points) : SansSerifFont(spec.points));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
}

void AboutWindow::BuildPictures() {
  image1_ = AddPicture(panel3d1_, "Image1", TwipRect(3960, 240, 1215, 975));
  auto* image2 = new ClickableLabel(panel3d1_);
  image2->setObjectName(QStringLiteral("Image2"));
  image2->setGeometry(TwipRect(4440, 1800, 480, 480));
  image2->setPixmap(InformationIcon());
  image2->setCursor(program_.splash_done() ? Qt::PointingHandCursor : Qt::WaitCursor);
  connect(image2, &ClickableLabel::clicked, this, &AboutWindow::Image2_Click);
  image3_ = AddPicture(this, "Image3", TwipRect(120, 3000, 615, 495));
  image4_ = AddPicture(this, "Image4", TwipRect(840, 3000, 615, 495));
  image5_ = AddPicture(this, "Image5", TwipRect(1560, 3000, 615, 495));
  QLabel* frames[] = {image3_, image4_, image5_};
  for (int frame = 1; frame <= kAnimationFrames; ++frame) {
    frames[frame - 1]->setPixmap(AnimationFrame(frame));
    frames[frame - 1]->hide();
  }
}

void AboutWindow::Form_Load() {
  const QRect screen_area = screen()->geometry();
  move(screen_area.center() - rect().center());
  SetKeepOnTop(this, true);
  image1_->setPixmap(image3_->pixmap());
  show();
  const bool splash = !program_.splash_done();
  setCursor(splash ? Qt::WaitCursor : Qt::ArrowCursor);
  command1_->setVisible(!splash);
}

void AboutWindow::DisableTimer1() { timer1_->stop(); }

int AboutWindow::ShownFrame() const {
  const qint64 shown = image1_->pixmap().cacheKey();
  const QLabel* frames[] = {image3_, image4_, image5_};
  for (int frame = 1; frame <= kAnimationFrames; ++frame) {
    if (frames[frame - 1]->pixmap().cacheKey() == shown) return frame;
  }
  return 0;
}

void AboutWindow::Timer1_Timer() {
  timer1_->stop();
  program_.ShowMainWindow();
  // The information message belongs to this window: it closes first.
  if (informing_) {
    close_when_informed_ = true;
    return;
  }
  close();
}

void AboutWindow::Timer2_Timer() {
  const QLabel* frames[] = {image3_, image4_, image5_};
  const int shown = ShownFrame();
  if (shown == 0) return;
  image1_->setPixmap(frames[shown % kAnimationFrames]->pixmap());
}

void AboutWindow::Command1_Click() { close(); }

void AboutWindow::Image2_Click() {
  informing_ = true;
  ShowModalMessage(this, InformationMessage(), QString::fromUtf16(kInformationTitle),
                   MessageIcon::kInformation);
  informing_ = false;
  if (close_when_informed_) close();
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  Form_Unload();
  QWidget::closeEvent(event);
}

void AboutWindow::Form_Unload() {
  timer1_->stop();
  timer2_->stop();
  command1_->setVisible(true);
  command1_->setEnabled(true);
  program_.MarkSplashDone();
}

}  // namespace flexoria::ui
