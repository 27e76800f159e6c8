#include "frame/print_panel.h"

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
      focus_(options.focus) {
  view_->setObjectName(QStringLiteral("cmdVR"));
  print_->setObjectName(QStringLiteral("cmdPD"));
  cancel_->setObjectName(options.cancelName);
  if (options.languages) addLanguages();
  if (!options.nameCaption.isEmpty()) addName(options);
  if (options.schedule) addSchedule();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(view_);
  buttons->addWidget(print_);
  buttons->addWidget(cancel_);
  content()->addLayout(buttons);

  connect(view_, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(0); });
  connect(print_, &QPushButton::clicked, this, [this] { Q_EMIT printRequested(1); });
  connect(cancel_, &QPushButton::clicked, this, [this] {
    close();
    Q_EMIT cancelled();
  });
}

void PrintPanel::addLanguages() {
  english_ = new QRadioButton(QStringLiteral("&English print"), this);
  english_->setObjectName(QStringLiteral("Option1"));
  english_->setChecked(true);
  auto* afrikaans = new QRadioButton(QStringLiteral("&Afrikaans print"), this);
  afrikaans->setObjectName(QStringLiteral("Option2"));
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
  switch (focus_) {
    case PrintPanelOptions::Focus::View:
      view_->setFocus();
      break;
    case PrintPanelOptions::Focus::Print:
      print_->setFocus();
      break;
    case PrintPanelOptions::Focus::Name:
      name_->setFocus();
      break;
  }
}

void PrintPanel::close() {
  hide();
  if (grown_ > 0 && frame() != nullptr) {
    frame()->resize(frame()->width(), frame()->height() - grown_);
  }
  grown_ = 0;
  Q_EMIT closed();
}

}  // namespace reventa
