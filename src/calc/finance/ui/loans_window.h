// The loans window (frmLoans): the four quantities of a loan with monthly
// repayments, one of them solved from the other three by the calculate mode.
// The loan and the mode live in the shared LoanState, so the window shows the
// last loan recalculated whenever it is activated; the schedules open in the
// grid panel and the report is printed from the print panel.
#pragma once

#include <QSize>
#include <array>
#include <vector>

#include "calc/finance/loan.h"
#include "frame/calculator_window.h"
#include "store/reports/finance_reports.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;

namespace reventa {

class LoansGridPanel;
class NumericField;

class LoansWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit LoansWindow(AppContext& context);

  // Restores the mode's appearance, puts the three known values into their
  // fields and recalculates.
  void activated() override;
  // "&Calculate": LoanCalc on the shared loan, the result into its field.
  void calculate();

  // The four quantities in the order of the modes: repayment, principal,
  // period, rate (the field each mode solves).
  enum Quantity { kRepayment = 0, kPrincipal = 1, kPeriod = 2, kRate = 3 };

 protected:
  std::optional<Report> report() override;

 private:
  void buildFields(QGridLayout* grid);
  void connectFields();
  // A mode option chosen: the new solved field, the focus; nothing calculated.
  void chooseMode(int mode);
  // The solved field yellow, read-only and out of the tab order; the others
  // white and editable.
  void applyMode();
  void showResult(const LoanCalcResult& result);
  void showTotals(bool shown);
  void toggleFinCharges();
  void fillTotals();
  void openSchedule(bool annual);
  // The window's frame grows to hold the schedule and shrinks back after.
  void fitFrame();
  void refuse(NumericField* field, double maximum, const char* title, const char* text,
              const QString& rejected);
  int modeIndex() const;
  LoanState& loan() const;

  std::array<NumericField*, 4> fields_{};  // indexed by Quantity
  std::array<QRadioButton*, 4> modes_{};
  QButtonGroup* modeGroup_ = nullptr;
  NumericField* totalInterest_ = nullptr;    // numAns1
  NumericField* totalRepayments_ = nullptr;  // numAns2
  QList<QWidget*> totalsWidgets_;            // the two fields and their four labels
  QLabel* rateError_ = nullptr;              // Text1
  QLabel* modeLabel_ = nullptr;              // Label12(1)
  QPushButton* calculate_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* finCharges_ = nullptr;
  QPushButton* monthly_ = nullptr;
  QPushButton* annual_ = nullptr;
  QPushButton* print_ = nullptr;
  LoansGridPanel* grid_ = nullptr;
  QSize closedSize_;  // the frame's size before a panel opened
};

}  // namespace reventa
