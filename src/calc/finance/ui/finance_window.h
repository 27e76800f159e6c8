// What the loan buster, loan comparison, daily balance and inflation windows
// share: their fields described as data (caption, mark, unit, decimals, range and
// the message a value outside the range gets), the "&Calculate", "&Print" and
// "&OK" buttons, the print panel that opens below them once the report record is
// written, and a chart beside the figures. Each window supplies its fields, its
// calculation and its record.
#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

#include "frame/calculator_window.h"
#include "store/report.h"

class QGridLayout;
class QLayout;
class QPushButton;

namespace reventa {

class NumericField;
class PrintPanel;
class SpinButtons;

// One field of a finance window and the row it sits in.
struct FinanceField {
  const char* name;     // numPrinAmount ...
  const char* caption;  // the label before it
  const char* mark;     // ": R", ":" or "R" between the label and the field
  const char* unit;     // after the field ("% p.a."), or ""
  int decimals;
  double minimum;
  double maximum;
  bool output = false;
  // The message for a value typed outside the range (null: refused silently).
  const char* rangeTitle = nullptr;
  const char* rangeText = nullptr;
};

class FinanceWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  // The window's calculation, with the busy pointer; "&Calculate" and Enter in an
  // input field run it.
  void recalculate();

  QPushButton* calculateButton() const { return calculate_; }
  QPushButton* printButton() const { return print_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  FinanceWindow(AppContext& context, const QString& objectName, const QString& caption);

  virtual void calculate() = 0;
  // The report "&Print" writes, or nothing when there is nothing to print (the
  // focus then moves to "&OK").
  std::optional<Report> report() override = 0;

  // Makes the field with its label, mark and unit in `row` of `grid`, columns
  // `column` to `column` + 3: the label's buddy, the accessible name, Enter
  // calculating, and the range message with the focus back in the field.
  NumericField* addField(QGridLayout* grid, int row, int column, const FinanceField& design);
  // Lays out the window: `form` at the top with `side` (a chart) beside it, the
  // buttons below and the print panel's room under them. Made last, so that the
  // buttons follow the fields in the tab order.
  void setForm(QLayout* form, QWidget* side = nullptr);
  // Spin buttons that step `field`: named, with accessible names, reached with Tab.
  // A click, Space on a spin button and the Up and Down keys in the field all run
  // `step(up, fromKeyboard)`; fromKeyboard is false for a click only.
  using Step = std::function<void(bool up, bool fromKeyboard)>;
  SpinButtons* addSpin(const char* name, const QString& label, QWidget* field, Step step);
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A beep (a spin step refused or wrapped).
  void beep();

 private:
  QHash<QObject*, Step> steps_;  // the fields the arrow keys step
  QPushButton* calculate_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* ok_ = nullptr;
};

}  // namespace reventa
