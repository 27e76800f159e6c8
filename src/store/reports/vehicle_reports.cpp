// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/reports/vehicle_reports.h"

#include "taxyear/day_serial.h"

namespace reventa {
namespace {

// A text as it is stored: a null QString would be stored as NULL, an empty text
// as an empty text.
QString NotNull(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

QString Date(double serial) { return QString::fromStdString(FormatDate(serial)); }

// The car the travel allowance is for: the record has room for one.
constexpr std::int16_t kTravelReportCarNumber = 1;

const QString kTitleSuffix =
    QStringLiteral(" - To export printout click on the suitcase button or goto Help");

void AddFlag(FieldList& row, const QString& field, std::int16_t flag) {
  if (flag == 1) row.append({field, QStringLiteral("Yes")});
  if (flag == 0) row.append({field, QStringLiteral("No")});
}

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Report TravelAllowanceReport(const TravelAllowanceState& travel, const QString& employeeName,
                             double startDate, double endDate) {
  const TravelClaimInputs& in = travel.Inputs;
  const TravelClaimResults& out = travel.Results;
  FieldList f;
  f.append({QStringLiteral("TPName"), NotNull(employeeName)});
  f.append({QStringLiteral("CARNO"), QVariant::fromValue(kTravelReportCarNumber)});
  f.append({QStringLiteral("mta01"), FromStd(travel.CarDescription)});
  f.append({QStringLiteral("mta04"), in.AllowanceReceived});
  f.append({QStringLiteral("mta05"), in.ClosingKm});
  f.append({QStringLiteral("mta06"), in.OpeningKm});
  f.append({QStringLiteral("mta07"), in.RecordedBusinessKm});
  f.append({QStringLiteral("tadeduction"), out.DeductionClaim});
  f.append({QStringLiteral("MTD"), out.TotalKm});
  f.append({QStringLiteral("MBD"), out.BusinessKm});
  f.append({QStringLiteral("mpd"), out.PrivateKm});
  if (travel.RecordsKept) {
    f.append({QStringLiteral("mta08"), in.FuelOilCost});
    f.append({QStringLiteral("mta09"), in.RepairsCost});
    f.append({QStringLiteral("mta10"), in.InsuranceLicenceCost});
    f.append({QStringLiteral("mta11"), in.OtherCost});
    f.append({QStringLiteral("mta12"), in.WearAndTear});
    f.append({QStringLiteral("mta13"), in.LeasePayments});
    f.append({QStringLiteral("totcost"), out.TotalCosts});
    f.append({QStringLiteral("pu"), out.PrivateUseCost});
  } else {
    f.append({QStringLiteral("mta03"), in.VehicleValue});
    f.append({QStringLiteral("mta14"), in.PeriodDays});
    f.append({QStringLiteral("cv"), out.FixedCost});
    f.append({QStringLiteral("fce"), out.FixedCentsPerKm});
    f.append({QStringLiteral("fc"), out.FuelCentsPerKm});
    f.append({QStringLiteral("mc"), out.MaintenanceCentsPerKm});
    f.append({QStringLiteral("tatc"), out.TotalCentsPerKm});
    f.append({QStringLiteral("FCDet"), in.IncludeFuel ? QStringLiteral("Fuel costs")
                                                      : QStringLiteral("Fuel costs not included")});
    f.append({QStringLiteral("MCDet"), in.IncludeMaintenance
                                           ? QStringLiteral("Maintenance costs")
                                           : QStringLiteral("Maintenance costs not included")});
    f.append({QStringLiteral("DateStart"), Date(startDate)});
    f.append({QStringLiteral("DateEnd"), Date(endDate)});
  }
  return SingleRowReport(
      QStringLiteral("traveldeduction"), f,
      travel.RecordsKept ? QStringLiteral("caeprk.rpt") : QStringLiteral("caepnrk.rpt"),
      QStringLiteral("Car Allowance") + kTitleSuffix);
}

Report CompanyCarReport(const CompanyCarRegister& cars, const CompanyCarRun& run) {
  QList<FieldList> rows;
  for (int i = 1; i <= cars.N; ++i) {
    const CompanyCar& car = cars.Entries.at(static_cast<std::size_t>(i));
    const std::size_t at = static_cast<std::size_t>(i - 1);
    const CompanyCarResults r = at < run.Cars.size() ? run.Cars[at] : CompanyCarResults{};
    // A car without a price has no true inclusion; its adjustment is SARS's claim.
    const bool priced = car.CCPrice != 0;
    FieldList row;
    row.append({QStringLiteral("CarNum"), i});
    row.append({QStringLiteral("CMVMaxNum"), static_cast<int>(cars.N)});
    row.append({QStringLiteral("CCRegNumber"), FromStd(car.CCRegNumber)});
    row.append({QStringLiteral("CCMake"), FromStd(car.CCMake)});
    row.append({QStringLiteral("CCModel"), FromStd(car.CCModel)});
    row.append({QStringLiteral("CCPrice"), car.CCPrice});
    AddFlag(row, QStringLiteral("MaintIncluded"), car.MaintIncluded);
    row.append({QStringLiteral("CCMonths"), car.CCEndDate - car.CCStartDate + 1});
    row.append({QStringLiteral("EndMileage"), car.EndMileage});
    row.append({QStringLiteral("StartMileage"), car.StartMileage});
    row.append({QStringLiteral("TotalDistance"), car.TotalDistance});
    row.append({QStringLiteral("BusDistance"), car.BusDistance});
    row.append({QStringLiteral("ActualExpEmployee"), car.ActualExpEmployee});
    AddFlag(row, QStringLiteral("SARSTable"), car.SARSTable);
    row.append({QStringLiteral("FuelReimbEmployer"), car.FuelReimbEmployer});
    row.append({QStringLiteral("EmpPaidInsurance"), car.EmpPaidInsurance});
    row.append({QStringLiteral("EmpPaidLicence"), car.EmpPaidLicence});
    row.append({QStringLiteral("EmpPaidMaintenance"), car.EmpPaidMaintenance});
    row.append({QStringLiteral("Actual3802"), cars.Actual3802});
    row.append({QStringLiteral("FB3802ThisCar"), car.FB3802ThisCar});
    row.append(
        {QStringLiteral("AdjustTaxableInc"), priced ? car.AdjustTaxableInc : r.SARSDeductionClaim});
    row.append({QStringLiteral("SARSDeductionClaim"), r.SARSDeductionClaim});
    row.append({QStringLiteral("TrueInclusion"), priced ? r.TrueInclusion : 0.0});
    row.append({QStringLiteral("PrivateDistance"), r.PrivateDistance});
    row.append({QStringLiteral("FuelComponent"), car.FuelComponent});
    row.append({QStringLiteral("Arr_FuelClaim"), r.FuelClaim});
    row.append({QStringLiteral("TotAddExpense"), r.TotAddExpense});
    row.append({QStringLiteral("FuelExp"), r.FuelExp});
    AddFlag(row, QStringLiteral("BussMilage"), car.BussMilage);
    row.append({QStringLiteral("YearOfManfact"), FromStd(car.YearOfManfact)});
    row.append({QStringLiteral("CCStartDate"), FromStd(FormatDate(car.CCStartDate))});
    row.append({QStringLiteral("CCEndDate"), FromStd(FormatDate(car.CCEndDate))});
    row.append({QStringLiteral("IRP53802"), r.IRP53802});
    row.append({QStringLiteral("MonFB80"), r.MonFB80});
    row.append({QStringLiteral("MonFB20"), r.MonFB20});
    row.append({QStringLiteral("FortFB80"), r.FortFB80});
    row.append({QStringLiteral("FortFB20"), r.FortFB20});
    row.append({QStringLiteral("WeekFB80"), r.WeekFB80});
    row.append({QStringLiteral("WeekFB20"), r.WeekFB20});
    rows.append(row);
  }
  return Report{{ReportTable{QStringLiteral("compcar"), rows, true}},
                QStringLiteral("compcar.rpt"),
                QStringLiteral("Full use of Company Car") + kTitleSuffix};
}

}  // namespace reventa
