// SPDX-License-Identifier: GPL-3.0-or-later
// The report window on a 1366×768 screen: every report opens within the screen's
// free room with its page fitted to the window's width, and exports with the
// keyboard alone (the export dialog answered by the test).
#include <QAction>
#include <QGraphicsView>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>

#include "store/app_paths.h"
#include "support/test_app.h"
#include "widgets/report_engine.h"

using namespace reventa;

class TestReportWindow : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void opensWithinTheScreen_data();
  void opensWithinTheScreen();
};

void TestReportWindow::opensWithinTheScreen_data() {
  QTest::addColumn<QString>("templateName");
  QTest::addColumn<bool>("keyboardExport");
  for (const QString& name : QDir(QStringLiteral(REVENTA_TEST_APP_DIR)).entryList({"*.rpt"}))
    QTest::newRow(qPrintable(name)) << name << false;
  QTest::newRow("kwiktep.rpt exported from the keyboard") << "kwiktep.rpt" << true;
}

void TestReportWindow::opensWithinTheScreen() {
  QFETCH(QString, templateName);
  QFETCH(bool, keyboardExport);
  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
  QCOMPARE(room.size(), QSize(1366, 768));
  QTemporaryDir dir;
  const PreparedStores stores =
      PrepareUserStores(QStringLiteral(REVENTA_TEST_APP_DIR), dir.filePath(QStringLiteral("data")));
  QWidget owner;  // the main window, filling the screen
  owner.setGeometry(room.adjusted(0, 30, 0, 0));
  owner.show();
  RecordingMessages messages;
  ReportEngine engine(QStringLiteral(REVENTA_TEST_APP_DIR), stores.paths.reportDb, messages, &owner,
                      dir.filePath(QStringLiteral("Reports.ini")));
  QVERIFY(engine.Run(templateName, templateName, 0, &owner));
  ReportWindow* window = engine.lastWindow();
  QApplication::setActiveWindow(window);
  QVERIFY(QTest::qWaitForWindowActive(window));
  test::Snapshot(window, QStringLiteral("report_window_") + templateName);

  QVERIFY(room.contains(window->frameGeometry()));
  // The page fills the width: nothing to scroll sideways; an upright page
  // scrolls down (one on its side may fit whole).
  auto* preview = window->findChild<QPrintPreviewWidget*>();
  QCOMPARE(preview->zoomMode(), QPrintPreviewWidget::FitToWidth);
  auto* pages = preview->findChild<QGraphicsView*>();
  QCOMPARE(pages->horizontalScrollBar()->maximum(), 0);
  if (preview->orientation() == QPageLayout::Portrait) {
    QVERIFY(pages->verticalScrollBar()->maximum() > 0);
  }
  if (!keyboardExport) return;

  // Tab to Export and Space, then each of its keys; each time the dialog answers.
  const QString pdf = dir.filePath(QStringLiteral("keys.pdf"));
  window->setFileChooser([&](QWidget*, const QString&, const QString&, QString*) { return pdf; });
  auto* exportAction = window->findChild<QAction*>(QStringLiteral("actExport"));
  QVERIFY(exportAction->toolTip().contains(QLatin1String("Alt+E, Ctrl+E, Ctrl+S")));
  QWidget* exportButton = window->findChild<QToolBar*>()->widgetForAction(exportAction);
  for (int tabs = 0; tabs < 20 && QApplication::focusWidget() != exportButton; ++tabs)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QVERIFY(QFile::exists(pdf));
  for (const QKeyCombination key :
       {Qt::CTRL | Qt::Key_E, Qt::CTRL | Qt::Key_S, Qt::ALT | Qt::Key_E}) {
    QVERIFY(QFile::remove(pdf));
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    // The access key presses the button as a click would, a moment later.
    QTRY_VERIFY2(QFile::exists(pdf), qPrintable(QKeySequence(key).toString()));
  }
}

// The tests run on the offscreen platform, told here that its screen is 1366×768.
int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty() || qgetenv("QT_QPA_PLATFORM") == "offscreen")
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" REVENTA_SOURCE_DIR "/tests/widgets/1366x768.json");
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);
  TestReportWindow test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_report_window.moc"
