// The settings store after a crash and with hand-edited values, and exports that
// fail: a save cut short loses nothing, a stored setting the settings would refuse
// is named and not used, a default standing in for an unread value is never saved
// over it, and a report that cannot be exported says so and leaves the old file.
#include <QAction>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>
#include <bit>

#include "store/app_paths.h"
#include "store/report_export.h"
#include "store/settings_store.h"
#include "support/test_app.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"
#include "widgets/report_window.h"

using namespace reventa;
using namespace reventa::test;

namespace {

constexpr auto kReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
constexpr auto kReadOnlyFolder = kReadOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
constexpr auto kWritableFolder = kReadOnlyFolder | QFile::WriteOwner;

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

// The user's own settings, unlike the defaults.
SetupRecord UsersSettings() {
  SetupRecord r;
  r.EmployeeUIF = 0.75;
  r.UIFLimit = 20000;
  r.PensionCont = 7.5;
  return r;
}

// Runs statements on a store as another program would, keeping the connection
// open while `during` runs.
void WithConnection(const QString& path, const QStringList& statements,
                    const std::function<void()>& during = {}) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    db.setDatabaseName(path);
    QVERIFY(db.open());
    QSqlQuery q(db);
    for (const QString& s : statements) QVERIFY2(q.exec(s), qPrintable(s));
    if (during) during();
    q.finish();
    q.exec(QStringLiteral("ROLLBACK"));
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

// Puts beside `store` the files a save leaves when the program is killed in the
// middle of it: the store already holding part of the new (default) values and
// the journal that undoes them. The store at `store` must hold the user's values.
void LeaveSaveCutShort(const QString& store) {
  const QString work = store + QStringLiteral(".work");
  QVERIFY(QFile::copy(store, work));
  const QString crashed = store + QStringLiteral(".crashed");
  WithConnection(
      work,
      {QStringLiteral("PRAGMA journal_mode = DELETE"), QStringLiteral("PRAGMA cache_size = 10"),
       QStringLiteral("BEGIN"),
       QStringLiteral("UPDATE Setup SET EmployeeUIF = 1, UIFLimit = 17712, PensionCont = 0"),
       // Enough new pages to spill the transaction into the store file.
       QStringLiteral("CREATE TABLE filler(x)"),
       QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                      "200) INSERT INTO filler SELECT randomblob(4000) FROM n")},
      [&] {
        QVERIFY(QFile::exists(work + QStringLiteral("-journal")));
        QVERIFY(QFile::copy(work, crashed));
        QVERIFY(QFile::copy(work + QStringLiteral("-journal"), crashed + QStringLiteral("-j")));
      });
  // The cut-short store differs from the saved one: it holds uncommitted pages.
  QVERIFY(ReadAll(crashed) != ReadAll(store));
  QVERIFY(QFile::remove(store));
  QVERIFY(QFile::rename(crashed, store));
  QVERIFY(QFile::rename(crashed + QStringLiteral("-j"), store + QStringLiteral("-journal")));
  QFile::remove(work);
}

double FieldOf(const SetupRecord& r, const QString& name) {
  static const QHash<QString, double SetupRecord::*> kFields = {
      {QStringLiteral("PensionCont"), &SetupRecord::PensionCont},
      {QStringLiteral("EmployeeUIF"), &SetupRecord::EmployeeUIF},
      {QStringLiteral("EmployerUIF"), &SetupRecord::EmployerUIF},
      {QStringLiteral("SkillLevy"), &SetupRecord::SkillLevy},
      {QStringLiteral("UIFLimit"), &SetupRecord::UIFLimit},
      {QStringLiteral("TAIncRate8020"), &SetupRecord::TAIncRate8020},
      {QStringLiteral("CompCarFBRate8020"), &SetupRecord::CompCarFBRate8020},
  };
  return r.*kFields.value(name);
}

}  // namespace

class TestStoreSafety : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init();
  void cleanup();
  void saveCutShortIsRolledBack_data();
  void saveCutShortIsRolledBack();
  void storedSettingsOutsideTheirRange_data();
  void storedSettingsOutsideTheirRange();
  void windowNeverSavesDefaultsItCouldNotRead();
  void failedExportSaysSo_data();
  void failedExportSaysSo();

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  QString data_;
  QString settings_;
};

void TestStoreSafety::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  data_ = dir_->filePath(QStringLiteral("data"));
  const PreparedStores p = PrepareUserStores(QStringLiteral(REVENTA_TEST_APP_DIR), data_);
  QVERIFY(p.problems.isEmpty());
  settings_ = p.paths.settingsDb;
  QCOMPARE(WriteSettings(settings_, UsersSettings(), kAllSetupFields), std::nullopt);
}

void TestStoreSafety::cleanup() {
  QFile::setPermissions(data_, kWritableFolder);
  QFile::setPermissions(settings_, kReadOnly | QFile::WriteOwner);
}

void TestStoreSafety::saveCutShortIsRolledBack_data() {
  QTest::addColumn<QString>("readOnly");
  QTest::addColumn<bool>("repaired");
  QTest::newRow("store and folder writable: rolled back") << "" << true;
  QTest::newRow("store read-only: named, left alone") << "store" << false;
  QTest::newRow("folder read-only: named, left alone") << "folder" << false;
}

void TestStoreSafety::saveCutShortIsRolledBack() {
  QFETCH(QString, readOnly);
  QFETCH(bool, repaired);
  LeaveSaveCutShort(settings_);
  if (readOnly == QLatin1String("store")) QFile::setPermissions(settings_, kReadOnly);
  if (readOnly == QLatin1String("folder")) QFile::setPermissions(data_, kReadOnlyFolder);
  const QByteArray before = ReadAll(settings_);

  const SettingsRead read = ReadSettings(settings_);
  if (repaired) {
    QCOMPARE(read.problem, std::nullopt);
    QCOMPARE(read.record.EmployeeUIF, 0.75);
    QCOMPARE(read.record.UIFLimit, 20000.0);
    QCOMPARE(read.record.PensionCont, 7.5);
    QVERIFY(!QFile::exists(settings_ + QStringLiteral("-journal")));
  } else {
    QVERIFY(read.problem.has_value());
    QVERIFY2(read.problem->contains(QStringLiteral("cut short")), qPrintable(*read.problem));
    QCOMPARE(read.rejectedFields, 0u);
    QCOMPARE(ReadAll(settings_), before);
    QVERIFY(QFile::exists(settings_ + QStringLiteral("-journal")));
  }
}

void TestStoreSafety::storedSettingsOutsideTheirRange_data() {
  QTest::addColumn<QString>("assignments");
  QTest::addColumn<QString>("field");
  QTest::addColumn<double>("used");
  QTest::addColumn<QStringList>("named");
  const SetupRecord d;
  const QStringList none;
  QTest::newRow("employee UIF 1e308")
      << "EmployeeUIF = 1e308"
      << "EmployeeUIF" << d.EmployeeUIF << QStringList{"EmployeeUIF"};
  QTest::newRow("employer UIF -5") << "EmployerUIF = -5"
                                   << "EmployerUIF" << d.EmployerUIF << QStringList{"EmployerUIF"};
  QTest::newRow("skills levy infinite") << "SkillLevy = 9e999"
                                        << "SkillLevy" << d.SkillLevy << QStringList{"SkillLevy"};
  QTest::newRow("UIF limit -17712") << "UIFLimit = -17712"
                                    << "UIFLimit" << d.UIFLimit << QStringList{"UIFLimit"};
  QTest::newRow("pension -1e15") << "PensionCont = -1e15"
                                 << "PensionCont" << d.PensionCont << QStringList{"PensionCont"};
  QTest::newRow("travel rate 1e308")
      << "TAIncRate8020 = 1e308"
      << "TAIncRate8020" << d.TAIncRate8020 << QStringList{"TAIncRate8020"};
  QTest::newRow("car rate not a number")
      << "CompCarFBRate8020 = 'eighty'"
      << "CompCarFBRate8020" << d.CompCarFBRate8020 << QStringList{"CompCarFBRate8020"};
  QTest::newRow("two bad settings, each named")
      << "EmployeeUIF = 1e308, UIFLimit = -17712"
      << "UIFLimit" << d.UIFLimit << QStringList{"EmployeeUIF", "UIFLimit"};
  QTest::newRow("UIF 100% is accepted") << "EmployeeUIF = 100"
                                        << "EmployeeUIF" << 100.0 << none;
  QTest::newRow("travel rate 0.5 is used as stored") << "TAIncRate8020 = 0.5"
                                                     << "TAIncRate8020" << 0.5 << none;
}

void TestStoreSafety::storedSettingsOutsideTheirRange() {
  QFETCH(QString, assignments);
  QFETCH(QString, field);
  QFETCH(double, used);
  QFETCH(QStringList, named);
  WithConnection(settings_, {QStringLiteral("UPDATE Setup SET ") + assignments});
  const QByteArray before = ReadAll(settings_);

  const SettingsRead read = ReadSettings(settings_);
  QCOMPARE(FieldOf(read.record, field), used);
  QCOMPARE(std::popcount(read.rejectedFields), int(named.size()));
  QCOMPARE(read.problem.has_value(), !named.isEmpty());
  // Each bad setting is named once; a setting in range is not named at all.
  for (const char* name : {"PensionCont", "EmployeeUIF", "EmployerUIF", "SkillLevy", "UIFLimit",
                           "TAIncRate8020", "CompCarFBRate8020"}) {
    const QString setting = QString::fromLatin1(name);
    const int times = read.problem ? read.problem->count(setting + QStringLiteral(" = ")) : 0;
    QCOMPARE(times, named.contains(setting) ? 1 : 0);
  }
  // The settings the edit left alone are used as stored; the file is not touched.
  if (!named.contains(QStringLiteral("PensionCont"))) QCOMPARE(read.record.PensionCont, 7.5);
  QCOMPARE(ReadAll(settings_), before);
}

void TestStoreSafety::windowNeverSavesDefaultsItCouldNotRead() {
  TestApp app;
  QCOMPARE(WriteSettings(app.settingsDb(), UsersSettings(), kAllSetupFields), std::nullopt);
  QWidget* w = nullptr;
  // Another program holds the store while the window opens: the defaults stand in.
  WithConnection(app.settingsDb(), {QStringLiteral("BEGIN EXCLUSIVE")},
                 [&] { w = app.open(QStringLiteral("frmWeekly")); });
  QVERIFY(w);
  QCOMPARE(app.messages.shown.size(), 1);
  QVERIFY(app.messages.shown[0].text.contains(QStringLiteral("in use")));
  QCOMPARE(Child<NumericField>(w, QStringLiteral("numUIFLimit"))->value(), 17712.0);
  // The store is free again; OK saves what the user typed and nothing else.
  Click(w, QStringLiteral("cmdSettings"));
  TypeInto(Child(w, QStringLiteral("numSkillPercent")), QStringLiteral("2"));
  Click(Child(w, QStringLiteral("Frame3")), QStringLiteral("cmdSetupOK"));
  QCOMPARE(app.messages.shown.size(), 1);
  const SetupRecord saved = ReadSettings(app.settingsDb()).record;
  QCOMPARE(saved.SkillLevy, 2.0);
  QCOMPARE(saved.EmployeeUIF, 0.75);
  QCOMPARE(saved.UIFLimit, 20000.0);
}

void TestStoreSafety::failedExportSaysSo_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("readOnly");
  QTest::addColumn<QByteArray>("startOfNewFile");
  QTest::newRow("read-only PDF") << "old.pdf" << true << QByteArray();
  QTest::newRow("read-only OpenDocument") << "old.odt" << true << QByteArray();
  QTest::newRow("folder that does not exist") << "gone/new.pdf" << false << QByteArray();
  QTest::newRow("writable PDF is replaced") << "old.pdf" << false << QByteArray("%PDF");
  QTest::newRow("writable OpenDocument is replaced") << "old.odt" << false << QByteArray("PK");
}

void TestStoreSafety::failedExportSaysSo() {
  QFETCH(QString, name);
  QFETCH(bool, readOnly);
  QFETCH(QByteArray, startOfNewFile);
  const QString path = dir_->filePath(name);
  const QByteArray old("the report exported last week");
  if (!name.contains(QLatin1Char('/'))) {
    WriteAll(path, old);
    if (readOnly) QFile::setPermissions(path, kReadOnly);
  }
  auto document = std::make_unique<QTextDocument>();
  document->setPlainText(QStringLiteral("Monthly PAYE"));
  RecordingMessages messages;
  ReportWindow window(std::move(document), QStringLiteral("Monthly"), QStringLiteral("Monthly"),
                      ExportFolder(dir_->filePath(QStringLiteral("Reports.ini"))), messages);
  window.setFileChooser([&](QWidget*, const QString&, const QString&, QString*) { return path; });
  window.findChild<QAction*>(QStringLiteral("actExport"))->trigger();

  if (!startOfNewFile.isEmpty()) {
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(ReadAll(path).startsWith(startOfNewFile));
  } else {
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].icon, Message::Icon::Critical);
    QVERIFY2(messages.shown[0].text.contains(path), qPrintable(messages.shown[0].text));
    QCOMPARE(ReadAll(path), name.contains(QLatin1Char('/')) ? QByteArray() : old);
  }
}

QTEST_MAIN(TestStoreSafety)
#include "tst_store_safety.moc"
