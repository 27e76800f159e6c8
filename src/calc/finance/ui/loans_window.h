// SPDX-License-Identifier: GPL-3.0-or-later
// The loans window (frmLoans): the four quantities of a loan with monthly
// repayments, one of them solved from the other three by the calculate mode.
// The loan and the mode live in the shared LoanState, so the window shows the
// last loan recalculated whenever it is activated; the schedules open in the
// grid panel and the report is printed from the print panel.
#pragma once

#include <QSize>
#include <array>

#include "calc/finance/loan.h"
#include "calc/finance/ui/finance_window.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QRadioButton;

namespace reventa {

class LoansGridPanel;

class LoansWindow : public FinanceWindow {
  Q_OBJECT

 public:
  explicit LoansWindow(AppContext& context);

  // Restores the mode's appearance, then shows the loan and recalculates.
  void activated() override;

 protected:
  // LoanCalc on the shared loan, the solved value into its field.
  void calculate() override;
  std::optional<Report> report() override;
  // Enter on a mode option, and the mouse on them (see chooseMode).
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildFields(QGridLayout* grid);
  QLayout* buildModes();
  // A mode option chosen: the new solved field, the focus; nothing calculated.
  void chooseMode(int mode);
  // The focus from the mode options to the first field to type.
  void leaveModes(Qt::FocusReason reason);
  // The solved field yellow, read-only and out of the tab order; the others
  // white and editable.
  void applyMode();
  void showTotals(bool shown);
  void toggleFinCharges();
  void fillTotals();
  void openSchedule(bool annual);
  // The window's frame grows to hold the schedule and shrinks back after.
  void fitFrame();
  int modeIndex() const;
  LoanState& loan() const;

  // In the window's order: principal, period, rate, repayment (the range table's).
  std::array<NumericField*, 4> fields_{};
  std::array<QRadioButton*, 4> modes_{};
  QButtonGroup* modeGroup_ = nullptr;
  NumericField* totalInterest_ = nullptr;    // numAns1
  NumericField* totalRepayments_ = nullptr;  // numAns2
  QList<QWidget*> totalsWidgets_;            // their two rows
  QLabel* rateError_ = nullptr;              // Text1
  QLabel* modeLabel_ = nullptr;              // Label12(1)
  LoansGridPanel* grid_ = nullptr;
  QSize closedSize_;                   // the frame's size before a panel opened
  bool modeClickedWithMouse_ = false;  // a mouse button went down on an option
};

}  // namespace reventa
