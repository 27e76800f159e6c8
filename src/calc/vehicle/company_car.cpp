// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/vehicle/company_car.h"

#include <limits>

#include "calc/vehicle/travel_claim.h"
#include "taxyear/numbers.h"
#include "taxyear/tax_year.h"

namespace reventa {
namespace {

double Round(double value) { return RoundHalfEven(value); }

double DaysOfUse(const CompanyCar& car) { return car.CCEndDate - car.CCStartDate + 1; }

bool HasNeitherPriceNorDistance(const CompanyCar& car) {
  return car.TotalDistance == 0 && car.CCPrice == 0;
}

// The monthly taxable value of the car as a share of its price (7th Schedule,
// par 7(4)): 3.5%, or 3.25% with a maintenance plan.
double MonthlyRate(const CompanyCar& car) {
  return car.MaintIncluded == 1 ? CarBenefitRateMaintPlan : CarBenefitRate;
}

// The same rate as per cent, for the true inclusion.
double MonthlyPercent(const CompanyCar& car) {
  return car.MaintIncluded == 1 ? CarBenefitPercentMaintPlan : CarBenefitPercent;
}

// The first per-car steps: the days of use, and the total distance from the
// readings when there are any (otherwise the typed total stands).
void TakeDaysAndDistance(CompanyCar& car, CompanyCarResults& r) {
  r.DaysUsed = ToInt16(DaysOfUse(car)).value_or(0);
  if (car.EndMileage > 0) car.TotalDistance = car.EndMileage - car.StartMileage;
}

// The per-car steps from the private distance to SARS's claim. A step that would
// divide by a zero total distance or a zero day total is skipped: what it sets
// keeps its value (0 for this run's results, the earlier value for the register's
// fields).
// `allDays` is the days of use of all the cars together, for the automatic split.
void ComputeCar(CompanyCarRegister& cars, double allDays, CompanyCar& car, CompanyCarResults& r) {
  if (car.BusDistance > car.TotalDistance) car.BusDistance = car.TotalDistance;
  r.PrivateDistance = car.TotalDistance - car.BusDistance;
  const bool distance = car.TotalDistance != 0;

  if (cars.AutoCalc3802 != 0) {
    if (HasNeitherPriceNorDistance(car)) {
      car.FB3802ThisCar = 0;
    } else if (allDays != 0) {
      car.FB3802ThisCar = r.DaysUsed / allDays * cars.Actual3802;
    }
  }

  // The true inclusion, a daily factor of the monthly rate as per cent:
  // per cent x 12 months / 366 days / 100.
  const double daily = MonthlyPercent(car) * 12 / 36600;
  if (car.BussMilage == 1) {
    if (distance) {
      r.TrueInclusion =
          Round(daily * car.CCPrice * r.DaysUsed * r.PrivateDistance / car.TotalDistance);
    }
  } else {
    r.TrueInclusion = Round(daily * car.CCPrice * r.DaysUsed);
  }

  if (car.SARSTable == 1) {
    const double fuelPerKm = DeemedCostScale(car.CCPrice).FuelCostPerKm;
    car.FuelComponent = Round(car.TotalDistance * fuelPerKm);
    if (distance) {
      r.FuelClaim = Round((car.FuelComponent - car.FuelReimbEmployer) * r.PrivateDistance /
                          car.TotalDistance);
    }
  } else {
    car.FuelComponent = 0;
    if (distance) {
      r.FuelClaim = Round((car.ActualExpEmployee - car.FuelReimbEmployer) * r.PrivateDistance /
                          car.TotalDistance);
    }
  }
  if (distance) {
    r.TotAddExpense = Round((car.EmpPaidInsurance + car.EmpPaidLicence + car.EmpPaidMaintenance) *
                            r.PrivateDistance / car.TotalDistance);
  }
  r.FuelExp = car.BusDistance > 0 ? Round(r.FuelClaim + r.TotAddExpense) : 0;

  car.AdjustTaxableInc = Round(r.TrueInclusion - r.FuelExp - car.FB3802ThisCar);
  if (car.AdjustTaxableInc < -cars.Actual3802) car.AdjustTaxableInc = -cars.Actual3802;

  if (car.BusDistance <= 0 || car.TotalDistance <= 0 || car.BussMilage != 1) {
    r.SARSDeductionClaim = 0;
  } else {
    r.SARSDeductionClaim = -(car.BusDistance / car.TotalDistance * car.FB3802ThisCar + r.FuelExp);
  }
}

// The code 3802 amount for the period and the monthly, fortnightly and weekly
// 80%/20% parts. The monthly parts are rounded after the split; the fortnightly
// and weekly amounts before it, so their parts can carry cents.
void ComputePeriodAmounts(const CompanyCar& car, CompanyCarResults& r) {
  const double rate = MonthlyRate(car);
  r.IRP53802 = Round(car.CCPrice * rate * 12 * r.DaysUsed / 366);
  r.MonFB80 = Round(car.CCPrice * rate * 0.8);
  r.MonFB20 = Round(car.CCPrice * rate * 0.2);
  const double fortnight = Round(car.CCPrice * rate * 12 / 26);
  r.FortFB80 = fortnight * 0.8;
  r.FortFB20 = fortnight * 0.2;
  const double week = Round(car.CCPrice * rate * 12 / 52);
  r.WeekFB80 = week * 0.8;
  r.WeekFB20 = week * 0.2;
}

// The days of use of every car together; the dates do not change during a run, so
// it is summed once, not once a car.
double AllDaysOfUse(const CompanyCarRegister& cars) {
  double days = 0;
  for (int j = 1; j <= cars.N; ++j) days += DaysOfUse(cars.Entries[static_cast<std::size_t>(j)]);
  return days;
}

CompanyCar& Car(CompanyCarRegister& cars, int i) {
  return cars.Entries[static_cast<std::size_t>(i)];
}

void SumTotals(CompanyCarRegister& cars, CompanyCarRun& run) {
  run.TotAdjustTaxableInc = 0;
  run.TotAdjustTaxableIncSARS = 0;
  for (int i = 1; i <= cars.N; ++i) {
    run.TotAdjustTaxableInc += Car(cars, i).AdjustTaxableInc;
    run.TotAdjustTaxableIncSARS += run.Cars[static_cast<std::size_t>(i - 1)].SARSDeductionClaim;
  }
}

}  // namespace

CompanyCarRun ComputeCompanyCars(CompanyCarRegister& cars, bool fromCalculateCommand) {
  CompanyCarRun run;
  run.Cars.resize(static_cast<std::size_t>(cars.N));
  if (cars.N == 1 && fromCalculateCommand) Car(cars, 1).FB3802ThisCar = cars.Actual3802;
  const double allDays = AllDaysOfUse(cars);
  for (int i = 1; i <= cars.N; ++i) {
    CompanyCar& car = Car(cars, i);
    CompanyCarResults& r = run.Cars[static_cast<std::size_t>(i - 1)];
    TakeDaysAndDistance(car, r);
    if (i == cars.Current && HasNeitherPriceNorDistance(car)) {
      // Nothing to work out for the car on screen: zeros, and only the totals of
      // what the register and this run hold so far.
      r = CompanyCarResults{};
      SumTotals(cars, run);
      run.StoppedAtCurrent = true;
      return run;
    }
    ComputeCar(cars, allDays, car, r);
    ComputePeriodAmounts(car, r);
  }
  if (cars.Current >= 1 && cars.Current <= cars.N) {
    CompanyCar& current = Car(cars, cars.Current);
    if (current.CCPrice == 0) {
      current.AdjustTaxableInc =
          run.Cars[static_cast<std::size_t>(cars.Current - 1)].SARSDeductionClaim;
    }
  }
  SumTotals(cars, run);
  return run;
}

CalculateCommandResult RunCalculateCommand(CompanyCarRegister& cars) {
  if (cars.N == 1) Car(cars, 1).FB3802ThisCar = cars.Actual3802;
  CalculateCommandResult result;
  ComputeCompanyCars(cars, true);
  result.FirstRunFB3802 = CurrentCar(cars).FB3802ThisCar;
  result.Run = ComputeCompanyCars(cars, true);
  return result;
}

CompanyCarRun ComputeCompanyCarsForPrint(CompanyCarRegister& cars, const CompanyCarRun& last) {
  CompanyCarRun run;
  const double allDays = AllDaysOfUse(cars);
  run.Cars.resize(static_cast<std::size_t>(cars.N));
  for (int i = 1; i <= cars.N; ++i) {
    CompanyCar& car = Car(cars, i);
    CompanyCarResults& r = run.Cars[static_cast<std::size_t>(i - 1)];
    TakeDaysAndDistance(car, r);
    if (HasNeitherPriceNorDistance(car)) {
      r = CompanyCarResults{};
      continue;
    }
    ComputeCar(cars, allDays, car, r);
    // The fringe benefit amounts are those of the last Calculate.
    if (static_cast<std::size_t>(i - 1) < last.Cars.size()) {
      const CompanyCarResults& before = last.Cars[static_cast<std::size_t>(i - 1)];
      r.IRP53802 = before.IRP53802;
      r.MonFB80 = before.MonFB80;
      r.MonFB20 = before.MonFB20;
      r.FortFB80 = before.FortFB80;
      r.FortFB20 = before.FortFB20;
      r.WeekFB80 = before.WeekFB80;
      r.WeekFB20 = before.WeekFB20;
    }
  }
  SumTotals(cars, run);
  return run;
}

std::optional<std::string> AddCar(CompanyCarRegister& cars) {
  if (cars.N == std::numeric_limits<std::int16_t>::max()) return std::string(TooManyCarsText);
  CompanyCar car = cars.Entries[0];
  car.BussMilage = 0;
  car.SARSTable = 0;
  car.CCStartDate = TaxYearStart;
  car.CCEndDate = TaxYearEnd;
  car.YearOfManfact.clear();
  cars.Entries.resize(static_cast<std::size_t>(cars.N) + 1);
  cars.Entries.push_back(car);
  ++cars.N;
  cars.Current = cars.N;
  cars.Shown = cars.N;
  if (cars.N > 1) cars.AutoCalc3802 = 1;
  return std::nullopt;
}

void DeleteCurrentCar(CompanyCarRegister& cars) {
  if (cars.N < 1 || cars.Current < 1 || cars.Current > cars.N) return;
  cars.Entries.erase(cars.Entries.begin() + cars.Current);
  --cars.N;
  cars.Entries[0] = CompanyCar{};
  if (cars.N > 0) {
    cars.Current = cars.Shown = 1;
  } else {
    cars.Current = cars.Shown = 0;
    cars.Actual3802 = 0;
  }
}

void MoveToPreviousCar(CompanyCarRegister& cars) {
  if (cars.N < 1 || cars.Shown < 1) return;
  cars.Current = cars.Shown == 1 ? cars.N : static_cast<std::int16_t>(cars.Shown - 1);
  cars.Shown = cars.Current;
}

void MoveToNextCar(CompanyCarRegister& cars) {
  if (cars.N < 1 || cars.Shown > cars.N) return;
  cars.Current = cars.Shown >= cars.N ? std::int16_t{1} : static_cast<std::int16_t>(cars.Shown + 1);
  cars.Shown = cars.Current;
}

CompanyCar& CurrentCar(CompanyCarRegister& cars) {
  if (cars.Current >= 1 && cars.Current <= cars.N &&
      static_cast<std::size_t>(cars.Current) < cars.Entries.size()) {
    return Car(cars, cars.Current);
  }
  return cars.Entries[0];
}

}  // namespace reventa
