// SPDX-License-Identifier: GPL-3.0-or-later
// Loan scenarios: a loan as it stands beside the same loan with changes made along
// the way — a new annual rate, a lump sum paid in, an extra monthly payment from
// a month on — worked out month by month. Interest for a month is the balance
// times the annual rate / 12 / 100; a new rate, or a lump sum or extra payment
// taken as a lower repayment, recomputes the repayment for the months left with
// the loans' own repayment formula (a rate of 0 divides the balance evenly). The
// last repayment is the part payment that settles the balance. A rate table shows
// the repayment and total interest of the same loan at the rate and at up to 2 %
// either side of it in steps of 0.25 %.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "taxyear/input_range.h"

namespace reventa {

enum class LoanChangeKind { Rate, LumpSum, Extra };
enum class LoanChangeChoice { ShorterTerm, LowerRepayment };

// One change, from its month on (months counted from the loan's start, 1 to the
// period). Amount: the new annual rate in per cent, the lump sum, or the extra
// paid every month from then on with the repayment (0 stops an earlier extra).
// Choice: what a lump sum or extra payment does — the loan ends sooner, or the
// repayment is recomputed to end it at its term; a rate change keeps the term.
struct LoanChange {
  int Month = 1;
  LoanChangeKind Kind = LoanChangeKind::LumpSum;
  double Amount = 0;
  LoanChangeChoice Choice = LoanChangeChoice::ShorterTerm;
};

struct LoanScenarioInput {
  double Principal = 0;
  double Period = 0;  // months
  double AnnualRate = 0;
  std::vector<LoanChange> Changes;  // applied in month order, in list order within a month
};

// One month of a schedule. Repayment: what the month's regular repayment (and any
// extra) paid, the last month's being the part that settles the balance; LumpSum:
// a lump sum paid in that month; Changed: a change takes effect that month.
struct LoanScenarioMonth {
  int Month = 0;
  double AnnualRate = 0;
  double Repayment = 0;
  double Interest = 0;
  double Capital = 0;  // of the repayment
  double LumpSum = 0;
  double Balance = 0;  // after the month
  bool Changed = false;
};

// The repayment due from a month on (the regular repayment with any extra).
struct LoanRepaymentFrom {
  int Month = 1;
  double Repayment = 0;
};

struct LoanOutcome {
  std::vector<LoanRepaymentFrom> Repayments;  // the first from month 1
  int Months = 0;                             // months paid, the part month counted
  double TotalInterest = 0;
  double TotalRepayments = 0;  // repayments, extras and lump sums
  double LastPayment = 0;      // the part payment that settles the balance (a lump sum
                               // that clears it is not part of it)
  std::vector<LoanScenarioMonth> Schedule;
};

struct LoanRateRow {
  double AnnualRate = 0;
  double Repayment = 0;
  double TotalInterest = 0;
  bool Current = false;  // the loan's own rate
};

struct LoanScenarioResult {
  LoanOutcome AsItStands;
  LoanOutcome Scenario;
  double InterestSaved = 0;  // as it stands less the scenario (negative: more interest)
  int MonthsSaved = 0;
  // From 2 % below the rate to 2 % above it in steps of 0.25 %, rates below 0 or
  // above 50 left out.
  std::vector<LoanRateRow> RateTable;
};

// The limits of the loan and of a change's fields: the loans window's principal,
// period and rate; a lump sum or extra payment up to the largest principal.
inline constexpr InputRange LoanChangeMonthRange{"Month", 1, 600, 0};
inline constexpr InputRange LoanChangeAmountRange{"Amount", 0, 99999999.99, 2};
inline constexpr InputRange LoanChangeRateRange{"Amount", 0, 50, 3};
RangeTable<LoanScenarioInput> LoanScenarioRanges();

// The first input outside what its field takes (a change's month past the
// period, a rate above 50 ...), with the field's message. A change's field is
// named by its place in the list, counted from 0 as the command line's array
// counts: "Changes[2].Month".
std::optional<InputError> ValidateLoanScenario(const LoanScenarioInput& input);

// Works the loan and the scenario out; a loan without principal or period (a
// principal below half a cent shows as 0.00), or an input ValidateLoanScenario
// refuses, gives empty outcomes and no rate table.
LoanScenarioResult ComputeLoanScenario(const LoanScenarioInput& input);

// The names of the kinds and choices as the command line and the reports spell them.
const char* LoanChangeKindName(LoanChangeKind kind);        // "Rate", "LumpSum", "Extra"
const char* LoanChangeChoiceName(LoanChangeChoice choice);  // "ShorterTerm", "LowerRepayment"
// The kind or choice of a name as above; none for any other text.
std::optional<LoanChangeKind> LoanChangeKindFromName(std::string_view name);
std::optional<LoanChangeChoice> LoanChangeChoiceFromName(std::string_view name);

}  // namespace reventa
