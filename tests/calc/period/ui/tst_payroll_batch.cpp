// SPDX-License-Identifier: GPL-3.0-or-later
// The payroll batch window's wiring, from the keyboard: open a file, see the rows
// and totals, find an employee, change the settings, export CSV and PDF, print
// the payslips; and a large load that is cancelled leaves the grid as it was.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QProgressBar>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include "calc/period/ui/payroll_batch_model.h"
#include "calc/period/ui/payroll_batch_window.h"
#include "support/print_support.h"
#include "taxyear/numbers.h"

using namespace reventa;
using namespace reventa::test;

namespace {

const char* const kPayroll =
    "\xEF\xBB\xBF"
    "EmployeeNumber,EmployeeName,Age,Salary,EmployeeMedAid,RFundEmployee,Beneficiaries,Shoe\n"
    "1001,Thandi Mokoena,40,35000,3000,2625,2,8\n"
    "\n"
    "1002,\"Naidoo, Priya\",31,27250,1450,2043,1,5\n"
    "1003,Sipho Dlamini,24,14800x,0,1110,0,9\n";

void WriteFile(const QString& path, const QByteArray& text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text);
}

// The window's file dialogs answer with `path`, and the export with `filter`.
void AnswerDialogs(PayrollBatchWindow* w, const QString& path, const QString& filter = {}) {
  w->setFileChooser(
      [path, filter](QWidget*, bool, const QString&, const QString&, QString* chosen) {
        if (!filter.isEmpty()) *chosen = filter;
        return path;
      });
}

// An access key, pressed where the focus is; a button's click is animated.
void PressAlt(Qt::Key key) {
  QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
  QTest::qWait(300);  // the button's animated click
}

QString Cell(PayrollBatchModel* m, int row, const QString& column) {
  for (int c = 0; c < m->columnCount(); ++c) {
    if (m->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == column) {
      return m->data(m->index(row, c), Qt::DisplayRole).toString();
    }
  }
  return QStringLiteral("<no column %1>").arg(column);
}

}  // namespace

class TestPayrollBatch : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void openFindSettingsExportAndPrint();
  void cancelledLoadLeavesTheGridAsItWas();
};

void TestPayrollBatch::openFindSettingsExportAndPrint() {
  TestApp app;
  auto* w = app.openAtDefaultSize<PayrollBatchWindow>(QStringLiteral("frmPayrollBatch"));
  PayrollBatchModel* m = w->model();
  const QString csv = app.path(QStringLiteral("march.csv"));
  WriteFile(csv, kPayroll);
  AnswerDialogs(w, csv);

  // Alt+O opens the file and calculates it at once.
  PressAlt(Qt::Key_O);
  QTRY_VERIFY(!w->busy());
  QCOMPARE(m->rowCount(), 4);  // three employees and the totals
  QCOMPARE(Cell(m, 1, "Name"), QStringLiteral("Naidoo, Priya"));
  QCOMPARE(Cell(m, 2, "Message"), QStringLiteral("Salary: expected a number"));
  QCOMPARE(Cell(m, 2, "Total tax deduction"), QString());
  QCOMPARE(Cell(m, 3, "Name"), QStringLiteral("Totals"));
  // The column the calculation does not use is named once.
  QCOMPARE(app.messages.shown.size(), 1);
  QVERIFY(app.messages.shown[0].text.contains(QLatin1String("Shoe")));
  const PayrollTotals before = m->totals();
  QCOMPARE(before.Employees, std::size_t{2});
  QCOMPARE(before.NotCalculated, std::size_t{1});
  QCOMPARE(Cell(m, 3, "Total tax deduction"), QString::fromStdString(FormatAmount(before.Paye, 2)));
  QVERIFY(Child<QLabel>(w, "lblTotals")
              ->text()
              .contains(QString::fromStdString(FormatAmount(before.Uif(), 2))));

  // Alt+I finds an employee by part of the name, any case.
  PressAlt(Qt::Key_I);
  QVERIFY(Child(w, "txtFind")->hasFocus());
  QTest::keyClicks(Child(w, "txtFind"), "NAIDOO");
  QCOMPARE(m->rowCount(), 2);
  QCOMPARE(Cell(m, 0, "Number"), QStringLiteral("1002"));
  Child<QLineEdit>(w, "txtFind")->clear();
  QCOMPARE(m->rowCount(), 4);

  // A settings change works the grid out again: twice the employee's UIF.
  Click(w, QStringLiteral("cmdSettings"));
  QWidget* settings = Child(w, QStringLiteral("Frame3"));
  Type(settings, {QStringLiteral("numEmpEUIF=2")});
  Click(settings, QStringLiteral("cmdSetupOK"));
  QTRY_VERIFY(!w->busy());
  QCOMPARE(m->totals().UifEmployee, 2 * before.UifEmployee);
  QCOMPARE(m->totals().Paye, before.Paye);

  // The CSV export reads back into the same grid; the PDF is the totals report
  // across the page.
  const QString exported = app.path(QStringLiteral("out.csv"));
  QVERIFY(w->exportTo(exported, 0));
  app.messages.shown.clear();
  w->open(exported);
  QTRY_VERIFY(!w->busy());
  QCOMPARE(m->rowCount(), 4);
  QCOMPARE(m->totals().UifEmployee, 2 * before.UifEmployee);
  QCOMPARE(Cell(m, 2, "Message"), QStringLiteral("Salary: expected a number"));
  QVERIFY(app.messages.shown.isEmpty());  // an export opens with nothing to name
  const QString pdf = app.path(QStringLiteral("totals.pdf"));
  AnswerDialogs(w, pdf, QStringLiteral("PDF report in Afrikaans (*.pdf)"));
  PressAlt(Qt::Key_X);
  QTRY_VERIFY(!w->busy());
  QPdfDocument totals;
  QCOMPARE(totals.load(pdf), QPdfDocument::Error::None);
  const QSizeF page = totals.pagePointSize(0);
  QVERIFY2(page.width() > page.height(), "landscape");
  QVERIFY(totals.getAllText(0).text().contains(QLatin1String("Betaalstaattotale")));

  // "Payslips" in Afrikaans, chosen with the arrow keys, prints one page for
  // each employee calculated.
  Click(w, QStringLiteral("cmdPrint"));
  for (const char* option : {"optChoice0", "Option1"}) {
    Focus(Child(w, option));
    QTest::keyClick(Child(w, option), Qt::Key_Right);
  }
  Click(Child(w, "fraPrint"), QStringLiteral("cmdVR"));
  ReportWindow* slips = app.window->context().reports.lastWindow();
  QVERIFY(slips != nullptr);
  QCOMPARE(slips->pageCount(), 2);
  const QString slipsPdf = app.path(QStringLiteral("payslips.pdf"));
  QCOMPARE(slips->exportTo(slipsPdf), std::nullopt);
  QPdfDocument payslips;
  QCOMPARE(payslips.load(slipsPdf), QPdfDocument::Error::None);
  QVERIFY2(payslips.getAllText(1).text().contains(QLatin1String("Betaalstrokie")),
           qPrintable(payslips.getAllText(1).text()));
  KeepPdf(app, QStringLiteral("payslips.pdf"));
  Snapshot(w, QStringLiteral("payroll-batch"));
}

void TestPayrollBatch::cancelledLoadLeavesTheGridAsItWas() {
  TestApp app;
  auto* w = app.openAtDefaultSize<PayrollBatchWindow>(QStringLiteral("frmPayrollBatch"));
  const QString small = app.path(QStringLiteral("small.csv"));
  WriteFile(small, "Age,Salary\n40,35000\n");
  w->open(small);
  QTRY_VERIFY(!w->busy());
  const auto shown = w->model()->batch();

  const QString large = app.path(QStringLiteral("large.csv"));
  QByteArray text = "EmployeeNumber,Age,Salary,Bonus\n";
  for (int i = 0; i < 400000; ++i) {
    text += QByteArray::number(i) + ",35," + QByteArray::number(10000 + i) + ",0\n";
  }
  WriteFile(large, text);
  w->open(large);
  QVERIFY(w->busy());
  QVERIFY(Child<QProgressBar>(w, "prgLoad")->isVisible());
  QVERIFY(!Child(w, "cmdOpen")->isEnabled());
  QTest::keyClick(Child(w, "cmdCancelLoad"), Qt::Key_Space);
  QTRY_VERIFY(!w->busy());
  QCOMPARE(w->model()->batch(), shown);
  QVERIFY(Child(w, "cmdOpen")->isEnabled());
  QVERIFY(app.messages.shown.isEmpty());
}

QTEST_MAIN(TestPayrollBatch)
#include "tst_payroll_batch.moc"
