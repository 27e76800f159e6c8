// SPDX-License-Identifier: GPL-3.0-or-later
// Every report template filled from a worked case the way a print fills it, compared as
// plain text with its golden file in golden/reports/, so that a change to a template, a
// report record or a calculation shows as a diff. REVENTA_UPDATE_GOLDEN rewrites them.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QtTest>

#include "calc/vehicle/travel_claim.h"
#include "store/app_paths.h"
#include "store/report_build.h"
#include "store/reports/finance_reports.h"
#include "store/reports/package_report.h"
#include "store/reports/tax_reports.h"
#include "store/reports/vehicle_reports.h"
#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"

using namespace reventa;

Q_DECLARE_METATYPE(reventa::Report)

namespace {

constexpr std::int16_t kEnglish = 0;
constexpr std::int16_t kAfrikaans = 1;

double Day(int year, int month, int day) { return SerialFromDate({year, month, day}); }

// A result field as the window shows it: rand and cents.
double Cents(double value) { return RoundHalfEven(value * 100) / 100; }

Report Annual(std::int16_t language, const char* name, AnnualInputs in) {
  const AnnualResult r = CalculateAnnual(in);
  in.AnnMonthBens = r.AnnMonthBens;  // the window shows the counts the calculation left
  return AnnualReport(language, QString::fromUtf8(name), in, r);
}

// One pay period with the settings of a new installation.
Report PayPeriod(PayPeriodKind kind, std::int16_t language, const char* name, PayPeriodInput in) {
  in.EmployeeUIF = in.EmployerUIF = in.SkillLevy = DefaultUifPercent;
  in.UIFLimit = DefaultUifMonthlyLimit;
  const PayPeriodResult r =
      kind == PayPeriodKind::Monthly       ? ComputeMonthlyPaye(in)
      : kind == PayPeriodKind::Weekly      ? ComputeWeeklyPaye(in, 52, WeeklyMedCreditDivisor)
      : kind == PayPeriodKind::Fortnightly ? ComputeWeeklyPaye(in, 26, FortnightlyMedCreditDivisor)
                                           : ComputeDailyPaye(in);
  return PayPeriodReport(kind, language, QString::fromUtf8(name), in, r,
                         {Cents(r.UifEmployee), Cents(r.UifEmployer), Cents(r.SdlAmount)});
}

// The package window's fields after Calculate, as its print reads them.
Report Package(PackageWindow window, const char* name, const PackageInputs& in,
               const std::array<QString, 4>& expenseText = {},
               const std::array<double, 4>& expense = {}) {
  const PackageResult r = CalculatePackage(window, in);
  PackageSheet s;
  s.taxpayerName = QString::fromUtf8(name);
  s.age = in.Age;
  s.amount = window.Direction == PackageDirection::NetToGross ? in.NetRequired : in.Package;
  s.amountCostToCompany = window.Direction == PackageDirection::GrossToNet ? in.Package : 0;
  s.carValue = in.CarValue;
  s.carValueCostToCompany = in.CarCostCC;
  s.travel = s.travelCostToCompany = in.Travel;
  s.medicalEmployee = in.MedEmployee;
  s.medicalEmployer = in.MedEmployer;
  s.beneficiaries = r.Updates.BeneficiariesCleared ? 0 : in.Beneficiaries;
  s.otherFringeBenefits = s.otherFringeBenefitsCostToCompany = in.OtherFB;
  s.fundEmployee = r.Updates.RFundEmployeeSet ? r.RFundEmployee : in.RFundEmployeeTyped;
  s.fundEmployer = r.Updates.RFundEmployerSet ? r.RFundEmployer : in.RFundEmployerTyped;
  s.medicalDeductions = r.Updates.MedDeductCleared ? 0 : in.MedDeduct;
  s.uifEmployee = r.Shown.numUIFCont;
  s.uifEmployer = r.Shown.numCCUIFCont;
  s.skillsLevy = r.Shown.numCCSkillLev;
  s.taxDue = r.Shown.numMAns;
  s.taxCredit = r.Shown.numTaxCredit;
  s.taxDeduction = r.Shown.numTaxDeduct;
  s.otherExpensesTotal = in.OtherDedTotal;
  s.otherExpenseText = expenseText;
  s.otherExpense = s.otherExpenseCostToCompany = expense;
  s.result = r.Shown.numGrossSal;
  s.totalCost = r.Shown.numTotCostComp;
  s.onceOff = r.Shown.numOnceOff;
  return PackageReport(window, s);
}

// The travel allowance window's Calculate, then its print.
Report Travel(bool recordsKept, const char* car, const TravelClaimInputs& in, const char* name,
              double start, double end) {
  TravelAllowanceState travel{in, {}, {}, recordsKept, car};
  CalculateTravelAllowance(travel, start, end);
  return TravelAllowanceReport(travel, QString::fromUtf8(name), start, end);
}

// The loan of a calculate mode, solved as the loans window does, its totals shown or not.
Report Loan(const char* mode, LoanState loan, bool totals, AmortKind schedule) {
  loan.CalcMode = mode;
  loan.FinChargesShown = totals ? "DOWN" : "UP";
  double savedPrincipal = 0;
  LoanCalc(loan, savedPrincipal);
  return LoansReport(loan, schedule);
}

Report LoanBuster() {
  LoanBusterState buster{1000000, 11.75f, 1500, 0};
  double repayment = 0;
  LoanBusterResult result;
  BBCalc(buster, repayment, 240, result);
  return LoanBusterReport(buster, 240, result).value_or(Report{});
}

Report DailyBalance() {
  const DailyBalanceState deposit{250000, 8.25f, static_cast<std::int32_t>(Day(2023, 3, 1)),
                                  static_cast<std::int32_t>(Day(2023, 9, 30))};
  return DailyBalanceReport(deposit, ComputeDailyBalance(deposit)).value_or(Report{});
}

Report Inflation() {
  InflationState s{150000, 10, 5.5, 0, 0};
  const InflationResult r = ProjectInflation(s);
  s.FutureCost = r.FutureCost;
  s.BuyingPower = r.BuyingPower;
  return InflationReport(s).value_or(Report{});
}

// Two cars of one employee: a full year with a maintenance plan and a log book,
// the employee bearing its fuel and insurance, and half a year without either.
Report CompanyCars() {
  CompanyCarRegister cars;
  AddCar(cars);
  AddCar(cars);
  // Registration, make, model, year, price, maintenance plan, first and last day, odometer at
  // the end and start, distance, business distance, log book, fuel table, fuel the employee
  // paid and the employer reimbursed, insurance and licence the employee paid.
  cars.Entries[1] =
      CompanyCar("CA 123-456", "Toyota", "Corolla Cross 1.8 XS", "2022", 450000, 1, TaxYearStart,
                 TaxYearEnd, 42000, 12000, 0, 12000, 1, 0, 18000, 0, 9600);
  cars.Entries[2] = CompanyCar("GP 77 ZX", "Volkswagen", "Polo Vivo 1.4", "2023", 280000, 0,
                               Day(2023, 9, 1), TaxYearEnd, 9500, 0, 0, 0, 0, 0, 0, 0, 0, 650);
  cars.Actual3802 = 150000;
  cars.Current = cars.Shown = 1;
  const CompanyCarRun last = RunCalculateCommand(cars).Run;
  return CompanyCarReport(cars, ComputeCompanyCarsForPrint(cars, last));
}

// The first text the report writes that has something to show.
QString FirstText(const Report& report) {
  for (const auto& [field, value] : report.tables.first().rows.first()) {
    if (value.typeId() == QMetaType::QString && !value.toString().trimmed().isEmpty()) {
      return value.toString().simplified();
    }
  }
  return {};
}

// The words a report breaks across lines, laid out on an A4 page at screen
// resolution as the report window shows it, with printing's 2 cm margin.
QStringList BrokenWords(const QTextDocument& document) {
  const std::unique_ptr<QTextDocument> page(document.clone());
  QImage screen(1, 1, QImage::Format_RGB32);  // 96 dots an inch
  page->documentLayout()->setPaintDevice(&screen);
  QTextFrameFormat margins = page->rootFrame()->frameFormat();
  margins.setMargin(2 / 2.54 * 96);
  page->rootFrame()->setFrameFormat(margins);
  page->setPageSize(QSizeF(210 / 25.4 * 96, 297 / 25.4 * 96));
  QStringList broken;
  for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
    for (int i = 1; i < block.layout()->lineCount(); ++i) {
      const int at = block.layout()->lineAt(i).textStart();
      if (block.text()[at - 1].isLetterOrNumber() && block.text()[at].isLetterOrNumber())
        broken << block.text();
    }
  }
  return broken;
}

}  // namespace

class TestReportGolden : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void reportMatchesItsGolden_data();
  void reportMatchesItsGolden();
};

void TestReportGolden::reportMatchesItsGolden_data() {
  using enum PayPeriodKind;
  QTest::addColumn<Report>("report");
  QTest::addColumn<QString>("templateName");
  auto row = [](const char* name, const char* templateName, const Report& report) {
    QTest::newRow(name) << report << QString::fromLatin1(templateName);
  };
  const MonthCounts three{0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
  const MonthCounts two{0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};

  row("quicktax-420000-age-45", "kwiktep.rpt",
      QuickTaxReport({420000, 45}, ComputeQuickTax({420000, 45})));
  row("annual-english-full-year", "Annual.rpt",
      Annual(kEnglish, "Sipho Dlamini",
             {42, 360000, 14400, 21600, 27000, 27000, 0, 30000, 48000, TravelInclusionHigh,
              TaxYearStart, TaxYearEnd, three}));
  row("annual-afrikaans-part-year-age-67", "Annual.rpt",
      Annual(kAfrikaans, "Annelie van der Merwe",
             {67, 270000, 0, 27000, 0, 18000, 0, 0, 0, TravelInclusionHigh, Day(2023, 6, 1),
              TaxYearEnd, two}));
  row("monthly-english-30000", "Monthly.rpt",
      PayPeriod(
          Monthly, kEnglish, "Thandi Mokoena",
          {38, 30000, 1500, 2500, 2250, 2250, 0, 0, 0, 3, TaxYearStart, MonthlyDefaultEndDate}));
  row("monthly-afrikaans-part-month-bonus", "Monthly.rpt",
      PayPeriod(
          Monthly, kAfrikaans, "Pieter Botha",
          {51, 30000, 0, 3200, 0, 2400, 0, 30000, 5000, 2, Day(2023, 11, 13), Day(2023, 11, 30)}));
  row("weekly-english", "Weekly.rpt",
      PayPeriod(Weekly, kEnglish, "Johannes Nkosi",
                {29, 6900, 450, 450, 500, 500, 0, 0, 0, 1, TaxYearStart, TaxYearStart, 7, 7}));
  row("fortnightly-afrikaans-ten-of-fourteen-days", "FortNightly.rpt",
      PayPeriod(Fortnightly, kAfrikaans, "Lerato Mahlangu",
                {34, 13800, 0, 900, 0, 0, 2500, 0, 0, 2, TaxYearStart, TaxYearStart, 14, 10}));
  row("daily-english", "Daily.rpt",
      PayPeriod(Daily, kEnglish, "Bongani Zulu", {24, 1400, 0, 0, 0, 100, 0, 0, 0, 0}));
  PackageInputs netToGross{45, 420000, 420000, 350000, 0, 36000, 18000, 9000, 36, 0, 0, 7800};
  netToGross.EmployeePct = netToGross.EmployerPct = 7.5;
  row("package-net-to-gross-annual-car-not-costed", "Reventa.rpt",
      Package(NetToGrossAnnual, "Nomvula Khumalo", netToGross,
              {"Union fees", QString(), "Staff loan", QString()}, {1800, 0, 6000, 0}));
  PackageInputs grossToNet{52, 45000, 45000, 0, 0, 4000, 2800, 1400, 3, 500};
  grossToNet.EmployeePct = grossToNet.EmployerPct = 7.5;
  row("package-gross-to-net-monthly", "Veloxa.rpt",
      Package(GrossToNetMonthly, "Willem de Wet", grossToNet));

  // Value, allowance, odometer at the end and the start, business distance, then the
  // costs: fuel, repairs, insurance, other, wear and tear.
  row("travel-records-kept", "caeprk.rpt",
      Travel(true, "2021 Toyota Hilux 2.4 GD-6",
             {450000, 96000, 68000, 38000, 18000, 32000, 8500, 14200, 2400, 90000}, "David Molefe",
             TaxYearStart, TaxYearEnd));
  TravelClaimInputs deemed{380000, 72000, 52000, 24000, 16000};
  deemed.IncludeMaintenance = false;
  row("travel-no-records-ten-months", "caepnrk.rpt",
      Travel(false, "2022 Volkswagen Polo 1.0 TSI", deemed, "Zanele Ndlovu", TaxYearStart,
             Day(2023, 12, 31)));
  row("company-car-two-cars", "compcar.rpt", CompanyCars());

  const LoanState bond{1000000, 240, 11.75, 0};
  const LoanState carLoan{250000, 60, 12.5, 0};
  const LoanState principalOf{0, 240, 11.75, 8500};
  const LoanState periodOf{1000000, 0, 11.75, 12500};
  const LoanState rateOf{1000000, 240, 0, 11000};
  row("loan-repayment-bond-totals", "Lonrepa.rpt",
      Loan(LoanModeRepayment, bond, true, AmortKind::None));
  row("loan-repayment-bond-annual-schedule", "LonrepaA.rpt",
      Loan(LoanModeRepayment, bond, true, AmortKind::Annual));
  row("loan-repayment-car-monthly-schedule", "LonrepaA.rpt",
      Loan(LoanModeRepayment, carLoan, false, AmortKind::Monthly));
  row("loan-principal-no-totals", "LonPrAm.rpt",
      Loan(LoanModePrincipal, principalOf, false, AmortKind::None));
  row("loan-principal-48-months-monthly-schedule", "LonPrAmA.rpt",
      Loan(LoanModePrincipal, {0, 48, 13, 6000}, true, AmortKind::Monthly));
  row("loan-period-totals", "LonRPer.rpt", Loan(LoanModePeriod, periodOf, true, AmortKind::None));
  row("loan-period-annual-schedule", "LonRPerA.rpt",
      Loan(LoanModePeriod, periodOf, false, AmortKind::Annual));
  row("loan-rate-totals", "LonInRt.rpt", Loan(LoanModeRate, rateOf, true, AmortKind::None));
  row("loan-rate-annual-schedule", "LonInRtA.rpt",
      Loan(LoanModeRate, rateOf, true, AmortKind::Annual));
  row("loan-buster-bond-extra-1500", "loanbuster.rpt", LoanBuster());
  row("loan-comparison-bond", "LoanComparison.rpt",
      LoanComparisonReport(1000000, 11.75f, CompareBondTerms(1000000, 11.75f)).value_or(Report{}));
  row("daily-balance-213-days", "DayBal.rpt", DailyBalance());
  row("inflation-ten-years", "Inflatin.rpt", Inflation());
}

void TestReportGolden::reportMatchesItsGolden() {
  QFETCH(Report, report);
  QFETCH(QString, templateName);
  QCOMPARE(report.templateName, templateName);
  // A fresh report data store, as on a first start.
  const QTemporaryDir dir;
  const QString app = QStringLiteral(REVENTA_TEST_APP_DIR);
  const PreparedStores stores = PrepareUserStores(app, dir.filePath(QStringLiteral("data")));
  QVERIFY(stores.problems.isEmpty());
  QCOMPARE(WriteReport(stores.paths.reportDb, report), std::nullopt);
  const BuiltReport built = BuildReport(app, stores.paths.reportDb, report.templateName);
  QVERIFY2(built.document, qPrintable(built.error));
  QStringList tables;
  for (const ReportTable& t : report.tables) tables.append(t.name);
  QVERIFY2(tables.contains(built.table), qPrintable(built.table));

  // Text breaks between words only.
  const QStringList broken = BrokenWords(*built.document);
  QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral(" | "))));
  const QString text = built.document->toPlainText();
  const QString first = FirstText(report);
  QVERIFY2(first.isEmpty() || text.contains(first), qPrintable(first));

  QFile golden(QFINDTESTDATA("golden/reports") + QLatin1Char('/') +
               QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".txt"));
  if (qEnvironmentVariableIsSet("REVENTA_UPDATE_GOLDEN") && golden.open(QIODevice::WriteOnly)) {
    golden.write(text.toUtf8());
    golden.close();
  }
  QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
  const QString expected = QString::fromUtf8(golden.readAll());
  QVERIFY(!expected.trimmed().isEmpty());
  QCOMPARE(text.trimmed(), expected.trimmed());
}

QTEST_MAIN(TestReportGolden)
#include "tst_report_golden.moc"
