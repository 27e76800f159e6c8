// SPDX-License-Identifier: GPL-3.0-or-later
// The four salary package windows: net-to-gross (frmReventaAnn, frmReventaMon)
// finds the gross salary for a net pay wanted, gross-to-net (frmVeloxaAnn,
// frmVeloxaMon) the take-home pay of a package; both show the employer's total
// cost beside the employee's figures. One class serves all four; a PackageVariant
// says how they differ. The fields are described as data, bound to the
// variant's range table (PackageRanges) and laid out by the frame's Form; the
// setup panel is the frame's settings panel (package_setup.h).
#pragma once

#include <QString>
#include <array>

#include "calc/package/package.h"
#include "calc/package/ui/package_variant.h"
#include "frame/calculator_window.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace reventa {

class Form;
class NumericField;
class RetirementAnnuityPanel;
class SettingsPanel;
struct PackageCell;
struct PackageLine;
struct PackageSheet;

class PackageCalculatorWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  PackageCalculatorWindow(AppContext& context, const PackageVariant& variant);

  // "&Calculate": runs the package calculation on the window's values and shows
  // the result.
  void calculate();

  const PackageVariant& variant() const { return variant_; }
  // The window's copy of the inputs, settings included, as the next calculation
  // will read them.
  PackageInputs inputs() const;
  const PackageResult& result() const { return result_; }

 protected:
  bool beforePrint() override;
  std::optional<Report> report() override;

 private:
  NumericField* field(const char* name) const;
  void buildFigures(QGridLayout* grid);
  // The line's fields in the next row: `main` lays out the employee's column,
  // `cost` the cost-to-company column of the same block.
  void addLine(Form& main, Form& cost, const PackageLine& line);
  NumericField* addCell(Form& form, const PackageCell& cell);
  void addOtherExpenses(Form& main, Form& cost);
  void addOnceOffNote(QGridLayout* grid, int row, int column);
  void addAdditionalBeneficiaries();
  void show(const PackageResult& r);
  void setWarning(bool shown);
  void setCommandsEnabled(bool enabled, bool includingPrint);
  void openSettings();
  void saveSettings();
  void explainRetirementAnnuity();
  PackageSheet sheet() const;
  int panelTop() const;

  const PackageVariant& variant_;
  PackageInputs held_;  // every input field's value, as typed
  PackageResult result_;

  std::array<QLineEdit*, 4> otherExpenseText_{};
  std::array<NumericField*, 4> otherExpense_{};
  std::array<NumericField*, 4> otherExpenseCostToCompany_{};
  QLabel* warning_ = nullptr;
  QWidget* onceOffNote_ = nullptr;
  SettingsPanel* setupPanel_ = nullptr;
  RetirementAnnuityPanel* explainPanel_ = nullptr;
};

}  // namespace reventa
