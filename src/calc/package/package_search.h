// SPDX-License-Identifier: GPL-3.0-or-later
// The net-to-gross search: the gross salary is the first whole rand (1, 2, 3, ...)
// whose net pay is strictly greater than the net required. SteppedSearch tries every
// rand, as the windows always have; FastSearch finds the same rand by reasoning about
// the shape of the net-pay curve and evaluates only a few dozen trials. Both call
// the same NetAtTrial, so the figures of the rand they return are identical.
#pragma once

#include <cstdint>
#include <optional>

#include "calc/package/package.h"
#include "taxyear/income_tax.h"

namespace reventa {

// Everything a trial reads that does not change from one trial salary to the next.
struct TrialConstants {
  PackagePeriod Period = PackagePeriod::Annual;
  double CarBenefit = 0;
  double Rebate = 0;
  double Credits = 0;  // MedCredit + AddMedCredit
  double Travel = 0;
  double TravelIncluded = 0;  // Travel x TaRate
  double OtherFB = 0;
  double OtherDedTotal = 0;
  double MedDeduct = 0;  // after the clearing below age 65
  double MedEmployee = 0;
  double MedEmployer = 0;
  double RFundEmployeeTyped = 0;
  double RFundEmployerTyped = 0;
  double EmployeePct = 0;
  double EmployerPct = 0;
  double UifEmployeePct = 0;
  double UifEmployerPct = 0;
  double SdlPct = 0;
  double UifCap = 0;  // UIF limit of the period: x 12 in the annual windows
};

TrialConstants MakeTrialConstants(PackagePeriod period, const PackageInputs& inputs,
                                  double carBenefit, double rebate, double credits,
                                  double medDeduct);

// The constants a net-to-gross calculation searches with (car benefit, rebate,
// credits, medical deductions after the age rule), as Calculate works them out.
TrialConstants NetToGrossSearchConstants(PackageWindow window, const PackageInputs& inputs);

// The figures of one trial salary.
struct PackageTrial {
  double RFundEmployee = 0;
  double RFundEmployer = 0;
  double TaxableIncome = 0;  // annual: what ComputeIncomeTax was given
  IncomeTaxResult Tax;
  double TaxDue = 0;
  double UifBase = 0;
  double UifEmployee = 0;
  double UifEmployer = 0;
  double SdlAmount = 0;
  double NetAtTrial = 0;
};

// One step of the search: retirement-fund amounts on the trial salary plus medical
// contributions less credits, taxable income, tax after the rebate, UIF up to its
// cap, skills levy, and the net pay. Credits above the tax are not paid out; they
// reduce the net pay instead (a kept rule of these windows).
PackageTrial EvaluateTrial(const TrialConstants& constants, double trialSalary);
double NetAtTrial(const TrialConstants& constants, double trialSalary);

struct SearchOutcome {
  // The first whole-rand trial salary whose net is above the net required; empty
  // when there is none (only for values the windows refuse, see FastSearch) or when
  // the search stopped at its limit of trials first.
  std::optional<double> TrialSalary;
  std::uint64_t Evaluations = 0;  // trials evaluated
  // The limit of trials was spent before the answer was settled; no trial salary.
  bool WorkLimitReached = false;
};

// The most trials FastSearch evaluates for one calculation. The longest stretch it
// must step through rand by rand lies below the annual UIF cap (at most 12 x 999 999)
// where the net pay stands still on the net required; the limit leaves room above
// that, and bounds the work (a fraction of a second) whatever the constants hold.
inline constexpr std::uint64_t SearchTrialLimit = std::uint64_t{1} << 24;

// 2^52: the highest trial salary either search tries. Whole numbers are exact well
// beyond it, but from 2^53 adding a rand no longer changes a double and a
// rand-by-rand search would stand still.
inline constexpr double LastTrialSalary = 4503599627370496.0;

// Tries 1, 2, 3, ... up to lastTrial. Its time grows with the net required: about
// a million trials for R1 000 000 a year.
SearchOutcome SteppedSearch(const TrialConstants& constants, double netRequired,
                            double lastTrial = LastTrialSalary);

// Returns the same trial salary as SteppedSearch. The net pay is a continuous,
// piecewise linear function of the trial salary, with corners where taxable income
// crosses 0 or a bracket ceiling, where the tax crosses the rebate and the credits,
// and where the UIF base reaches its cap. Between corners each trial's computed net
// lies within a proven rounding bound of a straight line, so whole stretches are
// settled from their two ends, and only the trials whose net lies within that bound
// of the net required (and the few next to a corner) are evaluated one by one. A
// stretch where the net hardly changes and sits on the net required is therefore
// stepped through in full: correct, but as slow as the stepped search there.
//
// For every input the windows accept the net pay grows without bound (beyond the
// UIF cap and in the top bracket it rises by 55% of (1 - employee percentage) a
// rand), so there is always an answer. With an employee percentage of 100 or more
// it never rises, the stepped search would run for ever, and this one returns no
// trial salary.
//
// It evaluates at most `trialLimit` trials. A trial salary it returns is always the
// stepped search's; when the limit is spent first it returns none and sets
// WorkLimitReached. Constants that are not finite end the same way, never in an
// endless walk.
SearchOutcome FastSearch(const TrialConstants& constants, double netRequired,
                         std::uint64_t trialLimit = SearchTrialLimit);

}  // namespace reventa
