// SPDX-License-Identifier: GPL-3.0-or-later
// The annual PAYE window: the employees' tax for the tax year or part of it, with
// the medical aid beneficiaries month by month. Its fields feed AnnualInputs as
// they change; "&Calculate" runs CalculateAnnual and shows the result, clearing the
// months that lie outside the period.
#pragma once

#include <array>

#include "calc/annual/annual_paye.h"
#include "calc/period/ui/payroll_window.h"

namespace reventa {

class DateField;
class NumericField;

class AnnualWindow : public PayrollWindow {
  Q_OBJECT

 public:
  explicit AnnualWindow(AppContext& context);

  void calculate() override;

  // The window's state, as the fields and the settings panel have set it.
  const AnnualInputs& inputs() const { return inputs_; }
  // The last calculation that ran to the end, and the state it ran on.
  const AnnualResult& result() const { return result_; }
  const AnnualInputs& calculatedInputs() const { return calculated_; }

 protected:
  std::optional<Report> report() override;

 private:
  QWidget* buildBeneficiaries();
  // A month count above 24 is reported and set to 24.
  void capMonth(int month);
  void duplicateMarch();
  void showResult(const AnnualResult& r);

  AnnualInputs inputs_;
  AnnualInputs calculated_;
  AnnualResult result_;

  std::array<NumericField*, 13> months_{};  // index = calendar month; 0 unused
  DateField* start_ = nullptr;
  DateField* end_ = nullptr;
  NumericField* allowable_ = nullptr;
  NumericField* taxLiability_ = nullptr;
  NumericField* medCredit_ = nullptr;
  NumericField* addMedCredit_ = nullptr;
  NumericField* total_ = nullptr;
  NumericField* paye_ = nullptr;
};

}  // namespace reventa
