// The two result panels of the travel allowance window, in the same place beside
// the inputs: the deemed-cost panel (no accurate records) with its distances, the
// fixed cost as a product of two fractions and the rates per kilometre, and the
// actual-cost panel (records kept) with its distances and costs. Each shows the
// shared result record; neither works anything out.
#pragma once

#include <QGroupBox>

#include "taxyear/shared_state.h"

namespace reventa {

class NumericField;

class DeemedCostPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit DeemedCostPanel(QWidget* parent);

  // The deemed-cost figures of the record; the fraction shows the period's days
  // over the year of 366 days.
  void showResults(const TravelClaimResults& results, double periodDays);
  // Every field 0, the four fraction fields included: the method did not run.
  void showZeros();

 private:
  NumericField* field(const QString& name) const;
};

class ActualCostPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit ActualCostPanel(QWidget* parent);

  void showResults(const TravelClaimResults& results);

 private:
  NumericField* field(const QString& name) const;
};

}  // namespace reventa
