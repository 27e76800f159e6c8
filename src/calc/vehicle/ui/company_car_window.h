// SPDX-License-Identifier: GPL-3.0-or-later
// The company car window (frmCompCar): the register of the employee's company
// cars for the tax year, one car on screen at a time. The user adds cars, moves
// back and forward through them, deletes the one on screen and types its
// details; Calculate works out the fringe benefit of every car. The register
// lives in the shared state, so it outlives the window; the window only shows
// it, stores what is typed into the car on screen and enables its controls.
#pragma once

#include <QList>
#include <QPair>

#include "calc/vehicle/company_car.h"
#include "frame/calculator_window.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace reventa {

class DateField;
class Form;
class NumericField;
struct CarGroup;
struct CarRow;

class CompanyCarWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  explicit CompanyCarWindow(AppContext& context);

  // "&Calculate": the fringe benefit of every car, the car on screen shown.
  // False when a date being typed is refused first.
  bool calculate();
  void activated() override;

 protected:
  bool beforePrint() override;
  std::optional<Report> report() override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // company_car_form.cpp: the group boxes with their fields, each input joined
  // to the car on screen (or the register) it stores into.
  QGridLayout* buildForm();
  QGroupBox* buildGroup(const CarGroup& group);
  void addRow(Form& form, const CarRow& row);
  void connectFields();
  CompanyCarRegister& cars() const;
  CompanyCar& car() const;
  NumericField* number(const char* name) const;

  // Writes the stored values of the car on screen into the fields.
  void showCar();
  void showRun(const CompanyCarRun& run);
  // One run of the computation (not the Calculate command), shown.
  void compute();
  void setCaption();

  // The enabling rules: which controls a situation leaves enabled.
  void enableOnly(const QList<QWidget*>& enabled);
  void enableAll(bool navigation);
  void applyTypingRule();
  void applyNavigationRule();
  void keepSplitFieldDisabled();

  void addCar();
  // "&Back" and "&Forward": `step` moves through the register, which wraps round.
  void navigate(void (*step)(CompanyCarRegister&));
  void deleteCar();

  // The car's inputs and the fields that show them.
  QList<QPair<const InputField<CompanyCar>*, NumericField*>> numbers_;
  QList<QPair<const CarText*, QLineEdit*>> texts_;
  QList<QPair<std::int16_t CompanyCar::*, QCheckBox*>> flags_;
  // Every label, field and check box of the groups, for the enabling rules.
  QList<QWidget*> controls_;
  QLineEdit* regNumber_ = nullptr;
  QLabel* regNumberLabel_ = nullptr;
  DateField* startDate_ = nullptr;
  DateField* endDate_ = nullptr;
  NumericField* actual3802_ = nullptr;
  NumericField* fb3802ThisCar_ = nullptr;
  QCheckBox* sarsTable_ = nullptr;
  QCheckBox* autoCalc3802_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
  QPushButton* delete_ = nullptr;
  QPushButton* calculate_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* ok_ = nullptr;

  // The results of the last run, whose pay-period amounts a print reports.
  CompanyCarRun lastRun_;
  // While the window writes a car into its fields: nothing is stored back.
  bool showing_ = false;
  // A refused end date, until the end date field loses the focus: closing is
  // refused meanwhile.
  bool datesWrong_ = false;
};

}  // namespace reventa
