// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/reports/loan_scenario_report.h"

#include <QStringList>
#include <algorithm>

#include "taxyear/numbers.h"

namespace reventa {
namespace {

QString Rand(double amount) {
  return QStringLiteral("R ") + QString::fromStdString(FormatAmount(amount, 2));
}

QString Rate(double rate) { return QString::fromStdString(FormatAmount(rate, 3)) + u'%'; }

}  // namespace

QString LoanChangeText(const LoanChange& change) {
  const QString choice = change.Choice == LoanChangeChoice::ShorterTerm
                             ? QStringLiteral("shorter term")
                             : QStringLiteral("lower repayment");
  switch (change.Kind) {
    case LoanChangeKind::Rate:
      return QStringLiteral("New rate of %1 p.a.").arg(Rate(change.Amount));
    case LoanChangeKind::LumpSum:
      return QStringLiteral("Lump sum of %1, %2").arg(Rand(change.Amount), choice);
    case LoanChangeKind::Extra:
      return change.Amount == 0
                 ? QStringLiteral("No extra payment from now on")
                 : QStringLiteral("Extra %1 a month, %2").arg(Rand(change.Amount), choice);
  }
  return {};
}

QString LoanRepaymentsText(const LoanOutcome& outcome) {
  if (outcome.Repayments.empty()) return {};
  if (outcome.Repayments.size() == 1) return Rand(outcome.Repayments.front().Repayment);
  QStringList parts;
  for (const LoanRepaymentFrom& r : outcome.Repayments) {
    parts << QStringLiteral("%1 from month %2").arg(Rand(r.Repayment)).arg(r.Month);
  }
  return parts.join(QStringLiteral(", "));
}

Report LoanScenarioReport(const LoanScenarioInput& input, const LoanScenarioResult& result) {
  const LoanOutcome& base = result.AsItStands;
  const LoanOutcome& scenario = result.Scenario;
  QStringList changes;
  std::vector<LoanChange> ordered = input.Changes;
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const LoanChange& a, const LoanChange& b) { return a.Month < b.Month; });
  for (const LoanChange& c : ordered) {
    changes << QStringLiteral("Month %1: %2").arg(c.Month).arg(LoanChangeText(c));
  }
  FieldList loan{
      {QStringLiteral("Principal"), input.Principal},
      {QStringLiteral("Period"), input.Period},
      {QStringLiteral("AnnualRate"), input.AnnualRate},
      {QStringLiteral("Changes"),
       changes.isEmpty() ? QStringLiteral("None") : changes.join(QStringLiteral("; "))},
      {QStringLiteral("BaseRepayment"), LoanRepaymentsText(base)},
      {QStringLiteral("ScenarioRepayment"), LoanRepaymentsText(scenario)},
      {QStringLiteral("BaseMonths"), base.Months},
      {QStringLiteral("ScenarioMonths"), scenario.Months},
      {QStringLiteral("BaseInterest"), base.TotalInterest},
      {QStringLiteral("ScenarioInterest"), scenario.TotalInterest},
      {QStringLiteral("BaseTotal"), base.TotalRepayments},
      {QStringLiteral("ScenarioTotal"), scenario.TotalRepayments},
      {QStringLiteral("BaseLast"), base.LastPayment},
      {QStringLiteral("ScenarioLast"), scenario.LastPayment},
      {QStringLiteral("InterestSaved"), result.InterestSaved},
      {QStringLiteral("MonthsSaved"), result.MonthsSaved},
  };
  // The rate table's seventeen rows, those outside 0 to 50 % left empty.
  for (std::size_t k = 0; k < 17; ++k) {
    const QString n = QString::number(k + 1);
    const bool has = k < result.RateTable.size();
    const LoanRateRow row = has ? result.RateTable[k] : LoanRateRow{};
    loan.append({QStringLiteral("Rate") + n, has ? QVariant(row.AnnualRate) : QVariant()});
    loan.append({QStringLiteral("RateRep") + n, has ? QVariant(row.Repayment) : QVariant()});
    loan.append({QStringLiteral("RateInt") + n, has ? QVariant(row.TotalInterest) : QVariant()});
    loan.append(
        {QStringLiteral("RateMark") + n, row.Current ? QStringLiteral("current rate") : QString()});
  }

  // One row a month for as long as either loan runs: the scenario's figures
  // where it still runs, and the balance of the loan as it stands for the chart.
  ReportTable months{QStringLiteral("ScenarioMonths"), {}, true};
  const std::size_t count = std::max(base.Schedule.size(), scenario.Schedule.size());
  months.rows.append(FieldList{{QStringLiteral("Month"), 0},
                               {QStringLiteral("InScenario"), 0},
                               {QStringLiteral("BaseBalance"), input.Principal},
                               {QStringLiteral("Balance"), input.Principal}});
  for (std::size_t k = 0; k < count; ++k) {
    FieldList row{{QStringLiteral("Month"), static_cast<int>(k + 1)}};
    row.append({QStringLiteral("BaseBalance"),
                k < base.Schedule.size() ? QVariant(base.Schedule[k].Balance) : QVariant()});
    if (k < scenario.Schedule.size()) {
      const LoanScenarioMonth& m = scenario.Schedule[k];
      QStringList here;
      for (const LoanChange& c : ordered) {
        if (c.Month == m.Month) here << LoanChangeText(c);
      }
      row.append({QStringLiteral("InScenario"), 1});
      row.append({QStringLiteral("Rate"), m.AnnualRate});
      row.append({QStringLiteral("Repayment"), m.Repayment});
      row.append({QStringLiteral("Interest"), m.Interest});
      row.append({QStringLiteral("Capital"), m.Capital});
      row.append({QStringLiteral("LumpSum"), m.LumpSum});
      row.append({QStringLiteral("Balance"), m.Balance});
      row.append({QStringLiteral("Change"), here.join(QStringLiteral("; "))});
    } else {
      row.append({QStringLiteral("InScenario"), 0});
    }
    months.rows.append(row);
  }
  return {{ReportTable{QStringLiteral("LoanScenario"), {loan}, true}, months},
          QStringLiteral("LoanScenario.rpt"),
          QStringLiteral("Loan Scenarios")};
}

}  // namespace reventa
