// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/vehicle/travel_claim.h"

#include <cmath>
#include <limits>

#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"
#include "taxyear/tax_year.h"

namespace reventa {
namespace {

// The 2024 deemed vehicle cost scale (Income Tax Act, s 8(1)(b)(ii), the cost
// table the Minister publishes for the year).
constexpr CostScaleBand kScale[] = {
    {100000, 33760, 1.415, 0.438},  {200000, 60329, 1.580, 0.548},
    {300000, 86958, 1.717, 0.604},  {400000, 110554, 1.846, 0.659},
    {500000, 134150, 1.976, 0.775}, {600000, 158856, 2.266, 0.910},
    {700000, 183611, 2.305, 1.021}, {std::numeric_limits<double>::infinity(), 209685, 2.343, 1.131},
};

// Deemed private travel of 18 000 km and business travel of at most 14 000 km a
// year; more than 32 000 km in all is the "high distance" case.
constexpr double kDeemedPrivateKm = 18000;
constexpr double kDeemedBusinessKm = 14000;
constexpr double kHighDistanceKm = 32000;

// Down to whole hundredths of a kilometre, towards minus infinity.
double Trunc2(double km) { return std::floor(km * 100) / 100; }

void ApplyAllowanceCap(const TravelClaimInputs& in, TravelClaimResults& out) {
  const double limit =
      in.AllowanceReceived != 0 ? in.AllowanceReceived : TravelClaimCapWithoutAllowance;
  if (out.DeductionClaim > limit) out.DeductionClaim = limit;
}

}  // namespace

const CostScaleBand& DeemedCostScale(double vehicleValue) {
  for (const CostScaleBand& band : kScale) {
    if (vehicleValue <= band.UpperBound) return band;
  }
  return kScale[std::size(kScale) - 1];  // a value that is not a number
}

void SplitTravelDistance(const TravelClaimInputs& in, TravelClaimResults& out) {
  const double d = in.PeriodDays;
  const double t = in.ClosingKm - in.OpeningKm;
  const double k = in.RecordedBusinessKm;
  out.TotalKm = t;
  // Each step overwrites what the earlier ones set.
  if (t > kHighDistanceKm) {
    out.BusinessKm = kDeemedBusinessKm * d / TravelYearDays;
    out.PrivateKm = Trunc2(t - out.BusinessKm);
  } else {
    out.PrivateKm = Trunc2(kDeemedPrivateKm * d / TravelYearDays);
    if (out.PrivateKm > t) {
      out.BusinessKm = 0;
      out.PrivateKm = t;
    } else {
      out.BusinessKm = t - out.PrivateKm;
    }
  }
  if (t < kDeemedPrivateKm) {
    out.BusinessKm = 0;
    out.PrivateKm = t;
  }
  // A part year: the limits are pro-rated, so a total below 18 000 km can still
  // hold business travel.
  if (d < TravelYearDays && t < kHighDistanceKm + 1) {
    const double limit = kHighDistanceKm * d / TravelYearDays;
    if (t > limit) {
      const double business = Trunc2(limit - kDeemedPrivateKm * d / TravelYearDays);
      out.BusinessKm = business;
      out.PrivateKm = t - business;
    } else {
      out.PrivateKm = Trunc2(kDeemedPrivateKm * d / TravelYearDays);
      if (out.PrivateKm > t) {
        out.PrivateKm = t;
        out.BusinessKm = 0;
      } else {
        out.BusinessKm = t - out.PrivateKm;
      }
    }
  }
  // A log book's business distance stands, even above the total.
  if (k > 0) {
    out.BusinessKm = k;
    out.PrivateKm = t - k;
  }
}

void ComputeDeemedCostClaim(const TravelClaimInputs& in, TravelClaimResults& out) {
  SplitTravelDistance(in, out);
  const CostScaleBand& band = DeemedCostScale(in.VehicleValue);
  const double fuelRate = in.IncludeFuel ? band.FuelCostPerKm : 0;
  const double maintenanceRate = in.IncludeMaintenance ? band.MaintenanceCostPerKm : 0;
  out.FixedCost = band.FixedCost;
  // The fixed cost is spread over the whole distance, not the business part.
  double fixedPerKm = out.TotalKm >= 1 ? band.FixedCost / out.TotalKm : 0;
  if (in.PeriodDays > 0 && in.PeriodDays < TravelYearDays) {
    fixedPerKm = fixedPerKm * in.PeriodDays / TravelYearDays;
  }
  // Cut to six decimals of a rand, then in cents.
  out.FixedCentsPerKm = std::floor(fixedPerKm * 1000000) / 1000000 * 100;
  out.FuelCentsPerKm = fuelRate * 100;
  out.MaintenanceCentsPerKm = maintenanceRate * 100;
  out.TotalCentsPerKm = out.FixedCentsPerKm + out.FuelCentsPerKm + out.MaintenanceCentsPerKm;
  // The claim uses the unrounded rate; the rate shown is rounded afterwards.
  out.DeductionClaim = out.BusinessKm * out.TotalCentsPerKm / 100;
  out.TotalCentsPerKm = RoundHalfEven(out.TotalCentsPerKm * 10) / 10;
  ApplyAllowanceCap(in, out);
}

void ComputeActualCostClaim(const TravelClaimInputs& in, TravelClaimResults& out) {
  out.TotalCosts = in.FuelOilCost + in.RepairsCost + in.InsuranceLicenceCost + in.OtherCost +
                   in.WearAndTear + in.LeasePayments;
  SplitTravelDistance(in, out);
  const double d = in.PeriodDays;
  if (in.ClosingKm == 0 && in.OpeningKm == 0 && in.RecordedBusinessKm == 0) {
    // No readings: the private use is estimated from the vehicle's value.
    double privateUse = in.VehicleValue * 0.025 * 12 * d / TravelYearDays;
    if (in.VehicleValue > 0) {
      if (in.IncludeFuel) privateUse -= 0.0022 * in.VehicleValue * d / TravelYearDays * 12;
      if (in.IncludeMaintenance) privateUse -= 0.0018 * in.VehicleValue * d / TravelYearDays * 12;
    }
    out.PrivateUseCost = privateUse > out.TotalCosts ? 0 : privateUse;
    out.DeductionClaim = out.TotalCosts - privateUse;
    if (out.DeductionClaim < 0) out.DeductionClaim = 0;
    if (in.AllowanceReceived != 0 && out.DeductionClaim > in.AllowanceReceived) {
      out.DeductionClaim = in.AllowanceReceived;
    }
    return;
  }
  out.DeductionClaim = out.TotalKm > 1 ? out.TotalCosts * out.BusinessKm / out.TotalKm : 0;
  out.PrivateUseCost = out.TotalCosts - out.DeductionClaim;
  ApplyAllowanceCap(in, out);
}

void CalculateTravelAllowance(TravelAllowanceState& travel, double startDate, double endDate) {
  TravelClaimInputs& in = travel.Inputs;
  TravelClaimResults& out = travel.Results;
  in.PeriodDays = endDate - startDate + 1;
  if (!DeemedCostInputsComplete(in)) {
    out.BusinessKm = out.PrivateKm = out.TotalKm = 0;
    out.FixedCost = out.FixedCentsPerKm = out.FuelCentsPerKm = 0;
    out.MaintenanceCentsPerKm = out.TotalCentsPerKm = out.DeductionClaim = 0;
  } else if (!travel.RecordsKept) {
    ComputeDeemedCostClaim(in, out);
  }
  if (travel.RecordsKept) ComputeActualCostClaim(in, out);
}

bool DeemedCostInputsComplete(const TravelClaimInputs& in) {
  return in.VehicleValue != 0 && in.PeriodDays != 0 && in.RecordedBusinessKm != 0;
}

std::optional<InputError> CheckVehicleDates(const char* startKey, double start, const char* endKey,
                                            double end) {
  const auto wholeDay = [](double serial) { return std::floor(serial) == serial; };
  if (!wholeDay(start) || !TaxYearDateRange.Contains(start)) {
    return InputError{startKey, TaxYearDateMessage()};
  }
  if (!wholeDay(end) || end < start || end > TaxYearEnd) {
    return InputError{endKey, TaxYearDateMessage(start)};
  }
  return std::nullopt;
}

}  // namespace reventa
