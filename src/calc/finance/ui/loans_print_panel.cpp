#include "calc/finance/ui/loans_print_panel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/panel.h"

namespace reventa {

LoansPrintPanel::LoansPrintPanel(QWidget* parent)
    : QFrame(parent),
      include_(new QCheckBox(QStringLiteral("Include Amortization"), this)),
      kinds_(new QGroupBox(this)),
      annual_(new QRadioButton(QStringLiteral("Annual"), kinds_)),
      monthly_(new QRadioButton(QStringLiteral("Monthly "), kinds_)),
      view_(new QPushButton(QStringLiteral("&View/Export report"), this)),
      print_(new QPushButton(QStringLiteral("P&rint directly to printer"), this)),
      cancel_(new QPushButton(QStringLiteral("C&ancel"), this)) {
  setObjectName(QStringLiteral("fraPrint"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  MarkAsPanel(this);
  include_->setObjectName(QStringLiteral("Check1"));
  kinds_->setObjectName(QStringLiteral("fraIncAmort"));
  annual_->setObjectName(QStringLiteral("Option1_0"));
  monthly_->setObjectName(QStringLiteral("Option1_1"));
  annual_->setAccessibleName(QStringLiteral("Annual amortization"));
  monthly_->setAccessibleName(QStringLiteral("Monthly amortization"));
  view_->setObjectName(QStringLiteral("cmdVR"));
  print_->setObjectName(QStringLiteral("cmdPD"));
  cancel_->setObjectName(QStringLiteral("cmdPrintCancel"));

  auto* kinds = new QHBoxLayout(kinds_);
  kinds->addWidget(annual_);
  kinds->addWidget(monthly_);
  auto* options = new QHBoxLayout;
  options->addWidget(include_);
  options->addWidget(kinds_);
  options->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(view_);
  buttons->addWidget(print_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(options);
  layout->addLayout(buttons);
  // Nothing is included until the box is ticked.
  kinds_->setEnabled(false);

  connect(include_, &QCheckBox::toggled, this, &LoansPrintPanel::onInclude);
  connect(annual_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) amortKind_ = AmortKind::Annual;
  });
  connect(monthly_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) amortKind_ = AmortKind::Monthly;
  });
  connect(view_, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(0); });
  connect(print_, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(1); });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    hide();
    Q_EMIT cancelled();
  });
  hide();
}

void LoansPrintPanel::onInclude(bool include) {
  includeAmort_ = include;
  // Clearing the box keeps the kind chosen; ticking it starts from "Annual".
  if (include) {
    annual_->setChecked(true);
    amortKind_ = AmortKind::Annual;
  }
  kinds_->setEnabled(include);
}

AmortKind LoansPrintPanel::schedule() const { return includeAmort_ ? amortKind_ : AmortKind::None; }

}  // namespace reventa
