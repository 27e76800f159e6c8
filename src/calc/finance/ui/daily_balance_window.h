// The daily balance window (frmDayBal): simple interest on a capital amount for
// the days between two dates at an annual rate. The inputs live in the shared
// DailyBalanceState, so the window shows the last deposit, worked out again,
// whenever it is activated. Two spin buttons step the rate and the end date and
// work the interest out at once.
#pragma once

#include "calc/finance/daily_balance.h"
#include "calc/finance/ui/finance_window.h"

namespace reventa {

class DateField;
class SpinButtons;

class DailyBalanceWindow : public FinanceWindow {
  Q_OBJECT

 public:
  explicit DailyBalanceWindow(AppContext& context);
  ~DailyBalanceWindow() override;

  // Shows the shared capital, rate and dates and works the interest out, blank
  // dates included.
  void activated() override;

 protected:
  // "&Calculate": the interest, once both dates are given.
  void calculate() override;
  std::optional<Report> report() override;

 private:
  void connectFields();
  // The interest and the days on the shared deposit, shown.
  void computeAndShow();
  // A date field entered: its range follows the other date, within the 30-year span.
  void limitStart();
  void limitEnd();
  void onDateRefused(DateField* field, bool outOfRange, const QString& rejected);
  // The rate spin; `keyboard` keeps the focus where the step was asked for.
  void stepRate(bool up, bool keyboard);
  void stepEnd(bool up);
  bool isBlank(const DateField* field) const;
  DailyBalanceState& deposit() const;

  NumericField* capital_ = nullptr;   // numCapAmount
  DateField* start_ = nullptr;        // dtStartDate
  DateField* end_ = nullptr;          // dtEndDate
  NumericField* rate_ = nullptr;      // numIntRate
  NumericField* interest_ = nullptr;  // numAnsDB1
  NumericField* days_ = nullptr;      // numAnsDB2
  SpinButtons* rateSpin_ = nullptr;   // spRate
  SpinButtons* dateSpin_ = nullptr;   // spDate

  DailyBalanceResult result_;
  // The deposit the shown result was worked out on: the record prints the
  // figures that belong together.
  DailyBalanceState computedOn_;
  // The date fields' own range, for a date with no other date to follow.
  double anyDateMin_ = 0;
  double anyDateMax_ = 0;
  // While the window shows the shared values, the fields do not write them back.
  bool loading_ = false;
};

}  // namespace reventa
