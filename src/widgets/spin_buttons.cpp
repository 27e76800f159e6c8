// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/spin_buttons.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace reventa {

SpinButtons::SpinButtons(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  up_->setAccessibleName(tr("Up"));
  down_->setAccessibleName(tr("Down"));
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFixedSize(18, 12);
    b->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(b);
  }
  connect(up_, &QToolButton::clicked, this, &SpinButtons::upClicked);
  connect(down_, &QToolButton::clicked, this, &SpinButtons::downClicked);
}

}  // namespace reventa
