// SPDX-License-Identifier: GPL-3.0-or-later
// A raised 3-D panel that draws a caption of its own, in the band above the
// controls it holds.
#pragma once

#include <QFrame>

namespace flexoria::ui {

class Panel3D : public QFrame {
 public:
  Panel3D(const QString& caption, const QRect& caption_band, QWidget* parent);

  const QString& caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  QRect caption_band_;
};

}  // namespace flexoria::ui
