// SPDX-License-Identifier: GPL-3.0-or-later
// The "Setup" panel of the windows that read the settings store: its fields and
// option pairs described as data (which preferences of the Setup row, with what
// caption, marks and range), so the payroll windows and the package windows show
// their own sets on one panel. Every edit changes the panel's record at once;
// "O&K" is the window's to handle (it saves and recalculates).
#pragma once

#include <QList>
#include <span>

#include "frame/form.h"
#include "frame/panel_frame.h"
#include "store/settings_store.h"

class QButtonGroup;
class QGridLayout;
class QPushButton;
class QRadioButton;

namespace reventa {

struct SettingEntry {
  FieldEntry field;  // mark: before the field ("R"); unit: after it ("%")
  double SetupRecord::*member;
  InputRange range;
};

// Two options of one preference: 80%/20% of a rate, or Yes/No.
struct OptionPairEntry {
  const char* caption;
  const char* first;
  const char* firstName;
  const char* second;
  const char* secondName;
  // The option a record selects (0 first, 1 second, -1 neither), and what
  // choosing one writes into the record.
  int (*selected)(const SetupRecord&);
  void (*choose)(SetupRecord&, int option);
};

// The 80%/20% options of the travel allowance and company car rates: exactly
// 0.8 or 0.2 selects one; any other stored rate neither, and is used as stored.
int SelectedRate(double rate);

class SettingsPanel : public PanelFrame {
  Q_OBJECT

 public:
  // `shown`: the Setup fields (SetupField flags) the panel holds and saves.
  SettingsPanel(QWidget* window, const QString& objectName, std::span<const SettingEntry> settings,
                std::span<const OptionPairEntry> options, unsigned shown);

  // Shows what was read from the settings store.
  void load(const SettingsRead& read);
  const SetupRecord& values() const { return record_; }
  // Shows a value the window changed (the net-to-gross percentage rule).
  void setValue(double SetupRecord::*member, double value);
  // The fields "O&K" saves: those the user changed since the window read them,
  // and those whose stored values were refused (saving repairs them).
  unsigned fieldsToSave() const { return FieldsToSave(loaded_, record_, shown_); }
  // Takes the UIF limit as its field shows it (whole rand), as it is saved.
  void takeShownLimit();

  QPushButton* okButton() const { return ok_; }
  // Opens the panel centred at `top`, the focus in its first field.
  void showAt(int top);

 Q_SIGNALS:
  void accepted();
  // A field was edited (the record already holds the new value).
  void edited();

 private:
  struct Pair {
    const OptionPairEntry* entry;
    QRadioButton* first;
    QRadioButton* second;
  };
  void showOptions();

  unsigned shown_;
  SettingsRead loaded_;
  SetupRecord record_;
  QList<QPair<NumericField*, double SetupRecord::*>> fields_;
  QList<Pair> pairs_;
  QPushButton* ok_;
};

}  // namespace reventa
