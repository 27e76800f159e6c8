// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/period/pay_period.h"

#include <array>
#include <cmath>
#include <utility>

#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"
#include "taxyear/settings_ranges.h"

namespace reventa {
namespace {

// The annual tax before rebates with and without the bonus. The second income is
// the first less the bonus, as the calculation has always formed it; the second
// call is the one the shared state keeps.
struct BonusTaxes {
  double withBonus;
  double withoutBonus;
};

BonusTaxes TaxWithAndWithoutBonus(double annualisedIncome, double bonus, PayPeriodResult& r) {
  double taxableIncome = annualisedIncome + bonus;
  const double withBonus = ComputeIncomeTax(taxableIncome).TaxBeforeRebates;
  taxableIncome = taxableIncome - bonus;
  r.LastTaxableIncome = taxableIncome;
  r.LastIncomeTax = ComputeIncomeTax(taxableIncome);
  return {withBonus, r.LastIncomeTax.TaxBeforeRebates};
}

constexpr const char* DateTitle = "Incorrect Date";
constexpr const char* DaysTitle = "Incorrect Number of Days";

PayPeriodResult Refused(const char* title, std::string text, FocusTarget focus) {
  PayPeriodResult r;
  r.Error = PayPeriodMessage{title, std::move(text), focus};
  return r;
}

bool IsWholeDay(double serial) { return std::floor(serial) == serial; }

int DaysInMonth(int month) {
  switch (month) {
    case 2:
      return 29;  // February 2024
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    default:
      return 31;
  }
}

// The lesser of the fund contributions and 27.5% of the period's remuneration.
// Whether a base equal to the contributions takes the contributions or the base makes
// no difference to the amount.
double FundDeductionBeforeCap(const PayPeriodInput& in) {
  const double base = (in.Salary + in.EmployerMedAid + in.Commission + in.Bonus +
                       in.TravelAllowance * in.InclusionRate + in.RFundEmployer) *
                      RFundDeductionRate;
  const double contributions = in.RFundEmployer + in.RFundEmployee;
  return base >= contributions ? contributions : base;
}

bool HasMedAid(const PayPeriodInput& in) {
  return !(in.EmployerMedAid <= 0 && in.EmployeeMedAid <= 0);
}

// The pay on which UIF and the levy are reckoned; commission is not part of it.
double UifBase(const PayPeriodInput& in) {
  return in.Salary + in.EmployerMedAid + in.Bonus + in.TravelAllowance * in.InclusionRate +
         in.RFundEmployer;
}

// UIF of both sides on the base, or on the period's ceiling when the base is above
// it; then the levy on the base less the fund deduction plus commission.
void UifAndLevy(const PayPeriodInput& in, double base, double periodLimit, PayPeriodResult& r) {
  const double uifPay = periodLimit >= base ? base : periodLimit;
  r.UifEmployee = uifPay * in.EmployeeUIF / 100;
  r.UifEmployer = uifPay * in.EmployerUIF / 100;
  r.SdlAmount = (base - r.RFundAllowable + in.Commission) * (in.SkillLevy / 100);
}

// The additional credit from age 65, then the tax to deduct, never a refund.
void CreditsAndNet(const PayPeriodInput& in, PayPeriodResult& r) {
  r.AddMedCredit = 0;
  if (!(r.MedCredit <= 0 || !HasMedAid(in) || in.Age < AgeThreshold65)) {
    r.AddMedCredit = (in.EmployerMedAid + in.EmployeeMedAid - AddMedCreditMultiple * r.MedCredit) *
                     AddMedCreditFactor;
    if (r.AddMedCredit < 0) r.AddMedCredit = 0;
  }
  const double net = r.PeriodTax - (r.MedCredit + r.AddMedCredit);
  r.NetPeriodTax = net > 0 ? net : 0;
}

// The inputs every pay-period window has, in its order. The amounts take whole
// rand in the monthly window and rand and cents in the others; the retirement-fund
// contributions take whole rand in all of them.
using Field = InputField<PayPeriodInput>;
constexpr double MaxWholeRand = 99999999;
constexpr double MaxRandAndCents = 9999999.99;
constexpr InputRange WholeRand{"", 0, MaxWholeRand, 0};
constexpr InputRange RandAndCents{"", 0, MaxRandAndCents, 2};
constexpr Field Age{AgeRange, &PayPeriodInput::Age};
constexpr Field RFundEmployer{WholeRand.Named("RFundEmployer"), &PayPeriodInput::RFundEmployer};
constexpr Field RFundEmployee{WholeRand.Named("RFundEmployee"), &PayPeriodInput::RFundEmployee};
constexpr Field Beneficiaries{{"Beneficiaries", 0, 99, 0}, &PayPeriodInput::Beneficiaries};

// A window's table: age, the amounts (in the window's kind of amount field) and
// beneficiaries, the fields of its period, then the settings.
template <class... PeriodFields>
constexpr std::array<Field, 15 + sizeof...(PeriodFields)> WindowRanges(InputRange amount,
                                                                       PeriodFields... period) {
  return {Age,
          Field{amount.Named("Salary"), &PayPeriodInput::Salary},
          Field{amount.Named("EmployerMedAid"), &PayPeriodInput::EmployerMedAid},
          Field{amount.Named("EmployeeMedAid"), &PayPeriodInput::EmployeeMedAid},
          RFundEmployer,
          RFundEmployee,
          Field{amount.Named("Commission"), &PayPeriodInput::Commission},
          Field{amount.Named("Bonus"), &PayPeriodInput::Bonus},
          Field{amount.Named("TravelAllowance"), &PayPeriodInput::TravelAllowance},
          Beneficiaries,
          period...,
          Field{SettingPercentRange.Named("EmployeeUIF"), &PayPeriodInput::EmployeeUIF},
          Field{SettingPercentRange.Named("EmployerUIF"), &PayPeriodInput::EmployerUIF},
          Field{SettingPercentRange.Named("SkillLevy"), &PayPeriodInput::SkillLevy},
          Field{SettingUifLimitRange.Named("UIFLimit"), &PayPeriodInput::UIFLimit},
          Field{SettingInclusionRateRange.Named("InclusionRate"), &PayPeriodInput::InclusionRate}};
}

constexpr auto MonthlyRanges =
    WindowRanges(WholeRand, Field{TaxYearDateRange.Named("StartDate"), &PayPeriodInput::StartDate},
                 Field{TaxYearDateRange.Named("EndDate"), &PayPeriodInput::EndDate});
constexpr auto WeeklyRanges =
    WindowRanges(RandAndCents, Field{{"NormalDays", 0, 7, 0}, &PayPeriodInput::NormalDays},
                 Field{{"ThisDays", 0, 7, 0}, &PayPeriodInput::ThisDays});
constexpr auto FortnightlyRanges =
    WindowRanges(RandAndCents, Field{{"NormalDays", 0, 14, 0}, &PayPeriodInput::NormalDays},
                 Field{{"ThisDays", 0, 14, 0}, &PayPeriodInput::ThisDays});
constexpr auto DailyRanges = WindowRanges(RandAndCents);

bool InTaxYear(double serial) {
  return IsWholeDay(serial) && serial >= TaxYearStart && serial <= TaxYearEnd;
}

}  // namespace

PayPeriodResult ComputeMonthlyPaye(const PayPeriodInput& in) {
  // The date fields take only days of the tax year, where every month number occurs
  // once; the same month then means the same calendar month.
  if (!InTaxYear(in.StartDate)) {
    return Refused(DateTitle, TaxYearDateMessage(), FocusTarget::StartDate);
  }
  if (!InTaxYear(in.EndDate)) {
    return Refused(DateTitle, TaxYearDateMessage(in.StartDate), FocusTarget::EndDate);
  }

  // 1. Date rules.
  if (MonthOf(in.StartDate) != MonthOf(in.EndDate)) {
    return Refused(DateTitle, "The Start and End dates entered must be for the same Month",
                   FocusTarget::EndDate);
  }
  if (DayOf(in.StartDate) > DayOf(in.EndDate)) {
    return Refused(DateTitle, "The Start date entered must be before the End date",
                   FocusTarget::StartDate);
  }

  PayPeriodResult r;
  // 2. The full month's credit, whatever the days paid.
  r.MedCredit = HasMedAid(in) ? MedCreditForMonth(in.Beneficiaries) : 0;

  // 3. Days of the month and of the period.
  const double daysInMonth = DaysInMonth(MonthOf(in.StartDate));
  const double daysInPeriod = in.EndDate - in.StartDate + 1;

  // 4. Fund deduction, capped at a twelfth of the yearly cap whatever the days paid.
  r.RFundAllowable = FundDeductionBeforeCap(in);
  const double cap = RFundDeductionCap / PeriodsPerYearMonthly;
  if (r.RFundAllowable >= cap) r.RFundAllowable = cap;

  // 5, 6. A part month is scaled up to the whole month, then to the year.
  r.TaxableTravelAllowance = in.TravelAllowance * in.InclusionRate;
  const double periodIncome = in.Salary + in.Commission + r.TaxableTravelAllowance -
                              r.RFundAllowable + in.EmployerMedAid + in.RFundEmployer;
  r.AnnualisedIncome = PeriodsPerYearMonthly * (periodIncome * daysInMonth / daysInPeriod);

  // 7. Annual tax with and without the bonus, each after the rebate and floored at 0.
  const double rebate = TotalRebate(in.Age);
  const BonusTaxes taxes = TaxWithAndWithoutBonus(r.AnnualisedIncome, in.Bonus, r);
  double withBonus = taxes.withBonus - rebate;
  if (withBonus < 0) withBonus = 0;
  double withoutBonus = taxes.withoutBonus - rebate;
  if (withoutBonus < 0) withoutBonus = 0;

  // 8. The bonus tax in full, the regular tax pro rata to the days paid.
  r.PeriodTax = (withBonus - withoutBonus) +
                (withoutBonus / PeriodsPerYearMonthly) * daysInPeriod / daysInMonth;
  if (r.PeriodTax < 0) r.PeriodTax = 0;

  // 9. UIF on at most the monthly ceiling, not prorated to the days paid.
  const double base = UifBase(in);
  UifAndLevy(in, base, in.UIFLimit, r);

  // 10.
  CreditsAndNet(in, r);
  return r;
}

PayPeriodResult ComputeWeeklyPaye(const PayPeriodInput& in, int P, int D) {
  const bool fortnight = P == PeriodsPerYearFortnightly;

  // 1. Day rule.
  if (!(std::isfinite(in.NormalDays) && in.ThisDays <= in.NormalDays)) {
    return Refused(DaysTitle,
                   fortnight ? "The number of 'Normal fortnight' days must be = to or larger "
                               "than 'This fortnight'."
                             : "The number of 'Normal work-week' days must be = to or larger "
                               "than 'This work-week'.",
                   FocusTarget::CalculateButton);
  }
  // No days paid leaves nothing to annualise (the pay would be divided by 0).
  if (!(in.ThisDays >= 1)) {
    return Refused(DaysTitle,
                   fortnight ? "The number of 'This fortnight' days must be at least 1."
                             : "The number of 'This work-week' days must be at least 1.",
                   FocusTarget::ThisDays);
  }

  PayPeriodResult r;
  // 2. A quarter (weekly) or half (fortnightly) of the monthly credit.
  if (HasMedAid(in)) {
    const int n = in.Beneficiaries;
    r.MedCredit =
        n <= 2 ? n * MedCreditMain / D : (n - 2) * MedCreditExtra / D + MedCreditFirstTwo / D;
  }

  // 3. Fund deduction, capped at the yearly cap over the periods of a year.
  r.RFundAllowable = FundDeductionBeforeCap(in);
  const double cap = RFundDeductionCap / P;
  if (r.RFundAllowable >= cap) r.RFundAllowable = cap;

  // 4 to 6. A short period is scaled up to a normal one, then to the year.
  r.TaxableTravelAllowance = in.TravelAllowance * in.InclusionRate;
  const double periodIncome = in.RFundEmployer + in.EmployerMedAid + r.TaxableTravelAllowance +
                              in.Salary + in.Commission - r.RFundAllowable;
  r.AnnualisedIncome = periodIncome * (P * (in.NormalDays / in.ThisDays));

  // 7. Annual tax before rebates with and without the bonus.
  const auto [withBonus, withoutBonus] = TaxWithAndWithoutBonus(r.AnnualisedIncome, in.Bonus, r);

  // 8. The regular tax after the rebate scaled to the days paid (negative below the
  // threshold) plus the bonus tax; only the sum is floored.
  r.PeriodTax = ((withoutBonus - TotalRebate(in.Age)) / P) * in.ThisDays / in.NormalDays +
                (withBonus - withoutBonus);
  if (r.PeriodTax < 0) r.PeriodTax = 0;

  // 9. The monthly UIF ceiling converted to the period, not scaled by the days.
  const double base = UifBase(in);
  UifAndLevy(in, base, in.UIFLimit * PeriodsPerYearMonthly / P, r);

  // 10.
  CreditsAndNet(in, r);
  return r;
}

PayPeriodResult ComputeDailyPaye(const PayPeriodInput& in) {
  constexpr int P = PeriodsPerYearDaily;
  PayPeriodResult r;

  // 1. The monthly credit over a year of 260 working days.
  if (HasMedAid(in)) {
    const int n = in.Beneficiaries;
    r.MedCredit = n <= 2 ? n * MedCreditMain * PeriodsPerYearMonthly / P
                         : ((n - 2) * MedCreditExtra * PeriodsPerYearMonthly +
                            MedCreditFirstTwo * PeriodsPerYearMonthly) /
                               P;
  }

  // 2, 3. Fund deduction; the daily cap applies only above it.
  r.TaxableTravelAllowance = in.TravelAllowance * in.InclusionRate;
  r.RFundAllowable = FundDeductionBeforeCap(in);
  const double cap = RFundDeductionCap / P;
  if (r.RFundAllowable > cap) r.RFundAllowable = cap;

  // 4.
  const double periodIncome = in.RFundEmployer + in.EmployerMedAid + r.TaxableTravelAllowance +
                              in.Salary + in.Commission - r.RFundAllowable;
  r.AnnualisedIncome = periodIncome * P;

  // 5.
  const auto [withBonus, withoutBonus] = TaxWithAndWithoutBonus(r.AnnualisedIncome, in.Bonus, r);

  // 6. Only the sum is floored.
  r.PeriodTax = (withoutBonus - TotalRebate(in.Age)) / P + (withBonus - withoutBonus);
  if (r.PeriodTax < 0) r.PeriodTax = 0;

  // 7.
  const double base = UifBase(in);
  UifAndLevy(in, base, in.UIFLimit * PeriodsPerYearMonthly / P, r);

  // 8, 9.
  CreditsAndNet(in, r);
  return r;
}

RangeTable<PayPeriodInput> PayPeriodRanges(PayPeriodKind kind) {
  switch (kind) {
    case PayPeriodKind::Monthly:
      return MonthlyRanges;
    case PayPeriodKind::Weekly:
      return WeeklyRanges;
    case PayPeriodKind::Fortnightly:
      return FortnightlyRanges;
    case PayPeriodKind::Daily:
      break;
  }
  return DailyRanges;
}

std::optional<InputError> ValidatePayPeriodInput(const PayPeriodInput& in, PayPeriodKind kind) {
  if (auto e = CheckInputs(PayPeriodRanges(kind), in)) return e;
  switch (kind) {
    case PayPeriodKind::Monthly:
      if (!InTaxYear(in.StartDate)) return InputError{"StartDate", TaxYearDateMessage()};
      if (!InTaxYear(in.EndDate)) return InputError{"EndDate", TaxYearDateMessage(in.StartDate)};
      break;
    case PayPeriodKind::Weekly:
    case PayPeriodKind::Fortnightly:
      for (auto [field, days] :
           {std::pair{"NormalDays", in.NormalDays}, {"ThisDays", in.ThisDays}}) {
        if (std::floor(days) != days) {
          return InputError{field, FormatShortest(days) + " is not a whole number of days"};
        }
      }
      break;
    case PayPeriodKind::Daily:
      break;
  }
  return std::nullopt;
}

}  // namespace reventa
