// SPDX-License-Identifier: GPL-3.0-or-later
// QuickTax: the income tax, rebates, tax commitment and average rates on the
// shared taxable income for an age. It recalculates whenever it becomes the active
// window, so it shows the taxable income of the last calculation of any
// calculator.
#pragma once

#include <array>

#include "calc/annual/quicktax.h"
#include "frame/calculator_window.h"

namespace reventa {

class NumericField;

class QuickTaxWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit QuickTaxWindow(AppContext& context);

  void activated() override;
  // "&Calculate": takes the shared taxable income and recomputes.
  void calculate();
  const QuickTaxResult& result() const { return result_; }

 protected:
  std::optional<Report> report() override;

 private:
  void show(const QuickTaxResult& r);

  // sidbEdit1(0) to sidbEdit1(9): the income and the age, then the results.
  std::array<NumericField*, 10> fields_{};
  QuickTaxInput input_;
  QuickTaxResult result_;
};

}  // namespace reventa
