// SPDX-License-Identifier: GPL-3.0-or-later
// The report data store, the settings store and the report engine against
// temporary folders: the write patterns, and every fault giving its message,
// producing no report and losing nothing already stored.
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "store/app_paths.h"
#include "store/report_export.h"
#include "store/report_template.h"
#include "store/reports/package_report.h"
#include "store/settings_store.h"
#include "store/table_store.h"
#include "widgets/messages.h"
#include "widgets/report_engine.h"
#include "widgets/report_window.h"

using namespace reventa;

namespace {

const QString kKind = QStringLiteral("report data store");

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

// Runs statements on a store outside the program, as another program would.
void Exec(const QString& path, const QStringList& statements) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QSqlQuery q(db);
    for (const QString& s : statements) QVERIFY2(q.exec(s), qPrintable(s));
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

// Compares a built report with its golden text; REVENTA_UPDATE_GOLDEN rewrites it.
void CompareWithGolden(const QTextDocument& document, const QString& name) {
  const QString goldenPath = QFINDTESTDATA(QStringLiteral("golden/") + name);
  QVERIFY2(!goldenPath.isEmpty(), qPrintable(name));
  if (qEnvironmentVariableIsSet("REVENTA_UPDATE_GOLDEN")) {
    WriteAll(goldenPath, document.toPlainText().toUtf8());
  }
  const QString golden = QString::fromUtf8(ReadAll(goldenPath));
  QCOMPARE(document.toPlainText().trimmed(), golden.trimmed());
}

QList<QVariantMap> Rows(const QString& store, const QString& table) {
  const auto rows = TableStore(store, kKind).ReadRows(table);
  return rows.index() == 0 ? std::get<0>(rows) : QList<QVariantMap>();
}

const FieldList kQuickRow = {{QStringLiteral("AGE"), 40},
                             {QStringLiteral("TAXINCOME"), 500000.0},
                             {QStringLiteral("TAXCOM4/2"), 8356.0}};

}  // namespace

class TestStores : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init();
  void writeRowEditsTheOnlyRow();
  void refillReplacesEveryRow();
  void refillRollsBackWhenARowFails();
  void storeFaults_data();
  void storeFaults();
  void lockedStoreIsReportedAndLeftIntact();
  void firstStartCopiesButNeverReplaces();
  void settingsWriteOnlyTheirFields();
  void settingsFallBackToDefaults_data();
  void settingsFallBackToDefaults();
  void ratePairs();
  void templateFormats_data();
  void templateFormats();
  void templateRowBlockAndFaults();
  void quickTaxReportMatchesItsGolden();
  void packageReportMatchesItsGolden();
  void everyAmountPrintsAsMoney_data();
  void everyAmountPrintsAsMoney();
  void proposedExportNames_data();
  void proposedExportNames();
  void exportRemembersTheFolder();
  void engineFaultsProduceNoReport_data();
  void engineFaultsProduceNoReport();
  void directPrintWithoutPrinterSaysSo();

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString report_;
  QString settings_;
};

void TestStores::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  const PreparedStores p = PrepareUserStores(QStringLiteral(REVENTA_TEST_APP_DIR),
                                             dir_->filePath(QStringLiteral("data")));
  QVERIFY(p.problems.isEmpty());
  report_ = p.paths.reportDb;
  settings_ = p.paths.settingsDb;
}

void TestStores::writeRowEditsTheOnlyRow() {
  const TableStore store(report_, kKind);
  QCOMPARE(store.WriteRow(QStringLiteral("kwiktax"), kQuickRow), std::nullopt);
  QCOMPARE(store.WriteRow(QStringLiteral("kwiktax"), {{QStringLiteral("AGE"), 65}}), std::nullopt);
  const auto rows = Rows(report_, QStringLiteral("kwiktax"));
  QCOMPARE(rows.size(), 1);
  QCOMPARE(rows[0].value(QStringLiteral("AGE")).toInt(), 65);
  // Fields not written keep what the earlier print left.
  QCOMPARE(rows[0].value(QStringLiteral("TAXINCOME")).toDouble(), 500000.0);
  QCOMPARE(rows[0].value(QStringLiteral("TAXCOM4/2")).toDouble(), 8356.0);
}

void TestStores::refillReplacesEveryRow() {
  const TableStore store(report_, kKind);
  QList<FieldList> rows;
  for (int year = 1; year <= 3; ++year) {
    rows.append({{QStringLiteral("Year"), year}, {QStringLiteral("Capital"), year * 100.0}});
  }
  QCOMPARE(store.Refill(QStringLiteral("Amort"), rows), std::nullopt);
  QCOMPARE(store.Refill(QStringLiteral("Amort"), rows.mid(0, 2)), std::nullopt);
  const auto stored = Rows(report_, QStringLiteral("Amort"));
  QCOMPARE(stored.size(), 2);
  QCOMPARE(stored[1].value(QStringLiteral("Capital")).toDouble(), 200.0);
  QCOMPARE(store.Refill(QStringLiteral("Amort"), {}), std::nullopt);
  QVERIFY(Rows(report_, QStringLiteral("Amort")).isEmpty());
}

void TestStores::refillRollsBackWhenARowFails() {
  const TableStore store(report_, kKind);
  QList<FieldList> rows;
  for (int year = 1; year <= 5; ++year) rows.append({{QStringLiteral("Year"), year}});
  QCOMPARE(store.Refill(QStringLiteral("Amort"), rows), std::nullopt);
  // The store refuses the fourth row of the next print: nothing of it may stay.
  Exec(report_, {QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Amort WHEN NEW.Year = 40 "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END")});
  QList<FieldList> next;
  for (int year = 10; year <= 50; year += 10) next.append({{QStringLiteral("Year"), year}});
  QVERIFY(store.Refill(QStringLiteral("Amort"), next).has_value());
  const auto stored = Rows(report_, QStringLiteral("Amort"));
  QCOMPARE(stored.size(), 5);
  QCOMPARE(stored[0].value(QStringLiteral("Year")).toInt(), 1);
}

void TestStores::storeFaults_data() {
  QTest::addColumn<QString>("fault");
  QTest::addColumn<QString>("expected");
  QTest::newRow("missing store") << "missing"
                                 << "cannot be found";
  QTest::newRow("damaged store") << "damaged"
                                 << "is damaged";
  QTest::newRow("missing table") << "no table"
                                 << "has no table \"kwiktax\"";
  QTest::newRow("missing row") << "no row"
                               << "has no row";
  QTest::newRow("missing field") << "no field"
                                 << "has no field \"TAXCOM4/2\"";
  QTest::newRow("read-only store") << "read-only"
                                   << "is read-only";
  QTest::newRow("empty store") << "empty"
                               << "is empty";
  QTest::newRow("data folder not writable") << "folder"
                                            << "folder of the report data store is not writable";
}

void TestStores::storeFaults() {
  QFETCH(QString, fault);
  QFETCH(QString, expected);
  if (fault == QLatin1String("missing")) {
    QFile::remove(report_);
  } else if (fault == QLatin1String("damaged")) {
    WriteAll(report_, QByteArray("This is not a table store at all.").repeated(200));
  } else if (fault == QLatin1String("no table")) {
    Exec(report_, {QStringLiteral("DROP TABLE kwiktax")});
  } else if (fault == QLatin1String("no row")) {
    Exec(report_, {QStringLiteral("DELETE FROM kwiktax")});
  } else if (fault == QLatin1String("no field")) {
    Exec(report_, {QStringLiteral("ALTER TABLE kwiktax DROP COLUMN \"TAXCOM4/2\"")});
  } else if (fault == QLatin1String("read-only")) {
    QFile::setPermissions(report_, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  } else if (fault == QLatin1String("empty")) {
    WriteAll(report_, {});
  } else if (fault == QLatin1String("folder")) {
    QFile::setPermissions(QFileInfo(report_).absolutePath(), QFile::ReadOwner | QFile::ExeOwner);
  }
  const QByteArray before = ReadAll(report_);
  const StoreProblem problem =
      TableStore(report_, kKind).WriteRow(QStringLiteral("kwiktax"), kQuickRow);
  QVERIFY(problem.has_value());
  QVERIFY2(problem->contains(expected), qPrintable(*problem));
  // The file is left exactly as it was (and a missing store is not created).
  QCOMPARE(QFile::exists(report_), fault != QLatin1String("missing"));
  QCOMPARE(ReadAll(report_), before);
  QFile::setPermissions(QFileInfo(report_).absolutePath(),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QFile::setPermissions(report_, QFile::ReadOwner | QFile::WriteOwner);
}

void TestStores::lockedStoreIsReportedAndLeftIntact() {
  const TableStore store(report_, kKind);
  QCOMPARE(store.WriteRow(QStringLiteral("kwiktax"), kQuickRow), std::nullopt);
  // Another program holds the store locked while we print.
  QSqlDatabase other =
      QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
  other.setDatabaseName(report_);
  QVERIFY(other.open());
  QSqlQuery lock(other);
  QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
  const StoreProblem problem =
      store.WriteRow(QStringLiteral("kwiktax"), {{QStringLiteral("AGE"), 99}});
  QVERIFY(problem.has_value());
  QVERIFY2(problem->contains(QStringLiteral("in use by another program")), qPrintable(*problem));
  QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
  lock = QSqlQuery();
  other.close();
  other = QSqlDatabase();
  QSqlDatabase::removeDatabase(QStringLiteral("other"));
  QCOMPARE(Rows(report_, QStringLiteral("kwiktax"))[0].value(QStringLiteral("AGE")).toInt(), 40);
}

void TestStores::firstStartCopiesButNeverReplaces() {
  const QString data = dir_->filePath(QStringLiteral("data"));
  WriteAll(report_, QByteArray("damaged"));
  QFile::remove(settings_);
  const PreparedStores again = PrepareUserStores(QStringLiteral(REVENTA_TEST_APP_DIR), data);
  QVERIFY(again.problems.isEmpty());
  QCOMPARE(ReadAll(report_), QByteArray("damaged"));
  QCOMPARE(ReadSettings(settings_).problem, std::nullopt);
  // Without the pristine stores a first start says so.
  const PreparedStores none = PrepareUserStores(dir_->filePath(QStringLiteral("nowhere")),
                                                dir_->filePath(QStringLiteral("fresh")));
  QCOMPARE(none.problems.size(), 2);
}

void TestStores::settingsWriteOnlyTheirFields() {
  SetupRecord all;
  all.PensionCont = 7.5;
  all.EmployerPenCont = 10;
  all.ProvCont = 2;
  all.EmployerProvCont = 3;
  all.CompCarFBRate8020 = 0.2;
  all.CompCarMPYesNo = true;
  QCOMPARE(WriteSettings(settings_, all, kAllSetupFields), std::nullopt);

  SetupRecord payroll;  // what an annual or pay-period window holds
  payroll.EmployeeUIF = 2;
  payroll.EmployerUIF = 3;
  payroll.SkillLevy = 0.5;
  payroll.UIFLimit = 15000;
  payroll.TAIncRate8020 = 0.2;
  QCOMPARE(WriteSettings(settings_, payroll, kPayrollSetupFields), std::nullopt);

  const SettingsRead read = ReadSettings(settings_);
  QCOMPARE(read.problem, std::nullopt);
  QCOMPARE(read.record.EmployeeUIF, 2.0);
  QCOMPARE(read.record.EmployerUIF, 3.0);
  QCOMPARE(read.record.SkillLevy, 0.5);
  QCOMPARE(read.record.UIFLimit, 15000.0);
  QCOMPARE(read.record.TAIncRate8020, 0.2);
  QCOMPARE(read.record.PensionCont, 7.5);
  QCOMPARE(read.record.EmployerPenCont, 10.0);
  QCOMPARE(read.record.ProvCont, 2.0);
  QCOMPARE(read.record.EmployerProvCont, 3.0);
  QCOMPARE(read.record.CompCarFBRate8020, 0.2);
  QCOMPARE(read.record.CompCarMPYesNo, true);
}

void TestStores::settingsFallBackToDefaults_data() {
  QTest::addColumn<QString>("fault");
  QTest::addColumn<double>("employeeUif");
  const double fallback = SetupRecord{}.EmployeeUIF;
  QTest::newRow("missing store") << "missing" << fallback;
  QTest::newRow("damaged store") << "damaged" << fallback;
  QTest::newRow("no Setup table") << "no table" << fallback;
  QTest::newRow("no Setup row") << "no row" << fallback;
  // Only the missing field falls back; the others are read as stored.
  QTest::newRow("field missing") << "no field" << 5.0;
}

void TestStores::settingsFallBackToDefaults() {
  QFETCH(QString, fault);
  SetupRecord changed;
  changed.EmployeeUIF = 5;
  QCOMPARE(WriteSettings(settings_, changed, kAllSetupFields), std::nullopt);
  if (fault == QLatin1String("missing")) {
    QFile::remove(settings_);
  } else if (fault == QLatin1String("damaged")) {
    WriteAll(settings_, QByteArray(4096, '\x7f'));
  } else if (fault == QLatin1String("no table")) {
    Exec(settings_, {QStringLiteral("DROP TABLE Setup")});
  } else if (fault == QLatin1String("no row")) {
    Exec(settings_, {QStringLiteral("DELETE FROM Setup")});
  } else {
    Exec(settings_, {QStringLiteral("ALTER TABLE Setup DROP COLUMN UIFLimit")});
  }
  QFETCH(double, employeeUif);
  const SettingsRead read = ReadSettings(settings_);
  QVERIFY(read.problem.has_value());
  QCOMPARE(read.record.EmployeeUIF, employeeUif);
  QCOMPARE(read.record.UIFLimit, 17712.0);
  QCOMPARE(read.record.TAIncRate8020, 0.8);
  // Saving into a store without its row fails with a message; nothing is added.
  QVERIFY(WriteSettings(settings_, changed, kPayrollSetupFields).has_value());
}

void TestStores::ratePairs() {
  QCOMPARE(OptionForRate(0.8), RateOption::Eighty);
  QCOMPARE(OptionForRate(0.2), RateOption::Twenty);
  QCOMPARE(OptionForRate(0.5), RateOption::Neither);
  QCOMPARE(OptionForRate(0.80000001), RateOption::Neither);
}

void TestStores::templateFormats_data() {
  QTest::addColumn<QVariant>("value");
  QTest::addColumn<QString>("format");
  QTest::addColumn<QString>("shown");
  QTest::newRow("text as stored") << QVariant(QStringLiteral(" For : Thandi")) << ""
                                  << " For : Thandi";
  QTest::newRow("number as stored") << QVariant(23.5014) << ""
                                    << "23.5014";
  QTest::newRow("money") << QVariant(1234567.891) << "money"
                         << "1 234 567.89";
  QTest::newRow("money of integer 0") << QVariant(0) << "money"
                                      << "0.00";
  QTest::newRow("money of empty text") << QVariant(QString()) << "money"
                                       << "";
  QTest::newRow("money of an amount in a note")
      << QVariant(QStringLiteral("(plus a 'once-off' cost of R 350000")) << "money"
      << "(plus a 'once-off' cost of R 350 000.00";
  QTest::newRow("money of a number stored as text") << QVariant(QStringLiteral("1234.5")) << "money"
                                                    << "1 234.50";
  QTest::newRow("money leaves numbers inside words")
      << QVariant(QStringLiteral("(R 720pm each) v1.2.3")) << "money"
      << "(R 720pm each) v1.2.3";
  QTest::newRow("money of a text without a number")
      << QVariant(QStringLiteral("Union fees")) << "money"
      << "Union fees";
  QTest::newRow("whole half to even") << QVariant(12344.5) << "whole"
                                      << "12 344";
  QTest::newRow("fixed4") << QVariant(20.05440) << "fixed4"
                          << "20.0544";
  QTest::newRow("date serial") << QVariant(44986) << "date"
                               << "01/03/2023";
  QTest::newRow("date text") << QVariant(QStringLiteral("15/03/2023")) << "date"
                             << "15/03/2023";
  QTest::newRow("null") << QVariant() << ""
                        << "";
}

void TestStores::templateFormats() {
  QFETCH(QVariant, value);
  QFETCH(QString, format);
  QFETCH(QString, shown);
  const Filled f = FormatReportValue(value, format);
  QCOMPARE(f.error, std::nullopt);
  QCOMPARE(f.text, shown);
}

void TestStores::templateRowBlockAndFaults() {
  const auto parsed =
      ParseReportTemplate(QStringLiteral("<!-- reventa-report table=\"Amort\" "
                                         "-->\n<p>{{Year}}</p>{{#rows}}[{{Year}}:{{Capital|money}}]"
                                         "{{/rows}}<p>&amp;</p>"));
  QCOMPARE(parsed.index(), 0u);
  const ReportTemplate t = std::get<0>(parsed);
  QCOMPARE(t.table, QStringLiteral("Amort"));
  QList<QVariantMap> rows;
  rows.append({{QStringLiteral("Year"), 1}, {QStringLiteral("Capital"), 10.5}});
  rows.append({{QStringLiteral("Year"), 2}, {QStringLiteral("Capital"), QStringLiteral("<b>")}});
  const Filled filled = FillReportTemplate(t, rows);
  QCOMPARE(filled.error, std::nullopt);
  QVERIFY(filled.text.contains(QStringLiteral("<p>1</p>[1:10.50]")));
  QVERIFY(filled.text.contains(QStringLiteral("[2:")));  // texts are escaped, never markup
  QVERIFY(!filled.text.contains(QStringLiteral("<b>")));

  // Lines that show only when their field holds a value.
  ReportTemplate conditional = t;
  conditional.html =
      QStringLiteral("a{{#if Year}}[{{Year}}]{{/if}}b{{#if Capital}}<{{Capital}}>{{/if}}c");
  QVariantMap blank{{QStringLiteral("Year"), 0}, {QStringLiteral("Capital"), QString()}};
  QCOMPARE(FillReportTemplate(conditional, {blank}).text, QStringLiteral("abc"));
  QVariantMap full{{QStringLiteral("Year"), 3}, {QStringLiteral("Capital"), QStringLiteral("R")}};
  QCOMPARE(FillReportTemplate(conditional, {full}).text, QStringLiteral("a[3]b<R>c"));
  conditional.html = QStringLiteral("{{#if Missing}}x{{/if}}");
  QVERIFY(FillReportTemplate(conditional, {full}).error.has_value());

  ReportTemplate unknown = t;
  unknown.html = QStringLiteral("{{Nope}}");
  QVERIFY(FillReportTemplate(unknown, rows).error->contains(QStringLiteral("\"Nope\"")));
  unknown.html = QStringLiteral("{{Year|euro}}");
  QVERIFY(FillReportTemplate(unknown, rows).error->contains(QStringLiteral("\"euro\"")));
  unknown.html = QStringLiteral("{{#rows}} open");
  QVERIFY(FillReportTemplate(unknown, rows).error.has_value());
  unknown.html = QStringLiteral("{{Year}}");
  QVERIFY(FillReportTemplate(unknown, {}).error.has_value());
  QCOMPARE(ParseReportTemplate(QStringLiteral("<html>")).index(), 1u);
}

void TestStores::quickTaxReportMatchesItsGolden() {
  RecordingMessages messages;
  QCOMPARE(TableStore(report_, kKind)
               .WriteRow(QStringLiteral("kwiktax"), {{QStringLiteral("AGE"), 40},
                                                     {QStringLiteral("TAXINCOME"), 500000.0},
                                                     {QStringLiteral("TAXTOPAY"), 77362.0},
                                                     {QStringLiteral("MARGRATE"), 31.0},
                                                     {QStringLiteral("PORTION"), 40145.0},
                                                     {QStringLiteral("TOTTAX"), 117507.0},
                                                     {QStringLiteral("REBATE"), 17235.0},
                                                     {QStringLiteral("TAXCOM4"), 100272.0},
                                                     {QStringLiteral("AVRATE"), 23.5014},
                                                     {QStringLiteral("AVRATEAFT"), 20.0544},
                                                     {QStringLiteral("TAXCOM4/2"), 8356.0}}),
           std::nullopt);
  ReportEngine engine(QStringLiteral(REVENTA_TEST_APP_DIR), report_, messages, nullptr);
  const ReportEngine::Built built = engine.Build(QStringLiteral("kwiktep.rpt"));
  QVERIFY2(built.document, qPrintable(built.error));
  CompareWithGolden(*built.document, QStringLiteral("kwiktep.txt"));
}

void TestStores::packageReportMatchesItsGolden() {
  // The figures of a net-to-gross print with a company car the employer has not
  // costed (its once-off note) and two of the four other expenses.
  PackageSheet s;
  s.taxpayerName = QStringLiteral("Thandi Mokoena");
  s.age = 45;
  s.amount = 420000;
  s.carValue = 350000;
  s.travel = 36000;
  s.travelCostToCompany = 36000;
  s.medicalEmployee = 18000;
  s.medicalEmployer = 9000;
  s.beneficiaries = 36;
  s.fundEmployee = 41234.5;
  s.fundEmployer = 61851.75;
  s.uifEmployee = 2125.44;
  s.uifEmployer = 2125.44;
  s.skillsLevy = 7012.345;
  s.taxDue = 187654.321;
  s.taxCredit = 13176;
  s.taxDeduction = 174478.321;
  s.otherExpensesTotal = 7800;
  s.otherExpenseText = {QStringLiteral("Union fees"), QStringLiteral("Typed, no amount"),
                        QStringLiteral("Staff loan"), QString()};
  s.otherExpense = {1800, 0, 6000, 0};
  s.otherExpenseCostToCompany = {1800, 0, 6000, 0};
  s.result = 701234.567;
  s.totalCost = 1132598.88;
  s.onceOff = 350000.5;
  QCOMPARE(WriteReport(report_, PackageReport(NetToGrossAnnual, s)), std::nullopt);
  RecordingMessages messages;
  ReportEngine engine(QStringLiteral(REVENTA_TEST_APP_DIR), report_, messages, nullptr);
  const ReportEngine::Built built = engine.Build(QStringLiteral("Reventa.rpt"));
  QVERIFY2(built.document, qPrintable(built.error));
  // The note's amount as money, though its field keeps the amount unrounded.
  QVERIFY(built.document->toPlainText().contains(
      QStringLiteral("(plus a 'once-off' cost of R 350 000.50 for the company car")));
  CompareWithGolden(*built.document, QStringLiteral("Reventa.txt"));
}

void TestStores::everyAmountPrintsAsMoney_data() {
  QTest::addColumn<QString>("templateName");
  for (const char* name :
       {"Annual", "Monthly", "FortNightly", "Weekly", "Daily", "Reventa", "Veloxa", "kwiktep"}) {
    QTest::newRow(name) << QString::fromLatin1(name) + QStringLiteral(".rpt");
  }
}

void TestStores::everyAmountPrintsAsMoney() {
  QFETCH(QString, templateName);
  QFile file(QStringLiteral(REVENTA_TEST_APP_DIR "/") + templateName);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const auto parsed = ParseReportTemplate(QString::fromUtf8(file.readAll()));
  QCOMPARE(parsed.index(), 0u);
  const QString table = std::get<ReportTemplate>(parsed).table;
  // Every amount and rate column (REAL, or untyped for an amount or the whole
  // number 0) holds a large unrounded amount; ages and counts a small number.
  FieldList fields;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    db.setDatabaseName(report_);
    QVERIFY(db.open());
    {
      QSqlQuery q(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table), db);
      while (q.next()) {
        const QString type = q.value(2).toString();
        const QVariant value = type == QLatin1String("TEXT")      ? QVariant(QStringLiteral("Text"))
                               : type == QLatin1String("INTEGER") ? QVariant(7)
                                                                  : QVariant(1234567.891);
        fields.append({q.value(1).toString(), value});
      }
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("raw"));
  QVERIFY(!fields.isEmpty());
  QCOMPARE(TableStore(report_, kKind).WriteRow(table, fields), std::nullopt);
  RecordingMessages messages;
  ReportEngine engine(QStringLiteral(REVENTA_TEST_APP_DIR), report_, messages, nullptr);
  const ReportEngine::Built built = engine.Build(templateName);
  QVERIFY2(built.document, qPrintable(built.error));
  const QString text = built.document->toPlainText();
  QVERIFY2(!text.contains(QStringLiteral("1234567")), qPrintable(text));
  QVERIFY(text.contains(QStringLiteral("1 234 567.89")));
}

void TestStores::proposedExportNames_data() {
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("table");
  QTest::addColumn<QVariantMap>("row");
  QTest::addColumn<QString>("proposed");
  const QString monthly =
      QStringLiteral("Monthly - To export printout click on the suitcase button or goto Help");
  const QString package = QStringLiteral(
      "Reventa2020 Annual - To export printout click on the suitcase button or goto Help");
  const auto row = [](const char* name, const QVariant& start = QVariant()) {
    return QVariantMap{{QStringLiteral("Employee"), QString::fromUtf8(name)},
                       {QStringLiteral("TPName"), QString::fromUtf8(name)},
                       {QStringLiteral("SDateNum"), start}};
  };
  const QString march = QStringLiteral("01/03/2023");
  QTest::newRow("monthly: start month and employee")
      << monthly << "IRP5Mon" << row(" For : Thandi Mokoena", march)
      << "Monthly 2023-03 Thandi Mokoena";
  QTest::newRow("monthly in Afrikaans")
      << monthly << "IRP5Mon" << row("Vir : Thandi", march) << "Monthly 2023-03 Thandi";
  QTest::newRow("monthly, no employee named")
      << monthly << "IRP5Mon" << row(" For : ", march) << "Monthly 2023-03";
  QTest::newRow("monthly, blank start date")
      << monthly << "IRP5Mon" << row(" For : Thandi", QString()) << "Monthly 2024-06-30 Thandi";
  QTest::newRow("annual: the period's start day")
      << QStringLiteral("Annual - To export") << "IRP5Ann"
      << row(" For : Thandi", QStringLiteral("15/06/2023")) << "Annual 2023-06-15 Thandi";
  QTest::newRow("weekly counts days: today")
      << QStringLiteral("Weekly - To export") << "IRP5Week" << row(" For : Sipho", QString(" 5"))
      << "Weekly 2024-06-30 Sipho";
  QTest::newRow("package: a name with a slash and a colon")
      << package << "SalPackage" << row("Mokoena/Dlamini: T. ")
      << "Reventa2020 Annual 2024-06-30 Mokoena_Dlamini_ T.";
  QTest::newRow("package: control characters and quotes")
      << package << "SalPackage" << row("A\t\"B\" <C>|*?\\")
      << "Reventa2020 Annual 2024-06-30 A__B_ _C_____";
  QTest::newRow("package: blank name")
      << package << "SalPackage" << row("   ") << "Reventa2020 Annual 2024-06-30";
  QTest::newRow("QuickTax: no name, no date") << QStringLiteral("QuickTax - To export") << "kwiktax"
                                              << QVariantMap() << "QuickTax 2024-06-30";
  QTest::newRow("title without a dash, unknown table")
      << QStringLiteral("Loan Buster") << "BondBust" << row("Thandi") << "Loan Buster 2024-06-30";
  QTest::newRow("daily balance: the start date")
      << QStringLiteral("Daily Balance Calculation") << "DailyBal"
      << QVariantMap{{QStringLiteral("StartDate"), 44986}}
      << "Daily Balance Calculation 2023-03-01";
  QTest::newRow("no title") << QString() << "SalPackage" << row("Thandi") << "2024-06-30 Thandi";
}

void TestStores::proposedExportNames() {
  QFETCH(QString, title);
  QFETCH(QString, table);
  QFETCH(QVariantMap, row);
  QFETCH(QString, proposed);
  QCOMPARE(ProposedReportFileName(title, table, row, QDate(2024, 6, 30)), proposed);
}

void TestStores::exportRemembersTheFolder() {
  const QString settings = dir_->filePath(QStringLiteral("config/Reports.ini"));
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString chosen = dir_->filePath(QStringLiteral("exports"));
  QVERIFY(QDir().mkpath(chosen));
  QCOMPARE(TableStore(report_, kKind).WriteRow(QStringLiteral("kwiktax"), kQuickRow), std::nullopt);
  RecordingMessages messages;
  ReportEngine engine(QStringLiteral(REVENTA_TEST_APP_DIR), report_, messages, nullptr, settings);
  const QString title = QStringLiteral("QuickTax - To export printout");
  const QString name = QStringLiteral("QuickTax ") + QDate::currentDate().toString(Qt::ISODate);
  const auto run = [&] {
    return engine.Run(QStringLiteral("kwiktep.rpt"), title, 0, nullptr)
               ? std::unique_ptr<ReportWindow>(engine.lastWindow())
               : nullptr;
  };

  // The first export proposes the documents folder; the user picks another one
  // and the HTML type, typing a name without a suffix.
  auto first = run();
  QVERIFY(first);
  const QString proposed = first->proposedExportPath();
  QCOMPARE(proposed, QDir(documents).filePath(name + QStringLiteral(".pdf")));
  QString offered;
  QString offeredTypes;
  first->setFileChooser(
      [&](QWidget*, const QString& path, const QString& types, QString* selected) {
        offered = path;
        offeredTypes = types;
        *selected = QStringLiteral("HTML page (*.html)");
        return chosen + QStringLiteral("/mine");
      });
  first->findChild<QAction*>(QStringLiteral("actExport"))->trigger();
  QCOMPARE(offered, proposed);
  for (const char* type : {"*.pdf", "*.html", "*.odt"}) QVERIFY(offeredTypes.contains(type));
  QVERIFY(QFileInfo::exists(chosen + QStringLiteral("/mine.html")));
  QVERIFY(messages.shown.isEmpty());

  // A later run (a new window reading the settings) proposes the folder used.
  auto second = run();
  QVERIFY(second);
  QCOMPARE(second->proposedExportPath(), QDir(chosen).filePath(name + QStringLiteral(".pdf")));
  QCOMPARE(ExportFolder(settings).folder(), chosen);
  // Cancelling remembers nothing; a folder that has gone gives way to documents.
  second->setFileChooser(
      [](QWidget*, const QString&, const QString&, QString*) { return QString(); });
  second->findChild<QAction*>(QStringLiteral("actExport"))->trigger();
  QCOMPARE(ExportFolder(settings).folder(), chosen);
  QVERIFY(QDir(chosen).removeRecursively());
  QCOMPARE(ExportFolder(settings).folder(), documents);
}

void TestStores::engineFaultsProduceNoReport_data() {
  QTest::addColumn<QString>("fault");
  QTest::addColumn<QString>("expected");
  QTest::newRow("missing template") << "template"
                                    << "cannot be found";
  QTest::newRow("template without its table line") << "header"
                                                   << "cannot be used";
  QTest::newRow("missing store") << "store"
                                 << "cannot be found";
  QTest::newRow("missing table") << "table"
                                 << "has no table";
  QTest::newRow("missing row") << "row"
                               << "has no row";
}

void TestStores::engineFaultsProduceNoReport() {
  QFETCH(QString, fault);
  QFETCH(QString, expected);
  // A private application folder, so that templates can be broken.
  const QString app = dir_->filePath(QStringLiteral("app"));
  QDir().mkpath(app);
  const QString templ = app + QStringLiteral("/kwiktep.rpt");
  QVERIFY(QFile::copy(QStringLiteral(REVENTA_TEST_APP_DIR "/kwiktep.rpt"), templ));
  if (fault == QLatin1String("template")) QFile::remove(templ);
  if (fault == QLatin1String("header")) WriteAll(templ, QByteArray("<html>{{AGE}}</html>"));
  if (fault == QLatin1String("store")) QFile::remove(report_);
  if (fault == QLatin1String("table")) Exec(report_, {QStringLiteral("DROP TABLE kwiktax")});
  if (fault == QLatin1String("row")) Exec(report_, {QStringLiteral("DELETE FROM kwiktax")});
  RecordingMessages messages;
  ReportEngine engine(app, report_, messages, nullptr);
  QVERIFY(!engine.Run(QStringLiteral("kwiktep.rpt"), QStringLiteral("QuickTax"), 0, nullptr));
  QCOMPARE(messages.shown.size(), 1);
  QCOMPARE(messages.shown[0].icon, Message::Icon::Critical);
  QVERIFY2(messages.shown[0].text.contains(expected), qPrintable(messages.shown[0].text));
  QVERIFY(engine.lastWindow() == nullptr);
}

void TestStores::directPrintWithoutPrinterSaysSo() {
  if (ReportEngine::PrinterAvailable()) QSKIP("a printer is installed on this machine");
  RecordingMessages messages;
  ReportEngine engine(QStringLiteral(REVENTA_TEST_APP_DIR), report_, messages, nullptr);
  QVERIFY(!engine.Run(QStringLiteral("kwiktep.rpt"), QString(), 1, nullptr));
  QCOMPARE(messages.shown.size(), 1);
  QVERIFY(messages.shown[0].text.contains(QStringLiteral("No printer is installed")));
}

QTEST_MAIN(TestStores)
#include "tst_stores.moc"
