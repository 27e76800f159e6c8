#include "calc/finance/ui/loan_buster_window.h"

#include <QGridLayout>
#include <QLabel>

#include "calc/finance/loan.h"
#include "shell/app_context.h"
#include "store/reports/finance_reports.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/chart_view.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmLoanBuster"), [](AppContext& c) { return new LoanBusterWindow(c); });

// Results can be larger than any input (a repayment over one month at 50%).
constexpr double kResultMax = 1e15;

FinanceField Result(const char* name, const char* caption, const char* mark, const char* unit,
                    int decimals) {
  return {name, caption, mark, unit, decimals, -kResultMax, kResultMax, true};
}

// A whole-month period for the routines; the field holds whole numbers already.
std::int16_t Months(double value) { return ToInt16(value).value_or(0); }

}  // namespace

LoanBusterWindow::LoanBusterWindow(AppContext& context)
    : FinanceWindow(context, QStringLiteral("frmLoanBuster"), QStringLiteral("Loan Buster")) {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  grid->setHorizontalSpacing(4);
  buildFields(grid);

  chart_ = new ChartView(this);
  chart_->setObjectName(QStringLiteral("chtBalance"));
  chart_->setTitle(QStringLiteral("Outstanding balance"));
  chart_->setAxisTitles(QStringLiteral("Month"), QStringLiteral("Balance (R)"));

  connectInputs();
  setForm(grid, chart_);
}

void LoanBusterWindow::buildFields(QGridLayout* grid) {
  // Row by row: the figure without the extra payment (label, mark, field) and,
  // for the first six rows, the figure with it.
  const FinanceField first[] = {
      {"numPrinAmount", "Principal amount", ": R", "", 2, 0, LoanBusterAmountMax},
      {"numPeriod", "Period", ":", "", 0, 0, LoanPeriodMax, false, LoanPeriodTitle, LoanPeriodText},
      {"numIntRate", "Interest rate", ":", "", 3, 0, LoanRateMax, false, LoanRateTitle,
       LoanRateText},
      Result("numMonRePay", "Monthly repayment", ": R", "", 2),
      Result("numAns1_0", "Total interest", ": R", "", 2),
      Result("numAns1_1", "Total repayments", ": R", "", 2),
      {"numXtraPay", "Extra voluntary payments", ": R", "", 2, 0, LoanBusterAmountMax},
      Result("numAns1_7", "Total saving", ": R", "", 2),
  };
  const FinanceField second[] = {
      Result("numAns1_2", "", "R", "", 2),      Result("numAns2", "", "", "months", 0),
      Result("numAns1_3", "", "", "% p.a.", 3), Result("numAns1_4", "", "R", "", 2),
      Result("numAns1_5", "", "R", "", 2),      Result("numAns1_6", "", "R", "", 2),
  };
  const char* const secondNames[] = {
      "Principal amount with extra payments", "Period with extra payments",
      "Interest rate with extra payments",    "Monthly repayment with extra payments",
      "Total interest with extra payments",   "Total repayments with extra payments"};

  auto* without = new QLabel(QStringLiteral("Without extra payment"), this);
  auto* with = new QLabel(QStringLiteral("With extra payment"), this);
  for (QLabel* heading : {without, with})
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
  grid->addWidget(without, 0, 2, 1, 2);
  grid->addWidget(with, 0, 6, 1, 2);

  std::array<NumericField*, 8> firstFields{};
  for (int row = 0; row < 8; ++row) {
    firstFields[static_cast<std::size_t>(row)] = addField(grid, row + 1, 0, first[row]);
    if (row < 6) {
      NumericField* f = addField(grid, row + 1, 4, second[row]);
      f->setAccessibleName(QString::fromLatin1(secondNames[row]));
      if (row == 1) {
        newPeriod_ = f;
      } else {
        // numAns1(2) in the principal's row, numAns1(3) .. numAns1(6) from the rate's.
        answers_[static_cast<std::size_t>(row == 0 ? 2 : row + 1)] = f;
      }
    }
  }
  principal_ = firstFields[0];
  periodField_ = firstFields[1];
  rate_ = firstFields[2];
  repayment_ = firstFields[3];
  answers_[0] = firstFields[4];
  answers_[1] = firstFields[5];
  extra_ = firstFields[6];
  answers_[7] = firstFields[7];
  // Amounts and rates read the leading number of what is typed ("12% p.a.").
  for (NumericField* f : {principal_, rate_, extra_}) f->setFreeText(true);
  for (NumericField* f : answers_) f->setMinimumWidth(110);
  for (NumericField* f : {principal_, periodField_, rate_, repayment_, extra_, newPeriod_})
    f->setMinimumWidth(110);
  // The gap between the two columns.
  grid->setColumnMinimumWidth(4, 10);
  grid->setRowStretch(9, 1);
}

void LoanBusterWindow::connectInputs() {
  connect(principal_, &NumericField::valueChanged, this,
          [this](double v) { buster().LoanPrincipal = v; });
  connect(periodField_, &NumericField::valueChanged, this,
          [this](double v) { period_ = Months(v); });
  connect(rate_, &NumericField::valueChanged, this,
          [this](double v) { buster().LoanRate = static_cast<float>(v); });
  connect(extra_, &NumericField::valueChanged, this,
          [this](double v) { buster().ExtraPayment = v; });
}

void LoanBusterWindow::activated() {
  const LoanBusterState shown = buster();
  principal_->setValue(shown.LoanPrincipal);
  periodField_->setValue(period_);
  rate_->setValue(static_cast<double>(shown.LoanRate));
  extra_->setValue(shown.ExtraPayment);
  recalculate();
}

void LoanBusterWindow::calculate() {
  BBCalc(buster(), context().state.Loan.Repayment, period_, result_);
  showResult();
  showChart();
}

void LoanBusterWindow::showResult() {
  const LoanBusterState& b = buster();
  repayment_->setValue(result_.Repayment);
  answers_[0]->setValue(result_.TotalInterest);
  answers_[1]->setValue(result_.TotalRepayments);
  // The extra payment actually needed after the cent steps. The field hands the
  // value it is given back to the state unchanged, and a change calculates
  // nothing, so showing it cannot start another calculation.
  extra_->setValue(b.ExtraPayment);
  answers_[2]->setValue(b.LoanPrincipal);
  newPeriod_->setValue(result_.NewPeriod);
  answers_[3]->setValue(static_cast<double>(b.LoanRate));
  answers_[4]->setValue(result_.NewRepayment);
  answers_[5]->setValue(result_.NewTotalInterest);
  answers_[6]->setValue(result_.NewTotalRepayments);
  answers_[7]->setValue(result_.TotalSaving);
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
