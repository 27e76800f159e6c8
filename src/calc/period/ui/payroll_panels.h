// The three panels the annual and pay-period PAYE windows share: the settings
// panel (UIF, skills levy, UIF limit and the travel allowance inclusion rate), the
// print panel with the report language and the employee's name, and the general
// information panel. Each is a frame inside its window, hidden until opened.
#pragma once

#include <QFrame>
#include <QString>
#include <cstdint>

#include "frame/print_panel.h"
#include "store/settings_store.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace reventa {

class NumericField;

// The general information text of the payroll windows: the salary field includes
// fringe benefits but not the travel allowance, and how the retirement-fund
// deduction works.
QString PayrollInformationText();

// "Setup": the five settings of the payroll windows. Edits take effect in the
// record at once; "O&K" is the window's to handle (it saves and recalculates).
class PayrollSettingsPanel : public QFrame {
  Q_OBJECT

 public:
  explicit PayrollSettingsPanel(QWidget* parent);

  // Shows what was read from the settings store; the inclusion option is selected
  // only for a rate of exactly 0.8 or 0.2, any other rate is kept as stored.
  void setSettings(const SettingsRead& read);
  const SetupRecord& settings() const { return record_; }
  // The panel's fields that "O&K" saves: a default that stands in for a stored
  // value that could not be read is saved only when the user changes it.
  unsigned fieldsToSave() const { return FieldsToSave(loaded_, record_, kPayrollSetupFields); }
  // Takes the UIF limit as the field shows it (whole rand), as it is saved.
  void takeShownLimit();

  void showAt(int top);

 Q_SIGNALS:
  void confirmed();

 private:
  SettingsRead loaded_;
  SetupRecord record_;
  NumericField* employeeUif_;
  NumericField* employerUif_;
  NumericField* limit_;
  NumericField* skillLevy_;
  QRadioButton* rate80_;
  QRadioButton* rate20_;
};

// The print panel with the report language options and the employee's name.
class PayrollPrintPanel : public PrintPanel {
  Q_OBJECT

 public:
  // nameLabel: "Employee name :" (annual) or "Employee name : " (pay periods).
  PayrollPrintPanel(std::int16_t& destination, QWidget* parent, const QString& nameLabel);

  // 0 English, 1 Afrikaans, as the options stand.
  std::int16_t language() const;
  const QString& employeeName() const { return employeeName_; }

 private:
  QRadioButton* english_;
  QLineEdit* name_;
  QString employeeName_;
};

// "General Information" with the information text and its own "&OK".
class PayrollInfoPanel : public QFrame {
  Q_OBJECT

 public:
  explicit PayrollInfoPanel(QWidget* parent);
  void showAt(int top);
};

}  // namespace reventa
