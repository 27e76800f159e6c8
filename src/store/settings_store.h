// SPDX-License-Identifier: GPL-3.0-or-later
// The user's preferences for the tax calculators: the one row of Setup in the
// settings store. Every window reads it when it opens and writes back, from its
// settings panel, only the fields it shows.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "taxyear/tax_year.h"

namespace reventa {

struct SetupRecord {
  double PensionCont = 0;          // employee retirement-fund contribution, %
  double EmployerPenCont = 0;      // employer retirement-fund contribution, %
  double EmployeeUIF = 1;          // %
  double EmployerUIF = 1;          // %
  double SkillLevy = 1;            // %
  double ProvCont = 0;             // employee provident fund contribution, %
  double EmployerProvCont = 0;     // employer provident fund contribution, %
  double UIFLimit = 17712;         // rand a month
  double TAIncRate8020 = 0.8;      // travel allowance inclusion rate
  double CompCarFBRate8020 = 0.8;  // company car fringe benefit inclusion rate
  bool CompCarMPYesNo = false;     // the company car has a maintenance plan
};

// The fields a window writes back.
enum SetupField : unsigned {
  kPensionCont = 1u << 0,
  kEmployerPenCont = 1u << 1,
  kEmployeeUIF = 1u << 2,
  kEmployerUIF = 1u << 3,
  kSkillLevy = 1u << 4,
  kProvCont = 1u << 5,
  kEmployerProvCont = 1u << 6,
  kUIFLimit = 1u << 7,
  kTAIncRate8020 = 1u << 8,
  kCompCarFBRate8020 = 1u << 9,
  kCompCarMPYesNo = 1u << 10,
};
// The five fields of the annual and pay-period windows' settings panel.
inline constexpr unsigned kPayrollSetupFields =
    kEmployeeUIF | kEmployerUIF | kSkillLevy | kUIFLimit | kTAIncRate8020;
// All eleven, shown by the package windows.
inline constexpr unsigned kAllSetupFields = (1u << 11) - 1;

struct SettingsRead {
  // The stored row. A field that cannot be used (missing, not a number, or outside
  // what its settings field accepts) holds its default instead, and so does every
  // field when the store cannot be read.
  SetupRecord record;
  // Why defaults are used, naming each setting concerned; said once per read.
  std::optional<QString> problem;
  // The fields whose stored values were refused and replaced by their defaults.
  // Saving them repairs the store, so a save writes them with the changed ones.
  unsigned rejectedFields = 0;
  // The file cannot serve as the settings store at all: it is not a store (or is
  // damaged), is empty, or lacks the Setup table or its row. Unlike a store in
  // use or read-only, it does not mend itself; setting it aside does.
  bool damaged = false;
};

SettingsRead ReadSettings(const QString& settingsDbPath);

struct SetAsideResult {
  QString keptAs;                  // where the damaged file now is
  std::optional<QString> problem;  // why it could not be set aside
};

// Moves a damaged settings store aside, beside it under a dated name
// ("Settings.db.damaged-2026-12-10-094500"), and puts a fresh copy of the
// application folder's pristine store in its place, as a first start does. Files
// SQLite keeps beside the store (its journal) go with it, so that nothing of the
// damaged store is applied to the fresh one. When any step fails, the damaged
// file is put back where it was and the problem is returned.
SetAsideResult SetAsideSettingsStore(const QString& settingsDbPath, const QString& appFolder,
                                     const QDateTime& now);
// Writes the chosen fields of the row; the others keep their stored values. With
// no field chosen the store is not opened at all.
std::optional<QString> WriteSettings(const QString& settingsDbPath, const SetupRecord& record,
                                     unsigned fields);

// The fields of `shown` that a settings panel's "O&K" saves: those the user
// changed from what the read gave, and those whose stored values were refused.
// A field left as read is never written, so a value saved meanwhile by another
// window or copy of the program is not overwritten with an older one.
unsigned FieldsToSave(const SettingsRead& loaded, const SetupRecord& edited, unsigned shown);

// Copies the chosen fields of `from` into `to`.
void CopySetupFields(const SetupRecord& from, unsigned fields, SetupRecord& to);

// Which option of an 80%/20% pair a stored rate selects: exactly 0.8 or 0.2, or
// neither (the rate is then used as stored).
enum class RateOption { Eighty, Twenty, Neither };
RateOption OptionForRate(double rate);

}  // namespace reventa
