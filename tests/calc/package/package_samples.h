// SPDX-License-Identifier: GPL-3.0-or-later
// Random net-to-gross cases for comparing the fast search with the stepped one:
// values spread over what the package windows accept (money with cents, percentages
// with three decimals, the 27.5 rule on the retirement-fund percentages), with the
// awkward settings over-represented: UIF percentages that make the net pay fall or
// stand still as the salary rises, UIF limits of 0 and of the field maximum, large
// medical contributions whose credits exceed the tax, company cars, and net amounts
// required that a trial salary meets exactly (a tie) or misses by one unit in the
// last place. Shared by the search test and the comparison run of the benchmark.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "calc/package/package.h"
#include "calc/package/package_search.h"

namespace reventa::samples {

class PackageSampler {
 public:
  // The annual net required is mostly log-uniform from netFloor to netScale (a
  // twelfth of it in the monthly windows), one case in fifty up to ten times that;
  // the stepped search's time follows it.
  PackageSampler(std::uint64_t seed, double netScale, double netFloor = 1)
      : rng_(seed), netScale_(netScale), netFloor_(netFloor) {}

  struct Case {
    PackageWindow Window;
    PackageInputs Inputs;
    TrialConstants Constants;
    double NetRequired = 0;
  };

  Case Next() {
    Case out;
    const bool monthly = Chance(0.5);
    out.Window = monthly ? NetToGrossMonthly : NetToGrossAnnual;
    const double period = monthly ? 12 : 1;
    PackageInputs& in = out.Inputs;

    double scale = netScale_;
    if (Chance(0.02)) scale *= 10;
    in.NetRequired = std::min(PackageMoneyMax, Cents(LogUniform(netFloor_, scale) / period));

    const double p = Uniform(0, 1);
    if (p < 0.6) {
      in.Age = static_cast<std::int16_t>(18 + Below(47));
    } else if (p < 0.8) {
      in.Age = static_cast<std::int16_t>(65 + Below(10));
    } else if (p < 0.95) {
      in.Age = static_cast<std::int16_t>(75 + Below(30));
    } else {
      in.Age = static_cast<std::int16_t>(Below(1000));
    }

    const double net = in.NetRequired;
    // The fringe amounts stay mostly within the net required, as the fringe check
    // wants; the search itself does not care.
    in.Travel = Maybe(0.3, net * Uniform(0, 0.5));
    in.OtherFB = Maybe(0.2, net * Uniform(0, 0.3));
    in.OtherDedTotal = Maybe(0.2, net * Uniform(0, 0.3));
    // Now and then contributions far above the salary: credits far above the tax.
    const double medScale = Chance(0.01) ? 1e6 / period : std::max(2.0, net * 0.3);
    in.MedEmployee = Maybe(0.4, LogUniform(1, medScale));
    in.MedEmployer = Maybe(0.4, LogUniform(1, medScale));
    in.MedDeduct = Maybe(0.2, net * Uniform(0, 0.5));
    in.Beneficiaries = static_cast<std::int16_t>(
        Chance(0.9) ? Below(monthly ? 6 : 60)
                    : Below(PackageBeneficiariesMax(out.Window.Period) + 1));
    in.CarValue = Maybe(0.2, LogUniform(1000, 1e6));
    in.CarCostCC = Maybe(0.5, LogUniform(1, 1e6));
    in.MaintenancePlan = Chance(0.5);
    in.TaRate = Chance(0.7) ? 0.8 : 0.2;
    in.CarFbRate = Chance(0.7) ? 0.8 : 0.2;

    if (Chance(0.5)) {
      in.RFundEmployeeTyped = Maybe(0.3, net * Uniform(0, 0.2));
      in.RFundEmployerTyped = Maybe(0.3, net * Uniform(0, 0.2));
    } else {
      in.EmployeePct = Percent(0, 27.5);
      in.EmployerPct = Chance(0.2) ? 27.5 - in.EmployeePct : Percent(0, 27.5 - in.EmployeePct);
      ApplyNetToGrossPercentLimit(in);
    }

    in.UifEmployeePct = UifPercent();
    in.UifEmployerPct = UifPercent();
    in.SdlPct = Chance(0.8) ? 1 : Percent(0, 100);
    const double u = Uniform(0, 1);
    if (u < 0.6) {
      in.UifLimit = 17712;
    } else if (u < 0.7) {
      in.UifLimit = 0;
    } else if (u < 0.75) {
      in.UifLimit = PackageUifLimitMax;
    } else {
      in.UifLimit = std::round(LogUniform(1, PackageUifLimitMax));
    }

    out.Constants = NetToGrossSearchConstants(out.Window, in);
    out.NetRequired = in.NetRequired;
    // Ties: the net of some trial salary exactly, or one unit in the last place
    // either side of it.
    const double tie = Uniform(0, 1);
    if (tie < 0.2) {
      const double trial = std::floor(LogUniform(1, 4 * std::max(1.0, net)));
      const double at = NetAtTrial(out.Constants, trial);
      if (tie < 0.1) {
        out.NetRequired = at;
      } else if (tie < 0.15) {
        out.NetRequired = std::nextafter(at, -INFINITY);
      } else {
        out.NetRequired = std::nextafter(at, INFINITY);
      }
      in.NetRequired = out.NetRequired;
    }
    return out;
  }

 private:
  double Uniform(double low, double high) {
    return low + (high - low) * std::uniform_real_distribution<double>(0, 1)(rng_);
  }
  bool Chance(double p) { return Uniform(0, 1) < p; }
  std::uint64_t Below(std::uint64_t n) { return rng_() % n; }
  double LogUniform(double low, double high) {
    return std::exp(Uniform(std::log(low), std::log(high)));
  }
  static double Cents(double value) { return std::round(value * 100) / 100; }
  double Maybe(double p, double value) { return Chance(p) ? Cents(value) : 0; }
  double Percent(double low, double high) {
    return std::clamp(std::round(Uniform(low, high) * 1000) / 1000, low, high);
  }
  // Mostly 1; sometimes the percentages at which the net pay stands still in a
  // bracket (1 - rate), 100, or anything with three decimals.
  double UifPercent() {
    static constexpr double kStill[] = {82, 74, 69, 64, 61, 59, 55, 100, 50, 0};
    const double p = Uniform(0, 1);
    if (p < 0.7) return 1;
    if (p < 0.85) return kStill[Below(std::size(kStill))];
    return Percent(0, 100);
  }

  std::mt19937_64 rng_;
  double netScale_;
  double netFloor_;
};

}  // namespace reventa::samples
