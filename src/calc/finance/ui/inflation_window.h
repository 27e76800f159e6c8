// SPDX-License-Identifier: GPL-3.0-or-later
// The inflation window (frmInflation): a present cost carried over whole years at
// a constant annual rate, the future cost and the buying power of the present
// amount, with a chart of both year by year. The figures live in the shared
// inflation values, so every activation shows them and projects again; two spin
// buttons step the period and the rate.
#pragma once

#include "calc/finance/ui/finance_window.h"

class QLabel;

namespace reventa {

class ChartView;
struct InflationState;

class InflationWindow : public FinanceWindow {
  Q_OBJECT

 public:
  explicit InflationWindow(AppContext& context);

 protected:
  void calculate() override;
  std::optional<Report> report() override;

 private:
  // One step of a spin: the new value shown and held, projected again. A step
  // from a spin button leaves the focus on "&OK", one from the keyboard in the
  // field leaves it in the field, so that the key can be held down.
  void stepRate(bool up, bool fromKeyboard);
  void stepPeriod(bool up, bool fromKeyboard);
  void afterStep(bool fromKeyboard);
  void showChart();
  InflationState& inflation() const;

  NumericField* period_ = nullptr;       // numPeriod
  NumericField* rate_ = nullptr;         // numInflaRate
  NumericField* futureCost_ = nullptr;   // numAns1
  NumericField* buyingPower_ = nullptr;  // numAns2
  QLabel* tooLarge_ = nullptr;           // in place of numAns1
  ChartView* chart_ = nullptr;
};

}  // namespace reventa
