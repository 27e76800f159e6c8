// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/reports/finance_reports.h"

namespace reventa {
namespace {

struct ModeReport {
  const char* mode;
  const char* base;     // the template without a schedule; "A" is added for one
  const char* annual;   // the title with the yearly schedule
  const char* monthly;  // the title with the monthly schedule
};

constexpr const char* kSuffix = " - To export printout click on the suitcase button or goto Help";

constexpr ModeReport kReports[] = {
    {LoanModeRepayment, "Lonrepa", "Annual repayment of Loan with Amortisation",
     "Annual repayment of Loan with Monthly Amortisation"},
    {LoanModePrincipal, "LonPrAm", "Principal calculation of Loan with Annual Amortisation",
     "Principal calculation of Loan with Monthly Amortisation"},
    {LoanModePeriod, "LonRPer", "Repayment period calculation of Loan with Annual Amortisation",
     "Repayment period calculation of Loan with Monthly Amortisation"},
    {LoanModeRate, "LonInRt", "Interest rate calculation of Loan with Annual Amortisation",
     "Interest rate calculation of Loan with Monthly Amortisation"},
};

const ModeReport& ReportOf(const std::string& mode) {
  for (const ModeReport& r : kReports) {
    if (mode == r.mode) return r;
  }
  return kReports[0];
}

FieldList LoansFields(const LoanState& loan, AmortKind schedule) {
  const bool shown = loan.FinChargesShown == "DOWN";
  const QString empty = QStringLiteral("");
  FieldList f;
  f.append({QStringLiteral("Heading"), QString::fromStdString(loan.CalcMode)});
  f.append({QStringLiteral("Num1"), loan.Principal});
  f.append({QStringLiteral("Num2"), loan.Period});
  f.append({QStringLiteral("Num3"), loan.AnnualRate});
  f.append({QStringLiteral("Num4"), loan.Repayment});
  f.append({QStringLiteral("FinText1"), shown ? QStringLiteral("Total Interest") : empty});
  f.append({QStringLiteral("FinText1A"), shown ? QStringLiteral(": R") : empty});
  f.append({QStringLiteral("FinNum1"), shown ? QVariant(LoanTotalInterest(loan)) : QVariant(0)});
  f.append({QStringLiteral("FinText2"), shown ? QStringLiteral("Total Repayments") : empty});
  f.append({QStringLiteral("FinNum2"), shown ? QVariant(LoanTotalRepayments(loan)) : QVariant(0)});
  if (schedule != AmortKind::None) {
    f.append({QStringLiteral("YearMon"),
              schedule == AmortKind::Annual ? QStringLiteral("Year") : QStringLiteral("Month")});
  }
  return f;
}

QList<FieldList> AmortRows(const std::vector<AmortisationRow>& rows) {
  QList<FieldList> out;
  out.reserve(static_cast<qsizetype>(rows.size()));
  for (const AmortisationRow& r : rows) {
    out.append(FieldList{{QStringLiteral("Year"), r.Number},
                         {QStringLiteral("Capital"), r.Capital},
                         {QStringLiteral("Interest"), r.Interest},
                         {QStringLiteral("Required"), r.Balance}});
  }
  return out;
}

QString LoanReportTemplate(const std::string& calcMode, AmortKind schedule) {
  return QString::fromLatin1(ReportOf(calcMode).base) +
         QString::fromLatin1(schedule == AmortKind::None ? ".rpt" : "A.rpt");
}

QString LoanReportTitle(const std::string& calcMode, AmortKind schedule) {
  const ModeReport& r = ReportOf(calcMode);
  switch (schedule) {
    case AmortKind::Annual:
      return QString::fromLatin1(r.annual) + QString::fromLatin1(kSuffix);
    case AmortKind::Monthly:
      return QString::fromLatin1(r.monthly) + QString::fromLatin1(kSuffix);
    case AmortKind::None:
      break;
  }
  return QStringLiteral("Loans");
}

}  // namespace

Report LoansReport(const LoanState& loan, AmortKind schedule) {
  Report report{{ReportTable{QStringLiteral("Loans"), {LoansFields(loan, schedule)}}},
                LoanReportTemplate(loan.CalcMode, schedule),
                LoanReportTitle(loan.CalcMode, schedule)};
  if (schedule != AmortKind::None) {
    report.tables.append(ReportTable{
        QStringLiteral("Amort"),
        AmortRows(schedule == AmortKind::Annual ? CalcAnnAmort(loan).Years : MonthlySchedule(loan)),
        true});
  }
  return report;
}

std::optional<Report> LoanBusterReport(const LoanBusterState& b, std::int16_t period,
                                       const LoanBusterResult& r) {
  if (!(b.LoanPrincipal > 0)) return std::nullopt;
  return SingleRowReport(QStringLiteral("BondBust"),
                         {
                             {QStringLiteral("PAmt"), b.LoanPrincipal},
                             {QStringLiteral("Period"), period},
                             {QStringLiteral("IntRate"), b.LoanRate},
                             {QStringLiteral("MonRep"), r.Repayment},
                             {QStringLiteral("TotIntPaid"), r.TotalInterest},
                             {QStringLiteral("TotRep"), r.TotalRepayments},
                             {QStringLiteral("XtraPay"), b.ExtraPayment},
                             {QStringLiteral("Xper"), r.NewPeriod},
                             {QStringLiteral("XMonRep"), r.NewRepayment},
                             {QStringLiteral("XTotIntPaid"), r.NewTotalInterest},
                             {QStringLiteral("XTotRep"), r.NewTotalRepayments},
                             {QStringLiteral("XTotSavings"), r.TotalSaving},
                         },
                         QStringLiteral("loanbuster.rpt"), QStringLiteral("Loan Buster"));
}

std::optional<Report> LoanComparisonReport(double amount, float rate, const BondComparison& rows) {
  if (!(amount > 0 && rate > 0)) return std::nullopt;
  FieldList record{{QStringLiteral("PAmt"), amount},
                   {QStringLiteral("IntRate"), static_cast<double>(rate)}};
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const QString n = QString::number(k + 1);
    record.append({QStringLiteral("MonRep") + n, rows[k].Repayment});
    record.append({QStringLiteral("IntPaid") + n, rows[k].Interest});
    record.append({QStringLiteral("Total") + n, rows[k].Total});
  }
  return SingleRowReport(QStringLiteral("BondComp"), record, QStringLiteral("LoanComparison.rpt"),
                         QStringLiteral("Loan Comparison"));
}

std::optional<Report> DailyBalanceReport(const DailyBalanceState& d,
                                         const DailyBalanceResult& result) {
  if (!(result.InterestAccrued > 0 && result.DayCount > 0)) return std::nullopt;
  return SingleRowReport(QStringLiteral("DailyBal"),
                         {
                             {QStringLiteral("CapAmount"), static_cast<double>(d.DepositCapital)},
                             {QStringLiteral("StartDate"), d.DepositStart},
                             {QStringLiteral("EndDate"), d.DepositEnd},
                             {QStringLiteral("IntRate"), static_cast<double>(d.DepositRate)},
                             {QStringLiteral("ANS1"), static_cast<double>(result.InterestAccrued)},
                             {QStringLiteral("ANS2"), result.DayCount},
                         },
                         QStringLiteral("DayBal.rpt"), QStringLiteral("Daily Balance Calculation"));
}

std::optional<Report> InflationReport(const InflationState& s) {
  if (s.FutureCost == 0 || s.FutureCost > FutureCostShownMax) return std::nullopt;
  return SingleRowReport(
      QStringLiteral("Inflation"),
      {{QStringLiteral("PresCost"), s.PresentCost},
       {QStringLiteral("Period"), s.InflationYears},
       {QStringLiteral("InflaRate"), s.InflationRate},
       {QStringLiteral("Ans1"), s.FutureCost},
       {QStringLiteral("ANS2"), s.BuyingPower}},
      QStringLiteral("Inflatin.rpt"),
      QStringLiteral("Inflation - To export printout click on the suitcase button or goto Help"));
}

}  // namespace reventa
