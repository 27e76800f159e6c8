#include "calc/vehicle/ui/travel_report.h"

#include "taxyear/day_serial.h"

namespace reventa {
namespace {

// A text stored as such (a null QString would be stored as NULL).
QString Text(const QString& text) { return text.isNull() ? QStringLiteral("") : text; }

QString Date(double serial) { return QString::fromStdString(FormatDate(serial)); }

}  // namespace

FieldList TravelDeductionFields(const TravelAllowanceState& travel, const QString& employeeName,
                                double startDate, double endDate) {
  const TravelClaimInputs& in = travel.Inputs;
  const TravelClaimResults& out = travel.Results;
  FieldList f;
  f.append({QStringLiteral("TPName"), Text(employeeName)});
  f.append({QStringLiteral("CARNO"), QVariant::fromValue(kTravelReportCarNumber)});
  f.append({QStringLiteral("mta01"), QString::fromStdString(travel.CarDescription)});
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
    return f;
  }
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
  return f;
}

QString TravelReportTemplate(bool recordsKept) {
  return recordsKept ? QStringLiteral("caeprk.rpt") : QStringLiteral("caepnrk.rpt");
}

}  // namespace reventa
