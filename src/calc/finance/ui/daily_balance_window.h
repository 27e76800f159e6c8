// SPDX-License-Identifier: GPL-3.0-or-later
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

class DailyBalanceWindow : public FinanceWindow {
  Q_OBJECT

 public:
  explicit DailyBalanceWindow(AppContext& context);
  ~DailyBalanceWindow() override;

 protected:
  // The interest and the days on the shared deposit: none without both dates.
  void calculate() override;
  // "&Calculate" works the interest out once both dates are given.
  bool canCalculate() const override { return hasBothDates(); }
  std::optional<Report> report() override;

 private:
  // Shows the shared date in the field on activation; a date before 3 January
  // 1800 is the "no date" mark and shows blank, the shared date left as it is.
  void showSharedDate(DateField* field, std::int32_t DailyBalanceState::*date);
  // A date field entered: its range follows the other date, within the 30-year span.
  void limitStart();
  void limitEnd();
  void onDateRefused(DateField* field, bool outOfRange, const QString& rejected);
  // The rate spin; `keyboard` keeps the focus where the step was asked for.
  void stepRate(bool up, bool keyboard);
  void stepEnd(bool up);
  bool hasBothDates() const;
  DailyBalanceState& deposit() const;

  NumericField* capital_ = nullptr;   // numCapAmount
  DateField* start_ = nullptr;        // dtStartDate
  DateField* end_ = nullptr;          // dtEndDate
  NumericField* rate_ = nullptr;      // numIntRate
  NumericField* interest_ = nullptr;  // numAnsDB1
  NumericField* days_ = nullptr;      // numAnsDB2

  DailyBalanceResult result_;
  // The deposit the shown result was worked out on: the record prints the
  // figures that belong together.
  DailyBalanceState computedOn_;
};

}  // namespace reventa
