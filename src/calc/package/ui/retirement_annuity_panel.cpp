#include "calc/package/ui/retirement_annuity_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace reventa {

RetirementAnnuityPanel::RetirementAnnuityPanel(QWidget* parent)
    : QFrame(parent), lineA_(new QLabel(this)), lineC_(new QLabel(this)) {
  setObjectName(QStringLiteral("fraRAExpl"));
  setAccessibleName(QStringLiteral("R/A Explained(Annual Figures Shown)"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);

  auto* title = new QLabel(QStringLiteral("R/A Explained(Annual Figures Shown)"), this);
  title->setObjectName(QStringLiteral("lblRAExpl"));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  lineA_->setObjectName(QStringLiteral("lblRALineA"));
  lineC_->setObjectName(QStringLiteral("lblRALineC"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  const auto text = [this, layout](const char* line, const char* name) {
    auto* label = new QLabel(QString::fromUtf8(line), this);
    label->setObjectName(QString::fromLatin1(name));
    layout->addWidget(label);
  };
  text("The maximum R/A contribution allowed is the greater between A, B or C.", "lblRAText_0");
  text("A:  R 3 500 less employee pension contributions ", "lblRAText_1");
  layout->addWidget(lineA_);
  text("B: R 1 750", "lblRAText_2");
  text("C: 15% of non-retirement funding income. ", "lblRAText_3");
  layout->addWidget(lineC_);
  for (QLabel* worked : {lineA_, lineC_}) worked->setContentsMargins(16, 0, 0, 0);

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("cmdRAOK"));
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  hide();
}

void RetirementAnnuityPanel::showAt(int top, const QString& lineA, const QString& lineC) {
  lineA_->setText(lineA);
  lineC_->setText(lineC);
  adjustSize();
  const int width = parentWidget() ? parentWidget()->width() : this->width();
  move(qMax(0, (width - this->width()) / 2), top);
  show();
  raise();
  findChild<QPushButton*>(QStringLiteral("cmdRAOK"))->setFocus();
}

}  // namespace reventa
