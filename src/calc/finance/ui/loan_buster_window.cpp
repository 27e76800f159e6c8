// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/ui/loan_buster_window.h"

#include <QGridLayout>
#include <QLabel>

#include "calc/finance/loan.h"
#include "store/reports/finance_reports.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/chart_view.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmLoanBuster"), [](AppContext& c) { return new LoanBusterWindow(c); });

// The column without the extra payment: the inputs (the rate reads its number
// before the unit typed after it, "12% p.a."; the amounts take numbers only) and
// the results.
const FieldEntry kPrincipal{"numPrinAmount", "Principal amount", ": R"};
const FieldEntry kPeriod{"numPeriod", "Period", ":", "", FieldLook::Number};
const FieldEntry kRate{"numIntRate", "Interest rate", ":", "", FieldLook::Rate, 3, 0, nullptr,
                       true};
const FieldEntry kExtra{"numXtraPay", "Extra voluntary payments", ": R"};
const FieldEntry kWithout[] = {
    {"numMonRePay", "Monthly repayment", ": R"},
    {"numAns1_0", "Total interest", ": R"},
    {"numAns1_1", "Total repayments", ": R"},
    {"numAns1_7", "Total saving", ": R"},
};
// The column with it, beside the first six rows.
const FieldEntry kWith[] = {
    {"numAns1_2", "", "R", "", FieldLook::Amount, 2, 0, "Principal amount with extra payments"},
    {"numAns2", "", "", "months", FieldLook::Number, 0, 0, "Period with extra payments"},
    {"numAns1_3", "", "", "% p.a.", FieldLook::Rate, 3, 0, "Interest rate with extra payments"},
    {"numAns1_4", "", "R", "", FieldLook::Amount, 2, 0, "Monthly repayment with extra payments"},
    {"numAns1_5", "", "R", "", FieldLook::Amount, 2, 0, "Total interest with extra payments"},
    {"numAns1_6", "", "R", "", FieldLook::Amount, 2, 0, "Total repayments with extra payments"},
};

}  // namespace

LoanBusterWindow::LoanBusterWindow(AppContext& context)
    : FinanceWindow(context, QStringLiteral("frmLoanBuster"), QStringLiteral("Loan Buster")) {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  grid->setHorizontalSpacing(4);
  auto* without = new QLabel(QStringLiteral("Without extra payment"), this);
  auto* with = new QLabel(QStringLiteral("With extra payment"), this);
  for (QLabel* heading : {without, with})
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
  grid->addWidget(without, 0, 2, 1, 2);
  grid->addWidget(with, 0, 6, 1, 2);

  LoanBusterState& b = buster();
  Form form(*this, grid);
  form.setFieldWidth(110);
  form.setRow(1);
  sharedInput(form, kPrincipal, LoanBusterRanges[0], b);
  NumericField* period = form.input(kPeriod, LoanBusterRanges[1].Range);
  // A whole-month period for the routines; the field holds whole numbers already.
  connect(period, &NumericField::valueChanged, this,
          [this](double v) { period_ = ToInt16(v).value_or(0); });
  sharedInput(form, kRate, LoanBusterRanges[2], b);
  for (int i = 0; i < 3; ++i) without_[i] = form.result(kWithout[i]);
  extra_ = sharedInput(form, kExtra, LoanBusterRanges[3], b);
  without_[3] = form.result(kWithout[3]);
  form.setColumns({4, 5, 6, 7});
  form.setRow(1);
  for (std::size_t i = 0; i < with_.size(); ++i) with_[i] = form.result(kWith[i]);
  // The gap between the two columns.
  grid->setColumnMinimumWidth(4, 10);
  grid->setRowStretch(9, 1);

  chart_ = new ChartView(this);
  chart_->setObjectName(QStringLiteral("chtBalance"));
  chart_->setTitle(QStringLiteral("Outstanding balance"));
  chart_->setAxisTitles(QStringLiteral("Month"), QStringLiteral("Balance (R)"));
  setForm(grid, chart_);
}

void LoanBusterWindow::calculate() {
  BBCalc(buster(), context().state.Loan.Repayment, period_, result_);
  showResult();
  showChart();
}

void LoanBusterWindow::showResult() {
  const LoanBusterState& b = buster();
  const double without[] = {result_.Repayment, result_.TotalInterest, result_.TotalRepayments,
                            result_.TotalSaving};
  const double with[] = {b.LoanPrincipal,
                         static_cast<double>(result_.NewPeriod),
                         b.LoanRate,
                         result_.NewRepayment,
                         result_.NewTotalInterest,
                         result_.NewTotalRepayments};
  for (std::size_t i = 0; i < without_.size(); ++i) without_[i]->setValue(without[i]);
  for (std::size_t i = 0; i < with_.size(); ++i) with_[i]->setValue(with[i]);
  // The extra payment actually needed after the cent steps. The field hands the
  // value it is given back to the state unchanged, and a change calculates
  // nothing, so showing it cannot start another calculation.
  extra_->setValue(b.ExtraPayment);
}

void LoanBusterWindow::showChart() {
  const LoanBusterState& b = buster();
  const auto line = [&b](const char* name, double repayment, int months) {
    ChartSeries series{name, {}, ChartSeries::Kind::Line};
    const std::vector<double> balances =
        OutstandingBalances(b.LoanPrincipal, b.LoanRate, repayment, months);
    for (std::size_t m = 0; m < balances.size(); ++m)
      series.points.push_back({static_cast<double>(m), balances[m]});
    return series;
  };
  std::vector<ChartSeries> series;
  if (period_ > 0 && result_.Repayment > 0)
    series.push_back(line("Without extra payment", result_.Repayment, period_));
  if (result_.ExtraWorked && result_.NewPeriod > 0)
    series.push_back(line("With extra payment", result_.NewRepayment, result_.NewPeriod));
  chart_->setSeries(std::move(series));
}

std::optional<Report> LoanBusterWindow::report() {
  return LoanBusterReport(buster(), period_, result_);
}

LoanBusterState& LoanBusterWindow::buster() const { return context().state.LoanBuster; }

}  // namespace reventa
