// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/settings_panel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "taxyear/tax_year.h"

namespace reventa {

int SelectedRate(double rate) {
  switch (OptionForRate(rate)) {
    case RateOption::Eighty:
      return 0;
    case RateOption::Twenty:
      return 1;
    case RateOption::Neither:
      break;
  }
  return -1;
}

SettingsPanel::SettingsPanel(QWidget* window, const QString& objectName,
                             std::span<const SettingEntry> settings,
                             std::span<const OptionPairEntry> options, unsigned shown)
    : PanelFrame(window, objectName, QStringLiteral("Setup")),
      shown_(shown),
      ok_(new QPushButton(QStringLiteral("O&K"), this)) {
  heading()->setObjectName(QStringLiteral("lblSetup"));
  auto* grid = new QGridLayout;
  int row = 0;
  for (const SettingEntry& s : settings) {
    auto* field = new NumericField(this);
    field->setObjectName(QString::fromLatin1(s.field.name));
    field->setDecimals(s.range.Decimals);
    field->setRange(s.range.Min, s.range.Max);
    field->setGrouped(s.field.look == FieldLook::Amount);
    if (s.field.look == FieldLook::Rate) field->setKindName(QStringLiteral("Percentage"));
    field->setFreeText(s.field.freeText);
    field->setMaximumWidth(90);
    auto* caption = new QLabel(QString::fromUtf8(s.field.caption), this);
    caption->setBuddy(field);
    field->setAccessibleName(AccessibleName(caption->text()));
    grid->addWidget(caption, row, 0);
    grid->addWidget(new QLabel(QString::fromUtf8(s.field.mark), this), row, 1, Qt::AlignRight);
    grid->addWidget(field, row, 2);
    grid->addWidget(new QLabel(QString::fromUtf8(s.field.unit), this), row, 3);
    const auto member = s.member;
    connect(field, &NumericField::valueChanged, this, [this, member](double v) {
      record_.*member = v;
      Q_EMIT edited();
    });
    fields_.append({field, member});
    ++row;
  }
  for (const OptionPairEntry& o : options) {
    auto* first = new QRadioButton(QString::fromUtf8(o.first), this);
    first->setObjectName(QString::fromLatin1(o.firstName));
    auto* second = new QRadioButton(QString::fromUtf8(o.second), this);
    second->setObjectName(QString::fromLatin1(o.secondName));
    // An exclusive group that may start with neither option chosen (a stored rate
    // other than 0.8 or 0.2).
    auto* group = new QButtonGroup(this);
    group->addButton(first);
    group->addButton(second);
    auto* caption = new QLabel(QString::fromUtf8(o.caption), this);
    caption->setBuddy(first);
    const QString name = AccessibleName(caption->text());
    first->setAccessibleName(name + QLatin1Char(' ') + first->text());
    second->setAccessibleName(name + QLatin1Char(' ') + second->text());
    auto* pair = new QHBoxLayout;
    pair->addWidget(first);
    pair->addWidget(second);
    pair->addStretch();
    grid->addWidget(caption, row, 0);
    grid->addLayout(pair, row, 1, 1, 3);
    ++row;
    const OptionPairEntry* entry = &o;
    connect(first, &QRadioButton::toggled, this, [this, entry](bool on) {
      if (on) entry->choose(record_, 0);
    });
    connect(second, &QRadioButton::toggled, this, [this, entry](bool on) {
      if (on) entry->choose(record_, 1);
    });
    pairs_.append({entry, first, second});
  }
  grid->setColumnStretch(4, 1);
  ok_->setObjectName(QStringLiteral("cmdSetupOK"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  content()->addLayout(grid);
  content()->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, &SettingsPanel::accepted);
}

void SettingsPanel::load(const SettingsRead& read) {
  loaded_ = read;
  record_ = read.record;
  showOptions();
  // Field by field, as typing them would, so that a rule on the edits (the
  // net-to-gross percentages) sees them one after the other.
  for (const auto& [field, member] : fields_) field->setValue(read.record.*member);
}

void SettingsPanel::showOptions() {
  for (const Pair& p : pairs_) {
    // Showing the stored values must not run the option handlers, which would
    // replace a rate that selects neither option.
    const QSignalBlocker first(p.first);
    const QSignalBlocker second(p.second);
    const int selected = p.entry->selected(record_);
    p.first->group()->setExclusive(false);
    p.first->setChecked(selected == 0);
    p.second->setChecked(selected == 1);
    p.first->group()->setExclusive(true);
  }
}

void SettingsPanel::setValue(double SetupRecord::*member, double value) {
  record_.*member = value;
  for (const auto& [field, m] : fields_) {
    if (m == member) field->setValue(value);
  }
}

void SettingsPanel::takeShownLimit() {
  for (const auto& [field, member] : fields_) {
    if (member == &SetupRecord::UIFLimit) record_.UIFLimit = field->shownValue();
  }
}

void SettingsPanel::showAt(int top) {
  showCentred(top);
  if (!fields_.isEmpty()) fields_.first().first->setFocus();
}

}  // namespace reventa
