// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/package/ui/retirement_annuity_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace reventa {

RetirementAnnuityPanel::RetirementAnnuityPanel(QWidget* window)
    : PanelFrame(window, QStringLiteral("fraRAExpl"),
                 QStringLiteral("R/A Explained(Annual Figures Shown)")),
      lineA_(new QLabel(this)),
      lineC_(new QLabel(this)) {
  heading()->setObjectName(QStringLiteral("lblRAExpl"));
  lineA_->setObjectName(QStringLiteral("lblRALineA"));
  lineC_->setObjectName(QStringLiteral("lblRALineC"));
  const auto text = [this](const char* line, const char* name) {
    auto* label = new QLabel(QString::fromUtf8(line), this);
    label->setObjectName(QString::fromLatin1(name));
    content()->addWidget(label);
  };
  text("The maximum R/A contribution allowed is the greater between A, B or C.", "lblRAText_0");
  text("A:  R 3 500 less employee pension contributions ", "lblRAText_1");
  content()->addWidget(lineA_);
  text("B: R 1 750", "lblRAText_2");
  text("C: 15% of non-retirement funding income. ", "lblRAText_3");
  content()->addWidget(lineC_);
  for (QLabel* worked : {lineA_, lineC_}) worked->setContentsMargins(16, 0, 0, 0);
  ok_ = addCloseButton(QStringLiteral("&OK"), QStringLiteral("cmdRAOK"));
}

void RetirementAnnuityPanel::showAt(int top, const QString& lineA, const QString& lineC) {
  lineA_->setText(lineA);
  lineC_->setText(lineC);
  showCentred(top);
  ok_->setFocus();
}

}  // namespace reventa
