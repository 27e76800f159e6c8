// SPDX-License-Identifier: GPL-3.0-or-later
// A pay-period PAYE window: monthly, fortnightly, weekly or daily, as its design
// says. The fields feed a PayPeriodInput as they change; "&Calculate" runs the
// period's computation on it and shows the PayPeriodResult.
#pragma once

#include "calc/period/pay_period.h"
#include "calc/period/ui/pay_period_design.h"
#include "calc/period/ui/payroll_window.h"

namespace reventa {

class DateField;
class NumericField;

class PayPeriodWindow : public PayrollWindow {
  Q_OBJECT

 public:
  PayPeriodWindow(AppContext& context, const PayPeriodDesign& design);

  void calculate() override;

  const PayPeriodDesign& design() const { return design_; }
  // The window's state, as the fields and the settings panel have set it.
  const PayPeriodInput& input() const { return input_; }
  // The last calculation that ran to the end, and the state it ran on.
  const PayPeriodResult& result() const { return result_; }
  const PayPeriodInput& calculatedInput() const { return calculated_; }

 protected:
  std::optional<Report> report() override;

 private:
  void showResult(const PayPeriodResult& r);
  QWidget* focusTarget(FocusTarget target) const;

  const PayPeriodDesign& design_;
  PayPeriodInput input_;
  PayPeriodInput calculated_;
  PayPeriodResult result_;

  DateField* start_ = nullptr;
  DateField* end_ = nullptr;
  NumericField* normalDays_ = nullptr;
  NumericField* thisDays_ = nullptr;
  NumericField* taxableTravel_ = nullptr;
  NumericField* allowable_ = nullptr;
  NumericField* uifEmployee_ = nullptr;
  NumericField* uifEmployer_ = nullptr;
  NumericField* sdl_ = nullptr;
  NumericField* periodTax_ = nullptr;
  NumericField* medCredit_ = nullptr;
  NumericField* addMedCredit_ = nullptr;
  NumericField* net_ = nullptr;
};

}  // namespace reventa
