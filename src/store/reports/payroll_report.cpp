// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/reports/payroll_report.h"

#include <QFileInfo>

#include "taxyear/day_serial.h"

namespace reventa {
namespace {

const QString kTotalsTable = QStringLiteral("PayrollTotals");

// A figure of a row that was not calculated is left empty, not 0.
QVariant Figure(const PayrollEmployee& e, double value) {
  return e.Calculated() ? QVariant(Cents(value)) : QVariant();
}

ReportTable TotalsTable(const PayrollBatch& batch, const PayrollTotals& t, std::int16_t language,
                        const QString& file, const QDate& today) {
  const auto text = [language](const char* english, const char* afrikaans) {
    return ReportCaption{english, afrikaans}.in(language);
  };
  FieldList f;
  f.append({QStringLiteral("Title"), text("Payroll totals", "Betaalstaattotale")});
  f.append({QStringLiteral("PeriodCap"), text("Pay period", "Betaaltydperk")});
  f.append({QStringLiteral("Period"), PeriodCaption(batch.Kind).in(language)});
  f.append({QStringLiteral("FileCap"), text("File", "Lêer")});
  f.append({QStringLiteral("FileName"), QFileInfo(file).fileName()});
  f.append({QStringLiteral("DateCap"), text("Printed on", "Gedruk op")});
  f.append({QStringLiteral("Printed"), today.toString(QStringLiteral("dd/MM/yyyy"))});
  f.append({QStringLiteral("EmpCap"), text("Employees calculated", "Werknemers bereken")});
  f.append({QStringLiteral("EmpNum"), static_cast<qulonglong>(t.Employees)});
  f.append({QStringLiteral("NotCalcCap"), text("Rows not calculated (left out of the totals)",
                                               "Rye nie bereken nie (uitgelaat uit die totale)")});
  f.append({QStringLiteral("NotCalcNum"), static_cast<qulonglong>(t.NotCalculated)});
  f.append({QStringLiteral("PayeCap"), text("PAYE", "LBS")});
  f.append({QStringLiteral("PayeNum"), t.Paye});
  f.append({QStringLiteral("UifEeCap"),
            text("U.I.F. contribution employee", "U.I.F. bydrae werknemer")});
  f.append({QStringLiteral("UifEeNum"), t.UifEmployee});
  f.append({QStringLiteral("UifErCap"),
            text("U.I.F. contribution employer", "U.I.F. bydrae werkgewer")});
  f.append({QStringLiteral("UifErNum"), t.UifEmployer});
  f.append({QStringLiteral("UifCap"), text("U.I.F. together", "U.I.F. altesaam")});
  f.append({QStringLiteral("UifNum"), t.Uif()});
  f.append({QStringLiteral("SdlCap"), text("S.D.L.", "S.D.L.")});
  f.append({QStringLiteral("SdlNum"), t.Sdl});
  f.append({QStringLiteral("GrossCap"), text("Gross pay", "Bruto betaling")});
  f.append({QStringLiteral("GrossNum"), t.Gross});
  f.append({QStringLiteral("NetCap"), text("Net pay", "Netto betaling")});
  f.append({QStringLiteral("NetNum"), t.Net});
  f.append({QStringLiteral("EmployeesCap"), text("Employees", "Werknemers")});
  f.append({QStringLiteral("ColLine"), text("Line", "Lyn")});
  f.append({QStringLiteral("ColNumber"), text("Number", "Nommer")});
  f.append({QStringLiteral("ColName"), text("Name", "Naam")});
  f.append({QStringLiteral("ColMessage"), text("Not calculated because", "Nie bereken nie want")});
  f.append({QStringLiteral("ColUifEe"), text("U.I.F. employee", "U.I.F. werknemer")});
  f.append({QStringLiteral("ColUifEr"), text("U.I.F. employer", "U.I.F. werkgewer")});
  f.append({QStringLiteral("SlipTitle"), text("Payslip", "Betaalstrokie")});
  f.append({QStringLiteral("SlipNumber"), text("Employee number", "Werknemernommer")});
  f.append({QStringLiteral("SlipName"), text("Employee", "Werknemer")});
  f.append({QStringLiteral("SlipSalary"), text("Salary/remuneration", "Salaris/besoldiging")});
  f.append({QStringLiteral("SlipCommission"), text("Commissions", "Kommissie")});
  f.append({QStringLiteral("SlipBonus"), text("Bonus", "Bonus")});
  f.append({QStringLiteral("SlipTravel"), text("Travel allowance", "Reistoelae")});
  f.append({QStringLiteral("SlipDeductions"), text("Deductions", "Aftrekkings")});
  f.append({QStringLiteral("SlipRFund"),
            text("Employee's R/Fund contributions", "Werknemer se bydrae aan aftreefonds")});
  f.append({QStringLiteral("SlipMedAid"),
            text("Employee's med aid contrib.", "Werknemer se bydrae aan mediesefonds")});
  f.append({QStringLiteral("SlipTotalDed"), text("Total deductions", "Totale aftrekkings")});
  f.append(
      {QStringLiteral("SlipEmployer"), text("Paid by the employer", "Deur die werkgewer betaal")});
  return {kTotalsTable, {f}, true};
}

// The period of one payslip: the dates paid (monthly), or the days paid of a
// normal week or fortnight.
QString SlipPeriod(PayPeriodKind kind, const PayPeriodInput& in, std::int16_t language) {
  if (kind == PayPeriodKind::Monthly) {
    return QStringLiteral("%1 – %2").arg(QString::fromStdString(FormatDate(in.StartDate)),
                                         QString::fromStdString(FormatDate(in.EndDate)));
  }
  const QString days =
      language == 0 ? QStringLiteral("%1, %2 of %3 days") : QStringLiteral("%1, %2 van %3 dae");
  return days.arg(PeriodCaption(kind).in(language)).arg(in.ThisDays).arg(in.NormalDays);
}

}  // namespace

ReportCaption PeriodCaption(PayPeriodKind kind) {
  switch (kind) {
    case PayPeriodKind::Fortnightly:
      return {"Fortnightly", "Tweeweekliks"};
    case PayPeriodKind::Weekly:
      return {"Weekly", "Weekliks"};
    default:
      return {"Monthly", "Maandeliks"};
  }
}

Report PayrollReport(const PayrollBatch& batch, const PayrollTotals& totals, std::int16_t language,
                     const QString& file, const QDate& today) {
  ReportTable rows{QStringLiteral("PayrollRows"), {}, true};
  rows.rows.reserve(static_cast<qsizetype>(batch.Employees.size()));
  for (const PayrollEmployee& e : batch.Employees) {
    const Payslip slip = PayslipOf(e);
    rows.rows.append(FieldList{
        {QStringLiteral("Line"), static_cast<qulonglong>(e.Line)},
        {QStringLiteral("Number"), QString::fromStdString(e.Number)},
        {QStringLiteral("Name"), QString::fromStdString(e.Name)},
        {QStringLiteral("Gross"), Figure(e, slip.Gross)},
        {QStringLiteral("Paye"), Figure(e, e.Figures.NetPeriodTax)},
        {QStringLiteral("UifEe"), Figure(e, e.Figures.UifEmployee)},
        {QStringLiteral("UifEr"), Figure(e, e.Figures.UifEmployer)},
        {QStringLiteral("Sdl"), Figure(e, e.Figures.SdlAmount)},
        {QStringLiteral("Net"), Figure(e, slip.Net)},
        {QStringLiteral("Message"), QString::fromStdString(e.Error)},
    });
  }
  const QString title = ReportCaption{"Payroll totals", "Betaalstaattotale"}.in(language);
  return {{TotalsTable(batch, totals, language, file, today), rows},
          PayrollReportTemplate,
          title + QStringLiteral(" - ") + PeriodCaption(batch.Kind).in(language)};
}

Report PayslipsReport(const PayrollBatch& batch, std::int16_t language, const QDate& today) {
  ReportTable slips{QStringLiteral("Payslips"), {}, true};
  for (const PayrollEmployee& e : batch.Employees) {
    if (!e.Calculated()) continue;
    const Payslip slip = PayslipOf(e);
    slips.rows.append(FieldList{
        {QStringLiteral("Number"), QString::fromStdString(e.Number)},
        {QStringLiteral("Name"), QString::fromStdString(e.Name)},
        {QStringLiteral("Period"), SlipPeriod(batch.Kind, e.Input, language)},
        {QStringLiteral("Salary"), Cents(e.Input.Salary)},
        {QStringLiteral("Commission"), Cents(e.Input.Commission)},
        {QStringLiteral("Bonus"), Cents(e.Input.Bonus)},
        {QStringLiteral("Travel"), Cents(e.Input.TravelAllowance)},
        {QStringLiteral("Gross"), slip.Gross},
        {QStringLiteral("Paye"), slip.Paye},
        {QStringLiteral("UifEe"), slip.UifEmployee},
        {QStringLiteral("RFund"), slip.RFundEmployee},
        {QStringLiteral("MedAid"), slip.EmployeeMedAid},
        {QStringLiteral("Deductions"), slip.Deductions},
        {QStringLiteral("Net"), slip.Net},
        {QStringLiteral("UifEr"), Cents(e.Figures.UifEmployer)},
        {QStringLiteral("Sdl"), Cents(e.Figures.SdlAmount)},
    });
  }
  // Each payslip ends its page, the last one the report.
  for (qsizetype i = 0; i < slips.rows.size(); ++i) {
    slips.rows[i].append({QStringLiteral("PageBreak"), i + 1 < slips.rows.size()
                                                           ? QStringLiteral("always")
                                                           : QStringLiteral("auto")});
  }
  const QString title = ReportCaption{"Payslips", "Betaalstrokies"}.in(language);
  return {{TotalsTable(batch, TotalPayroll(batch), language, QString(), today), slips},
          PayslipReportTemplate,
          title + QStringLiteral(" - ") + PeriodCaption(batch.Kind).in(language)};
}

}  // namespace reventa
