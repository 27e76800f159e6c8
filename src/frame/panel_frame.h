// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every panel of a calculator window is drawn in (settings, print,
// information, explanation, the loan schedule): a raised frame inside the window,
// hidden until opened, brought to the front when it opens, with an optional bold
// heading at its top and an optional closing button at its foot.
#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace reventa {

class PanelFrame : public QFrame {
  Q_OBJECT

 public:
  // An empty heading leaves it out. The layout is the panel's, for its content.
  PanelFrame(QWidget* window, const QString& objectName, const QString& heading = {});

  QVBoxLayout* content() const { return content_; }
  QLabel* heading() const { return heading_; }
  // A button at the foot, on the right, that hides the panel: "&OK", "O&K" ...
  QPushButton* addCloseButton(const QString& caption, const QString& name);
  // The same button, not placed: for a panel that lays out its foot itself.
  QPushButton* makeCloseButton(const QString& caption, const QString& name);

  // Opens the panel at `top` pixels from the window's top, centred across it.
  void showCentred(int top);
  // Opens the panel at `top`, as wide as the window less its margins.
  void showAcross(int top);

 Q_SIGNALS:
  void closed();

 private:
  void open(int left, int top);

  QVBoxLayout* content_;
  QLabel* heading_ = nullptr;
};

}  // namespace reventa
