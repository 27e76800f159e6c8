// SPDX-License-Identifier: GPL-3.0-or-later
// The two result panels of the travel allowance window, in the same place beside
// the inputs: the deemed-cost panel (no accurate records) with its distances, the
// fixed cost as a product of two fractions and the rates per kilometre, and the
// actual-cost panel (records kept) with its distances and costs. Each shows the
// shared result record; neither works anything out.
#pragma once

#include <QGroupBox>
#include <array>

#include "taxyear/shared_state.h"

namespace reventa {

class CalculatorWindow;
class NumericField;

class DeemedCostPanel : public QGroupBox {
 public:
  explicit DeemedCostPanel(CalculatorWindow& window);

  // The deemed-cost figures of the record; the fraction shows the period's days
  // over the year of 366 days.
  void showResults(const TravelClaimResults& results, double periodDays);
  // Every field 0, the four fraction fields included: the method did not run.
  void showZeros();

 private:
  std::array<NumericField*, 12> fields_{};  // in the order showResults fills them
};

class ActualCostPanel : public QGroupBox {
 public:
  explicit ActualCostPanel(CalculatorWindow& window);

  void showResults(const TravelClaimResults& results);

 private:
  std::array<NumericField*, 7> fields_{};  // sidbEdit2_0 to sidbEdit2_6
};

}  // namespace reventa
