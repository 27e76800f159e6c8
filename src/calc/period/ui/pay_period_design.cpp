#include "calc/period/ui/pay_period_design.h"

#include "taxyear/day_serial.h"

namespace reventa {
namespace {

const ReportCaption kNoCaption{"", ""};

const PayPeriodDesign kMonthly{
    PayPeriodKind::Monthly,
    "frmMonthly",
    "Monthly",
    [](const PayPeriodInput& in) { return ComputeMonthlyPaye(in); },
    "silgEdit9",
    "silgEdit12",
    "silgEdit13",
    "Travel Allowance R",
    "",
    "",
    0,
    "IRP5Mon",
    "Monthly.rpt",
    "Monthly - To export printout click on the suitcase button or goto Help",
    {"Monthly Check", "Maandelikse Inkomste"},
    {"Travel allowance ", "Reistoelae "},
    {"Start date", "Begin datum"},
    {"End date", "Eind datum"},
};

const PayPeriodDesign kWeekly{
    PayPeriodKind::Weekly,
    "frmWeekly",
    "Weekly",
    [](const PayPeriodInput& in) {
      return ComputeWeeklyPaye(in, PeriodsPerYearWeekly, WeeklyMedCreditDivisor);
    },
    "silgEdit14",
    "sidbEdit4",
    "sidbEdit6",
    "Travel allowance received",
    "Normal work week",
    "This work week",
    7,
    "IRP5Week",
    "Weekly.rpt",
    "Weekly - To export printout click on the suitcase button or goto Help",
    {"Weekly Check", "Weeklikse Inkomste"},
    {"Travel allowance ", "Reistoelae ontvang"},
    {"Normal work week", "Normale werk week"},
    {"This work week", "Hierdie werk week"},
};

const PayPeriodDesign kFortnightly{
    PayPeriodKind::Fortnightly,
    "frmFortNight",
    "Fortnightly",
    [](const PayPeriodInput& in) {
      return ComputeWeeklyPaye(in, PeriodsPerYearFortnightly, FortnightlyMedCreditDivisor);
    },
    "silgEdit14",
    "sidbEdit4",
    "sidbEdit6",
    "Travel allowance received",
    "Normal fortnight",
    "This fortnight",
    14,
    "IRP5Week",
    "FortNightly.rpt",
    "FortNightly - To export printout click on the suitcase button or goto Help",
    {"Fortnightly Check", "Twee Weeklikse Inkomste"},
    {"Travel allowance ", "Reistoelae ontvang"},
    {"Normal fortnight", "Normale twee weke"},
    {"This fortnight", "Hierdie twee weke"},
};

const PayPeriodDesign kDaily{
    PayPeriodKind::Daily,
    "frmDaily",
    "Daily",
    [](const PayPeriodInput& in) { return ComputeDailyPaye(in); },
    "silgEdit23",
    "sidbEdit4",
    "sidbEdit6",
    "Travel allowance received",
    "",
    "",
    0,
    "IRP5Day",
    "Daily.rpt",
    "Daily - To export printout click on the suitcase button or goto Help",
    {"Daily Check", "Daaglikse Inkomste"},
    {"Travel allowance ", "Reistoelae "},
    kNoCaption,
    kNoCaption,
};

// A day count as the report has always written it: the number with a blank in
// the place of its sign (" 5").
QString SignedCount(double days) { return QLatin1Char(' ') + QString::number(days); }

}  // namespace

QString ReportCaption::in(std::int16_t language) const {
  return QString::fromUtf8(language == 0 ? english : afrikaans);
}

const PayPeriodDesign& MonthlyDesign() { return kMonthly; }
const PayPeriodDesign& WeeklyDesign() { return kWeekly; }
const PayPeriodDesign& FortnightlyDesign() { return kFortnightly; }
const PayPeriodDesign& DailyDesign() { return kDaily; }

FieldList PayPeriodReportFields(const PayPeriodDesign& d, std::int16_t language,
                                const QString& employeeName, const PayPeriodInput& in,
                                const PayPeriodResult& r, const ShownFigures& shown) {
  auto text = [language](const char* english, const char* afrikaans) {
    return QVariant(ReportCaption{english, afrikaans}.in(language));
  };
  FieldList f;
  f.append({QStringLiteral("TypeAM"), d.heading.in(language)});
  f.append({QStringLiteral("Employee"),
            (language == 0 ? QStringLiteral(" For : ") : QStringLiteral("Vir : ")) + employeeName});
  f.append({QStringLiteral("Age"), text("Age : ", "Ouderdom : ")});
  f.append({QStringLiteral("AgeNum"), int(in.Age)});
  f.append({QStringLiteral("Sal"), text("Remuneration/salary", "Besoldiging")});
  f.append({QStringLiteral("SalNum"), in.Salary});
  f.append({QStringLiteral("DirFees"), text("Commissions", "Kommissie")});
  f.append({QStringLiteral("DirFeesNum"), in.Commission});
  f.append({QStringLiteral("TravAll"), d.travel.in(language)});
  if (d.kind == PayPeriodKind::Monthly) {
    f.append({QStringLiteral("TravOne"), in.TravelAllowance});
    f.append({QStringLiteral("TravTwo"), r.TaxableTravelAllowance});
  } else {
    f.append({QStringLiteral("RecBefNum"), in.TravelAllowance});
  }
  f.append({QStringLiteral("Bonus"), text("Bonus", "Bonus")});
  f.append({QStringLiteral("BonusNum"), in.Bonus});
  f.append({QStringLiteral("MedExp"), text("Medical expenses", "Mediese onkoste")});
  f.append({QStringLiteral("MedExpNum"), 0.0});  // no window field feeds it
  f.append({QStringLiteral("PenCont"),
            text("Employer's R/Fund contributions ", "Toelaatbare pension bydrae")});
  f.append({QStringLiteral("PenContNum"), in.RFundEmployer});
  f.append({QStringLiteral("RACont"),
            text("Employee's R/Fund contributions", "Toelaatbare U/T bydrae")});
  f.append({QStringLiteral("RAContNum"), in.RFundEmployee});
  if (d.hasDates()) {
    f.append({QStringLiteral("SDate"), d.startCaption.in(language)});
    f.append({QStringLiteral("SDateNum"), QString::fromStdString(FormatDate(in.StartDate))});
    f.append({QStringLiteral("EDate"), d.endCaption.in(language)});
    f.append({QStringLiteral("EDateNum"), QString::fromStdString(FormatDate(in.EndDate))});
  } else if (d.hasDayCounts()) {
    f.append({QStringLiteral("SDate"), d.startCaption.in(language)});
    f.append({QStringLiteral("SDateNum"), SignedCount(in.NormalDays)});
    f.append({QStringLiteral("EDate"), d.endCaption.in(language)});
    // The Afrikaans print has always written this count without the blank.
    f.append({QStringLiteral("EDateNum"),
              language == 0 ? SignedCount(in.ThisDays) : QString::number(in.ThisDays)});
  }
  f.append(
      {QStringLiteral("UIFEMPE"), text("U.I.F. contribution employee", "U.I.F. bydrae werknemer")});
  f.append({QStringLiteral("UIFEMPENum"), shown.uifEmployee});
  f.append(
      {QStringLiteral("UIFEMPR"), text("U.I.F. contribution employer", "U.I.F. bydrae werkgewer")});
  f.append({QStringLiteral("UIFEMPRNum"), shown.uifEmployer});
  f.append({QStringLiteral("SDL"), text("S.D.L.", "S.D.L.")});
  f.append({QStringLiteral("SDLNum"), shown.sdl});
  f.append({QStringLiteral("EOE"), text("(E.& O.E.)", "(B.& F.W.)")});
  f.append({QStringLiteral("Taxliability"), text("Tax liability", "Belasting verpligting")});
  f.append({QStringLiteral("Taxliabilitynum"), r.PeriodTax});
  f.append({QStringLiteral("TaxCredit"),
            text("Tax credits for beneficiaries", "Belastingkrediete vir begunstigdes")});
  f.append({QStringLiteral("Taxcreditnum"), r.MedCredit});
  f.append({QStringLiteral("TaxCreditCons"),
            text("Tax credits for contributions", "Belastingkrediete vir bydraes")});
  f.append({QStringLiteral("TaxcreditnumCons"), r.AddMedCredit});
  f.append({QStringLiteral("EmpERMedAidCont"),
            text("Employer's med aid contrib.", "Werkgewer se bydrae aan mediesefonds")});
  f.append({QStringLiteral("EmpERMedAidContnum"), in.EmployerMedAid});
  f.append({QStringLiteral("EmpEEMedAidCont"),
            text("Employee's med aid contrib.", "Werknemer se bydrae aan mediesefonds")});
  f.append({QStringLiteral("EmpEEMedAidContnum"), in.EmployeeMedAid});
  f.append({QStringLiteral("AnnCalcBens3"),
            text("Medical aid fund beneficiaries", "Getal mediesefondslede en afhanklikes")});
  f.append({QStringLiteral("AnnCalcBens3num"), int(in.Beneficiaries)});
  f.append({QStringLiteral("MedAidBens"),
            text("Med Aid contribution deduction", "Mediesfondsbydrae afrekking")});
  f.append({QStringLiteral("TOTAL"), text("Total tax deduction", "Totaal belasting")});
  // The tax to deduct, or the whole number 0 when the credits cover the tax.
  f.append({QStringLiteral("TotalNum"),
            r.NetPeriodTax > 0 ? QVariant(r.NetPeriodTax) : QVariant(int(0))});
  return f;
}

}  // namespace reventa
