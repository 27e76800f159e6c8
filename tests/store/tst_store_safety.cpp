// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store after a crash, with hand-edited values and damaged, and
// exports that fail: a save cut short loses nothing, a stored setting the settings
// would refuse is named and not used, a default standing in for an unread value is
// never saved over it, a damaged store is offered once to be set aside, and a
// report that cannot be exported says why and leaves the old file.
#include <sys/resource.h>
#include <QAction>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>
#include <bit>
#include <csignal>

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
  void damagedSettingsStoreIsOfferedOnce_data();
  void damagedSettingsStoreIsOfferedOnce();
  void settingAsideThatFailsPutsTheFileBack();
  void failedExportSaysSo_data();
  void failedExportSaysSo();
  void exportFailureCauses_data();
  void exportFailureCauses();

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

void TestStoreSafety::damagedSettingsStoreIsOfferedOnce_data() {
  QTest::addColumn<QString>("damage");
  QTest::addColumn<bool>("setAside");
  QTest::newRow("damaged file: set aside, the fresh store saves") << "damaged" << true;
  QTest::newRow("empty file: set aside, the fresh store saves") << "empty" << true;
  QTest::newRow("damaged file: carry on (the default), nothing saved") << "damaged" << false;
  QTest::newRow("no Setup row: carry on (the default), nothing saved") << "no row" << false;
}

void TestStoreSafety::damagedSettingsStoreIsOfferedOnce() {
  QFETCH(QString, damage);
  QFETCH(bool, setAside);
  TestApp app;
  const QString store = app.settingsDb();
  if (damage == QLatin1String("damaged")) {
    WriteAll(store, QByteArray("not a settings store ").repeated(200));
  } else if (damage == QLatin1String("empty")) {
    WriteAll(store, {});
  } else {
    WithConnection(store, {QStringLiteral("DELETE FROM Setup")});
  }
  const QByteArray damaged = ReadAll(store);
  if (setAside) app.messages.answers << Message::Answer::SetAside;

  QWidget* weekly = app.open(QStringLiteral("frmWeekly"));
  QCOMPARE(app.messages.shown.size(), 1);
  const Message offer = app.messages.shown[0];
  QCOMPARE(offer.buttons, Message::Buttons::SetAsideCarryOn);
  QVERIFY2(offer.text.contains(QDir::toNativeSeparators(store)), qPrintable(offer.text));
  // Whatever the answer, later windows open without a word about the store.
  app.open(QStringLiteral("frmMonthly"));
  app.open(QStringLiteral("frmReventaAnn"));
  QCOMPARE(app.messages.shown.size(), 1);
  // Two O&Ks: the skills levy changed in the first.
  Click(weekly, QStringLiteral("cmdSettings"));
  TypeInto(Child(weekly, QStringLiteral("numSkillPercent")), QStringLiteral("2"));
  Click(Child(weekly, QStringLiteral("Frame3")), QStringLiteral("cmdSetupOK"));
  Click(weekly, QStringLiteral("cmdSettings"));
  Click(Child(weekly, QStringLiteral("Frame3")), QStringLiteral("cmdSetupOK"));

  const QDir data = QFileInfo(store).dir();
  const QStringList kept = data.entryList({kSettingsStoreName + QStringLiteral(".damaged-*")});
  if (setAside) {
    QCOMPARE(app.messages.shown.size(), 1);
    QCOMPARE(kept.size(), 1);
    // Beside it under a dated name: Settings.db.damaged-2026-12-10-094500.
    QVERIFY(QDateTime::fromString(kept[0].mid(20), QStringLiteral("yyyy-MM-dd-HHmmss")).isValid());
    QCOMPARE(ReadAll(data.filePath(kept[0])), damaged);
    const SettingsRead fresh = ReadSettings(store);
    QCOMPARE(fresh.problem, std::nullopt);
    QCOMPARE(fresh.record.SkillLevy, 2.0);
  } else {
    QVERIFY(kept.isEmpty());
    QCOMPARE(ReadAll(store), damaged);
    // Said once, at the first O&K.
    QCOMPARE(app.messages.shown.size(), 2);
    QVERIFY(app.messages.shown[1].text.contains(QStringLiteral("not saved")));
    // What the user confirmed stays with the windows opened later this run.
    QWidget* daily = app.open(QStringLiteral("frmDaily"));
    QCOMPARE(Child<NumericField>(daily, QStringLiteral("numSkillPercent"))->value(), 2.0);
    QCOMPARE(app.messages.shown.size(), 2);
  }
}

void TestStoreSafety::settingAsideThatFailsPutsTheFileBack() {
  const QByteArray damaged("not a settings store");
  WriteAll(settings_, damaged);
  // No pristine store to copy.
  const SetAsideResult result = SetAsideSettingsStore(
      settings_, dir_->filePath(QStringLiteral("nowhere")), QDateTime::currentDateTime());
  QVERIFY(result.problem && result.problem->contains(QStringLiteral("could not be copied")));
  QCOMPARE(ReadAll(settings_), damaged);
  QCOMPARE(QDir(data_).entryList({QStringLiteral("*.damaged-*")}), QStringList());
}

void TestStoreSafety::failedExportSaysSo_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("setting");
  QTest::addColumn<QString>("says");
  QTest::addColumn<QByteArray>("startOfNewFile");
  const auto row = [](const char* name, const char* file, const char* setting, const char* says,
                      const char* startOfNewFile = "") {
    QTest::newRow(name) << QString(file) << QString(setting) << QString(says)
                        << QByteArray(startOfNewFile);
  };
  row("read-only PDF", "old.pdf", "read-only file", "the file is read-only");
  row("read-only OpenDocument", "old.odt", "read-only file", "the file is read-only");
  row("read-only folder, old file writable", "locked/old.pdf", "read-only folder",
      "is not writable");
  row("folder in place of the file", "old.pdf", "folder in place", "a folder of that name");
  row("folder that does not exist", "gone/new.pdf", "no folder", "no longer exists");
  row("file larger than the account allows", "old.pdf", "file size limit",
      "larger than this disk or your account allows");
  row("writable PDF is replaced", "old.pdf", "", "", "%PDF");
  row("writable OpenDocument is replaced", "old.odt", "", "", "PK");
}

void TestStoreSafety::failedExportSaysSo() {
  QFETCH(QString, name);
  QFETCH(QString, setting);
  QFETCH(QString, says);
  QFETCH(QByteArray, startOfNewFile);
  const QString path = dir_->filePath(name);
  const QFileInfo file(path);
  const QByteArray old("the report exported last week");
  if (setting == QLatin1String("folder in place")) {
    QVERIFY(QDir().mkpath(path));
  } else if (setting != QLatin1String("no folder")) {
    QVERIFY(QDir().mkpath(file.absolutePath()));
    WriteAll(path, old);
  }
  if (setting == QLatin1String("read-only file")) QFile::setPermissions(path, kReadOnly);
  if (setting == QLatin1String("read-only folder")) {
    QFile::setPermissions(file.absolutePath(), kReadOnlyFolder);
  }
  const auto restore =
      qScopeGuard([&] { QFile::setPermissions(file.absolutePath(), kWritableFolder); });
  auto document = std::make_unique<QTextDocument>();
  document->setPlainText(QStringLiteral("Monthly PAYE"));
  RecordingMessages messages;
  ReportWindow window(std::move(document), QStringLiteral("Monthly"), QStringLiteral("Monthly"),
                      ExportFolder(dir_->filePath(QStringLiteral("Reports.ini"))), messages);
  window.setFileChooser([&](QWidget*, const QString&, const QString&, QString*) { return path; });
  {
    // Files may grow to 256 bytes (the report is larger); going past that fails
    // the write instead of ending the program.
    rlimit was{};
    getrlimit(RLIMIT_FSIZE, &was);
    const bool limited = setting == QLatin1String("file size limit");
    const auto signal = std::signal(SIGXFSZ, limited ? SIG_IGN : SIG_DFL);
    const rlimit small{256, was.rlim_max};
    if (limited) setrlimit(RLIMIT_FSIZE, &small);
    window.findChild<QAction*>(QStringLiteral("actExport"))->trigger();
    setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, signal);
  }

  // No half-written file is left beside it.
  const QStringList beside = QDir(file.absolutePath())
                                 .entryList({file.fileName() + QLatin1Char('*')},
                                            QDir::AllEntries | QDir::Hidden | QDir::System);
  QCOMPARE(beside,
           setting == QLatin1String("no folder") ? QStringList() : QStringList{file.fileName()});
  if (!startOfNewFile.isEmpty()) {
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(ReadAll(path).startsWith(startOfNewFile));
    return;
  }
  QCOMPARE(messages.shown.size(), 1);
  const QString text = messages.shown[0].text;
  QCOMPARE(messages.shown[0].icon, Message::Icon::Critical);
  QVERIFY2(text.contains(path) && text.contains(says), qPrintable(text));
  if (setting == QLatin1String("folder in place")) {
    QVERIFY(file.isDir());
  } else {
    QCOMPARE(ReadAll(path), setting == QLatin1String("no folder") ? QByteArray() : old);
  }
}

void TestStoreSafety::exportFailureCauses_data() {
  QTest::addColumn<QList<int>>("errors");
  QTest::addColumn<QString>("says");
  QTest::newRow("disk full") << QList<int>{ENOSPC, EDQUOT} << "the disk is full";
  QTest::newRow("file too large") << QList<int>{EFBIG} << "the file would be larger";
  QTest::newRow("folder not writable")
      << QList<int>{EACCES, EPERM, EROFS} << "the folder /reports is not writable";
  QTest::newRow("file in use") << QList<int>{EBUSY, ETXTBSY} << "the file is in use";
  QTest::newRow("folder in place of the file") << QList<int>{EISDIR} << "a folder of that name";
  QTest::newRow("folder gone") << QList<int>{ENOENT, ENOTDIR}
                               << "the folder /reports no longer exists";
  QTest::newRow("nothing a user can act on") << QList<int>{0, EIO, EINVAL} << "";
}

void TestStoreSafety::exportFailureCauses() {
  QFETCH(QList<int>, errors);
  QFETCH(QString, says);
  for (const int error : errors) {
    const QString cause = ExportFailureCause(error, QStringLiteral("/reports/Monthly.pdf"));
    QVERIFY2(says.isEmpty() ? cause.isEmpty() : cause.startsWith(says),
             qPrintable(QString::number(error) + QStringLiteral(": ") + cause));
  }
}

QTEST_MAIN(TestStoreSafety)
#include "tst_store_safety.moc"
