// SPDX-License-Identifier: GPL-3.0-or-later
// The loan scenarios window's wiring: it opens with the loans window's loan and
// agrees with it while there are no changes; changes are added, replaced and
// removed from the keyboard and kept in month order; "Use in Loans" hands the loan
// back; the report carries both loans and the schedule.
#include <QComboBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "calc/finance/loan.h"
#include "calc/finance/ui/loan_scenario_window.h"
#include "support/print_support.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"

using namespace reventa;
using namespace reventa::test;

namespace {

QString Compare(QWidget* w, int row, int column) {
  auto* t = Child<QTableWidget>(w, QStringLiteral("tblCompare"));
  return t->item(row, column) != nullptr ? t->item(row, column)->text() : QString();
}

// An access key pressed in the window (where the focus is, or in `at`).
void PressAlt(Qt::Key key, QWidget* at = nullptr) {
  QTest::keyClick(at != nullptr ? at : QApplication::focusWidget(), key, Qt::AltModifier);
  QTest::qWait(300);  // the button's animated click
}

}  // namespace

class TestLoanScenario : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void startsFromTheLoanAndTriesChanges();
};

void TestLoanScenario::startsFromTheLoanAndTriesChanges() {
  TestApp app;
  LoanState& loan = app.window->state().Loan;
  loan.Principal = 1000000;
  loan.Period = 240;
  loan.AnnualRate = 11.75;
  // The loans window's own figures for the loan.
  QWidget* loans = app.open(QStringLiteral("frmLoans"));
  const QString repayment = Shown(loans, QStringLiteral("numMonRePay"));
  LoanState withRepayment = loan;
  withRepayment.Repayment = LoanRepayment(loan.Principal, loan.Period, loan.AnnualRate);
  const QString interest = QString::fromStdString(FormatAmount(LoanTotalInterest(withRepayment)));

  auto* w = app.openAtDefaultSize<LoanScenarioWindow>(QStringLiteral("frmLoanScenario"));
  QCOMPARE(Shown(w, QStringLiteral("numPrinAmount")), QStringLiteral("1 000 000.00"));
  // No changes: both columns are the loans window's loan.
  QCOMPARE(Compare(w, 0, 1), QStringLiteral("R ") + repayment);
  QCOMPARE(Compare(w, 4, 1), QStringLiteral("R ") + interest);
  QCOMPARE(Compare(w, 4, 2), Compare(w, 4, 1));

  // A rate rise in month 25 and a lump sum in month 13, added in that order,
  // stand in month order. The rate rise keeps the term; the lump sum, once the
  // rate rise is removed, shortens the loan, and a larger one shortens it more.
  Type(w, {QStringLiteral("numChangeMonth=25")});
  Child<QComboBox>(w, QStringLiteral("cboChangeKind"))->setCurrentIndex(0);
  Type(w, {QStringLiteral("numChangeAmount=12.75")});
  PressAlt(Qt::Key_A);
  Type(w, {QStringLiteral("numChangeMonth=13")});
  Child<QComboBox>(w, QStringLiteral("cboChangeKind"))->setCurrentIndex(1);
  Type(w, {QStringLiteral("numChangeAmount=50000")});
  PressAlt(Qt::Key_A);
  auto* list = Child<QTableWidget>(w, QStringLiteral("tblChanges"));
  QCOMPARE(list->rowCount(), 2);
  QCOMPARE(list->item(0, 0)->text(), QStringLiteral("13"));
  QCOMPARE(w->input().Changes.front().Kind, LoanChangeKind::LumpSum);
  QCOMPARE(w->result().Scenario.Months, 240);
  list->setCurrentCell(1, 0);
  PressAlt(Qt::Key_M);
  QCOMPARE(w->input().Changes.size(), std::size_t{1});
  const int saved = w->result().MonthsSaved;
  QVERIFY(saved > 0);
  QCOMPARE(Compare(w, 7, 2), QString::number(saved));
  list->setCurrentCell(0, 0);
  Type(w, {QStringLiteral("numChangeAmount=100000")});
  PressAlt(Qt::Key_E);
  QCOMPARE(w->input().Changes.size(), std::size_t{1});
  QCOMPARE(w->input().Changes.front().Amount, 100000.0);
  QVERIFY(w->result().MonthsSaved > saved);
  QCOMPARE(Child<QTableWidget>(w, QStringLiteral("tblSchedule"))->rowCount(),
           w->result().Scenario.Months);

  // A period shortened past a change names the change by its row.
  Type(w, {QStringLiteral("numPeriod=12")});
  Click(w, QStringLiteral("cmdCalculate"));
  QCOMPARE(app.messages.shown.size(), 1);
  QCOMPARE(app.messages.shown[0].text,
           QStringLiteral("The change in row 1 of the list, Month: 13 is outside 1 to 12"));
  Type(w, {QStringLiteral("numPeriod=240")});
  app.messages.shown.clear();
  Click(w, QStringLiteral("cmdCalculate"));

  // The report: both loans, the rate table and the schedule.
  Click(w, QStringLiteral("cmdPrint"));
  Click(Child(w, QStringLiteral("fraPrint")), QStringLiteral("cmdVR"));
  QCOMPARE(app.row(QStringLiteral("LoanScenario")).value(QStringLiteral("MonthsSaved")).toInt(),
           w->result().MonthsSaved);
  KeepPdf(app, QStringLiteral("loan-scenarios.pdf"));
  Snapshot(w, QStringLiteral("loan-scenarios"));

  // "Use in Loans" hands over a principal typed here, not before, once the
  // report window is closed and the keyboard is back in the program's window.
  app.window->context().reports.lastWindow()->close();
  QApplication::setActiveWindow(app.window.get());
  Type(w, {QStringLiteral("numPrinAmount=800000")});
  QCOMPARE(loan.Principal, 1000000.0);
  PressAlt(Qt::Key_U, Child(w, QStringLiteral("numPrinAmount")));
  QVERIFY2(app.messages.shown.isEmpty(), qPrintable(app.messages.shown.value(0).text));
  QCOMPARE(loan.Principal, 800000.0);
}

QTEST_MAIN(TestLoanScenario)
#include "tst_loan_scenario.moc"
