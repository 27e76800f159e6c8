#include "calc/period/ui/pay_period_window.h"

#include <QGridLayout>
#include <QPushButton>

#include "shell/print_report.h"
#include "store/reports/tax_reports.h"
#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/date_field.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

// The largest amounts the fields take: eight-digit whole rands, or rand and cents.
constexpr double kMaxWholeRand = 99999999;
constexpr double kMaxRandAndCents = 9999999.99;
const QString kDateTitle = QStringLiteral("Incorrect Date");

const bool kMonthly = RegisterCalculatorWindow(QStringLiteral("frmMonthly"), [](AppContext& c) {
  return new PayPeriodWindow(c, MonthlyDesign());
});
const bool kFortnightly = RegisterCalculatorWindow(
    QStringLiteral("frmFortNight"),
    [](AppContext& c) { return new PayPeriodWindow(c, FortnightlyDesign()); });
const bool kWeekly = RegisterCalculatorWindow(QStringLiteral("frmWeekly"), [](AppContext& c) {
  return new PayPeriodWindow(c, WeeklyDesign());
});
const bool kDaily = RegisterCalculatorWindow(QStringLiteral("frmDaily"), [](AppContext& c) {
  return new PayPeriodWindow(c, DailyDesign());
});

}  // namespace

PayPeriodWindow::PayPeriodWindow(AppContext& context, const PayPeriodDesign& design)
    : PayrollWindow(context, QString::fromLatin1(design.objectName),
                    QString::fromLatin1(design.caption), QStringLiteral("Employee name : "), {}),
      design_(design) {
  const BusyCursor busy;
  const bool whole = design.wholeRandAmounts();

  age_ = addCountRow(QString::fromLatin1(design.ageField), QStringLiteral("Age"), 999);
  fieldGrid()->addWidget(infoButton(), 0, 3, Qt::AlignLeft);
  addToTabOrder(infoButton());
  connect(age_, &NumericField::valueChanged, this,
          [this](double v) { input_.Age = ToInt16(v).value_or(0); });

  struct Amount {
    QString name;
    QString label;
    double PayPeriodInput::*target;
    bool wholeRand;
    bool rand;
  };
  const Amount amounts[] = {
      {QStringLiteral("numSalRemun"), QStringLiteral("Salary/remuneration"),
       &PayPeriodInput::Salary, whole, true},
      {QStringLiteral("numEmpERMedAidCont"), QStringLiteral("Employer's med aid contrib."),
       &PayPeriodInput::EmployerMedAid, whole, true},
      {QStringLiteral("numEmpEEMedAidCont"), QStringLiteral("Employee's med aid contrib."),
       &PayPeriodInput::EmployeeMedAid, whole, true},
      {QStringLiteral("numEmpRRFundCont"), QStringLiteral(" Employer's R/Fund contributions "),
       &PayPeriodInput::RFundEmployer, true, true},
      {QStringLiteral("numEmpERFundCont"), QStringLiteral("Employee's R/Fund contributions"),
       &PayPeriodInput::RFundEmployee, true, true},
      {QStringLiteral("numComm"), QStringLiteral("Commissions"), &PayPeriodInput::Commission, whole,
       true},
      {QString::fromLatin1(design.bonusField), QStringLiteral("Bonus"), &PayPeriodInput::Bonus,
       whole, true},
      // The monthly travel allowance carries its "R" in its label.
      {QString::fromLatin1(design.travelField), QString::fromLatin1(design.travelLabel),
       &PayPeriodInput::TravelAllowance, whole, !design.hasDates()},
  };
  for (const Amount& a : amounts) {
    NumericField* f = addAmountRow(a.name, a.label, a.rand);
    f->setDecimals(a.wholeRand ? 0 : 2);
    f->setRange(0, a.wholeRand ? kMaxWholeRand : kMaxRandAndCents);
    const auto target = a.target;
    connect(f, &NumericField::valueChanged, this, [this, target](double v) { input_.*target = v; });
  }
  if (design.hasDates()) {
    // The taxable part of the travel allowance, beside it.
    taxableTravel_ = new NumericField(this);
    taxableTravel_->setObjectName(QStringLiteral("numMTAAns"));
    taxableTravel_->setOutput(true);
    taxableTravel_->setDecimals(0);
    taxableTravel_->setMinimumWidth(110);
    taxableTravel_->setAccessibleName(QStringLiteral("Taxable travel allowance"));
    fieldGrid()->addWidget(taxableTravel_, fieldGrid()->rowCount() - 1, 3);
  }

  beneficiaries_ = addCountRow(QStringLiteral("numMedAidBens"),
                               QStringLiteral("Medical aid fund beneficiaries"), 99);
  connect(beneficiaries_, &NumericField::valueChanged, this,
          [this](double v) { input_.Beneficiaries = ToInt16(v).value_or(0); });

  if (design.hasDates()) {
    start_ = addDateRow(QStringLiteral("dtMStartDate"), QStringLiteral("Start date"));
    end_ = addDateRow(QStringLiteral("dtMEndDate"), QStringLiteral("End date"));
    connect(start_, &DateField::valueChanged, this,
            [this](double serial) { input_.StartDate = serial; });
    connect(end_, &DateField::valueChanged, this,
            [this](double serial) { input_.EndDate = serial; });
    connect(start_, &DateField::refused, this, [this] {
      showError(kDateTitle, QString::fromStdString(TaxYearDateMessage()), start_);
    });
    connect(end_, &DateField::refused, this, [this] {
      showError(kDateTitle, QString::fromStdString(TaxYearDateMessage(start_->value())), end_);
    });
  }

  addSeparator();
  allowable_ = addResultRow(QStringLiteral("numAllowableRFundDed"),
                            QStringLiteral("Allowable R/Fund deduction"), 0);
  if (design.hasDayCounts()) {
    normalDays_ = addCountRow(QStringLiteral("silgEdit21"),
                              QString::fromLatin1(design.normalDaysLabel), design.maxDays);
    thisDays_ = addCountRow(QStringLiteral("silgEdit22"), QString::fromLatin1(design.thisDaysLabel),
                            design.maxDays);
    connect(normalDays_, &NumericField::valueChanged, this,
            [this](double v) { input_.NormalDays = v; });
    connect(thisDays_, &NumericField::valueChanged, this,
            [this](double v) { input_.ThisDays = v; });
  }
  uifEmployee_ =
      addResultRow(QStringLiteral("numMAns1"), QStringLiteral("UIF contribution Employee"), 2);
  uifEmployer_ =
      addResultRow(QStringLiteral("numMAns2"), QStringLiteral("UIF contribution Employer"), 2);
  sdl_ = addResultRow(QStringLiteral("numMAns3"), QStringLiteral("S.D.L."), 2);
  periodTax_ = addResultRow(QStringLiteral("numMAns"), QStringLiteral("Tax liability"), 2);
  medCredit_ = addResultRow(QStringLiteral("numTaxCredit"),
                            QStringLiteral("Tax credits for beneficiaries"), 2);
  addMedCredit_ = addResultRow(QStringLiteral("numMTCForContri"),
                               QStringLiteral("Tax credits for contributions"), 2);
  net_ = addResultRow(QStringLiteral("numTaxLiability"), QStringLiteral("Total tax deduction"), 2);
  finishLayout();

  // Opening: the stored settings, the defaults of the fields, one calculation.
  loadSettings();
  if (design.hasDates()) {
    start_->setRange(TaxYearStart, TaxYearEnd);
    end_->setRange(TaxYearStart, TaxYearEnd);
    start_->setValue(TaxYearStart);
    end_->setValue(MonthlyDefaultEndDate);
  }
  if (design.hasDayCounts()) {
    normalDays_->setValue(design.maxDays);
    thisDays_->setValue(design.maxDays);
  }
  calculate();
}

QWidget* PayPeriodWindow::focusTarget(FocusTarget target) const {
  switch (target) {
    case FocusTarget::StartDate:
      return start_;
    case FocusTarget::EndDate:
      return end_;
    case FocusTarget::ThisDays:
      return thisDays_;
    case FocusTarget::CalculateButton:
      break;
  }
  return calculateButton();
}

void PayPeriodWindow::calculate() {
  // A date still being typed is checked first, as leaving the field would.
  if (start_ != nullptr && (!start_->commit() || !end_->commit())) return;
  const SetupRecord& s = settings();
  input_.EmployeeUIF = s.EmployeeUIF;
  input_.EmployerUIF = s.EmployerUIF;
  input_.SkillLevy = s.SkillLevy;
  input_.UIFLimit = s.UIFLimit;
  input_.InclusionRate = s.TAIncRate8020;
  PayPeriodResult r;
  {
    const BusyCursor busy;
    r = design_.compute(input_);
  }
  if (r.Error) {
    // The previous results stay on screen.
    showError(QString::fromStdString(r.Error->Title), QString::fromStdString(r.Error->Text),
              focusTarget(r.Error->Focus));
    return;
  }
  calculated_ = input_;
  result_ = r;
  SharedState& state = context().state;
  state.TaxableIncome = r.LastTaxableIncome;
  state.IncomeTax = r.LastIncomeTax;
  showResult(r);
}

void PayPeriodWindow::showResult(const PayPeriodResult& r) {
  // The two whole-rand fields round half to even as they show.
  allowable_->setValue(r.RFundAllowable);
  if (taxableTravel_ != nullptr) taxableTravel_->setValue(r.TaxableTravelAllowance);
  uifEmployee_->setValue(r.UifEmployee);
  uifEmployer_->setValue(r.UifEmployer);
  sdl_->setValue(r.SdlAmount);
  periodTax_->setValue(r.PeriodTax);
  medCredit_->setValue(r.MedCredit);
  addMedCredit_->setValue(r.AddMedCredit);
  net_->setValue(r.NetPeriodTax);
}

void PayPeriodWindow::writeReport() {
  const ShownFigures shown{uifEmployee_->shownValue(), uifEmployer_->shownValue(),
                           sdl_->shownValue()};
  PrintReport(
      context(), this,
      PayPeriodReport(design_.kind, reportLanguage(), employeeName(), calculated_, result_, shown));
}

}  // namespace reventa
