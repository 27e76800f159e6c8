// SPDX-License-Identifier: GPL-3.0-or-later
// Loan scenarios, worked month by month. The loan as it stands and the scenario
// are the same walk, the first without changes, so that the two columns differ
// only by what the changes do. The changes are sorted by month once and walked
// with an index; a month costs a few operations and at most two of the loans'
// formulas, whatever the number of changes.
#include "calc/finance/loan_scenario.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "calc/finance/loan.h"
#include "taxyear/numbers.h"

namespace reventa {
namespace {

// Half a cent: a balance below it shows as 0.00 and counts as paid off.
constexpr double HalfCent = 0.005;

// The rate table: 2 % either side of the loan's rate in steps of 0.25 %.
constexpr int RateSteps = 8;
constexpr double RateStep = 0.25;

const InputField<LoanScenarioInput> ScenarioRanges[] = {
    {LoanRanges[0].Range, &LoanScenarioInput::Principal},
    {LoanPeriodRange, &LoanScenarioInput::Period},
    {LoanRateRange, &LoanScenarioInput::AnnualRate},
};

// The repayment that pays `balance` off over `months` at the rate, with the loans'
// own formula; a rate of 0 divides the balance evenly over the months.
double RepaymentOver(double balance, int months, double annualRate) {
  if (months <= 0 || balance <= 0) return 0;
  if (annualRate == 0) return balance / months;
  return LoanRepayment(balance, months, annualRate);
}

// A new repayment due from a month on. Several changes in one month make one
// entry; a repayment that shows the same to the cent as the one before makes none.
void NoteRepayment(std::vector<LoanRepaymentFrom>& list, int month, double repayment) {
  if (!list.empty() && list.back().Month == month) list.pop_back();
  if (!list.empty() && std::fabs(list.back().Repayment - repayment) < HalfCent) return;
  list.push_back({month, repayment});
}

// What the regular repayment pays off: the present value of `months` repayments
// at the rate (the loans' principal formula; at a rate of 0 their plain sum).
double PaidOffBy(double repayment, int months, double annualRate) {
  if (months <= 0) return 0;
  if (annualRate == 0) return repayment * months;
  return LoanPrincipal(months, annualRate, repayment);
}

// The course a loan is on since its repayment was last set: the regular repayment
// worked out to pay a balance off over a number of months from a first month, and
// how far the loan is ahead of that course through lump sums and extra payments
// taken as a shorter term (those amounts with the interest they save).
//
// The balance is worked out afresh each month as what the remaining repayments of
// the course pay off, less the lead. A balance carried from month to month
// (balance + interest - payment) would carry each month's rounding on with the
// interest: at 50 % over 600 months that grows about 10^10-fold, to hundreds of
// rand on the largest loan. Here the lead is the only figure carried, and it grows
// only by what is paid in and the interest on itself; so the loan as it stands is the loans
// window's loan to the cent at every rate and term the fields take.
struct Course {
  double Rate = 0;
  double Regular = 0;
  int First = 1;   // the course's first month
  int Months = 0;  // the repayments it runs to
  double Lead = 0;

  // The repayment that pays `balance` off over `months` from month `first`.
  void Set(double balance, int first, int months) {
    Regular = RepaymentOver(balance, months, Rate);
    First = first;
    Months = months;
    Lead = 0;
  }
  // The balance before the month's interest, or after the month before.
  double BalanceBefore(int month) const {
    return PaidOffBy(Regular, Months - (month - First), Rate) - Lead;
  }
};

// The loan walked month by month with the changes, sorted by month (those outside
// 1 to the period already left out).
//
// In a month: a rate change takes effect for that month's interest and recomputes
// the repayment over the months left including this one (n - m + 1) from the
// balance before it; an extra payment is added to the repayment from that month
// on. Interest is the balance times the monthly rate. The month's payment is the
// repayment (with any extra), or what is owed when that is less: that part payment
// settles the balance and ends the loan. A payment within half a cent of what is
// owed settles it too, and so does the last month of the term, so that what is
// left of the double arithmetic (far below a cent) never makes a month more. In
// exact arithmetic every rule below ends the loan by its term: a rate change and a
// lower repayment recompute it to end there, and a lump sum or extra payment taken
// as a shorter term only brings the end nearer. So the walk is at most the term,
// 600 months.
//
// Lump sums are paid after the month's payment, each capped at what is still owed;
// one that clears the balance ends the loan that month. "Lower repayment"
// recomputes the repayment over the months left to the term (n - m) from the
// balance after it, due from the next month. An extra payment taken as a lower
// repayment recomputes the regular repayment every month after the extra is paid,
// so the instalments fall and the loan ends at its term (sooner only when the extra
// alone pays off what is left); while it runs, a lump sum lowers the repayment too,
// whatever its choice. The list of repayments notes such an extra once, at its
// month, not every month's recompute. An extra of 0 stops an earlier one.
LoanOutcome Walk(double principal, int term, double annualRate,
                 std::span<const LoanChange> changes) {
  LoanOutcome out;
  out.Schedule.reserve(static_cast<std::size_t>(term));
  Course course;
  course.Rate = annualRate;
  course.Set(principal, 1, term);
  double balance = principal;
  double extra = 0;
  bool spreadExtra = false;  // an extra taken as a lower repayment is running
  out.Repayments.push_back({1, course.Regular});
  std::size_t next = 0;
  for (int month = 1; month <= term; ++month) {
    const std::size_t first = next;
    while (next < changes.size() && changes[next].Month == month) ++next;
    const std::span<const LoanChange> now = changes.subspan(first, next - first);

    bool dueChanged = false;
    for (const LoanChange& c : now) {
      if (c.Kind == LoanChangeKind::Rate) {
        course.Rate = c.Amount;
        course.Set(balance, month, term - month + 1);
        dueChanged = true;
      } else if (c.Kind == LoanChangeKind::Extra) {
        extra = c.Amount;
        spreadExtra = extra > 0 && c.Choice == LoanChangeChoice::LowerRepayment;
        dueChanged = true;
      }
    }
    if (dueChanged) NoteRepayment(out.Repayments, month, course.Regular + extra);

    LoanScenarioMonth row;
    row.Month = month;
    row.AnnualRate = course.Rate;
    row.Changed = !now.empty();
    const double i = MonthlyLoanRate(course.Rate);
    row.Interest = balance * i;
    const double owed = balance + row.Interest;
    row.Repayment = course.Regular + extra;
    if (row.Repayment >= owed - HalfCent || month == term) {
      row.Repayment = owed;
      balance = 0;
    } else {
      course.Lead = course.Lead * (1 + i) + extra;
      balance = course.BalanceBefore(month + 1);
    }
    row.Capital = row.Repayment - row.Interest;

    bool lumpLowers = false;
    for (const LoanChange& c : now) {
      if (c.Kind != LoanChangeKind::LumpSum) continue;
      const double paid = balance - c.Amount < HalfCent ? balance : c.Amount;
      row.LumpSum += paid;
      course.Lead += paid;
      balance -= paid;
      if (c.Choice == LoanChangeChoice::LowerRepayment) lumpLowers = true;
    }
    row.Balance = balance;

    out.TotalInterest += row.Interest;
    out.TotalRepayments += row.Repayment + row.LumpSum;
    out.Months = month;
    out.LastPayment = row.Repayment;
    out.Schedule.push_back(row);
    if (balance <= 0) break;

    if ((spreadExtra || lumpLowers) && month < term) {
      course.Set(balance, month + 1, term - month);
      if (lumpLowers) NoteRepayment(out.Repayments, month + 1, course.Regular + extra);
    }
  }
  // A repayment due from a month after the loan has ended is never paid.
  while (!out.Repayments.empty() && out.Repayments.back().Month > out.Months) {
    out.Repayments.pop_back();
  }
  return out;
}

// A rate of the table: the loan's rate moved by whole steps, kept on the rate
// field's grid of three decimals when the loan's rate is on it (so that 11.1 less
// 2 is 9.1, not 9.0999999999999996).
double TableRate(double annualRate, int steps) {
  const double rate = annualRate + RateStep * steps;
  if (std::round(annualRate * 1000) / 1000 != annualRate) return rate;
  return std::round(rate * 1000) / 1000;
}

std::vector<LoanRateRow> RateTable(double principal, int term, double annualRate) {
  std::vector<LoanRateRow> rows;
  rows.reserve(2 * RateSteps + 1);
  for (int k = -RateSteps; k <= RateSteps; ++k) {
    const double rate = k == 0 ? annualRate : TableRate(annualRate, k);
    if (rate < 0 || rate > LoanRateMax) continue;
    LoanRateRow row;
    row.AnnualRate = rate;
    row.Repayment = RepaymentOver(principal, term, rate);
    row.TotalInterest = row.Repayment * term - principal;
    row.Current = k == 0;
    rows.push_back(row);
  }
  return rows;
}

InputError ChangeError(std::size_t index, const char* field, std::string message) {
  return {"Changes[" + std::to_string(index) + "]." + field, std::move(message)};
}

}  // namespace

RangeTable<LoanScenarioInput> LoanScenarioRanges() { return ScenarioRanges; }

std::optional<InputError> ValidateLoanScenario(const LoanScenarioInput& input) {
  if (auto error = CheckInputs(LoanScenarioRanges(), input)) return error;
  if (std::floor(input.Period) != input.Period) {
    return InputError{LoanPeriodRange.Key,
                      FormatShortest(input.Period) + " is not a whole number of months"};
  }
  for (std::size_t k = 0; k < input.Changes.size(); ++k) {
    const LoanChange& c = input.Changes[k];
    if (c.Month < 1 || c.Month > input.Period) {
      return ChangeError(
          k, LoanChangeMonthRange.Key,
          std::to_string(c.Month) + " is outside 1 to " + FormatShortest(input.Period));
    }
    const InputRange& amount =
        c.Kind == LoanChangeKind::Rate ? LoanChangeRateRange : LoanChangeAmountRange;
    if (auto error = CheckRange(amount, c.Amount)) {
      return ChangeError(k, amount.Key, std::move(error->Message));
    }
  }
  return std::nullopt;
}

LoanScenarioResult ComputeLoanScenario(const LoanScenarioInput& input) {
  LoanScenarioResult result;
  // As the loans' schedules: a principal below half a cent is the 0.00 it shows.
  if (std::fabs(input.Principal) < HalfCent || input.Period == 0 || ValidateLoanScenario(input)) {
    return result;
  }
  const int term = static_cast<int>(input.Period);
  std::vector<LoanChange> changes = input.Changes;
  std::stable_sort(changes.begin(), changes.end(),
                   [](const LoanChange& a, const LoanChange& b) { return a.Month < b.Month; });

  result.AsItStands = Walk(input.Principal, term, input.AnnualRate, {});
  result.Scenario = Walk(input.Principal, term, input.AnnualRate, changes);
  result.InterestSaved = result.AsItStands.TotalInterest - result.Scenario.TotalInterest;
  result.MonthsSaved = result.AsItStands.Months - result.Scenario.Months;
  result.RateTable = RateTable(input.Principal, term, input.AnnualRate);
  return result;
}

const char* LoanChangeKindName(LoanChangeKind kind) {
  switch (kind) {
    case LoanChangeKind::Rate:
      return "Rate";
    case LoanChangeKind::LumpSum:
      return "LumpSum";
    case LoanChangeKind::Extra:
      return "Extra";
  }
  return "";
}

const char* LoanChangeChoiceName(LoanChangeChoice choice) {
  switch (choice) {
    case LoanChangeChoice::ShorterTerm:
      return "ShorterTerm";
    case LoanChangeChoice::LowerRepayment:
      return "LowerRepayment";
  }
  return "";
}

std::optional<LoanChangeKind> LoanChangeKindFromName(std::string_view name) {
  for (const LoanChangeKind kind :
       {LoanChangeKind::Rate, LoanChangeKind::LumpSum, LoanChangeKind::Extra}) {
    if (name == LoanChangeKindName(kind)) return kind;
  }
  return std::nullopt;
}

std::optional<LoanChangeChoice> LoanChangeChoiceFromName(std::string_view name) {
  for (const LoanChangeChoice choice :
       {LoanChangeChoice::ShorterTerm, LoanChangeChoice::LowerRepayment}) {
    if (name == LoanChangeChoiceName(choice)) return choice;
  }
  return std::nullopt;
}

}  // namespace reventa
