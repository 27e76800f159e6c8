// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>

#include "calc/package/package.h"
#include "calc/package/package_search.h"
#include "package_samples.h"

namespace reventa {
namespace {

// The stepped search is the reference; beyond this trial salary a test only checks
// that the fast search also found nothing earlier.
constexpr double kSteppedLimit = 3e6;

std::string Describe(const PackageWindow& w, const PackageInputs& in, double required) {
  std::ostringstream s;
  s.precision(17);
  s << (w.Period == PackagePeriod::Monthly ? "monthly" : "annual") << " required=" << required
    << " age=" << in.Age << " travel=" << in.Travel << " otherFB=" << in.OtherFB
    << " otherDed=" << in.OtherDedTotal << " medEe=" << in.MedEmployee
    << " medEr=" << in.MedEmployer << " bens=" << in.Beneficiaries << " medDed=" << in.MedDeduct
    << " car=" << in.CarValue << " mp=" << in.MaintenancePlan << " ta=" << in.TaRate
    << " carFb=" << in.CarFbRate << " rfEe=" << in.RFundEmployeeTyped
    << " rfEr=" << in.RFundEmployerTyped << " pctEe=" << in.EmployeePct
    << " pctEr=" << in.EmployerPct << " uifEe=" << in.UifEmployeePct
    << " uifEr=" << in.UifEmployerPct << " sdl=" << in.SdlPct << " limit=" << in.UifLimit;
  return s.str();
}

void ExpectSameTrial(const PackageWindow& w, const PackageInputs& in, double required) {
  const TrialConstants c = NetToGrossSearchConstants(w, in);
  const SearchOutcome stepped = SteppedSearch(c, required, kSteppedLimit);
  const SearchOutcome fast = FastSearch(c, required);
  if (stepped.TrialSalary) {
    EXPECT_EQ(fast.TrialSalary, stepped.TrialSalary) << Describe(w, in, required);
  } else {
    // Nothing up to the limit: the fast answer, if any, lies beyond it.
    EXPECT_TRUE(!fast.TrialSalary || *fast.TrialSalary > kSteppedLimit)
        << Describe(w, in, required) << " fast=" << *fast.TrialSalary;
  }
}

PackageInputs Plain(std::int16_t age, double net) {
  PackageInputs in;
  in.Age = age;
  in.NetRequired = net;
  return in;
}

TEST(PackageSearch, AgreesWithSteppedSearchOnRandomCases) {
  samples::PackageSampler sampler(20240301, 20000);
  for (int i = 0; i < 3000; ++i) {
    const samples::PackageSampler::Case c = sampler.Next();
    ExpectSameTrial(c.Window, c.Inputs, c.NetRequired);
    if (HasFailure()) break;
  }
}

struct EdgeCase {
  const char* name;
  PackageWindow window;
  PackageInputs inputs;
  double required;
};

void PrintTo(const EdgeCase& e, std::ostream* os) { *os << e.name; }

class PackageSearchEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(PackageSearchEdges, FastEqualsStepped) {
  const EdgeCase& e = GetParam();
  ExpectSameTrial(e.window, e.inputs, e.required);
}

PackageInputs With(PackageInputs in, void (*change)(PackageInputs&)) {
  change(in);
  return in;
}

// Under 65 with default settings, from 95 750 to the UIF cap of 212 544 a year the
// net is 0.81 x salary + 17 235: salary 100 000 nets exactly 98 235.
INSTANTIATE_TEST_SUITE_P(
    Cases, PackageSearchEdges,
    ::testing::Values(
        EdgeCase{"TieContinues", NetToGrossAnnual, Plain(30, 98235), 98235},
        EdgeCase{"JustBelowTie", NetToGrossAnnual, Plain(30, 98234.99), 98234.99},
        EdgeCase{"SmallestNet", NetToGrossAnnual, Plain(30, 0.01), 0.01},
        EdgeCase{"RebateCorner", NetToGrossAnnual, Plain(30, 94792.5), 94792.5},
        // UIF of 82% cancels the rest of each rand in the 18% bracket: the net
        // stands at 17 235 up to the cap, and only rounding moves it.
        EdgeCase{"FlatNetOnRequired", NetToGrossAnnual,
                 With(Plain(30, 17235), [](PackageInputs& in) { in.UifEmployeePct = 82; }), 17235},
        EdgeCase{"FlatNetMonthly", NetToGrossMonthly,
                 With(Plain(30, 1436.25),
                      [](PackageInputs& in) {
                        in.UifEmployeePct = 82;
                        in.UifLimit = 20000;
                      }),
                 1436.25},
        // UIF of 100% makes the net fall with every rand until the cap.
        EdgeCase{"FallingNetToCap", NetToGrossAnnual,
                 With(Plain(40, 1000),
                      [](PackageInputs& in) {
                        in.UifEmployeePct = 100;
                        in.UifLimit = 20000;
                      }),
                 1000},
        EdgeCase{"FallingNetMonthly", NetToGrossMonthly,
                 With(Plain(40, 50),
                      [](PackageInputs& in) {
                        in.UifEmployeePct = 100;
                        in.UifLimit = 30000;
                        in.Travel = 40;
                      }),
                 50},
        EdgeCase{"NoUifLimit", NetToGrossAnnual,
                 With(Plain(30, 250000), [](PackageInputs& in) { in.UifLimit = 0; }), 250000},
        EdgeCase{"FullRetirementPercentages", NetToGrossMonthly,
                 With(Plain(50, 60000),
                      [](PackageInputs& in) {
                        in.EmployeePct = 20;
                        in.EmployerPct = 7.5;
                      }),
                 60000},
        // Credits far above the tax: the excess keeps coming off the net.
        EdgeCase{"CreditsAboveTax", NetToGrossAnnual,
                 With(Plain(70, 5000),
                      [](PackageInputs& in) {
                        in.MedEmployee = 60000;
                        in.MedEmployer = 60000;
                        in.Beneficiaries = 36;
                        in.MedDeduct = 1000;
                      }),
                 5000},
        EdgeCase{"CreditsAboveTaxMonthly", NetToGrossMonthly,
                 With(Plain(80, 300),
                      [](PackageInputs& in) {
                        in.MedEmployee = 9000;
                        in.Beneficiaries = 5;
                      }),
                 300},
        EdgeCase{"CarAndFringe", NetToGrossMonthly,
                 With(Plain(45, 20000),
                      [](PackageInputs& in) {
                        in.CarValue = 450000;
                        in.Travel = 5000;
                        in.OtherFB = 1500.5;
                        in.OtherDedTotal = 800;
                        in.TaRate = 0.2;
                      }),
                 20000},
        EdgeCase{"TypedFundsAboveSalary", NetToGrossAnnual,
                 With(Plain(30, 30000),
                      [](PackageInputs& in) {
                        in.RFundEmployeeTyped = 20000;
                        in.RFundEmployerTyped = 25000;
                      }),
                 30000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PackageSearch, TiesAtBracketCeilingsAgree) {
  // The net of the salaries whose taxable income sits exactly on each ceiling, and
  // one rand either side, used as the net required.
  const PackageInputs in = Plain(30, 1);
  const TrialConstants c = NetToGrossSearchConstants(NetToGrossAnnual, in);
  for (const TaxBracket& b : IncomeTaxTable) {
    if (b.ceiling > 3e6) continue;
    for (double offset : {-1.0, 0.0, 1.0}) {
      const double required = NetAtTrial(c, b.ceiling + offset);
      const SearchOutcome fast = FastSearch(c, required);
      const SearchOutcome stepped = SteppedSearch(c, required);
      EXPECT_EQ(fast.TrialSalary, stepped.TrialSalary) << b.ceiling + offset;
    }
  }
}

TEST(PackageSearch, FastSearchEvaluatesFewTrials) {
  for (double required : {1e6, PackageMoneyMax}) {
    const TrialConstants c = NetToGrossSearchConstants(NetToGrossAnnual, Plain(40, required));
    const SearchOutcome fast = FastSearch(c, required);
    ASSERT_TRUE(fast.TrialSalary);
    EXPECT_LT(fast.Evaluations, 200u) << required;
    // The answer is a crossing: above the net required, and the rand before is not.
    EXPECT_GT(NetAtTrial(c, *fast.TrialSalary), required);
    EXPECT_LE(NetAtTrial(c, *fast.TrialSalary - 1), required);
  }
}

// The search's work is bounded whatever it is given, and a trial salary it returns
// is the stepped search's.
struct LimitCase {
  const char* name;
  PackageWindow window;
  void (*change)(PackageInputs&);
  double required;
  std::uint64_t limit;
  bool found;
  bool atLimit;
};

void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

class PackageSearchLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(PackageSearchLimit, EndsWithinItsLimit) {
  const LimitCase& c = GetParam();
  PackageInputs in = Plain(30, 1);
  c.change(in);
  const TrialConstants constants = NetToGrossSearchConstants(c.window, in);
  const SearchOutcome fast = FastSearch(constants, c.required, c.limit);
  EXPECT_LE(fast.Evaluations, c.limit);
  EXPECT_EQ(fast.WorkLimitReached, c.atLimit);
  ASSERT_EQ(fast.TrialSalary.has_value(), c.found);
  if (c.found) {
    EXPECT_EQ(fast.TrialSalary, SteppedSearch(constants, c.required, kSteppedLimit).TrialSalary);
  }
}

void FlatNet(PackageInputs& in) { in.UifEmployeePct = 82; }

INSTANTIATE_TEST_SUITE_P(
    Cases, PackageSearchLimit,
    ::testing::Values(
        // A rate far outside the settings once sent the search one rand at a time
        // towards 2^52.
        LimitCase{"TravelRateOverflowing", NetToGrossMonthly,
                  [](PackageInputs& in) {
                    in.Travel = 1;
                    in.TaRate = 1e308;
                  },
                  1000, 1000000, false, true},
        // The net stands within rounding of the net required from 95 750 up to the
        // UIF cap: every trial there is stepped through, and the answer lies beyond.
        LimitCase{"FlatNetBeyondTheLimit", NetToGrossAnnual, FlatNet, 17235.000001, 1000, false,
                  true},
        LimitCase{"FlatNetWithinTheLimit", NetToGrossAnnual, FlatNet, 17235.000001, 1000000, true,
                  false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace reventa
