// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/panel_frame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/panel.h"

namespace reventa {

PanelFrame::PanelFrame(QWidget* window, const QString& objectName, const QString& heading)
    : QFrame(window), content_(new QVBoxLayout(this)) {
  setObjectName(objectName);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  MarkAsPanel(this);
  if (!heading.isEmpty()) {
    setAccessibleName(heading);
    heading_ = new QLabel(heading, this);
    QFont bold = heading_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    heading_->setFont(bold);
    content_->addWidget(heading_);
  }
  hide();
}

QPushButton* PanelFrame::addCloseButton(const QString& caption, const QString& name) {
  QPushButton* button = makeCloseButton(caption, name);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(button);
  content_->addLayout(row);
  return button;
}

QPushButton* PanelFrame::makeCloseButton(const QString& caption, const QString& name) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  connect(button, &QPushButton::clicked, this, [this] {
    hide();
    Q_EMIT closed();
  });
  return button;
}

void PanelFrame::showCentred(int top) {
  adjustSize();
  const int width = parentWidget() != nullptr ? parentWidget()->width() : this->width();
  open(qMax(0, (width - this->width()) / 2), top);
}

void PanelFrame::showAcross(int top) {
  const int margin = 8;
  const int width = parentWidget() != nullptr ? parentWidget()->width() - 2 * margin : 480;
  setFixedWidth(qMax(320, width));
  adjustSize();
  open(margin, top);
}

void PanelFrame::open(int left, int top) {
  move(left, top);
  show();
  raise();
}

}  // namespace reventa
