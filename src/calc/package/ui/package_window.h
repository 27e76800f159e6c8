// The four salary package windows: net-to-gross (frmReventaAnn, frmReventaMon)
// finds the gross salary for a net pay wanted, gross-to-net (frmVeloxaAnn,
// frmVeloxaMon) the take-home pay of a package; both show the employer's total
// cost beside the employee's figures. One class serves all four; a PackageVariant
// says how they differ.
#pragma once

#include <QString>
#include <array>

#include "calc/package/package.h"
#include "calc/package/ui/package_variant.h"
#include "frame/calculator_window.h"
#include "store/settings_store.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace reventa {

class NumericField;
class PackageSetupPanel;
class PrintPanel;
class RetirementAnnuityPanel;
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
  void buildMainArea(QGridLayout* grid);
  void connectInputs();
  void show(const PackageResult& r);
  void setWarning(bool shown);
  void setMainButtonsEnabled(bool enabled, bool includingPrint);
  void openSettings();
  void saveSettings();
  void explainRetirementAnnuity();
  PackageSheet sheet() const;
  int panelTop() const;

  const PackageVariant& variant_;
  PackageInputs held_;  // every input field's value, as typed
  std::array<QString, 4> otherExpenseText_;
  double otherExpensesCostToCompany_ = 0;  // kept beside the total; nothing reads it
  PackageResult result_;

  std::array<NumericField*, 4> otherExpense_{};
  std::array<NumericField*, 4> otherExpenseCostToCompany_{};
  QLabel* warning_ = nullptr;
  QWidget* onceOffNote_ = nullptr;
  QPushButton* calculateButton_ = nullptr;
  QPushButton* okButton_ = nullptr;
  QPushButton* settingsButton_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* explainButton_ = nullptr;
  PackageSetupPanel* setupPanel_ = nullptr;
  // What the settings store held when the window opened: only those settings and
  // the ones the user changes are saved, never a default over a stored value.
  SettingsRead loadedSettings_;
  RetirementAnnuityPanel* explainPanel_ = nullptr;
};

}  // namespace reventa
