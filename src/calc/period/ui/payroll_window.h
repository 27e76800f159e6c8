// SPDX-License-Identifier: GPL-3.0-or-later
// What the annual and the pay-period PAYE windows share: the four commands along
// the bottom ("&OK", "&Calculate", "&Settings", "&Print"), the information
// button, the settings panel (UIF, skills levy, UIF limit and the travel
// allowance inclusion rate), the print panel with the report language and the
// employee's name, and the general information panel. A window built on it lays
// out its own fields and supplies its calculation and its report.
#pragma once

#include <QString>
#include <cstdint>

#include "frame/calculator_window.h"
#include "frame/form.h"

class QGridLayout;
class QPushButton;

namespace reventa {

class PanelFrame;
class SettingsPanel;
struct SetupRecord;

class PayrollWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  // "&Calculate": runs the window's computation on its state and shows the result.
  virtual void calculate() = 0;

 protected:
  // nameLabel: "Employee name :" (annual) or "Employee name : " (pay periods).
  PayrollWindow(AppContext& context, const QString& objectName, const QString& caption,
                const QString& nameLabel);

  // The window's rows, top to bottom: a caption, an "R" before amounts, the field.
  Form& form() { return form_; }
  // The information button, beside the age.
  QPushButton* infoButton() const { return info_; }
  // The grid, then the commands; the tab order follows the rows.
  void finishLayout();
  // The grid, `body` below it taking the room the window has, then the commands
  // given (which include "&OK", "&Calculate", "&Settings" and "&Print"). The
  // print panel opens below `printAnchor`, over the body, rather than below the
  // commands, where a body that takes every bit of room leaves none.
  void finishLayout(QWidget* body, std::initializer_list<CommandEntry> commands,
                    QWidget* printAnchor);
  // "O&K" on the settings panel, once the settings are saved: calculates again.
  virtual void settingsConfirmed() { calculate(); }
  // The print panel's options, until finishLayout makes the panel.
  PrintPanelOptions& printOptions() { return printOptions_; }

  // Reads the five settings into the settings panel. A store that cannot be read
  // is reported once and the defaults are used.
  void loadSettings();
  // The settings as they stand in the panel (edits count at once).
  const SetupRecord& settings() const;

  // The print panel's choices.
  std::int16_t reportLanguage() const { return printPanel()->language(); }
  QString employeeName() const { return printPanel()->name(); }

 private:
  void openSettings();
  void confirmSettings();
  void setCommandsEnabled(bool enabled);

  QGridLayout* grid_;
  Form form_;
  QPushButton* info_;
  PrintPanelOptions printOptions_;
  SettingsPanel* settingsPanel_;
  PanelFrame* infoPanel_;
};

// The general information text of the payroll windows: the salary field includes
// fringe benefits but not the travel allowance, and how the retirement-fund
// deduction works.
QString PayrollInformationText();

}  // namespace reventa
