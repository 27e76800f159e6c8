// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/disclaimer_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace reventa {

DisclaimerDialog::DisclaimerDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmDisclaimerYesNo"));
  setWindowTitle(QStringLiteral("Quillon Disclaimer"));
  setModal(true);

  auto* warranty = new QLabel(
      tr("This program and every figure it produces are provided as they are, without any "
         "warranty, express or implied. The makers accept no liability for any loss or damage, "
         "direct or indirect, that arises from using the program or relying on its results. "
         "Checking the calculations remains the responsibility of the purchaser and user of "
         "the program. The makers are under no obligation to explain or defend results that "
         "differ from those of any other party, the revenue authority included."),
      this);
  warranty->setObjectName(QStringLiteral("lblWarranty"));
  warranty->setWordWrap(true);
  auto* updates = new QLabel(
      QStringLiteral(
          "This program is changed and updated regularly and free updates are made available to "
          "all users.  It is the program purchaser and user's responsibility to take advantage of "
          "these free updates."),
      this);
  updates->setObjectName(QStringLiteral("lblUpdates"));
  updates->setWordWrap(true);
  check_ = new QCheckBox(QStringLiteral(" I have read this disclaimer and I understand and agree "
                                        "with the contents of this disclaimer"),
                         this);
  check_->setObjectName(QStringLiteral("chkDisclaimerYesNo"));
  ok_ = new QPushButton(QStringLiteral("&OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOk"));
  ok_->setEnabled(false);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("cmdCancel"));

  connect(check_, &QCheckBox::toggled, ok_, &QPushButton::setEnabled);
  connect(ok_, &QPushButton::clicked, this, [this] {
    accepted_ = check_->isChecked();
    if (accepted_) {
      accept();
    } else {
      reject();
    }
  });
  connect(cancel, &QPushButton::clicked, this, [this] {
    accepted_ = false;
    reject();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(warranty);
  layout->addSpacing(6);
  layout->addWidget(updates);
  layout->addSpacing(10);
  layout->addWidget(check_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  setFixedWidth(680);
}

void DisclaimerDialog::placeOver(const QWidget& mainWindow) {
  adjustSize();
  const QRect frame = mainWindow.frameGeometry();
  move(frame.left() + (frame.width() - width()) / 2, frame.top() + (frame.height() - height()) / 4);
  raise();
}

}  // namespace reventa
