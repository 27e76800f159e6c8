// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/package/package_search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace reventa {

TrialConstants MakeTrialConstants(PackagePeriod period, const PackageInputs& inputs,
                                  double carBenefit, double rebate, double credits,
                                  double medDeduct) {
  TrialConstants c;
  c.Period = period;
  c.CarBenefit = carBenefit;
  c.Rebate = rebate;
  c.Credits = credits;
  c.Travel = inputs.Travel;
  c.TravelIncluded = inputs.Travel * inputs.TaRate;
  c.OtherFB = inputs.OtherFB;
  c.OtherDedTotal = inputs.OtherDedTotal;
  c.MedDeduct = medDeduct;
  c.MedEmployee = inputs.MedEmployee;
  c.MedEmployer = inputs.MedEmployer;
  c.RFundEmployeeTyped = inputs.RFundEmployeeTyped;
  c.RFundEmployerTyped = inputs.RFundEmployerTyped;
  c.EmployeePct = inputs.EmployeePct;
  c.EmployerPct = inputs.EmployerPct;
  c.UifEmployeePct = inputs.UifEmployeePct;
  c.UifEmployerPct = inputs.UifEmployerPct;
  c.SdlPct = inputs.SdlPct;
  c.UifCap = period == PackagePeriod::Annual ? inputs.UifLimit * 12 : inputs.UifLimit;
  return c;
}

PackageTrial EvaluateTrial(const TrialConstants& c, double trialSalary) {
  const double t = trialSalary;
  const bool monthly = c.Period == PackagePeriod::Monthly;
  PackageTrial r;

  const double base = t + c.MedEmployee + c.MedEmployer - c.Credits;
  r.RFundEmployee = c.EmployeePct > 0 ? base * c.EmployeePct / 100 : c.RFundEmployeeTyped;
  r.RFundEmployer = c.EmployerPct > 0 ? base * c.EmployerPct / 100 : c.RFundEmployerTyped;

  const double taxable = c.CarBenefit + t + c.TravelIncluded + c.OtherFB + c.OtherDedTotal -
                         r.RFundEmployee - c.MedDeduct + c.MedEmployee - c.Credits + c.MedEmployer;
  // The monthly windows annualise the month's taxable income for the tax table.
  if (taxable < 0) {
    r.TaxableIncome = 0;
  } else {
    r.TaxableIncome = monthly ? 12 * taxable : taxable;
  }
  r.Tax = ComputeIncomeTax(r.TaxableIncome);
  r.TaxDue = r.Tax.TaxBeforeRebates - c.Rebate;
  if (r.TaxDue < 0) r.TaxDue = 0;
  if (monthly) r.TaxDue = r.TaxDue / 12;

  r.UifBase = c.CarBenefit + t + c.TravelIncluded + c.OtherFB + c.OtherDedTotal + c.MedEmployer +
              r.RFundEmployer - c.Credits;
  const double uifRemuneration = r.UifBase <= c.UifCap ? r.UifBase : c.UifCap;
  r.UifEmployee = uifRemuneration * c.UifEmployeePct / 100;
  r.UifEmployer = uifRemuneration * c.UifEmployerPct / 100;
  // The skills levy has no ceiling and no threshold.
  r.SdlAmount = (r.UifBase - (r.RFundEmployee + r.RFundEmployer)) * c.SdlPct / 100;

  r.NetAtTrial = t + c.Travel - r.RFundEmployee - c.MedDeduct - r.TaxDue - r.UifEmployee;
  // Credits above the tax are not paid out; the excess comes off the net pay.
  if (c.Credits >= r.TaxDue) r.NetAtTrial = r.NetAtTrial - (c.Credits - r.TaxDue);
  return r;
}

double NetAtTrial(const TrialConstants& c, double trialSalary) {
  return EvaluateTrial(c, trialSalary).NetAtTrial;
}

SearchOutcome SteppedSearch(const TrialConstants& c, double netRequired, double lastTrial) {
  SearchOutcome out;
  double trial = 0;
  for (;;) {
    trial = trial + 1;
    if (trial > lastTrial) return out;
    ++out.Evaluations;
    if (NetAtTrial(c, trial) > netRequired) {
      out.TrialSalary = trial;
      return out;
    }
  }
}

namespace {

// The exact (real-number) net pay of a trial is continuous and piecewise linear in
// the trial salary; the computed net differs from it only by rounding. The search
// relies on two bounds, both far wider than the rounding they cover. Let S be the
// sum of the magnitudes that enter a trial (Magnitude below, with the trial salary;
// x 12 in the monthly windows):
// - kRoundingPerUnit: a computed net lies within kRoundingPerUnit x S of the exact
//   one. About 40 additions and multiplications, each off by at most 1.1e-16 of its
//   result, with the monthly x 12 before the tax table and / 12 after it, come to
//   less than 50 x 1.1e-16 x S; the bound allows some 180 times that.
// - kCornerPerUnit: a corner found by solving the straight pieces lies within
//   kCornerPerUnit x S / (slope of the crossing value) of the true corner, which a
//   handful of roundings (about 1e-15 x S) cannot reach.
constexpr double kRoundingPerUnit = 1e-12;
constexpr double kCornerPerUnit = 1e-10;

// The sum of the magnitudes of everything a trial adds up, without the trial salary.
double Magnitude(const TrialConstants& c) {
  const double f = c.Period == PackagePeriod::Monthly ? 12 : 1;
  const double inputs = std::abs(c.CarBenefit) + std::abs(c.Travel) + std::abs(c.TravelIncluded) +
                        std::abs(c.OtherFB) + std::abs(c.OtherDedTotal) + std::abs(c.MedDeduct) +
                        std::abs(c.MedEmployee) + std::abs(c.MedEmployer) +
                        std::abs(c.RFundEmployeeTyped) + std::abs(c.RFundEmployerTyped) +
                        std::abs(c.Credits);
  // The bracket floors (up to 1 817 000) and base taxes enter the portion tax.
  return f * inputs + std::abs(c.UifCap) + std::abs(c.Rebate) + 4e6;
}

// Taxable income at which the tax before rebates reaches `tax`; empty when it never
// does at a positive income.
std::optional<double> IncomeForTax(double tax) {
  if (!(tax > 0)) return std::nullopt;
  for (std::size_t i = 0; i < IncomeTaxTable.size(); ++i) {
    const TaxBracket& b = IncomeTaxTable[i];
    const bool last = i + 1 == IncomeTaxTable.size();
    if (last || tax <= IncomeTaxTable[i + 1].baseTax) {
      return b.floor + (tax - b.baseTax) * 100 / b.rate;
    }
  }
  return std::nullopt;
}

// A stretch of whole trial salaries [Low, High] around a corner: every trial in it
// is evaluated, and no linear stretch reaches across it. Empty (High < Low) when no
// whole number lies close to the corner; it still splits the stretches there.
struct CornerZone {
  double Low;
  double High;
};

// At most: taxable income 0, six bracket ceilings, tax at the rebate, tax at the
// rebate plus credits, and the UIF cap.
constexpr std::size_t kMaxCorners = 10;

struct Corners {
  std::array<CornerZone, kMaxCorners> Zones{};
  std::size_t Count = 0;
};

Corners FindCorners(const TrialConstants& c) {
  Corners out;
  const double f = c.Period == PackagePeriod::Monthly ? 12 : 1;
  const double magnitude = Magnitude(c);

  auto add = [&](double corner, double crossingSlope) {
    if (!std::isfinite(corner) || corner > LastTrialSalary) return;
    const double margin =
        kCornerPerUnit * (magnitude + f * std::abs(corner)) / std::min(1.0, crossingSlope) +
        kCornerPerUnit;
    double low = std::ceil(corner - margin);
    const double high = std::floor(corner + margin);
    if (high < 1) return;
    if (low < 1) low = 1;
    out.Zones[out.Count++] = CornerZone{low, high};
  };

  // Taxable income is a straight line in the trial salary: the retirement-fund
  // percentage of the employee comes off each rand (its base is the trial salary
  // plus medical contributions less credits).
  const double employeeShare = c.EmployeePct > 0 ? c.EmployeePct / 100 : 0;
  const double taxableSlope = 1 - employeeShare;
  const double taxableAtZero =
      c.CarBenefit + c.TravelIncluded + c.OtherFB + c.OtherDedTotal - c.MedDeduct + c.MedEmployee -
      c.Credits + c.MedEmployer -
      (c.EmployeePct > 0 ? (c.MedEmployee + c.MedEmployer - c.Credits) * employeeShare
                         : c.RFundEmployeeTyped);
  if (taxableSlope != 0) {
    const double slope = std::abs(taxableSlope);
    auto atIncome = [&](double annualIncome, double crossingSlope) {
      add((annualIncome / f - taxableAtZero) / taxableSlope, crossingSlope);
    };
    atIncome(0, slope);
    for (std::size_t i = 0; i + 1 < IncomeTaxTable.size(); ++i) {
      atIncome(IncomeTaxTable[i].ceiling, slope);
    }
    // The tax rises at 18% or more of each rand of taxable income.
    const double taxSlope = 0.18 * slope;
    if (auto income = IncomeForTax(c.Rebate)) atIncome(*income, taxSlope);
    if (c.Credits > 0) {
      if (auto income = IncomeForTax(c.Rebate + f * c.Credits)) atIncome(*income, taxSlope);
    }
  }

  const double employerShare = c.EmployerPct > 0 ? c.EmployerPct / 100 : 0;
  const double uifSlope = 1 + employerShare;
  const double uifAtZero =
      c.CarBenefit + c.TravelIncluded + c.OtherFB + c.OtherDedTotal + c.MedEmployer - c.Credits +
      (c.EmployerPct > 0 ? (c.MedEmployee + c.MedEmployer - c.Credits) * employerShare
                         : c.RFundEmployerTyped);
  if (uifSlope != 0) add((c.UifCap - uifAtZero) / uifSlope, std::abs(uifSlope));

  std::sort(out.Zones.begin(), out.Zones.begin() + static_cast<std::ptrdiff_t>(out.Count),
            [](const CornerZone& a, const CornerZone& b) { return a.Low < b.Low; });
  return out;
}

class Searcher {
 public:
  Searcher(const TrialConstants& c, double netRequired, std::uint64_t trialLimit)
      : c_(c),
        required_(netRequired),
        magnitude_(Magnitude(c)),
        periodFactor_(c.Period == PackagePeriod::Monthly ? 12 : 1),
        limit_(trialLimit) {}

  std::uint64_t Evaluations() const { return evaluations_; }
  bool Spent() const { return evaluations_ >= limit_; }

  std::optional<double> Run() {
    const Corners corners = FindCorners(c_);
    double next = 1;
    for (std::size_t i = 0; i < corners.Count && !Spent(); ++i) {
      const CornerZone& zone = corners.Zones[i];
      if (zone.High < next) continue;
      if (zone.Low > next) {
        if (auto t = SearchStraight(next, zone.Low - 1)) return t;
      }
      if (auto t = Step(std::max(zone.Low, next), zone.High)) return t;
      next = zone.High + 1;
    }
    if (Spent()) return std::nullopt;
    return SearchLastStretch(next);
  }

 private:
  // Once the limit is spent every further trial counts as not above the net
  // required, without being evaluated: nothing is returned that a skipped trial
  // before it might have beaten, and every remaining step ends at once.
  double Net(double trial) {
    if (Spent()) return -std::numeric_limits<double>::infinity();
    ++evaluations_;
    return NetAtTrial(c_, trial);
  }

  std::optional<double> Step(double from, double to) {
    for (double t = from; t <= to && !Spent(); t = t + 1) {
      if (Net(t) > required_) return t;
    }
    return std::nullopt;
  }

  // How far a computed net on [.., highest] may lie from the exact straight line,
  // counting the rounding of both ends and of the trial itself.
  double Tolerance(double highest) const {
    const double rounding =
        kRoundingPerUnit * (magnitude_ + periodFactor_ * std::abs(highest)) + kRoundingPerUnit;
    return 3 * rounding;
  }

  // First answer in [low, high], where the exact net is one straight line. Trials
  // whose line value lies more than the tolerance below the net required cannot
  // have a computed net above it; those more than the tolerance above must have.
  // Only the trials in between are evaluated one by one.
  std::optional<double> SearchStraight(double low, double high) {
    const double atLow = Net(low);
    if (atLow > required_) return low;
    if (high <= low) return std::nullopt;
    const double atHigh = Net(high);
    const double tolerance = Tolerance(std::max(std::abs(low), std::abs(high)));
    if (std::max(atLow, atHigh) + tolerance <= required_) return std::nullopt;

    const double span = high - low;
    // Where the line through the two ends reaches `level`, kept within [low - 1,
    // high + 1]. Each use moves it by `slack` the safe way: more than a rand plus
    // the rounding of the division and the product (a few parts in 1e16 of the
    // stretch and its start).
    auto crossing = [&](double level) {
      const double at = low + (level - atLow) / (atHigh - atLow) * span;
      return std::clamp(at, low - 1, high + 1);
    };
    const double slack = 2 + 1e-15 * (span + std::abs(low));

    if (atHigh > atLow) {
      const double firstSure = std::floor(crossing(required_ + tolerance) + slack);
      const double firstDoubtful =
          std::max(low + 1, std::floor(crossing(required_ - tolerance) - slack));
      if (auto t = Step(firstDoubtful, std::min(firstSure - 1, high))) return t;
      if (firstSure > high) return std::nullopt;
      if (Net(firstSure) > required_) return firstSure;
      // The bound failed to hold; never guess: settle the stretch trial by trial.
      return Step(low + 1, high);
    }
    // The line does not rise and starts at or below the net required: only a first
    // run of trials still within the tolerance of it can be above.
    if (atHigh == atLow) return Step(low + 1, high);
    const double lastDoubtful = std::min(high, std::floor(crossing(required_ - tolerance) + slack));
    return Step(low + 1, lastDoubtful);
  }

  // Beyond the last corner the net is one straight line for ever. Look ahead in
  // doubling strides for a trial above the net required, then search the straight
  // stretch up to it.
  std::optional<double> SearchLastStretch(double low) {
    if (low > LastTrialSalary) return std::nullopt;
    if (Net(low) > required_) return low;
    for (double stride = 1; low + stride <= LastTrialSalary; stride = stride * 2) {
      if (Net(low + stride) > required_) return SearchStraight(low, low + stride);
    }
    return std::nullopt;
  }

  const TrialConstants& c_;
  const double required_;
  const double magnitude_;
  const double periodFactor_;
  const std::uint64_t limit_;
  std::uint64_t evaluations_ = 0;
};

}  // namespace

SearchOutcome FastSearch(const TrialConstants& c, double netRequired, std::uint64_t trialLimit) {
  SearchOutcome out;
  // No net pay is above a net required that is not a number.
  if (std::isnan(netRequired)) return out;
  Searcher searcher(c, netRequired, trialLimit);
  out.TrialSalary = searcher.Run();
  out.Evaluations = searcher.Evaluations();
  out.WorkLimitReached = !out.TrialSalary && searcher.Spent();
  return out;
}

}  // namespace reventa
