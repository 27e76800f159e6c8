// QuickTax: the income tax, rebates, tax commitment and average rates on the
// shared taxable income for an age. It recalculates whenever it becomes the active
// window, so it shows the taxable income of the last calculation of any
// calculator.
#pragma once

#include <array>

#include "calc/annual/quicktax.h"
#include "shell/calculator_window.h"

namespace reventa {

class NumericField;
class PrintPanel;

class KwikTaxWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit KwikTaxWindow(AppContext& context);

  void activated() override;
  // "&Calculate": takes the shared taxable income and recomputes.
  void calculate();
  const QuickTaxResult& result() const { return result_; }

 private:
  void print();
  void show(const QuickTaxResult& r);

  std::array<NumericField*, 10> fields_{};
  std::int16_t quickAge_ = 0;
  QuickTaxResult result_;
  PrintPanel* printPanel_;
};

}  // namespace reventa
