// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/print_panel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace reventa {

PrintPanel::PrintPanel(QWidget* window, const PrintPanelOptions& options)
    : PanelFrame(window, options.objectName),
      view_(new QPushButton(tr("&View/Export report"), this)),
      print_(new QPushButton(tr("P&rint directly to printer"), this)),
      cancel_(new QPushButton(options.cancelCaption, this)),
      buttons_(new QBoxLayout(QBoxLayout::LeftToRight)),
      focus_(options.focus) {
  view_->setObjectName(QStringLiteral("cmdVR"));
  print_->setObjectName(QStringLiteral("cmdPD"));
  cancel_->setObjectName(options.cancelName);
  if (!options.choices.isEmpty()) addChoices(options.choices);
  if (options.languages) addLanguages();
  if (!options.nameCaption.isEmpty()) addName(options);
  if (options.schedule) addSchedule();
  buttons_->addWidget(view_);
  buttons_->addWidget(print_);
  buttons_->addWidget(cancel_);
  content()->addLayout(buttons_);
  order_ << view_ << print_ << cancel_;
  for (qsizetype i = 1; i < order_.size(); ++i) setTabOrder(order_[i - 1], order_[i]);

  connect(view_, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(0); });
  connect(print_, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(1); });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    close();
    Q_EMIT cancelled();
  });
}

void PrintPanel::addChoices(const QStringList& choices) {
  // The options in a box and a group of their own, so that they exclude one
  // another and not the languages (auto-exclusive buttons look for their
  // partners among all of a widget's descendants).
  auto* box = new QWidget(this);
  auto* group = new QButtonGroup(box);
  box->setObjectName(QStringLiteral("fraChoice"));
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  for (const QString& caption : choices) {
    auto* option = new QRadioButton(caption, box);
    option->setObjectName(QStringLiteral("optChoice%1").arg(choices_.size()));
    option->setChecked(choices_.isEmpty());
    group->addButton(option);
    choices_ << option;
    order_ << option;
    row->addWidget(option);
  }
  row->addStretch();
  content()->addWidget(box);
}

int PrintPanel::choice() const {
  for (qsizetype i = 0; i < choices_.size(); ++i) {
    if (choices_[i]->isChecked()) return static_cast<int>(i);
  }
  return 0;
}

void PrintPanel::addLanguages() {
  english_ = new QRadioButton(QStringLiteral("&English print"), this);
  english_->setObjectName(QStringLiteral("Option1"));
  english_->setChecked(true);
  auto* afrikaans = new QRadioButton(QStringLiteral("&Afrikaans print"), this);
  afrikaans->setObjectName(QStringLiteral("Option2"));
  order_ << english_ << afrikaans;
  auto* row = new QHBoxLayout;
  row->addWidget(english_);
  row->addWidget(afrikaans);
  row->addStretch();
  content()->addLayout(row);
}

void PrintPanel::addName(const PrintPanelOptions& options) {
  name_ = new QLineEdit(this);
  name_->setObjectName(options.nameField);
  name_->setMaxLength(50);
  name_->setMinimumWidth(options.nameWidth);
  name_->setAccessibleName(options.nameAccessible);
  auto* caption = new QLabel(options.nameCaption, this);
  caption->setBuddy(name_);
  auto* note = new QLabel(QStringLiteral("(max.50 chrs.)"), this);
  order_ << name_;
  auto* rows = new QGridLayout;
  if (options.nameBelowCaption) {
    rows->addWidget(caption, 0, 0, 1, 2);
    rows->addWidget(name_, 1, 0);
    rows->addWidget(note, 1, 1);
  } else {
    rows->addWidget(caption, 0, 0);
    rows->addWidget(name_, 0, 1);
    rows->addWidget(note, 0, 2);
    rows->setColumnStretch(1, 1);
  }
  content()->addLayout(rows);
}

void PrintPanel::addSchedule() {
  include_ = new QCheckBox(QStringLiteral("Include Amortization"), this);
  include_->setObjectName(QStringLiteral("Check1"));
  kinds_ = new QGroupBox(this);
  kinds_->setObjectName(QStringLiteral("fraIncAmort"));
  annual_ = new QRadioButton(QStringLiteral("Annual"), kinds_);
  annual_->setObjectName(QStringLiteral("Option1_0"));
  annual_->setAccessibleName(QStringLiteral("Annual amortization"));
  auto* monthly = new QRadioButton(QStringLiteral("Monthly "), kinds_);
  monthly->setObjectName(QStringLiteral("Option1_1"));
  monthly->setAccessibleName(QStringLiteral("Monthly amortization"));
  order_ << include_ << annual_ << monthly;
  auto* kinds = new QHBoxLayout(kinds_);
  kinds->addWidget(annual_);
  kinds->addWidget(monthly);
  // Nothing is included until the box is ticked.
  kinds_->setEnabled(false);
  auto* row = new QHBoxLayout;
  row->addWidget(include_);
  row->addWidget(kinds_);
  row->addStretch();
  content()->addLayout(row);
  connect(include_, &QCheckBox::toggled, this, [this](bool include) {
    if (include) {
      annual_->setChecked(true);
      amortKind_ = AmortKind::Annual;
    }
    kinds_->setEnabled(include);
  });
  connect(annual_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) amortKind_ = AmortKind::Annual;
  });
  connect(monthly, &QRadioButton::toggled, this, [this](bool on) {
    if (on) amortKind_ = AmortKind::Monthly;
  });
}

std::int16_t PrintPanel::language() const {
  return english_ == nullptr || english_->isChecked() ? 0 : 1;
}

QString PrintPanel::name() const { return name_ != nullptr ? name_->text() : QString(); }

AmortKind PrintPanel::schedule() const {
  return include_ != nullptr && include_->isChecked() ? amortKind_ : AmortKind::None;
}

QWidget* PrintPanel::frame() const {
  QWidget* window = parentWidget();
  if (window == nullptr) return nullptr;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) return sub;
  return window;
}

QList<QWidget*> PrintPanel::tabStops() const {
  // A set of options is one stop, at the option chosen; the arrow keys move
  // between them.
  const auto chosenBeside = [](const QRadioButton* option) {
    for (const QRadioButton* other :
         option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
      if (other != option && other->autoExclusive() && other->isChecked()) return true;
    }
    return false;
  };
  QList<QWidget*> stops;
  for (QWidget* w : order_) {
    if (!w->isVisibleTo(this) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
    if (auto* option = qobject_cast<QRadioButton*>(w);
        option != nullptr && !option->isChecked() && chosenBeside(option)) {
      continue;
    }
    stops << w;
  }
  return stops;
}

bool PrintPanel::focusNextPrevChild(bool next) {
  const QList<QWidget*> stops = tabStops();
  // A panel being hidden hands the focus on as any widget does.
  if (!isVisible() || stops.isEmpty()) return PanelFrame::focusNextPrevChild(next);
  // Round the panel's controls, from the last to the first and back.
  const qsizetype at = stops.indexOf(QApplication::focusWidget());
  const qsizetype n = stops.size();
  const qsizetype to = at < 0 ? 0 : (at + (next ? 1 : n - 1)) % n;
  stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void PrintPanel::growFrame(int width, int height) {
  QWidget* f = frame();
  if (f == nullptr || (width <= 0 && height <= 0) || f->isMaximized()) return;
  QRect r = f->geometry();
  QWidget* area = f->isWindow() ? nullptr : f->parentWidget();
  // Never wider than the main window's area.
  if (area != nullptr) width = qMin(width, area->width() - r.width());
  r.setSize(r.size() + QSize(qMax(0, width), qMax(0, height)));
  // Within the area: moved left and up rather than past its edges.
  if (area != nullptr) {
    r.moveRight(qMin(r.right(), area->width() - 1));
    r.moveBottom(qMin(r.bottom(), area->height() - 1));
    r.moveTopLeft(QPoint(qMax(0, r.left()), qMax(0, r.top())));
  }
  grown_ += r.size() - f->size();
  moved_ += r.topLeft() - f->pos();
  f->setGeometry(r);
  placedAt_ = r.topLeft();
}

int PrintPanel::fitWidth(int room) {
  // Side by side when the buttons fit, else one under another. The panel's
  // layout keeps its size until told the row has changed.
  const auto arrange = [this](QBoxLayout::Direction direction) {
    buttons_->setDirection(direction);
    content()->invalidate();
  };
  arrange(QBoxLayout::LeftToRight);
  if (sizeHint().width() > room) arrange(QBoxLayout::TopToBottom);
  const int wanted = sizeHint().width();
  if (wanted > room) {
    // The options themselves are wider: the window widens as far as it may.
    const int before = grown_.width();
    growFrame(wanted - room, 0);
    room += grown_.width() - before;
  }
  return qMin(wanted, room);
}

void PrintPanel::showBelow(const QWidget* anchor) {
  QWidget* window = parentWidget();
  const int gap = 8;
  const int margin = 4;
  if (!isVisible()) {
    QWidget* focus = QApplication::focusWidget();
    returnTo_ = focus != nullptr && window->isAncestorOf(focus) ? focus : nullptr;
    const int width = fitWidth(window->width() - 2 * margin);
    resize(width, heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height());
    const int top = anchor->mapTo(window, QPoint(0, anchor->height())).y() + gap;
    growFrame(0, top + height() + gap - window->height());
  }
  const int top = anchor->mapTo(window, QPoint(0, anchor->height())).y() + gap;
  move(qMax(0, (window->width() - width()) / 2), top);
  show();
  raise();
  QWidget* first = focus_ == PrintPanelOptions::Focus::Name ? name_ : nullptr;
  if (first == nullptr && !tabStops().isEmpty()) first = tabStops().first();
  if (first != nullptr) first->setFocus(Qt::OtherFocusReason);
}

void PrintPanel::close() {
  const bool hadFocus = isAncestorOf(QApplication::focusWidget());
  hide();
  if (QWidget* f = frame(); f != nullptr && !grown_.isNull()) {
    f->resize(f->size() - grown_);
    // Back where it stood, unless the user has moved it since.
    if (f->pos() == placedAt_) f->move(f->pos() - moved_);
  }
  grown_ = QSize(0, 0);
  moved_ = QPoint();
  Q_EMIT closed();
  // The keyboard goes back to where the panel was opened from ("&Print"), once
  // the window has enabled its buttons again.
  if (hadFocus && returnTo_ != nullptr && returnTo_->isEnabled() && returnTo_->isVisible()) {
    returnTo_->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace reventa
