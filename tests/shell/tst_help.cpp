// SPDX-License-Identifier: GPL-3.0-or-later
// The help window and the commands that reach outside the program, driven from
// the menus with the outside programs recorded (nothing is started), and the user
// guide the build makes: its contents, a chapter for every calculator, and worked
// figures that are the command-line tool's own.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfSearchModel>
#include <QPdfView>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "shell/help_browser.h"
#include "shell/outside_programs.h"
#include "support/test_app.h"
#include "taxyear/numbers.h"

using namespace reventa;
using namespace reventa::test;

namespace {

void Trigger(TestApp& app, const char* action) {
  QAction* a = app.window->findChild<QAction*>(QString::fromLatin1(action));
  QVERIFY2(a != nullptr, action);
  QVERIFY2(a->isEnabled(), action);
  a->trigger();
  QApplication::processEvents();
}

HelpBrowserWindow* Help(TestApp& app) {
  return qobject_cast<HelpBrowserWindow*>(
      app.window->findCalculator(QStringLiteral("frmHelpBrowser")));
}

QString GuidePath() {
  return QDir(QStringLiteral(REVENTA_TEST_APP_DIR))
      .absoluteFilePath(QString::fromLatin1(kHelpGuideFile));
}

// The text of every page of the guide, page by page, as a PDF reader extracts it.
QStringList GuideText() {
  QProcess text;
  text.start(QStringLiteral("pdftotext"),
             {QStringLiteral("-layout"), GuidePath(), QStringLiteral("-")});
  if (!text.waitForFinished(60000)) return {};
  return QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
}

}  // namespace

class TestHelp : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void helpWindowShowsTheGuide();
  void aSecondChoiceBringsTheSameWindow();
  void viewKeepsItsMarginOnResize_data();
  void viewKeepsItsMarginOnResize();
  void missingGuideLeavesTheWindowEmpty();
  void closesWithTheMainWindowAndInitialiseAll();
  void pagesAndSearch();
  void outsideCommands_data();
  void outsideCommands();
  void everyMenuItemIsEnabled();
  void guideHasContentsAndAChapterPerCalculator();
  void guideFiguresAreTheToolsOwn();
};

void TestHelp::helpWindowShowsTheGuide() {
  TestApp app;
  Trigger(app, "mnuContents");
  HelpBrowserWindow* help = Help(app);
  QVERIFY(help != nullptr);
  QCOMPARE(help->windowTitle(), QStringLiteral("Reventa Help"));
  QCOMPARE(help->document()->status(), QPdfDocument::Status::Ready);
  QVERIFY(help->document()->pageCount() > 20);
  QVERIFY(app.messages.shown.isEmpty());
}

void TestHelp::aSecondChoiceBringsTheSameWindow() {
  TestApp app;
  Trigger(app, "mnuContents");
  Trigger(app, "mnuLoans");
  Trigger(app, "mnuContents");
  int helpWindows = 0;
  for (QMdiSubWindow* frame : app.window->area()->subWindowList()) {
    if (frame->widget()->objectName() == QLatin1String("frmHelpBrowser")) ++helpWindows;
  }
  QCOMPARE(helpWindows, 1);
  QCOMPARE(app.window->area()->activeSubWindow()->widget(), Help(app));
}

void TestHelp::viewKeepsItsMarginOnResize_data() {
  QTest::addColumn<QSize>("size");
  QTest::newRow("small") << QSize(420, 300);
  QTest::newRow("wide") << QSize(1100, 500);
  QTest::newRow("tall") << QSize(600, 660);
}

void TestHelp::viewKeepsItsMarginOnResize() {
  QFETCH(QSize, size);
  TestApp app;
  Trigger(app, "mnuContents");
  HelpBrowserWindow* help = Help(app);
  help->resize(size);
  QApplication::processEvents();
  const QRect view = help->view()->geometry();
  QCOMPARE(help->margin(), 7);  // 100 twips at 96 dots an inch
  QCOMPARE(help->width() - (view.x() + view.width()), help->margin());
  QCOMPARE(help->height() - (view.y() + view.height()), help->margin());
}

void TestHelp::missingGuideLeavesTheWindowEmpty() {
  TestApp app;
  QTemporaryDir empty;
  AppContext context = app.window->context();
  context.appFolder = empty.path();
  HelpBrowserWindow help(context);
  help.show();
  QApplication::processEvents();
  QCOMPARE(help.document()->pageCount(), 0);
  help.goToPage(3);
  help.findNext();
  QVERIFY(app.messages.shown.isEmpty());
}

void TestHelp::closesWithTheMainWindowAndInitialiseAll() {
  TestApp app;
  Trigger(app, "mnuContents");
  QPointer<HelpBrowserWindow> help = Help(app);
  Trigger(app, "mnuNew");
  QTRY_VERIFY(help.isNull());
  Trigger(app, "mnuContents");
  help = Help(app);
  QVERIFY(!help.isNull());
  app.window.reset();
  QVERIFY(help.isNull());
}

void TestHelp::pagesAndSearch() {
  TestApp app;
  Trigger(app, "mnuContents");
  HelpBrowserWindow* help = Help(app);
  QPdfPageNavigator* navigator = help->view()->pageNavigator();
  help->goToPage(5);
  QCOMPARE(navigator->currentPage(), 5);
  help->goToPage(10000);
  QCOMPARE(navigator->currentPage(), help->document()->pageCount() - 1);
  // The chapter on the loan buster lies after its entry in the contents.
  auto* find = Child<QLineEdit>(help, QStringLiteral("txtFind"));
  TypeInto(find, QStringLiteral("Loan Buster"));
  auto* model = help->findChild<QPdfSearchModel*>();
  QTRY_VERIFY_WITH_TIMEOUT(model->rowCount({}) >= 2, 10000);
  help->goToPage(0);
  help->findNext();
  const int first = navigator->currentPage();
  help->findNext();
  QVERIFY(navigator->currentPage() >= first);
  // The number of places found shows once the whole guide has been searched.
  TypeInto(find, QStringLiteral("inflation"));
  QTest::keyClick(find, Qt::Key_Return);
  auto* found = Child<QLabel>(help, QStringLiteral("lblFound"));
  QTRY_VERIFY_WITH_TIMEOUT(found->text().contains(QLatin1String(" of ")), 10000);
  int total = 0;
  for (int page = 0; page < help->document()->pageCount(); ++page) {
    total += int(model->resultsOnPage(page).size());
  }
  QVERIFY(total > 1);
  QCOMPARE(found->text(), QStringLiteral("1 of %1").arg(total));
}

void TestHelp::outsideCommands_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QStringList>("installed");
  QTest::addColumn<QStringList>("tried");
  QTest::addColumn<int>("urls");
  QTest::addColumn<QString>("message");
  QTest::newRow("video lectures open the page, whatever happens")
      << "VideoLectures1" << QStringList{} << QStringList{} << 1 << QString();
  QTest::newRow("the first calculator installed starts")
      << "mnuMSCalculator" << QStringList{"kcalc", "xcalc"}
      << QStringList{"gnome-calculator", "kcalc"} << 0 << QString();
  QTest::newRow("no calculator: the message")
      << "mnuMSCalculator" << QStringList{} << kDesktopCalculators << 0
      << "The Microsoft Calculator is not installed or in the Windows directory";
}

void TestHelp::outsideCommands() {
  QFETCH(QString, action);
  QFETCH(QStringList, installed);
  QFETCH(QStringList, tried);
  QFETCH(int, urls);
  QFETCH(QString, message);
  TestApp app;
  app.programs.installed = installed;
  Trigger(app, qPrintable(action));
  QCOMPARE(app.programs.tried, tried);
  QCOMPARE(app.programs.opened.size(), urls);
  if (urls > 0) QCOMPARE(app.programs.opened.first(), kVideoLecturesUrl);
  if (message.isEmpty()) {
    QVERIFY(app.messages.shown.isEmpty());
  } else {
    QCOMPARE(app.messages.shown.size(), 1);
    QCOMPARE(app.messages.shown.first().text, message);
    QCOMPARE(app.messages.shown.first().title, kAppTitle);
  }
}

void TestHelp::everyMenuItemIsEnabled() {
  TestApp app;
  for (QAction* action : app.window->findChildren<QAction*>()) {
    if (action->isSeparator() || action->objectName().isEmpty()) continue;
    QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
  }
}

void TestHelp::guideHasContentsAndAChapterPerCalculator() {
  const QStringList pages = GuideText();
  QVERIFY(pages.size() > 20);
  // Plain letters, not ligatures (U+FB00 to U+FB06: "fi", "fl" set as one glyph).
  const auto ligature = QRegularExpression(QStringLiteral("\\w*[\\x{FB00}-\\x{FB06}]\\w*"))
                            .match(pages.join(QLatin1Char('\n')));
  QVERIFY2(!ligature.hasMatch(), qPrintable(ligature.captured()));
  // The contents run from the second page to the first chapter.
  qsizetype first = 1;
  while (first < pages.size() && !pages[first].startsWith(QLatin1String("Getting started"))) {
    ++first;
  }
  const QString contents = pages.mid(1, first - 1).join(QLatin1Char('\n'));
  QVERIFY(contents.trimmed().startsWith(QLatin1String("Contents")));
  const QStringList chapters{"Getting started",
                             "Reports: printing and exporting",
                             "Settings",
                             "QuickTax",
                             "Annual PAYE",
                             "Monthly PAYE",
                             "Fortnightly PAYE",
                             "Weekly PAYE",
                             "Daily PAYE",
                             "Payroll batch",
                             "Salary packages",
                             "Travel allowance",
                             "Company car",
                             "Loans",
                             "Loan buster",
                             "Loan scenarios",
                             "Loan comparison",
                             "Daily balance interest",
                             "Inflation",
                             "The command-line tool reventa-calc",
                             "Index of figures"};
  for (const QString& chapter : chapters) {
    // Listed in the contents with a page number, and that page opens with it.
    const QRegularExpression entry(QStringLiteral("(^|\\n)\\s*") +
                                   QRegularExpression::escape(chapter) +
                                   QStringLiteral(" +(\\d+) *(\\n|$)"));
    const auto m = entry.match(contents);
    QVERIFY2(m.hasMatch(), qPrintable(chapter));
    const int page = m.captured(2).toInt();
    QVERIFY2(page >= 1 && page <= pages.size(), qPrintable(chapter));
    QVERIFY2(pages[page - 1].startsWith(chapter),
             qPrintable(chapter + QStringLiteral(" on ") + QString::number(page)));
  }
}

// Each worked example of the chapters, run through the command-line tool: every
// rand amount it shows is in the guide beside its label.
void TestHelp::guideFiguresAreTheToolsOwn() {
  const QString text = GuideText().join(QLatin1Char('\n'));
  const QDir chapters(QStringLiteral(REVENTA_SOURCE_DIR "/resources/help"));
  int checked = 0;
  for (const QString& name :
       chapters.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name)) {
    QFile file(chapters.absoluteFilePath(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (!lines[i].startsWith(QLatin1String("```example "))) continue;
      const QString command = lines[i].mid(11).trimmed();
      QJsonObject input;
      QList<QStringList> outputs;  // key, label, format
      for (++i; i < lines.size() && lines[i].trimmed() != QLatin1String("```"); ++i) {
        const QString line = lines[i].trimmed();
        QStringList parts = line.mid(line.indexOf(QLatin1Char(' ')) + 1).split(QLatin1Char('|'));
        for (QString& p : parts) p = p.trimmed();
        if (line.startsWith(QLatin1String("in "))) {
          const qsizetype eq = parts[0].indexOf(QLatin1Char('='));
          const QJsonDocument value =
              QJsonDocument::fromJson("[" + parts[0].mid(eq + 1).trimmed().toUtf8() + "]");
          input[parts[0].left(eq).trimmed()] = value.array().at(0);
        } else if (line.startsWith(QLatin1String("out "))) {
          outputs.append(parts);
        }
      }
      QProcess tool;
      tool.start(QStringLiteral(REVENTA_CALC_PATH), {command});
      QVERIFY(tool.waitForStarted());
      tool.write(QJsonDocument(input).toJson(QJsonDocument::Compact) + "\n");
      tool.closeWriteChannel();
      QVERIFY(tool.waitForFinished());
      const QJsonDocument answer = QJsonDocument::fromJson(tool.readAllStandardOutput());
      QVERIFY2(!answer.object().contains(QLatin1String("error")), qPrintable(name + command));
      for (const QStringList& out : outputs) {
        if (out[2] != QLatin1String("money")) continue;
        QJsonValue v = answer.object();
        for (const QString& step : out[0].split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
          v = v.isArray() ? v.toArray().at(step.toInt()) : v.toObject().value(step);
        }
        const QString shown =
            QStringLiteral("R ") + QString::fromStdString(FormatAmount(v.toDouble(), 2));
        const QRegularExpression row(QRegularExpression::escape(out[1]) + QStringLiteral(" +") +
                                     QRegularExpression::escape(shown) + QStringLiteral(" *\\n"));
        QVERIFY2(row.match(text).hasMatch(),
                 qPrintable(name + QStringLiteral(": ") + out[1] + QStringLiteral(" ") + shown));
        ++checked;
      }
    }
  }
  QVERIFY(checked >= 30);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
