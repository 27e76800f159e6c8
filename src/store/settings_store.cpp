#include "store/settings_store.h"

#include "store/table_store.h"
#include "taxyear/tax_year.h"

namespace reventa {
namespace {

const QString kTable = QStringLiteral("Setup");
const QString kKind = QStringLiteral("settings store");

struct FieldDef {
  SetupField flag;
  const char* name;
  double SetupRecord::*number;
};

constexpr FieldDef kNumbers[] = {
    {kPensionCont, "PensionCont", &SetupRecord::PensionCont},
    {kEmployerPenCont, "EmployerPenCont", &SetupRecord::EmployerPenCont},
    {kEmployeeUIF, "EmployeeUIF", &SetupRecord::EmployeeUIF},
    {kEmployerUIF, "EmployerUIF", &SetupRecord::EmployerUIF},
    {kSkillLevy, "SkillLevy", &SetupRecord::SkillLevy},
    {kProvCont, "ProvCont", &SetupRecord::ProvCont},
    {kEmployerProvCont, "EmployerProvCont", &SetupRecord::EmployerProvCont},
    {kUIFLimit, "UIFLimit", &SetupRecord::UIFLimit},
    {kTAIncRate8020, "TAIncRate8020", &SetupRecord::TAIncRate8020},
    {kCompCarFBRate8020, "CompCarFBRate8020", &SetupRecord::CompCarFBRate8020},
};

}  // namespace

SettingsRead ReadSettings(const QString& settingsDbPath) {
  SettingsRead read;
  const auto row = TableStore(settingsDbPath, kKind).ReadFirstRow(kTable);
  if (const auto* problem = std::get_if<QString>(&row)) {
    read.problem = *problem;
    return read;
  }
  const QVariantMap& values = std::get<QVariantMap>(row);
  SetupRecord stored;
  QStringList missing;
  for (const FieldDef& f : kNumbers) {
    const QString name = QString::fromLatin1(f.name);
    bool ok = false;
    const double v = values.value(name).toDouble(&ok);
    if (!values.contains(name) || !ok) {
      missing << name;
    } else {
      stored.*f.number = v;
    }
  }
  const QVariant plan = values.value(QStringLiteral("CompCarMPYesNo"));
  if (!plan.isValid()) {
    missing << QStringLiteral("CompCarMPYesNo");
  } else {
    stored.CompCarMPYesNo = plan.toInt() != 0;
  }
  if (!missing.isEmpty()) {
    // A partly readable row is not trusted: all defaults, and the problem said.
    read.problem = QStringLiteral("The settings store lacks or holds unreadable fields (%1):\n%2")
                       .arg(missing.join(QStringLiteral(", ")), settingsDbPath);
    return read;
  }
  read.record = stored;
  return read;
}

std::optional<QString> WriteSettings(const QString& settingsDbPath, const SetupRecord& record,
                                     unsigned fields) {
  FieldList values;
  for (const FieldDef& f : kNumbers) {
    if (fields & f.flag) values.append({QString::fromLatin1(f.name), record.*f.number});
  }
  if (fields & kCompCarMPYesNo) {
    values.append({QStringLiteral("CompCarMPYesNo"), record.CompCarMPYesNo ? 1 : 0});
  }
  return TableStore(settingsDbPath, kKind).WriteRow(kTable, values);
}

RateOption OptionForRate(double rate) {
  if (rate == TravelInclusionHigh) return RateOption::Eighty;
  if (rate == TravelInclusionLow) return RateOption::Twenty;
  return RateOption::Neither;
}

}  // namespace reventa
