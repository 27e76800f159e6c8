// SPDX-License-Identifier: GPL-3.0-or-later
// The finance calculators. loan and amortisation: the loans window; each line is
// the loan as the window holds it when Calculate is pressed (or a schedule is
// asked for): the three known values and the mode. loan-buster, loan-comparison,
// daily-balance and inflation: their windows' inputs as typed, the results as
// Calculate shows them. Values outside what the windows' fields accept are
// refused with the field's key. A period search that would never end (the
// repayment pays off more than the whole loan in one month) answers with one
// month and "Adjusted": true.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/finance/daily_balance.h"
#include "calc/finance/inflation.h"
#include "calc/finance/loan.h"
#include "calc/finance/loan_buster.h"
#include "calc/finance/loan_comparison.h"
#include "cli/command.h"
#include "taxyear/day_serial.h"
#include "taxyear/shared_state.h"

namespace reventa::cli {
namespace {

// A result as written: a zero worked out as -0 is written as 0.
double Out(double value) { return value == 0 ? 0.0 : value; }

// The loan as the window's four fields hold it.
LoanState ReadLoan(const Input& in) {
  LoanState loan;
  ReadInputs(in, LoanRanges, loan);
  if (std::floor(loan.Period) != loan.Period) {
    throw CliError("Period: " + FormatNumber(loan.Period) + " is not a whole number of months");
  }
  return loan;
}

Json RunLoan(const Input& in) {
  LoanState loan = ReadLoan(in);
  loan.CalcMode = in.Text("CalcMode", LoanModeRepayment);
  if (loan.CalcMode != LoanModeRepayment && loan.CalcMode != LoanModePrincipal &&
      loan.CalcMode != LoanModePeriod && loan.CalcMode != LoanModeRate) {
    throw CliError("CalcMode: expected \"" + std::string(LoanModeRepayment) + "\", \"" +
                   LoanModePrincipal + "\", \"" + LoanModePeriod + "\" or \"" + LoanModeRate +
                   "\"");
  }
  double savedPrincipal = 0;
  const LoanCalcResult r = LoanCalc(loan, savedPrincipal);
  Json out{{"Principal", Out(loan.Principal)},
           {"Period", Out(loan.Period)},
           {"AnnualRate", Out(loan.AnnualRate)},
           {"Repayment", Out(loan.Repayment)},
           {"RateError", r.RateError},
           {"TotalInterest", Out(r.TotalInterest)},
           {"TotalRepayments", Out(r.TotalRepayments)}};
  if (r.Solve.Adjusted) out["Adjusted"] = true;
  return out;
}

const bool kLoan = RegisterCommand({
    "loan",
    Ranges(LoanRanges),
    {"CalcMode"},
    {"Principal", "Period", "AnnualRate", "Repayment", "RateError", "TotalInterest",
     "TotalRepayments", "Adjusted"},
    RunLoan,
});

Json Rows(const std::vector<AmortisationRow>& rows) {
  Json out = Json::array();
  for (const AmortisationRow& row : rows) {
    out.push_back(Json::array({row.Number, Out(row.Capital), Out(row.Interest), Out(row.Balance)}));
  }
  return out;
}

Json RunAmortisation(const Input& in) {
  const LoanState loan = ReadLoan(in);
  const std::string kind = in.Text("Kind", "monthly");
  if (kind == "monthly") {
    // The monthly schedule does not work out the year counters.
    return Json{{"Rows", Rows(MonthlySchedule(loan))},
                {"WholeYears", nullptr},
                {"YearRows", nullptr},
                {"LastYearKind", nullptr}};
  }
  if (kind != "annual") throw CliError("Kind: expected \"monthly\" or \"annual\"");
  const AnnualSchedule a = CalcAnnAmort(loan);
  return Json{{"Rows", Rows(a.Years)},
              {"WholeYears", a.WholeYears},
              {"YearRows", a.YearRows},
              {"LastYearKind", a.LastYearKind}};
}

const bool kAmortisation = RegisterCommand({
    "amortisation",
    Ranges(LoanRanges),
    {"Kind"},
    {"Rows", "WholeYears", "YearRows", "LastYearKind"},
    RunAmortisation,
});

Json RunLoanBuster(const Input& in) {
  LoanBusterState buster;
  ReadInputs(in, LoanBusterRanges, buster);
  const std::int16_t period = in.Int16(LoanPeriodRange, 0);
  double loanRepayment = 0;
  LoanBusterResult r;
  BBCalc(buster, loanRepayment, period, r);
  // Without a search the second column is whatever the window showed before.
  const auto worked = [&r](double value) { return r.ExtraWorked ? Json(Out(value)) : Json(); };
  Json out{{"Repayment", Out(r.Repayment)},
           {"TotalInterest", Out(r.TotalInterest)},
           {"TotalRepayments", Out(r.TotalRepayments)},
           {"ExtraPayment", Out(buster.ExtraPayment)},
           {"LoanPrincipal", Out(buster.LoanPrincipal)},
           {"NewPeriod", r.ExtraWorked ? Json(r.NewPeriod) : Json()},
           {"NewRepayment", worked(r.NewRepayment)},
           {"NewTotalInterest", worked(r.NewTotalInterest)},
           {"NewTotalRepayments", worked(r.NewTotalRepayments)},
           {"TotalSaving", worked(r.TotalSaving)}};
  if (r.Adjusted) out["Adjusted"] = true;
  return out;
}

const bool kLoanBuster = RegisterCommand({
    "loan-buster",
    Ranges(LoanBusterRanges),
    {},
    {"Repayment", "TotalInterest", "TotalRepayments", "ExtraPayment", "LoanPrincipal", "NewPeriod",
     "NewRepayment", "NewTotalInterest", "NewTotalRepayments", "TotalSaving", "Adjusted"},
    RunLoanBuster,
});

Json RunLoanComparison(const Input& in) {
  LoanComparisonState bond;
  ReadInputs(in, LoanComparisonRanges, bond);
  Json rows = Json::array();
  for (const BondTermRow& row : CompareBondTerms(bond.BondAmount, bond.BondRate)) {
    rows.push_back(
        Json::array({row.Caption, Out(row.Repayment), Out(row.Interest), Out(row.Total)}));
  }
  return Json{{"Rows", rows}};
}

const bool kLoanComparison = RegisterCommand({
    "loan-comparison",
    Ranges(LoanComparisonRanges),
    {},
    {"Rows"},
    RunLoanComparison,
});

Json RunDailyBalance(const Input& in) {
  // Dates left out stay 1 January 1800, no date.
  DailyBalanceState deposit;
  ReadInputs(in, DailyBalanceRanges, deposit);
  // The end date field takes the start date up to 30 years after it.
  const std::int32_t start = deposit.DepositStart;
  const std::int32_t end = deposit.DepositEnd;
  if (start > 0 && end != NoDepositDate && (end < start || end > start + DepositSpanDays)) {
    throw CliError(std::string(DepositEndRangeText) + FormatDate(start) + ".");
  }
  const DailyBalanceResult r = ComputeDailyBalance(deposit);
  return Json{{"DayCount", r.DayCount}, {"InterestAccrued", Out(r.InterestAccrued)}};
}

const bool kDailyBalance = RegisterCommand({
    "daily-balance",
    Ranges(DailyBalanceRanges),
    {},
    {"DayCount", "InterestAccrued"},
    RunDailyBalance,
});

Json RunInflation(const Input& in) {
  InflationState s;
  ReadInputs(in, InflationRanges, s);
  if (std::floor(s.PresentCost) != s.PresentCost) {
    throw CliError("PresentCost: " + FormatNumber(s.PresentCost) + " is not a whole rand");
  }
  if (std::floor(s.InflationYears) != s.InflationYears) {
    throw CliError("InflationYears: " + FormatNumber(s.InflationYears) + " is not a whole year");
  }
  const InflationResult r = ProjectInflation(s);
  return Json{{"FutureCost", Out(r.FutureCost)},
              {"BuyingPower", Out(r.BuyingPower)},
              {"TooLarge", r.TooLarge}};
}

const bool kInflation = RegisterCommand({
    "inflation",
    Ranges(InflationRanges),
    {},
    {"FutureCost", "BuyingPower", "TooLarge"},
    RunInflation,
});

}  // namespace
}  // namespace reventa::cli
