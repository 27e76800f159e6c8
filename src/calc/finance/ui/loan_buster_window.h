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

class QGridLayout;

namespace reventa {

class ChartView;

class LoanBusterWindow : public FinanceWindow {
  Q_OBJECT

 public:
  explicit LoanBusterWindow(AppContext& context);

  // Shows the shared principal, rate and extra payment and the window's period,
  // and calculates.
  void activated() override;

 protected:
  void calculate() override;
  std::optional<Report> report() override;

 private:
  void buildFields(QGridLayout* grid);
  void connectInputs();
  void showResult();
  void showChart();

  LoanBusterState& buster() const;

  // The period typed in: the window's own, not shared.
  std::int16_t period_ = 0;
  // The last calculation; its second column stays when the extra payment is more
  // than ten times the repayment.
  LoanBusterResult result_;

  NumericField* principal_ = nullptr;       // numPrinAmount
  NumericField* periodField_ = nullptr;     // numPeriod
  NumericField* rate_ = nullptr;            // numIntRate
  NumericField* repayment_ = nullptr;       // numMonRePay
  NumericField* extra_ = nullptr;           // numXtraPay
  NumericField* newPeriod_ = nullptr;       // numAns2
  std::array<NumericField*, 8> answers_{};  // numAns1_0 .. numAns1_7
  ChartView* chart_ = nullptr;
};

}  // namespace reventa
