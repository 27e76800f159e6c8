// The travel allowance window (frmCarAll1): how much of a travel allowance may be
// claimed as business travel, by the deemed-cost method when no accurate records
// were kept and by the actual-cost method when they were. The inputs and results
// live in the shared travel state, so the window shows them again when it is
// reopened; only the two dates start from the whole tax year each time.
#pragma once

#include <QString>
#include <array>

#include "frame/calculator_window.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
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
  bool beforePrint() override;
  std::optional<Report> report() override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The inputs' rows, top to bottom, into the grid.
  void buildInputs(QGridLayout* grid);
  void connectInputs();
  void loadState();
  // Enables the fields of the method and shows its panel.
  void applyMode();
  void showResults();
  void onDateRefused(DateField* field);
  // Wear and tear and lease payments exclude each other: the field that would
  // make both hold an amount goes back to 0.
  void checkSinglePayment(NumericField* changed, NumericField* other, double value, double& target);
  // Enter in a field: calculate and move on to "&OK".
  void calculateAndFocusOk();
  TravelAllowanceState& travel() const;

  QLineEdit* car_ = nullptr;
  QRadioButton* noRecords_ = nullptr;
  QRadioButton* recordsKept_ = nullptr;
  std::array<NumericField*, 11> amounts_{};  // silgEdit1 to silgEdit11
  std::array<QLabel*, 11> amountCaptions_{};
  std::array<QLabel*, 11> randMarks_{};  // null where the field is not in rand
  QLabel* ifKept_ = nullptr;
  DateField* start_ = nullptr;
  DateField* end_ = nullptr;
  QLabel* startCaption_ = nullptr;
  QLabel* endCaption_ = nullptr;
  QLabel* periodCaption_ = nullptr;
  NumericField* period_ = nullptr;
  QStackedWidget* periodCover_ = nullptr;
  QCheckBox* includeFuel_ = nullptr;
  QCheckBox* includeMaintenance_ = nullptr;
  DeemedCostPanel* deemed_ = nullptr;
  ActualCostPanel* actual_ = nullptr;
  QStackedWidget* panels_ = nullptr;  // the panel of the chosen method in front
  QPushButton* calculate_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* ok_ = nullptr;
  TravelEscapeMemory* escape_ = nullptr;
  // True while the stored values are put into the fields: nothing is checked.
  bool loading_ = false;
};

}  // namespace reventa
