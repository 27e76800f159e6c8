// SPDX-License-Identifier: GPL-3.0-or-later
// The travel allowance window (frmCarAll1): how much of a travel allowance may be
// claimed as business travel, by the deemed-cost method when no accurate records
// were kept and by the actual-cost method when they were. The inputs and results
// live in the shared travel state, so the window shows them again when it is
// reopened; only the two dates start from the whole tax year each time.
#pragma once

#include <array>

#include "frame/calculator_window.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;
class QStackedWidget;

namespace reventa {

class ActualCostPanel;
class DateField;
class DeemedCostPanel;
class NumericField;
class TravelEscapeMemory;
struct TravelAllowanceState;

class TravelAllowanceWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit TravelAllowanceWindow(AppContext& context);

  // "&Calculate": the period from the two dates, then the method the records
  // choose, on the shared travel state; the panels show the result. False when
  // a date still being typed is refused (its message is shown, nothing runs).
  bool calculate();

  double startDate() const;
  double endDate() const;

 protected:
  // Enter in a field, an option or a box: calculate and move on to "&OK".
  void enterPressed() override;
  bool beforePrint() override;
  std::optional<Report> report() override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The inputs' rows, top to bottom, into the grid.
  void buildInputs();
  void connectInputs();
  void loadState();
  // Enables the fields of the method and shows its panel.
  void applyMode();
  // The field's row of the grid: its caption, "R" and unit with it.
  void enableRow(QWidget* field, bool enabled);
  void showResults();
  // Wear and tear and lease payments exclude each other: the field that would
  // make both hold an amount goes back to 0.
  void checkSinglePayment(std::size_t amount, double value);
  TravelAllowanceState& travel() const;

  QGridLayout* grid_;
  QLineEdit* car_ = nullptr;
  QRadioButton* noRecords_ = nullptr;
  QRadioButton* recordsKept_ = nullptr;
  std::array<NumericField*, 11> amounts_{};  // silgEdit1 to silgEdit11
  DateField* start_ = nullptr;
  DateField* end_ = nullptr;
  NumericField* period_ = nullptr;
  QLineEdit* periodCover_ = nullptr;  // a blank box in its place while records are kept
  QCheckBox* includeFuel_ = nullptr;
  QCheckBox* includeMaintenance_ = nullptr;
  DeemedCostPanel* deemed_ = nullptr;
  ActualCostPanel* actual_ = nullptr;
  QStackedWidget* panels_ = nullptr;  // the panel of the chosen method in front
  TravelEscapeMemory* escape_ = nullptr;
  // True while the stored values are put into the fields: nothing is checked.
  bool loading_ = false;
};

}  // namespace reventa
