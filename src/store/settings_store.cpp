// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cmath>

#include "store/app_paths.h"
#include "store/table_store.h"
#include "taxyear/settings_ranges.h"
#include "taxyear/tax_year.h"

namespace reventa {
namespace {

const QString kTable = QStringLiteral("Setup");
const QString kKind = QStringLiteral("settings store");
const QString kPlanField = QStringLiteral("CompCarMPYesNo");

// Each numeric preference with the range its settings field accepts.
struct FieldDef {
  SetupField flag;
  const char* name;
  double SetupRecord::*number;
  double minimum;
  double maximum;
};

constexpr FieldDef kNumbers[] = {
    {kPensionCont, "PensionCont", &SetupRecord::PensionCont, 0, SettingPercentRange.Max},
    {kEmployerPenCont, "EmployerPenCont", &SetupRecord::EmployerPenCont, 0,
     SettingPercentRange.Max},
    {kEmployeeUIF, "EmployeeUIF", &SetupRecord::EmployeeUIF, 0, SettingPercentRange.Max},
    {kEmployerUIF, "EmployerUIF", &SetupRecord::EmployerUIF, 0, SettingPercentRange.Max},
    {kSkillLevy, "SkillLevy", &SetupRecord::SkillLevy, 0, SettingPercentRange.Max},
    {kProvCont, "ProvCont", &SetupRecord::ProvCont, 0, SettingPercentRange.Max},
    {kEmployerProvCont, "EmployerProvCont", &SetupRecord::EmployerProvCont, 0,
     SettingPercentRange.Max},
    {kUIFLimit, "UIFLimit", &SetupRecord::UIFLimit, 0, SettingUifLimitRange.Max},
    {kTAIncRate8020, "TAIncRate8020", &SetupRecord::TAIncRate8020, SettingInclusionRateRange.Min,
     SettingInclusionRateRange.Max},
    {kCompCarFBRate8020, "CompCarFBRate8020", &SetupRecord::CompCarFBRate8020,
     SettingInclusionRateRange.Min, SettingInclusionRateRange.Max},
};

// The stored value as the user would recognise it in the store.
QString Shown(const QVariant& value) {
  if (value.isNull()) return QStringLiteral("empty");
  bool number = false;
  const double v = value.toDouble(&number);
  if (number && value.typeId() != QMetaType::QString) return QString::number(v, 'g', 17);
  return QLatin1Char('"') + value.toString() + QLatin1Char('"');
}

// The number a stored field holds, when it is one the field accepts.
std::optional<double> Accepted(const QVariant& value, double minimum, double maximum) {
  if (value.isNull()) return std::nullopt;
  bool ok = false;
  const double v = value.toDouble(&ok);
  if (!ok || !std::isfinite(v) || v < minimum || v > maximum) return std::nullopt;
  return v;
}

QString Number(double v) { return QString::number(v, 'g', 17); }

}  // namespace

SettingsRead ReadSettings(const QString& settingsDbPath) {
  SettingsRead read;
  const auto row = TableStore(settingsDbPath, kKind).ReadFirstRowOrFailure(kTable);
  if (const auto* failure = std::get_if<StoreFailure>(&row)) {
    read.problem = failure->text;
    read.damaged = failure->damaged;
    return read;
  }
  const QVariantMap& values = std::get<QVariantMap>(row);
  QStringList missing;
  QStringList rejected;
  for (const FieldDef& f : kNumbers) {
    const QString name = QString::fromLatin1(f.name);
    if (!values.contains(name)) {
      missing << name;
      continue;
    }
    // A value the field would refuse is not used, not even for one calculation:
    // the default stands in until the user saves the settings.
    const QVariant& value = values[name];
    if (const auto v = Accepted(value, f.minimum, f.maximum)) {
      read.record.*f.number = *v;
    } else {
      read.rejectedFields |= f.flag;
      rejected << QStringLiteral("%1 = %2 (accepted: %3 to %4; %5 is used)")
                      .arg(name, Shown(value), Number(f.minimum), Number(f.maximum),
                           Number(SetupRecord{}.*f.number));
    }
  }
  if (!values.contains(kPlanField)) {
    missing << kPlanField;
  } else {
    const QVariant& plan = values[kPlanField];
    bool ok = false;
    const int yes = plan.toInt(&ok);
    if (plan.isNull() || !ok) {
      read.rejectedFields |= kCompCarMPYesNo;
      rejected << QStringLiteral("%1 = %2 (accepted: 0 or 1; %3 is used)")
                      .arg(
                          kPlanField, Shown(plan),
                          SetupRecord{}.CompCarMPYesNo ? QStringLiteral("1") : QStringLiteral("0"));
    } else {
      read.record.CompCarMPYesNo = yes != 0;
    }
  }
  QStringList problems;
  if (!rejected.isEmpty()) {
    problems << QStringLiteral(
                    "The settings store holds settings outside what the settings accept. "
                    "Their defaults are used until the settings are saved:\n") +
                    rejected.join(QLatin1Char('\n'));
  }
  if (!missing.isEmpty()) {
    problems << QStringLiteral("The settings store lacks the fields %1; their defaults are used.")
                    .arg(missing.join(QStringLiteral(", ")));
  }
  if (!problems.isEmpty()) {
    read.problem = problems.join(QStringLiteral("\n\n")) + QLatin1Char('\n') + settingsDbPath;
  }
  return read;
}

std::optional<QString> WriteSettings(const QString& settingsDbPath, const SetupRecord& record,
                                     unsigned fields) {
  FieldList values;
  for (const FieldDef& f : kNumbers) {
    if (fields & f.flag) values.append({QString::fromLatin1(f.name), record.*f.number});
  }
  if (fields & kCompCarMPYesNo) values.append({kPlanField, record.CompCarMPYesNo ? 1 : 0});
  if (values.isEmpty()) return std::nullopt;
  return TableStore(settingsDbPath, kKind).WriteRow(kTable, values);
}

SetAsideResult SetAsideSettingsStore(const QString& settingsDbPath, const QString& appFolder,
                                     const QDateTime& now) {
  SetAsideResult result;
  const QString dated = settingsDbPath + QStringLiteral(".damaged-") +
                        now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
  result.keptAs = dated;
  for (int n = 2; QFileInfo::exists(result.keptAs); ++n) {
    result.keptAs = dated + QLatin1Char('-') + QString::number(n);
  }
  // The store first, then whatever SQLite left beside it; undone in reverse.
  QList<QPair<QString, QString>> moved;
  const auto undo = [&moved] {
    for (auto it = moved.crbegin(); it != moved.crend(); ++it) QFile::rename(it->second, it->first);
  };
  for (const QString& suffix :
       {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
    const QString from = settingsDbPath + suffix;
    if (!suffix.isEmpty() && !QFileInfo::exists(from)) continue;
    QFile file(from);
    if (!file.rename(result.keptAs + suffix)) {
      undo();
      result.problem = QStringLiteral("The damaged settings store could not be set aside (%1):\n%2")
                           .arg(file.errorString(), from);
      return result;
    }
    moved.append({from, result.keptAs + suffix});
  }
  if (auto problem = CopyPristineStore(appFolder, kSettingsStoreName, settingsDbPath)) {
    QFile::remove(settingsDbPath);
    undo();
    result.problem = *problem;
  }
  return result;
}

unsigned FieldsToSave(const SettingsRead& loaded, const SetupRecord& edited, unsigned shown) {
  unsigned changed = 0;
  for (const FieldDef& f : kNumbers) {
    if (edited.*f.number != loaded.record.*f.number) changed |= f.flag;
  }
  if (edited.CompCarMPYesNo != loaded.record.CompCarMPYesNo) changed |= kCompCarMPYesNo;
  return shown & (loaded.rejectedFields | changed);
}

void CopySetupFields(const SetupRecord& from, unsigned fields, SetupRecord& to) {
  for (const FieldDef& f : kNumbers) {
    if (fields & f.flag) to.*f.number = from.*f.number;
  }
  if (fields & kCompCarMPYesNo) to.CompCarMPYesNo = from.CompCarMPYesNo;
}

RateOption OptionForRate(double rate) {
  if (rate == TravelInclusionHigh) return RateOption::Eighty;
  if (rate == TravelInclusionLow) return RateOption::Twenty;
  return RateOption::Neither;
}

}  // namespace reventa
