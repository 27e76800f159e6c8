// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/reports/tax_reports.h"

#include "taxyear/day_serial.h"

namespace reventa {
namespace {

const QString kTitleSuffix =
    QStringLiteral(" - To export printout click on the suitcase button or goto Help");

// What sets one pay period's report apart: its table, template, title and the
// captions that differ.
struct PayPeriodReportDesign {
  const char* table;
  const char* templateName;
  const char* title;  // before the suffix every report title shares
  ReportCaption heading;
  ReportCaption travel;
  ReportCaption startCaption;  // monthly and the day-count windows only
  ReportCaption endCaption;
};

const PayPeriodReportDesign& DesignOf(PayPeriodKind kind) {
  static const PayPeriodReportDesign kMonthly{"IRP5Mon",
                                              "Monthly.rpt",
                                              "Monthly",
                                              {"Monthly Check", "Maandelikse Inkomste"},
                                              {"Travel allowance ", "Reistoelae "},
                                              {"Start date", "Begin datum"},
                                              {"End date", "Eind datum"}};
  static const PayPeriodReportDesign kWeekly{"IRP5Week",
                                             "Weekly.rpt",
                                             "Weekly",
                                             {"Weekly Check", "Weeklikse Inkomste"},
                                             {"Travel allowance ", "Reistoelae ontvang"},
                                             {"Normal work week", "Normale werk week"},
                                             {"This work week", "Hierdie werk week"}};
  static const PayPeriodReportDesign kFortnightly{"IRP5Week",
                                                  "FortNightly.rpt",
                                                  "FortNightly",
                                                  {"Fortnightly Check", "Twee Weeklikse Inkomste"},
                                                  {"Travel allowance ", "Reistoelae ontvang"},
                                                  {"Normal fortnight", "Normale twee weke"},
                                                  {"This fortnight", "Hierdie twee weke"}};
  static const PayPeriodReportDesign kDaily{"IRP5Day",
                                            "Daily.rpt",
                                            "Daily",
                                            {"Daily Check", "Daaglikse Inkomste"},
                                            {"Travel allowance ", "Reistoelae "},
                                            {"", ""},
                                            {"", ""}};
  switch (kind) {
    case PayPeriodKind::Monthly:
      return kMonthly;
    case PayPeriodKind::Weekly:
      return kWeekly;
    case PayPeriodKind::Fortnightly:
      return kFortnightly;
    case PayPeriodKind::Daily:
      break;
  }
  return kDaily;
}

// A day count as the report has always written it: the number with a blank in
// the place of its sign (" 5").
QString SignedCount(double days) { return QLatin1Char(' ') + QString::number(days); }

// A caption in the print's language.
QVariant Caption(std::int16_t language, const char* english, const char* afrikaans) {
  return ReportCaption{english, afrikaans}.in(language);
}

QString DateText(double serial) { return QString::fromStdString(FormatDate(serial)); }

// The name line at the top of the annual and pay-period reports.
QString ForName(std::int16_t language, const QString& employeeName) {
  return (language == 0 ? QStringLiteral(" For : ") : QStringLiteral("Vir : ")) + employeeName;
}

}  // namespace

const MonthCaption TaxYearMonthCaptions[12] = {
    {3, {"Mar", "Mar"}},  {4, {"Apr ", "Apr "}}, {5, {"May", "Mei"}}, {6, {"Jun", "Jun"}},
    {7, {"Jul", "Jul"}},  {8, {"Aug", "Aug"}},   {9, {"Sep", "Sep"}}, {10, {"Oct", "Okt"}},
    {11, {"Nov", "Nov"}}, {12, {"Dec", "Dec"}},  {1, {"Jan", "Jan"}}, {2, {"Feb", "Feb"}},
};

Report QuickTaxReport(const QuickTaxInput& input, const QuickTaxResult& r) {
  return SingleRowReport(QStringLiteral("kwiktax"),
                         {
                             {QStringLiteral("AGE"), input.QuickAge},
                             {QStringLiteral("TAXINCOME"), r.QuickIncome},
                             {QStringLiteral("TAXTOPAY"), r.Tax.BracketBaseTax},
                             {QStringLiteral("MARGRATE"), r.Tax.MarginalRate},
                             {QStringLiteral("PORTION"), r.Tax.PortionTax},
                             {QStringLiteral("TOTTAX"), r.QuickTotalTax},
                             {QStringLiteral("REBATE"), r.QuickRebate},
                             {QStringLiteral("TAXCOM4"), r.QuickTaxCommitment},
                             {QStringLiteral("AVRATE"), r.QuickAvgBefore},
                             {QStringLiteral("AVRATEAFT"), r.QuickAvgAfter},
                             {QStringLiteral("TAXCOM4/2"), r.TaxCom4Monthly()},
                         },
                         QStringLiteral("kwiktep.rpt"), QStringLiteral("QuickTax") + kTitleSuffix);
}

Report AnnualReport(std::int16_t language, const QString& employeeName, const AnnualInputs& in,
                    const AnnualResult& r) {
  auto text = [language](const char* en, const char* af) { return Caption(language, en, af); };
  // An amount that the credits may have taken to nothing is written as the whole
  // number 0.
  auto amountOrZero = [](double v) { return v > 0 ? QVariant(v) : QVariant(int(0)); };
  FieldList f;
  f.append({QStringLiteral("TypeAM"), text("Annual Check", "Jaarlikse Inkomste")});
  f.append({QStringLiteral("Employee"), ForName(language, employeeName)});
  f.append({QStringLiteral("Age"), text("Age : ", "Ouderdom : ")});
  f.append({QStringLiteral("AgeNum"), int(in.AnnAge)});
  f.append({QStringLiteral("Sal"), text("Remuneration/salary", "Besoldiging")});
  f.append({QStringLiteral("SalNum"), in.AnnSalary});
  f.append({QStringLiteral("DirFees"), text("Commissions", "Kommissie")});
  f.append({QStringLiteral("DirFeesNum"), in.AnnCommissions});
  f.append({QStringLiteral("Bonus"), text("Bonus", "Bonus")});
  f.append({QStringLiteral("BonusNum"), in.AnnBonus});
  f.append({QStringLiteral("TravAll"), text("Travel allowance received", "Reistoelae ontvang")});
  f.append({QStringLiteral("RecBefNum"), in.AnnTravelAllowance});
  f.append({QStringLiteral("MedExp"), text("Medical expenses", "Mediese onkoste")});
  f.append({QStringLiteral("MedExpNum"), 0.0});  // the window has no medical expenses input
  f.append({QStringLiteral("PenCont"),
            text("Employer's R/Fund contributions ", "Toelaatbare pension bydrae")});
  f.append({QStringLiteral("PenContNum"), in.AnnEmployerRFund});
  f.append({QStringLiteral("RACont"),
            text("Employee's R/Fund contributions", "Toelaatbare U/T bydrae")});
  f.append({QStringLiteral("RAContNum"), in.AnnEmployeeRFund});
  f.append({QStringLiteral("SDate"), text("Start date", "Begin datum")});
  f.append({QStringLiteral("SDateNum"), DateText(in.AnnStartDate)});
  f.append({QStringLiteral("EDate"), text("End date", "Eind datum")});
  f.append({QStringLiteral("EDateNum"), DateText(in.AnnEndDate)});
  f.append({QStringLiteral("SITE"), text("SITE", "SIBW")});
  f.append({QStringLiteral("SITENum"), r.AnnSITE});
  f.append({QStringLiteral("PAYE"), text("PAYE", "LBS")});
  f.append({QStringLiteral("PAYENum"), amountOrZero(r.AnnPAYE)});
  f.append({QStringLiteral("Taxliability"), text("Tax liability", "Belasting verpligting")});
  f.append({QStringLiteral("Taxliabilitynum"), r.AnnTaxLiability});
  f.append({QStringLiteral("TaxCredit"),
            text("Tax credits for beneficiaries", "Belastingkrediete vir begunstigdes")});
  f.append({QStringLiteral("Taxcreditnum"), r.AnnMedCredit});
  f.append({QStringLiteral("TaxCreditCons"),
            text("Tax credits for contributions", "Belastingkrediete vir bydraes")});
  f.append({QStringLiteral("TaxcreditnumCons"), r.AnnAddMedCredit});
  f.append({QStringLiteral("NumOFBens"),
            text("Number of Medical Aid Beneficiaries", "Getal mediesefondslede en afhanklikes")});
  f.append({QStringLiteral("EmpERMedAidCont"),
            text("Employer's med aid contrib.", "Werkgewer se bydrae aan mediesefonds")});
  f.append({QStringLiteral("EmpERMedAidContnum"), in.AnnEmployerMedAid});
  f.append({QStringLiteral("EmpEEMedAidCont"),
            text("Employee's med aid contrib.", "Werknemer se bydrae aan mediesefonds")});
  f.append({QStringLiteral("EmpEEMedAidContnum"), in.AnnEmployeeMedAid});
  for (const MonthCaption& m : TaxYearMonthCaptions) {
    const QString field = QStringLiteral("AnnCalcBens%1").arg(m.month);
    f.append({field, m.caption.in(language)});
    f.append(
        {field + QStringLiteral("num"), int(in.AnnMonthBens[static_cast<std::size_t>(m.month)])});
  }
  f.append({QStringLiteral("MedAidBens"),
            text("Med Aid contribution deduction", "Mediesfondsbydrae afrekking")});
  f.append({QStringLiteral("MedAidBensnum"), int(0)});  // the window has no input for it
  f.append({QStringLiteral("TOTAL"), text("Total tax deduction", "Totaal")});
  f.append({QStringLiteral("TotalNum"), amountOrZero(r.AnnTotalTaxDeduction)});
  f.append({QStringLiteral("EOE"), text("(E.& O.E.)", "(B.& F.W.)")});
  return SingleRowReport(QStringLiteral("IRP5Ann"), f, QStringLiteral("Annual.rpt"),
                         QStringLiteral("Annual") + kTitleSuffix);
}

Report PayPeriodReport(PayPeriodKind kind, std::int16_t language, const QString& employeeName,
                       const PayPeriodInput& in, const PayPeriodResult& r,
                       const ShownFigures& shown) {
  const PayPeriodReportDesign& d = DesignOf(kind);
  auto text = [language](const char* en, const char* af) { return Caption(language, en, af); };
  FieldList f;
  f.append({QStringLiteral("TypeAM"), d.heading.in(language)});
  f.append({QStringLiteral("Employee"), ForName(language, employeeName)});
  f.append({QStringLiteral("Age"), text("Age : ", "Ouderdom : ")});
  f.append({QStringLiteral("AgeNum"), int(in.Age)});
  f.append({QStringLiteral("Sal"), text("Remuneration/salary", "Besoldiging")});
  f.append({QStringLiteral("SalNum"), in.Salary});
  f.append({QStringLiteral("DirFees"), text("Commissions", "Kommissie")});
  f.append({QStringLiteral("DirFeesNum"), in.Commission});
  f.append({QStringLiteral("TravAll"), d.travel.in(language)});
  if (kind == PayPeriodKind::Monthly) {
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
  if (kind == PayPeriodKind::Monthly) {
    f.append({QStringLiteral("SDate"), d.startCaption.in(language)});
    f.append({QStringLiteral("SDateNum"), DateText(in.StartDate)});
    f.append({QStringLiteral("EDate"), d.endCaption.in(language)});
    f.append({QStringLiteral("EDateNum"), DateText(in.EndDate)});
  } else if (kind != PayPeriodKind::Daily) {
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
  return SingleRowReport(QString::fromLatin1(d.table), f, QString::fromLatin1(d.templateName),
                         QString::fromLatin1(d.title) + kTitleSuffix);
}

}  // namespace reventa
