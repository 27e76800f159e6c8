#include "calc/vehicle/ui/company_car_report.h"

#include "taxyear/day_serial.h"

namespace reventa {
namespace {

void AddFlag(FieldList& row, const QString& field, std::int16_t flag) {
  if (flag == 1) row.append({field, QStringLiteral("Yes")});
  if (flag == 0) row.append({field, QStringLiteral("No")});
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QList<FieldList> CompanyCarReportRows(const CompanyCarRegister& cars, const CompanyCarRun& run) {
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
    row.append({QStringLiteral("CCRegNumber"), Text(car.CCRegNumber)});
    row.append({QStringLiteral("CCMake"), Text(car.CCMake)});
    row.append({QStringLiteral("CCModel"), Text(car.CCModel)});
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
    row.append({QStringLiteral("YearOfManfact"), Text(car.YearOfManfact)});
    row.append({QStringLiteral("CCStartDate"), Text(FormatDate(car.CCStartDate))});
    row.append({QStringLiteral("CCEndDate"), Text(FormatDate(car.CCEndDate))});
    row.append({QStringLiteral("IRP53802"), r.IRP53802});
    row.append({QStringLiteral("MonFB80"), r.MonFB80});
    row.append({QStringLiteral("MonFB20"), r.MonFB20});
    row.append({QStringLiteral("FortFB80"), r.FortFB80});
    row.append({QStringLiteral("FortFB20"), r.FortFB20});
    row.append({QStringLiteral("WeekFB80"), r.WeekFB80});
    row.append({QStringLiteral("WeekFB20"), r.WeekFB20});
    rows.append(row);
  }
  return rows;
}

}  // namespace reventa
