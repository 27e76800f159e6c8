// SPDX-License-Identifier: GPL-3.0-or-later
// The "R/A Explained(Annual Figures Shown)" panel: the three ways the retirement
// annuity limit is worked out, with the window's own figures in lines A and C.
// A panel of the window's frame, closed by its "&OK".
#pragma once

#include "frame/panel_frame.h"

class QLabel;
class QPushButton;

namespace reventa {

class RetirementAnnuityPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit RetirementAnnuityPanel(QWidget* window);

  // Shows the panel in front of the window's fields with the two worked lines.
  void showAt(int top, const QString& lineA, const QString& lineC);

 private:
  QLabel* lineA_;
  QLabel* lineC_;
  QPushButton* ok_;
};

}  // namespace reventa
