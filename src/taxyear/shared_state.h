// SPDX-License-Identifier: GPL-3.0-or-later
// The values that outlive a calculator window: the last income tax computation,
// the report destination, and the working values the vehicle and finance
// calculators keep between openings. The main window owns one SharedState and
// hands it to every window; InitialiseSharedState resets it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "taxyear/income_tax.h"

namespace reventa {

// Travel allowance claim (deemed-cost or actual-cost method).
struct TravelClaimInputs {
  double VehicleValue = 0;
  double AllowanceReceived = 0;
  double ClosingKm = 0;
  double OpeningKm = 0;
  double RecordedBusinessKm = 0;
  double FuelOilCost = 0;
  double RepairsCost = 0;
  double InsuranceLicenceCost = 0;
  double OtherCost = 0;
  double WearAndTear = 0;
  double LeasePayments = 0;
  double PeriodDays = 0;
  bool IncludeFuel = true;
  bool IncludeMaintenance = true;
};

struct TravelClaimResults {
  double TotalKm = 0;
  double BusinessKm = 0;
  double PrivateKm = 0;
  double TotalCosts = 0;
  double PrivateUseCost = 0;
  double FixedCost = 0;
  double FixedCentsPerKm = 0;
  double FuelCentsPerKm = 0;
  double MaintenanceCentsPerKm = 0;
  double TotalCentsPerKm = 0;
  double DeductionClaim = 0;
};

// One band of the deemed vehicle cost scale, as the last lookup found it.
struct CostScaleLookup {
  double FixedCost = 0;
  double FuelCostPerKm = 0;
  double MaintenanceCostPerKm = 0;
};

struct TravelAllowanceState {
  TravelClaimInputs Inputs;
  TravelClaimResults Results;
  CostScaleLookup Scale;
  bool RecordsKept = false;
  std::string CarDescription;
};

// One car of the company car register, with its inputs and its last results.
struct CompanyCar {
  std::string CCRegNumber;
  std::string CCMake;
  std::string CCModel;
  std::string YearOfManfact;
  double CCPrice = 0;
  std::int16_t MaintIncluded = 0;
  double CCStartDate = 44986;
  double CCEndDate = 45351;
  double EndMileage = 0;
  double StartMileage = 0;
  double TotalDistance = 0;
  double BusDistance = 0;
  std::int16_t BussMilage = 0;
  std::int16_t SARSTable = 0;
  double ActualExpEmployee = 0;
  double FuelReimbEmployer = 0;
  double EmpPaidInsurance = 0;
  double EmpPaidLicence = 0;
  double EmpPaidMaintenance = 0;
  double FB3802ThisCar = 0;
  double AdjustTaxableInc = 0;
  double FuelComponent = 0;
};

struct CompanyCarRegister {
  std::int16_t N = 0;
  std::vector<CompanyCar> Entries{CompanyCar{}};  // entry 0 is the blank template
  std::int16_t Current = 0;
  std::int16_t Shown = 0;
  double Actual3802 = 0;
  std::int16_t AutoCalc3802 = 0;
};

struct LoanState {
  double Principal = 0;
  double Period = 0;
  double AnnualRate = 0;
  double Repayment = 0;  // also the loan buster's working repayment
  std::string CalcMode = "Monthly repayment";
  std::string FinChargesShown = "UP";
};

struct LoanBusterState {
  double LoanPrincipal = 0;
  float LoanRate = 0;
  double ExtraPayment = 0;
  double SavedPrincipal = 0;
};

struct LoanComparisonState {
  double BondAmount = 0;
  float BondRate = 0;
};

struct DailyBalanceState {
  float DepositCapital = 0;
  float DepositRate = 0;
  std::int32_t DepositStart = -36522;  // 1 January 1800: no date
  std::int32_t DepositEnd = -36522;
  double RateStep = 0.25;
};

struct InflationState {
  double PresentCost = 0;
  double InflationYears = 0;
  double InflationRate = 0;
  double FutureCost = 0;
  double BuyingPower = 0;
};

struct SharedState {
  // The last income tax computation of any calculator; QuickTax shows it.
  double TaxableIncome = 0;
  IncomeTaxResult IncomeTax;
  // 0: show the report in a window; 1: send it to the printer.
  std::int16_t ReportDestination = 0;

  TravelAllowanceState Travel;
  CompanyCarRegister Cars;
  LoanState Loan;
  LoanBusterState LoanBuster;
  LoanComparisonState LoanComparison;
  DailyBalanceState DailyBalance;
  InflationState Inflation;
};

// Resets every shared value: numbers to 0, texts empty, flags off, except the two
// travel "include" flags (on), the loan mode ("Monthly repayment") and totals flag
// ("UP"), the daily-balance dates (1 January 1800) and its rate step (0.25).
void InitialiseSharedState(SharedState& state);

// Runs the income tax computation on an annual taxable income and leaves the
// income and the result in the shared state, as every tax calculator does.
const IncomeTaxResult& ComputeSharedIncomeTax(SharedState& state, double taxableIncome);

}  // namespace reventa
