// SPDX-License-Identifier: GPL-3.0-or-later
// The payroll batch window on large files: the time from "Open" to a filled grid
// with its totals for a monthly payroll of 100 000 employees (and 1 000 000), the
// program's peak memory, and how soon Cancel stops a load of 1 000 000 rows.
// Run without a display: QT_QPA_PLATFORM=offscreen build/bin/payroll_window_timing
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QtTest>
#include <cstdio>

#include "calc/period/ui/payroll_batch_model.h"
#include "calc/period/ui/payroll_batch_window.h"
#include "support/test_app.h"

using namespace reventa;
using namespace reventa::test;

namespace {

// A varied monthly payroll: every fourth employee with a medical scheme, every
// tenth with a bonus, every seventh with a travel allowance.
QString WritePayroll(TestApp& app, int rows) {
  const QString path = app.path(QStringLiteral("payroll-%1.csv").arg(rows));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
  QByteArray text =
      "EmployeeNumber,EmployeeName,Age,Salary,EmployeeMedAid,RFundEmployee,Bonus,"
      "TravelAllowance,Beneficiaries\n";
  for (int i = 0; i < rows; ++i) {
    const int salary = 6000 + (i * 7919) % 120000;
    text += QByteArray::number(100000 + i) + ",Employee " + QByteArray::number(i) + "," +
            QByteArray::number(20 + i % 50) + "," + QByteArray::number(salary) + "," +
            (i % 4 == 0 ? "2500" : "0") + "," + QByteArray::number(salary * 75 / 1000) + "," +
            (i % 10 == 0 ? QByteArray::number(salary) : "0") + "," + (i % 7 == 0 ? "3000" : "0") +
            "," + (i % 4 == 0 ? "2" : "0") + "\n";
    if (text.size() > (1 << 22)) {
      file.write(text);
      text.clear();
    }
  }
  file.write(text);
  return path;
}

long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// Opens the file and waits for the filled grid, painted once; the seconds taken.
double OpenAndShow(PayrollBatchWindow* w, const QString& path) {
  QElapsedTimer timer;
  timer.start();
  w->open(path);
  while (w->busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  w->findChild<QTableView*>()->viewport()->repaint();
  return timer.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  TestApp app;
  auto* w = app.openAtDefaultSize<PayrollBatchWindow>(QStringLiteral("frmPayrollBatch"));
  const QString hundredThousand = WritePayroll(app, 100000);
  const QString million = WritePayroll(app, 1000000);
  std::printf("baseline: %ld MB\n", PeakMegabytes());

  const double seconds = OpenAndShow(w, hundredThousand);
  std::printf("100 000 employees: %.2f s to a filled grid, %zu rows shown, peak %ld MB\n", seconds,
              w->model()->shownEmployees(), PeakMegabytes());

  QElapsedTimer timer;
  timer.start();
  w->model()->sort(3, Qt::DescendingOrder);
  std::printf("sort by salary: %.3f s\n", timer.nsecsElapsed() / 1e9);
  timer.restart();
  w->model()->setFilter(QStringLiteral("employee 9999"));
  std::printf("filter: %.3f s, %zu shown\n", timer.nsecsElapsed() / 1e9,
              w->model()->shownEmployees());
  w->model()->setFilter(QString());

  // Cancel a million-row load a quarter of a second in.
  w->open(million);
  QTest::qWait(250);
  timer.restart();
  QTest::keyClick(w->findChild<QWidget*>(QStringLiteral("cmdCancelLoad")), Qt::Key_Space);
  while (w->busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  std::printf("1 000 000 employees, cancelled: stopped %.3f s after Cancel, grid still %zu rows\n",
              timer.nsecsElapsed() / 1e9, w->model()->shownEmployees());

  // The totals report of a payroll of a few thousand employees, as a PDF.
  const int reported = qEnvironmentVariableIntValue("REVENTA_REPORT_ROWS") > 0
                           ? qEnvironmentVariableIntValue("REVENTA_REPORT_ROWS")
                           : 2000;
  OpenAndShow(w, WritePayroll(app, reported));
  timer.restart();
  // The report is laid out off the window's thread; the window answers meanwhile.
  if (!w->exportTo(app.path(QStringLiteral("totals.pdf")), 0)) qFatal("export failed");
  while (w->busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  std::printf("%d employees: %.2f s to the totals report as PDF (%lld KB), peak %ld MB\n", reported,
              timer.nsecsElapsed() / 1e9,
              QFileInfo(app.path(QStringLiteral("totals.pdf"))).size() / 1024, PeakMegabytes());

  const double full = OpenAndShow(w, million);
  std::printf("1 000 000 employees: %.2f s to a filled grid, peak %ld MB\n", full, PeakMegabytes());
  return 0;
}
