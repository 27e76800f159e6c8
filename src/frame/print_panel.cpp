#include "frame/print_panel.h"

#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/busy_cursor.h"
#include "widgets/panel.h"

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
  MarkAsPanel(this);
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
    hidePanel();
    Q_EMIT cancelled();
    Q_EMIT closed();
  });
  hide();
}

QWidget* PrintPanel::frame() const {
  QWidget* window = parentWidget();
  if (window == nullptr) return nullptr;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) return sub;
  return window;
}

void PrintPanel::showBelow(const QWidget* anchor) {
  QWidget* window = parentWidget();
  adjustSize();
  const int gap = 8;
  const int top = anchor->mapTo(window, QPoint(0, anchor->height())).y() + gap;
  if (!isVisible()) {
    const int needed = top + height() + gap - window->height();
    if (needed > 0 && frame() != nullptr) {
      frame()->resize(frame()->width(), frame()->height() + needed);
      grown_ = needed;
    }
  }
  move(qMax(0, (window->width() - width()) / 2), top);
  show();
  raise();
  view_->setFocus();
}

void PrintPanel::hidePanel() {
  hide();
  if (grown_ > 0 && frame() != nullptr)
    frame()->resize(frame()->width(), frame()->height() - grown_);
  grown_ = 0;
}

void PrintPanel::run(std::int16_t destination) {
  destination_ = destination;
  {
    const BusyCursor busy;
    Q_EMIT printRequested();
  }
  hidePanel();
  Q_EMIT closed();
}

}  // namespace reventa
