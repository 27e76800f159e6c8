#include "calc/period/pay_period.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"

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

// Field limits of the pay-period windows.
constexpr double MaxAge = 999;
constexpr double MaxBeneficiaries = 99;
constexpr double MaxWholeRand = 99999999;       // eight-digit whole-rand fields
constexpr double MaxRandAndCents = 9999999.99;  // rand-and-cents fields
constexpr double MaxPercent = 100;
constexpr double MaxUifLimit = 999999;

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

// A number as the message shows it: shortest digits, never in exponent form.
std::string PlainNumber(double value) {
  // Amounts as they are typed; a number far beyond any field (1e308) in its short
  // form rather than as hundreds of digits.
  if (!(std::abs(value) < 1e15)) return FormatShortest(value);
  char buffer[400];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return ec == std::errc() ? std::string(buffer, end) : FormatShortest(value);
}

std::optional<PayPeriodInputError> CheckRange(const char* field, double value, double min,
                                              double max) {
  if (value >= min && value <= max) return std::nullopt;
  return PayPeriodInputError{
      field, PlainNumber(value) + " is outside " + PlainNumber(min) + " to " + PlainNumber(max)};
}

std::optional<PayPeriodInputError> CheckDays(const char* field, double value, double max) {
  if (auto e = CheckRange(field, value, 0, max)) return e;
  if (std::floor(value) != value) {
    return PayPeriodInputError{field, PlainNumber(value) + " is not a whole number of days"};
  }
  return std::nullopt;
}

}  // namespace

std::string MonthlyStartDateMessage() {
  return "The date entered is not correct please enter a date between 01/03/2023 and "
         "29/02/2024";
}

std::string MonthlyEndDateMessage(double startDate) {
  return "The date entered is not correct please enter a date between " + FormatDate(startDate) +
         " and 29/02/2024";
}

PayPeriodResult ComputeMonthlyPaye(const PayPeriodInput& in) {
  // The date fields take only days of the tax year, where every month number occurs
  // once; the same month then means the same calendar month.
  if (!IsWholeDay(in.StartDate) || in.StartDate < TaxYearStart || in.StartDate > TaxYearEnd) {
    return Refused(DateTitle, MonthlyStartDateMessage(), FocusTarget::StartDate);
  }
  if (!IsWholeDay(in.EndDate) || in.EndDate < TaxYearStart || in.EndDate > TaxYearEnd) {
    return Refused(DateTitle, MonthlyEndDateMessage(in.StartDate), FocusTarget::EndDate);
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

std::optional<PayPeriodInputError> ValidatePayPeriodInput(const PayPeriodInput& in,
                                                          PayPeriodKind kind) {
  // The monthly window's amounts are all whole-rand fields; the others take rand and
  // cents except for the fund contributions. Fields are checked in the window's order.
  const double maxAmount = kind == PayPeriodKind::Monthly ? MaxWholeRand : MaxRandAndCents;
  struct Limit {
    const char* field;
    double value;
    double max;
  };
  const Limit fields[] = {
      {"Age", static_cast<double>(in.Age), MaxAge},
      {"Salary", in.Salary, maxAmount},
      {"EmployerMedAid", in.EmployerMedAid, maxAmount},
      {"EmployeeMedAid", in.EmployeeMedAid, maxAmount},
      {"RFundEmployer", in.RFundEmployer, MaxWholeRand},
      {"RFundEmployee", in.RFundEmployee, MaxWholeRand},
      {"Commission", in.Commission, maxAmount},
      {"Bonus", in.Bonus, maxAmount},
      {"TravelAllowance", in.TravelAllowance, maxAmount},
      {"Beneficiaries", static_cast<double>(in.Beneficiaries), MaxBeneficiaries},
  };
  for (const Limit& f : fields) {
    if (auto e = CheckRange(f.field, f.value, 0, f.max)) return e;
  }

  switch (kind) {
    case PayPeriodKind::Monthly:
      if (!IsWholeDay(in.StartDate) || in.StartDate < TaxYearStart || in.StartDate > TaxYearEnd) {
        return PayPeriodInputError{"StartDate", MonthlyStartDateMessage()};
      }
      if (!IsWholeDay(in.EndDate) || in.EndDate < TaxYearStart || in.EndDate > TaxYearEnd) {
        return PayPeriodInputError{"EndDate", MonthlyEndDateMessage(in.StartDate)};
      }
      break;
    case PayPeriodKind::Weekly:
    case PayPeriodKind::Fortnightly: {
      const double maxDays = kind == PayPeriodKind::Weekly ? 7 : 14;
      if (auto e = CheckDays("NormalDays", in.NormalDays, maxDays)) return e;
      if (auto e = CheckDays("ThisDays", in.ThisDays, maxDays)) return e;
      break;
    }
    case PayPeriodKind::Daily:
      break;
  }

  const Limit settings[] = {
      {"EmployeeUIF", in.EmployeeUIF, MaxPercent}, {"EmployerUIF", in.EmployerUIF, MaxPercent},
      {"SkillLevy", in.SkillLevy, MaxPercent},     {"UIFLimit", in.UIFLimit, MaxUifLimit},
      {"InclusionRate", in.InclusionRate, 1},
  };
  for (const Limit& f : settings) {
    if (auto e = CheckRange(f.field, f.value, 0, f.max)) return e;
  }
  return std::nullopt;
}

}  // namespace reventa
