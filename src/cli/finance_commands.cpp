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
  loan.Principal = in.Range("Principal", 0, 0, LoanPrincipalMax);
  loan.Period = in.Range("Period", 0, 0, LoanPeriodMax);
  if (std::floor(loan.Period) != loan.Period) {
    throw CliError("Period: " + FormatNumber(loan.Period) + " is not a whole number of months");
  }
  loan.AnnualRate = in.Range("AnnualRate", 0, 0, LoanRateMax);
  loan.Repayment = in.Range("Repayment", 0, 0, LoanRepaymentMax);
  return loan;
}

const std::vector<std::string> LoanKeys{"Principal", "Period", "AnnualRate", "Repayment"};

std::vector<std::string> WithKeys(std::vector<std::string> keys,
                                  const std::vector<std::string>& more) {
  keys.insert(keys.end(), more.begin(), more.end());
  return keys;
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
    WithKeys(LoanKeys, {"CalcMode"}),
    WithKeys(LoanKeys, {"RateError", "TotalInterest", "TotalRepayments", "Adjusted"}),
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
    WithKeys(LoanKeys, {"Kind"}),
    {"Rows", "WholeYears", "YearRows", "LastYearKind"},
    RunAmortisation,
});

// A value the field holds in single precision, as the window keeps it.
float Single(const Input& in, const std::string& key, double min, double max) {
  return static_cast<float>(in.Range(key, 0, min, max));
}

Json RunLoanBuster(const Input& in) {
  LoanBusterState buster;
  buster.LoanPrincipal = in.Range("LoanPrincipal", 0, 0, LoanBusterAmountMax);
  const std::int16_t period = in.Int16("Period", 0, 0, LoanPeriodMax);
  buster.LoanRate = Single(in, "LoanRate", 0, LoanRateMax);
  buster.ExtraPayment = in.Range("ExtraPayment", 0, 0, LoanBusterAmountMax);
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
    {"LoanPrincipal", "Period", "LoanRate", "ExtraPayment"},
    {"Repayment", "TotalInterest", "TotalRepayments", "ExtraPayment", "LoanPrincipal", "NewPeriod",
     "NewRepayment", "NewTotalInterest", "NewTotalRepayments", "TotalSaving", "Adjusted"},
    RunLoanBuster,
});

Json RunLoanComparison(const Input& in) {
  const double amount = in.Range("BondAmount", 0, 0, BondAmountMax);
  const float rate = Single(in, "BondRate", 0, BondRateMax);
  Json rows = Json::array();
  for (const BondTermRow& row : CompareBondTerms(amount, rate)) {
    rows.push_back(
        Json::array({row.Caption, Out(row.Repayment), Out(row.Interest), Out(row.Total)}));
  }
  return Json{{"Rows", rows}};
}

const bool kLoanComparison = RegisterCommand({
    "loan-comparison",
    {"BondAmount", "BondRate"},
    {"Rows"},
    RunLoanComparison,
});

// A day serial as the date fields hold it: a whole day from 01/01/100 to
// 31/12/9999 (the default, 1 January 1800, is no date).
std::int32_t Serial(const Input& in, const std::string& key) {
  const double d = in.Range(key, NoDepositDate, -657434, 2958465);
  if (std::floor(d) != d) throw CliError(key + ": " + FormatNumber(d) + " is not a whole day");
  return static_cast<std::int32_t>(d);
}

Json RunDailyBalance(const Input& in) {
  DailyBalanceState deposit;
  deposit.DepositCapital = Single(in, "DepositCapital", 0, DepositCapitalMax);
  deposit.DepositRate = Single(in, "DepositRate", 0, DepositRateMax);
  deposit.DepositStart = Serial(in, "DepositStart");
  deposit.DepositEnd = Serial(in, "DepositEnd");
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
    {"DepositCapital", "DepositRate", "DepositStart", "DepositEnd"},
    {"DayCount", "InterestAccrued"},
    RunDailyBalance,
});

Json RunInflation(const Input& in) {
  InflationState s;
  s.PresentCost = in.Range("PresentCost", 0, 0, PresentCostMax);
  s.InflationYears = in.Range("InflationYears", 0, 0, InflationYearsMax);
  if (std::floor(s.PresentCost) != s.PresentCost) {
    throw CliError("PresentCost: " + FormatNumber(s.PresentCost) + " is not a whole rand");
  }
  if (std::floor(s.InflationYears) != s.InflationYears) {
    throw CliError("InflationYears: " + FormatNumber(s.InflationYears) + " is not a whole year");
  }
  s.InflationRate = in.Range("InflationRate", 0, InflationRateMin, InflationRateMax);
  const InflationResult r = ProjectInflation(s);
  return Json{{"FutureCost", Out(r.FutureCost)},
              {"BuyingPower", Out(r.BuyingPower)},
              {"TooLarge", r.TooLarge}};
}

const bool kInflation = RegisterCommand({
    "inflation",
    {"PresentCost", "InflationYears", "InflationRate"},
    {"FutureCost", "BuyingPower", "TooLarge"},
    RunInflation,
});

}  // namespace
}  // namespace reventa::cli
