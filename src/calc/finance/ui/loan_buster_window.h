// SPDX-License-Identifier: GPL-3.0-or-later
// The loan buster window (frmLoanBuster): the repayment and totals of a loan,
// then the shorter period, the repayment and totals when a fixed extra payment is
// added to every instalment, and the saving, with the outstanding balance of both
// drawn beside the figures. The principal, rate and extra payment are shared
// values, and so is the working repayment, which the loans window shows next.
#pragma once

#include <array>
#include <cstdint>

#include "calc/finance/loan_buster.h"
#include "calc/finance/ui/finance_window.h"

namespace reventa {

class ChartView;

class LoanBusterWindow : public FinanceWindow {
  Q_OBJECT

 public:
  explicit LoanBusterWindow(AppContext& context);

 protected:
  void calculate() override;
  std::optional<Report> report() override;

 private:
  void showResult();
  void showChart();

  LoanBusterState& buster() const;

  // The period typed in: the window's own, not shared.
  std::int16_t period_ = 0;
  // The last calculation; its second column stays when the extra payment is more
  // than ten times the repayment.
  LoanBusterResult result_;

  NumericField* extra_ = nullptr;  // numXtraPay
  // numMonRePay, numAns1_0, numAns1_1 and numAns1_7 without the extra payment;
  // numAns1_2, numAns2 and numAns1_3 .. numAns1_6 with it.
  std::array<NumericField*, 4> without_{};
  std::array<NumericField*, 6> with_{};
  ChartView* chart_ = nullptr;
};

}  // namespace reventa
