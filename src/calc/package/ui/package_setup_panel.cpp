#include "calc/package/ui/package_setup_panel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <tuple>

#include "calc/package/ui/package_fields.h"
#include "taxyear/tax_year.h"
#include "widgets/numeric_field.h"

namespace reventa {

PackageSetupPanel::PackageSetupPanel(const PackageVariant& variant, QWidget* parent)
    : QFrame(parent),
      limitPercentages_(variant.netToGross()),
      travel80_(new QRadioButton(QStringLiteral("80%"), this)),
      travel20_(new QRadioButton(QStringLiteral("20%"), this)),
      car80_(new QRadioButton(QStringLiteral("80%"), this)),
      car20_(new QRadioButton(QStringLiteral("20%"), this)),
      planYes_(new QRadioButton(QStringLiteral("Yes"), this)),
      planNo_(new QRadioButton(QStringLiteral("No"), this)),
      travelGroup_(new QButtonGroup(this)),
      carGroup_(new QButtonGroup(this)),
      planGroup_(new QButtonGroup(this)),
      ok_(new QPushButton(QStringLiteral("O&K"), this)),
      grid_(new QGridLayout) {
  setObjectName(QStringLiteral("fraSetup"));
  setAccessibleName(QStringLiteral("Setup"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);

  auto* title = new QLabel(QStringLiteral("Setup"), this);
  title->setObjectName(QStringLiteral("lblSetup"));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);

  employeePercent_ =
      addField("numPenContPerc", "Employee R/Fund contributions", &SetupRecord::PensionCont, true);
  employerPercent_ = addField("numPenPercentage", "Employer R/Fund contributions",
                              &SetupRecord::EmployerPenCont, true);
  addField("numEmpEUIF", "Employee UIF portion", &SetupRecord::EmployeeUIF, true);
  addField("numEmpRUIF", "Employer UIF portion", &SetupRecord::EmployerUIF, true);
  addField("numSkillPercent", "Skills levy", &SetupRecord::SkillLevy, true);
  NumericField* limit = addField("numUIFLimit", "UIF monthly limit", &SetupRecord::UIFLimit, false);
  limit->setDecimals(0);
  limit->setRange(0, PackageUifLimitMax);
  for (auto [name, caption, value] :
       {std::tuple{"numProvContPerc", "Employee provident contribution", &SetupRecord::ProvCont},
        std::tuple{"numCCProvContPerc", "Employer's provident contribution",
                   &SetupRecord::EmployerProvCont}}) {
    NumericField* f = addField(name, caption, value, false);
    f->setDecimals(3);
    f->setGrouped(false);
    f->setRange(0, PackagePercentMax);
    f->setKindName(QStringLiteral("Percentage"));
    grid_->addWidget(new QLabel(QStringLiteral("%"), this), row_ - 1, 2);
  }

  travel80_->setObjectName(QStringLiteral("optTAIncRate80"));
  travel20_->setObjectName(QStringLiteral("optTAIncRate20"));
  car80_->setObjectName(QStringLiteral("optCompCarFBRate80"));
  car20_->setObjectName(QStringLiteral("optCompCarFBRate20"));
  planYes_->setObjectName(QStringLiteral("optCompCarMPYes"));
  planNo_->setObjectName(QStringLiteral("optCompCarMPNo"));
  addOptionPair(variant.travelRateCaption, travel80_, travel20_, travelGroup_);
  addOptionPair("Company car fringe benefit rate ", car80_, car20_, carGroup_);
  addOptionPair("Company car has maintenance plan ", planYes_, planNo_, planGroup_);
  connect(travel80_, &QRadioButton::toggled, this,
          [this](bool on) { on ? void(values_.TAIncRate8020 = TravelInclusionHigh) : void(); });
  connect(travel20_, &QRadioButton::toggled, this,
          [this](bool on) { on ? void(values_.TAIncRate8020 = TravelInclusionLow) : void(); });
  connect(car80_, &QRadioButton::toggled, this,
          [this](bool on) { on ? void(values_.CompCarFBRate8020 = TravelInclusionHigh) : void(); });
  connect(car20_, &QRadioButton::toggled, this,
          [this](bool on) { on ? void(values_.CompCarFBRate8020 = TravelInclusionLow) : void(); });
  connect(planYes_, &QRadioButton::toggled, this,
          [this](bool on) { on ? void(values_.CompCarMPYesNo = true) : void(); });
  connect(planNo_, &QRadioButton::toggled, this,
          [this](bool on) { on ? void(values_.CompCarMPYesNo = false) : void(); });

  ok_->setObjectName(QStringLiteral("cmdSetupOK"));
  connect(ok_, &QPushButton::clicked, this, &PackageSetupPanel::accepted);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(grid_);
  layout->addLayout(buttons);
  hide();
}

NumericField* PackageSetupPanel::addField(const char* name, const char* caption,
                                          double SetupRecord::*value, bool percent) {
  auto* field = new NumericField(this);
  field->setObjectName(QString::fromLatin1(name));
  field->setAccessibleName(QString::fromUtf8(caption).trimmed());
  field->setMinimumWidth(90);
  auto* label = new QLabel(QString::fromUtf8(caption), this);
  label->setBuddy(field);
  grid_->addWidget(label, row_, 0);
  grid_->addWidget(field, row_, 1);
  if (percent) {
    field->setDecimals(3);
    field->setGrouped(false);
    field->setRange(0, PackagePercentMax);
    field->setKindName(QStringLiteral("Percentage"));
    // The text typed is read when the user leaves the field: its leading number,
    // or 0 when it has none ("12%" is 12, "abc" is 0); the field refuses a number
    // outside 0 to 100 as it is typed.
    field->setFreeText(true);
    grid_->addWidget(new QLabel(QStringLiteral("%"), this), row_, 2);
  }
  connect(field, &NumericField::valueChanged, this, [this, field, value](double v) {
    values_.*value = v;
    if (limitPercentages_ && (field == employeePercent_ || field == employerPercent_)) {
      applyPercentLimit();
    }
  });
  ++row_;
  return field;
}

void PackageSetupPanel::addOptionPair(const char* caption, QRadioButton* first,
                                      QRadioButton* second, QButtonGroup* group) {
  group->addButton(first);
  group->addButton(second);
  auto* label = new QLabel(QString::fromUtf8(caption), this);
  label->setBuddy(first);
  const QString name = QString::fromUtf8(caption).trimmed();
  first->setAccessibleName(name + QLatin1Char(' ') + first->text());
  second->setAccessibleName(name + QLatin1Char(' ') + second->text());
  auto* pair = new QHBoxLayout;
  pair->addWidget(first);
  pair->addWidget(second);
  pair->addStretch();
  grid_->addWidget(label, row_, 0);
  grid_->addLayout(pair, row_, 1, 1, 2);
  ++row_;
}

void PackageSetupPanel::selectNeither(QButtonGroup* group) {
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

void PackageSetupPanel::load(const SetupRecord& record) {
  const auto setField = [this](const char* name, double value) {
    findChild<NumericField*>(QString::fromLatin1(name))->setValue(value);
  };
  // Field by field, as typing them would: the 27.5 rule sees the two
  // retirement-fund percentages one after the other.
  setField("numPenContPerc", record.PensionCont);
  setField("numPenPercentage", record.EmployerPenCont);
  setField("numEmpEUIF", record.EmployeeUIF);
  setField("numEmpRUIF", record.EmployerUIF);
  setField("numSkillPercent", record.SkillLevy);
  setField("numUIFLimit", record.UIFLimit);
  setField("numProvContPerc", record.ProvCont);
  setField("numCCProvContPerc", record.EmployerProvCont);

  const auto setRate = [](double rate, QButtonGroup* group, QRadioButton* eighty,
                          QRadioButton* twenty) {
    switch (OptionForRate(rate)) {
      case RateOption::Eighty:
        eighty->setChecked(true);
        break;
      case RateOption::Twenty:
        twenty->setChecked(true);
        break;
      case RateOption::Neither:
        selectNeither(group);
        break;
    }
  };
  setRate(record.TAIncRate8020, travelGroup_, travel80_, travel20_);
  setRate(record.CompCarFBRate8020, carGroup_, car80_, car20_);
  (record.CompCarMPYesNo ? planYes_ : planNo_)->setChecked(true);
  // The rates are used as stored, whichever option they select.
  values_.TAIncRate8020 = record.TAIncRate8020;
  values_.CompCarFBRate8020 = record.CompCarFBRate8020;
  values_.CompCarMPYesNo = record.CompCarMPYesNo;
}

void PackageSetupPanel::applyPercentLimit() {
  if (!limitPercentages_) return;
  PackageInputs percentages;
  percentages.EmployeePct = values_.PensionCont;
  percentages.EmployerPct = values_.EmployerPenCont;
  if (!ApplyNetToGrossPercentLimit(percentages)) return;
  values_.PensionCont = percentages.EmployeePct;
  values_.EmployerPenCont = percentages.EmployerPct;
  employeePercent_->setValue(values_.PensionCont);
  employerPercent_->setValue(values_.EmployerPenCont);
}

void PackageSetupPanel::showAt(int top) {
  adjustSize();
  const int width = parentWidget() ? parentWidget()->width() : this->width();
  move(qMax(0, (width - this->width()) / 2), top);
  show();
  raise();
  employeePercent_->setFocus();
}

}  // namespace reventa
