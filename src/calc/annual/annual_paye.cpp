// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/annual/annual_paye.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"
#include "taxyear/settings_ranges.h"

namespace reventa {
namespace {

// The months in the order of the tax year.
constexpr std::array<int, 12> TaxYearMonths{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};

constexpr std::array<const char*, 13> MonthNames{"",    "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// Whether calendar month m lies in the period whose first and last days fall in the
// calendar months s and e. January and February look only at the end month, and
// March only at the start month: the tax year starts in March, so an end month of
// January or February means the period runs past December.
bool MonthInPeriod(int m, int s, int e) {
  const bool endsInNewYear = e == 1 || e == 2;
  switch (m) {
    case 3:
      return s == 3;
    case 1:
      return endsInNewYear;
    case 2:
      return e == 2;
    default:
      return s >= 3 && s <= m && (e >= m || endsInNewYear);
  }
}

bool FitsInt16(std::int32_t v) {
  return v >= std::numeric_limits<std::int16_t>::min() &&
         v <= std::numeric_limits<std::int16_t>::max();
}

// The month's credit in the 16-bit arithmetic the annual credits use: every
// intermediate must fit, or the credit cannot be formed.
std::optional<std::int16_t> MonthCredit16(std::int16_t n) {
  const std::int32_t main = static_cast<std::int32_t>(MedCreditMain);
  const std::int32_t extra = static_cast<std::int32_t>(MedCreditExtra);
  const std::int32_t firstTwo = static_cast<std::int32_t>(MedCreditFirstTwo);
  if (n <= 2) {
    const std::int32_t credit = n * main;
    if (!FitsInt16(credit)) return std::nullopt;
    return static_cast<std::int16_t>(credit);
  }
  const std::int32_t further = (n - 2) * extra;
  if (!FitsInt16(further) || !FitsInt16(firstTwo + further)) return std::nullopt;
  return static_cast<std::int16_t>(firstTwo + further);
}

bool IsWholeDay(double serial) { return std::floor(serial) == serial; }

// The window's amount fields: rand and cents up to eight digits of rand.
constexpr double AnnualMaxAmount = 99999999;

}  // namespace

const InputField<AnnualInputs> AnnualRanges[12] = {
    {AgeRange.Named("AnnAge"), &AnnualInputs::AnnAge},
    {{"AnnSalary", 0, AnnualMaxAmount, 2}, &AnnualInputs::AnnSalary},
    {{"AnnEmployerMedAid", 0, AnnualMaxAmount, 2}, &AnnualInputs::AnnEmployerMedAid},
    {{"AnnEmployeeMedAid", 0, AnnualMaxAmount, 2}, &AnnualInputs::AnnEmployeeMedAid},
    {{"AnnEmployerRFund", 0, AnnualMaxAmount, 2}, &AnnualInputs::AnnEmployerRFund},
    {{"AnnEmployeeRFund", 0, AnnualMaxAmount, 2}, &AnnualInputs::AnnEmployeeRFund},
    {{"AnnCommissions", 0, AnnualMaxAmount, 2}, &AnnualInputs::AnnCommissions},
    {{"AnnBonus", 0, AnnualMaxAmount, 2}, &AnnualInputs::AnnBonus},
    {{"AnnTravelAllowance", 0, AnnualMaxAmount, 2}, &AnnualInputs::AnnTravelAllowance},
    {SettingInclusionRateRange.Named("AnnInclusionRate"), &AnnualInputs::AnnInclusionRate},
    {TaxYearDateRange.Named("AnnStartDate"), &AnnualInputs::AnnStartDate},
    {TaxYearDateRange.Named("AnnEndDate"), &AnnualInputs::AnnEndDate},
};

std::optional<InputError> ValidateAnnualInputs(const AnnualInputs& in) {
  if (auto e = CheckInputs<AnnualInputs>(AnnualRanges, in)) return e;
  // The start field takes the tax year; the end field takes the start date up to the
  // end of the tax year, so an end before the start is the end date's fault.
  if (!IsWholeDay(in.AnnStartDate) || in.AnnStartDate < TaxYearStart ||
      in.AnnStartDate > TaxYearEnd) {
    return InputError{"AnnStartDate", TaxYearDateMessage()};
  }
  if (!IsWholeDay(in.AnnEndDate) || in.AnnEndDate < in.AnnStartDate || in.AnnEndDate > TaxYearEnd) {
    return InputError{"AnnEndDate", TaxYearDateMessage(in.AnnStartDate)};
  }
  for (int m : TaxYearMonths) {
    const std::int16_t n = in.AnnMonthBens[static_cast<std::size_t>(m)];
    if (!AnnualMonthBensRange.Contains(n)) {
      return InputError{"AnnMonthBens",
                        std::to_string(n) + " (" + MonthNames[static_cast<std::size_t>(m)] +
                            ") is outside 0 to " + FormatShortest(AnnualMonthBensRange.Max)};
    }
  }
  return std::nullopt;
}

AnnualResult CalculateAnnual(const AnnualInputs& in) {
  AnnualResult r;
  r.AnnMonthBens = in.AnnMonthBens;

  // 1. Days of the period. The window keeps the start on or before the end; a
  // period of no days would divide by zero below.
  const double days = in.AnnEndDate - in.AnnStartDate + 1;
  if (!(days >= 1)) {
    r.Error = TaxYearDateMessage(in.AnnStartDate);
    return r;
  }

  // 2. Medical scheme fees credits, month by month over the tax year. Months outside
  // the period are cleared. Each month's credit is formed in 16-bit arithmetic, so a
  // count whose credit would not fit is refused before anything is computed.
  const bool hasMedAid = in.AnnEmployerMedAid > 0 || in.AnnEmployeeMedAid > 0;
  if (hasMedAid) {
    const int s = MonthOf(in.AnnStartDate);
    const int e = MonthOf(in.AnnEndDate);
    for (int m : TaxYearMonths) {
      const std::int16_t n = r.AnnMonthBens[static_cast<std::size_t>(m)];
      if (MonthInPeriod(m, s, e) && !MonthCredit16(n)) {
        r.Error = "The number of medical aid beneficiaries for " +
                  std::string(MonthNames[static_cast<std::size_t>(m)]) + " (" + std::to_string(n) +
                  ") is too large to calculate the credit with";
        return r;
      }
    }
    double credit = 0;
    for (int m : TaxYearMonths) {
      std::int16_t& n = r.AnnMonthBens[static_cast<std::size_t>(m)];
      if (MonthInPeriod(m, s, e)) {
        credit += *MonthCredit16(n);
      } else {
        n = 0;
      }
    }
    r.AnnMedCredit = credit;
  }

  // 3. Rebate for the age.
  const double rebate = TotalRebate(in.AnnAge);

  // 4. Allowable retirement-fund deduction: the lesser of the contributions and 27.5%
  // of the remuneration, capped at R350 000. It is neither annualised nor prorated.
  const double contributions = in.AnnEmployerRFund + in.AnnEmployeeRFund;
  const double limit = (in.AnnSalary + in.AnnEmployerMedAid + in.AnnCommissions + in.AnnBonus +
                        in.AnnTravelAllowance * in.AnnInclusionRate + in.AnnEmployerRFund) *
                       RFundDeductionRate;
  r.AnnAllowableRFund = limit >= contributions ? contributions : limit;
  if (r.AnnAllowableRFund > RFundDeductionCap) r.AnnAllowableRFund = RFundDeductionCap;

  // 5. Regular income, annualised for a part year. The employer's medical aid and
  // fund contributions are fringe benefits; the employee's medical aid is not
  // deducted.
  double base = in.AnnSalary + in.AnnCommissions + in.AnnTravelAllowance * in.AnnInclusionRate -
                r.AnnAllowableRFund + in.AnnEmployerMedAid + in.AnnEmployerRFund;
  if (days < TaxYearDays) base = base * TaxYearDays / days;

  // 6. Tax with and without the bonus. The bonus is added after the annualisation:
  // it is paid once, not at a yearly rate.
  const IncomeTaxResult withBonus = ComputeIncomeTax(base + in.AnnBonus);
  double taxIncl = withBonus.TaxBeforeRebates - rebate;
  r.LastIncomeTax = ComputeIncomeTax(base);
  r.LastTaxableIncome = base;
  double taxExcl = r.LastIncomeTax.TaxBeforeRebates - rebate;
  // With a travel allowance or commission the tax is taken in whole rands, rounded
  // down; otherwise it keeps its cents.
  if (in.AnnTravelAllowance + in.AnnCommissions > 0) {
    taxIncl = IntPart(taxIncl);
    taxExcl = IntPart(taxExcl);
  }
  if (taxIncl < 0) taxIncl = 0;
  if (taxExcl < 0) taxExcl = 0;
  r.AnnTaxExclBonus = taxExcl;
  r.AnnBonusTax = taxIncl - taxExcl;

  // 7. Tax for the period: the regular tax in proportion to the days, the bonus tax
  // in full.
  if (days >= TaxYearDays) {
    r.AnnTaxLiability = taxExcl + r.AnnBonusTax;
  } else {
    r.AnnTaxLiability = days * taxExcl / TaxYearDays + r.AnnBonusTax;
  }
  r.AnnPAYEBeforeCredits = r.AnnTaxLiability;
  r.AnnSITE = 0;
  if (r.AnnTaxLiability < 0) r.AnnTaxLiability = 0;
  if (r.AnnPAYEBeforeCredits < 0) r.AnnPAYEBeforeCredits = 0;

  // 8. Additional medical credit from age 65: the contributions above three times the
  // credits, at 0.333.
  if (r.AnnMedCredit > 0 && hasMedAid && in.AnnAge >= AgeThreshold65) {
    r.AnnAddMedCredit =
        (in.AnnEmployerMedAid + in.AnnEmployeeMedAid - AddMedCreditMultiple * r.AnnMedCredit) *
        AddMedCreditFactor;
    if (r.AnnAddMedCredit < 0) r.AnnAddMedCredit = 0;
  }

  // 9. The credits never turn the tax into a refund.
  const double credits = r.AnnMedCredit + r.AnnAddMedCredit;
  r.AnnTotalTaxDeduction = r.AnnTaxLiability - credits > 0 ? r.AnnTaxLiability - credits : 0;
  r.AnnPAYE = r.AnnPAYEBeforeCredits - credits > 0 ? r.AnnPAYEBeforeCredits - credits : 0;
  return r;
}

}  // namespace reventa
