#include "store/print_panel.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/busy_cursor.h"

namespace reventa {

PrintPanel::PrintPanel(std::int16_t& destination, QWidget* parent, const QString& objectName)
    : QFrame(parent),
      destination_(destination),
      options_(new QVBoxLayout),
      view_(new QPushButton(tr("&View/Export report"), this)),
      print_(new QPushButton(tr("P&rint directly to printer"), this)),
      cancel_(new QPushButton(tr("&Cancel"), this)) {
  setObjectName(objectName);
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  view_->setObjectName(QStringLiteral("cmdVR"));
  print_->setObjectName(QStringLiteral("cmdPD"));
  cancel_->setObjectName(QStringLiteral("cmdCancel"));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(options_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(view_);
  buttons->addWidget(print_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);

  connect(view_, &QPushButton::clicked, this, [this] { run(0); });
  connect(print_, &QPushButton::clicked, this, [this] { run(1); });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    hide();
    Q_EMIT cancelled();
    Q_EMIT closed();
  });
  hide();
}

void PrintPanel::showAt(int top) {
  adjustSize();
  const int width = parentWidget() ? parentWidget()->width() : this->width();
  move(qMax(0, (width - this->width()) / 2), top);
  show();
  raise();
  view_->setFocus();
}

void PrintPanel::run(std::int16_t destination) {
  destination_ = destination;
  {
    const BusyCursor busy;
    Q_EMIT printRequested();
  }
  hide();
  Q_EMIT closed();
}

}  // namespace reventa
