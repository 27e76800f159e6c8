// The "R/A Explained(Annual Figures Shown)" panel: the three ways the retirement
// annuity limit is worked out, with the window's own figures in lines A and C.
#pragma once

#include <QFrame>

class QLabel;

namespace reventa {

class RetirementAnnuityPanel : public QFrame {
  Q_OBJECT

 public:
  explicit RetirementAnnuityPanel(QWidget* parent);

  // Shows the panel in front of the window's fields with the two worked lines.
  void showAt(int top, const QString& lineA, const QString& lineC);

 private:
  QLabel* lineA_;
  QLabel* lineC_;
};

}  // namespace reventa
