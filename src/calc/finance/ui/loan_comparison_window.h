// SPDX-License-Identifier: GPL-3.0-or-later
// The loan comparison window (frmLoanComp): one bond amount at one annual rate
// over the six terms of 5 to 30 years, each with its level monthly repayment,
// total interest and total paid, in a grid and as a chart of capital and
// interest. The amount and rate are shared values, so every activation shows
// them and recalculates; "&Print" writes the six rows of the last calculation.
#pragma once

#include "calc/finance/loan_comparison.h"
#include "calc/finance/ui/finance_window.h"

class QTableWidget;

namespace reventa {

class ChartView;

class LoanComparisonWindow : public FinanceWindow {
  Q_OBJECT

 public:
  explicit LoanComparisonWindow(AppContext& context);

 protected:
  void calculate() override;
  std::optional<Report> report() override;

 private:
  QTableWidget* buildGrid();
  // Column widths from the grid's design, widened where the widest figure a
  // bond within the fields' limits can give would not fit.
  void sizeGrid();
  void showRows();
  void showChart();

  QTableWidget* grid_ = nullptr;  // grdPayments
  ChartView* chart_ = nullptr;
  // The last calculation: the bond it was made for and its six rows, which the
  // grid shows and "&Print" writes.
  double calculatedAmount_ = 0;
  float calculatedRate_ = 0;
  BondComparison rows_{};
};

}  // namespace reventa
