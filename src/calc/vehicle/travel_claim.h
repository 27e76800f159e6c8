// SPDX-License-Identifier: GPL-3.0-or-later
// The deemed vehicle cost scale of the 2024 tax year and the two ways of working
// out how much of a travel allowance may be claimed as business travel: the
// deemed-cost method (no accurate records) and the actual-cost method (records
// kept). The records live in the shared state (taxyear/shared_state.h) because
// the travel allowance window keeps them between openings.
#pragma once

#include <optional>
#include <string>

#include "taxyear/input_range.h"
#include "taxyear/shared_state.h"

namespace reventa {

// One band of the scale: the yearly fixed cost and the running costs per km.
struct CostScaleBand {
  double UpperBound;  // the band includes it; the last band has none (infinity)
  double FixedCost;
  double FuelCostPerKm;
  double MaintenanceCostPerKm;
};

// The band of a vehicle value: a band includes its upper bound and excludes its
// lower one; 0 and negative values take the first band, everything above
// 700 000 the last.
const CostScaleBand& DeemedCostScale(double vehicleValue);

// The year the distance rules pro-rate over.
inline constexpr double TravelYearDays = 366;
// The cap on a claim when no allowance was stated.
inline constexpr double TravelClaimCapWithoutAllowance = 9999999.97;
// The characters the car's description holds.
inline constexpr int TravelCarDescriptionLength = 25;
// The window's whole-number fields and their limit.
inline constexpr double TravelFieldMax = 9999999;
inline constexpr InputRange TravelAmountRange{"", 0, TravelFieldMax, 0};

// The window's eleven inputs, top to bottom.
inline constexpr InputField<TravelClaimInputs> TravelClaimRanges[] = {
    {TravelAmountRange.Named("VehicleValue"), &TravelClaimInputs::VehicleValue},
    {TravelAmountRange.Named("AllowanceReceived"), &TravelClaimInputs::AllowanceReceived},
    {TravelAmountRange.Named("ClosingKm"), &TravelClaimInputs::ClosingKm},
    {TravelAmountRange.Named("OpeningKm"), &TravelClaimInputs::OpeningKm},
    {TravelAmountRange.Named("RecordedBusinessKm"), &TravelClaimInputs::RecordedBusinessKm},
    {TravelAmountRange.Named("FuelOilCost"), &TravelClaimInputs::FuelOilCost},
    {TravelAmountRange.Named("RepairsCost"), &TravelClaimInputs::RepairsCost},
    {TravelAmountRange.Named("InsuranceLicenceCost"), &TravelClaimInputs::InsuranceLicenceCost},
    {TravelAmountRange.Named("OtherCost"), &TravelClaimInputs::OtherCost},
    {TravelAmountRange.Named("WearAndTear"), &TravelClaimInputs::WearAndTear},
    {TravelAmountRange.Named("LeasePayments"), &TravelClaimInputs::LeasePayments},
};
// The period the two methods take on their own: the days of a stretch of the tax
// year, which the window works out from its two dates.
inline constexpr InputRange TravelPeriodDaysRange{"PeriodDays", 0, TravelYearDays, 0};

// Splits the distance into business and private kilometres (TotalKm, BusinessKm,
// PrivateKm of the results; nothing else is touched): the deemed 18 000 private
// and at most 14 000 business km a year pro-rated by the period's days, unless a
// recorded business distance overrides them.
void SplitTravelDistance(const TravelClaimInputs& in, TravelClaimResults& out);

// The deemed-cost method: writes the distances, FixedCost, the three rates, the
// total rate (rounded to one decimal after the claim is worked out from the
// unrounded one) and the claim, capped by the allowance. Leaves TotalCosts and
// PrivateUseCost as they were.
void ComputeDeemedCostClaim(const TravelClaimInputs& in, TravelClaimResults& out);

// The actual-cost method: writes the distances, TotalCosts, PrivateUseCost and
// the claim (the business share of the costs, or the value-based estimate when no
// reading was given), capped by the allowance. Leaves the deemed fields as they were.
void ComputeActualCostClaim(const TravelClaimInputs& in, TravelClaimResults& out);

// What "Calculate" of the travel allowance window does: PeriodDays from the two
// dates (end - start + 1), then the method of RecordsKept. Without records a value,
// a period and a recorded business distance are all needed; when one of them is 0
// the deemed fields are set to 0 and the method does not run.
void CalculateTravelAllowance(TravelAllowanceState& travel, double startDate, double endDate);
// Whether the deemed-cost method has what it needs: a value, a period and a
// recorded business distance. Without them its figures show 0.
bool DeemedCostInputsComplete(const TravelClaimInputs& in);

// The date rule of the vehicle windows: a start date in the tax year and an end
// date from the start date to the end of the tax year, each a whole day. The
// error names the date's key and the message its field shows.
std::optional<InputError> CheckVehicleDates(const char* startKey, double start, const char* endKey,
                                            double end);
// "Single Payment": wear and tear and lease payments exclude each other.
inline constexpr const char* SinglePaymentTitle = "Single Payment";
inline constexpr const char* SinglePaymentText =
    "Only one amount for either Wear & Tear or Lease payments will be accepted";

}  // namespace reventa
