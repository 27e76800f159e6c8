// loan and amortisation: the loans window. Each line is the loan as the window
// holds it when Calculate is pressed (or a schedule is asked for): the three known
// values and the mode. Values outside what the window's fields accept are refused
// with the field's key. A period search that would never end (the repayment pays
// off more than the whole loan in one month) answers with one month and
// "Adjusted": true.
#include <cmath>
#include <string>
#include <vector>

#include "calc/finance/loan.h"
#include "cli/command.h"
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

}  // namespace
}  // namespace reventa::cli
