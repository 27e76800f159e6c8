// SPDX-License-Identifier: GPL-3.0-or-later
// "Loan Scenarios" (frmLoanScenario): the loans window's loan, tried out with a
// list of changes — a new rate, a lump sum, an extra monthly payment — beside the
// loan as it stands: repayments, months, interest and the months and interest
// saved; the repayment and interest at rates around the loan's; the two balances
// on one chart; and the scenario's monthly schedule with the changes marked. The
// loan is copied from the loans window when this window opens and goes back to it
// only with "&Use in Loans".
#pragma once

#include "calc/finance/loan_scenario.h"
#include "calc/finance/ui/finance_window.h"

class QComboBox;
class QLabel;
class QTableWidget;
class QTabWidget;

namespace reventa {

class ChartView;
class NumericField;

class LoanScenarioWindow : public FinanceWindow {
  Q_OBJECT

 public:
  explicit LoanScenarioWindow(AppContext& context);

  const LoanScenarioInput& input() const { return input_; }
  const LoanScenarioResult& result() const { return result_; }
  QSize sizeHint() const override { return {1000, 600}; }
  // Nothing to show again on activation: the loan was copied when the window
  // opened, and the figures stand as last calculated. (A refused change would
  // otherwise be said again each time the window comes to the front.)
  void activated() override {}

 protected:
  void calculate() override;
  std::optional<Report> report() override;

 private:
  // The change the editor row describes.
  LoanChange editedChange() const;
  void showChange(const LoanChange& change);
  void kindChosen();
  void addChange();
  void replaceChange();
  void removeChange();
  void showChanges(int select = -1);
  void showResult();
  void useInLoans();
  QString refusal(const InputError& error) const;

  LoanScenarioInput input_;
  LoanScenarioInput calculated_;  // what the figures shown were worked out for
  LoanScenarioResult result_;

  NumericField* month_ = nullptr;
  QComboBox* kind_ = nullptr;
  NumericField* amount_ = nullptr;
  QComboBox* choice_ = nullptr;
  QTableWidget* changes_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QTableWidget* compare_ = nullptr;
  QTableWidget* rates_ = nullptr;
  ChartView* chart_ = nullptr;
  QTableWidget* schedule_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace reventa
