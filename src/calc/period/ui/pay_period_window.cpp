// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/period/ui/pay_period_window.h"

#include <QGridLayout>
#include <QPushButton>

#include "store/reports/tax_reports.h"
#include "store/settings_store.h"
#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/date_field.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

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

// The looks of the rows.
FieldEntry Count(const char* name, const char* caption) {
  return {name, caption, "", "", FieldLook::Number, 0, 60, nullptr, false, Qt::AlignRight};
}
FieldEntry Amount(const char* name, const char* caption, const char* mark = "R") {
  return {name, caption, mark};
}
FieldEntry Result(const char* name, const char* caption, int decimals) {
  return {name, caption, "R", "", FieldLook::Amount, decimals};
}
FieldEntry Date(const char* name, const char* caption) {
  return {name, caption, "", "", FieldLook::Number, 0, 110, nullptr, false, Qt::AlignRight};
}

}  // namespace

PayPeriodWindow::PayPeriodWindow(AppContext& context, const PayPeriodDesign& design)
    : PayrollWindow(context, QString::fromLatin1(design.objectName),
                    QString::fromLatin1(design.caption), QStringLiteral("Employee name : ")),
      design_(design) {
  const BusyCursor busy;
  const RangeTable<PayPeriodInput> ranges = PayPeriodRanges(design.kind);
  const auto range = [ranges](const char* key) -> const InputField<PayPeriodInput>& {
    return *FindInput(ranges, key);
  };
  Form& f = form();
  f.input(Count(design.ageField, "Age"), range("Age"), input_);
  f.grid()->addWidget(infoButton(), 0, 3, Qt::AlignLeft);
  const std::pair<FieldEntry, const char*> amounts[] = {
      {Amount("numSalRemun", "Salary/remuneration"), "Salary"},
      {Amount("numEmpERMedAidCont", "Employer's med aid contrib."), "EmployerMedAid"},
      {Amount("numEmpEEMedAidCont", "Employee's med aid contrib."), "EmployeeMedAid"},
      {Amount("numEmpRRFundCont", " Employer's R/Fund contributions "), "RFundEmployer"},
      {Amount("numEmpERFundCont", "Employee's R/Fund contributions"), "RFundEmployee"},
      {Amount("numComm", "Commissions"), "Commission"},
      {Amount(design.bonusField, "Bonus"), "Bonus"},
      // The monthly travel allowance carries its "R" in its label.
      {Amount(design.travelField, design.travelLabel, design.hasDates() ? "" : "R"),
       "TravelAllowance"},
  };
  for (const auto& [entry, key] : amounts) f.input(entry, range(key), input_);
  if (design.hasDates()) {
    // The taxable part of the travel allowance, beside it.
    taxableTravel_ = f.makeResult(
        {"numMTAAns", "", "", "", FieldLook::Amount, 0, 110, "Taxable travel allowance"});
    f.grid()->addWidget(taxableTravel_, f.row() - 1, 3);
  }
  f.input(Count("numMedAidBens", "Medical aid fund beneficiaries"), range("Beneficiaries"), input_);

  if (design.hasDates()) {
    start_ = f.date(Date("dtMStartDate", "Start date"), range("StartDate"), input_);
    end_ = f.date(Date("dtMEndDate", "End date"), range("EndDate"), input_);
    setUpTaxYearDates(start_, end_, false);
  }

  f.line();
  allowable_ = f.result(Result("numAllowableRFundDed", "Allowable R/Fund deduction", 0));
  if (design.hasDayCounts()) {
    normalDays_ = f.input(Count("silgEdit21", design.normalDaysLabel), range("NormalDays"), input_);
    thisDays_ = f.input(Count("silgEdit22", design.thisDaysLabel), range("ThisDays"), input_);
  }
  uifEmployee_ = f.result(Result("numMAns1", "UIF contribution Employee", 2));
  uifEmployer_ = f.result(Result("numMAns2", "UIF contribution Employer", 2));
  sdl_ = f.result(Result("numMAns3", "S.D.L.", 2));
  periodTax_ = f.result(Result("numMAns", "Tax liability", 2));
  medCredit_ = f.result(Result("numTaxCredit", "Tax credits for beneficiaries", 2));
  addMedCredit_ = f.result(Result("numMTCForContri", "Tax credits for contributions", 2));
  net_ = f.result(Result("numTaxLiability", "Total tax deduction", 2));
  finishLayout();

  // Opening: the stored settings, the defaults of the fields, one calculation.
  loadSettings();
  if (design.hasDates()) {
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
  return command(QStringLiteral("cmdCalculate"));
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
    refuse(focusTarget(r.Error->Focus), QString::fromStdString(r.Error->Title),
           QString::fromStdString(r.Error->Text));
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

std::optional<Report> PayPeriodWindow::report() {
  const ShownFigures shown{uifEmployee_->shownValue(), uifEmployer_->shownValue(),
                           sdl_->shownValue()};
  return PayPeriodReport(design_.kind, reportLanguage(), employeeName(), calculated_, result_,
                         shown);
}

}  // namespace reventa
