#include "calc/finance/ui/inflation_window.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "calc/finance/inflation.h"
#include "shell/app_context.h"
#include "store/reports/finance_reports.h"
#include "taxyear/shared_state.h"
#include "widgets/chart_view.h"
#include "widgets/numeric_field.h"
#include "widgets/spin_buttons.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmInflation"), [](AppContext& c) { return new InflationWindow(c); });

// The result fields' limit: above the 9 999 999 999 past which the future cost is
// replaced by the notice, and far above any buying power (a 99 999 999 cost at
// -5% over 40 years is worth about 780 million).
constexpr double kResultMax = 99999999999999;

constexpr FinanceField kPresentCost{"numPresCost", "Present cost", "R", "", 0, 0, PresentCostMax};
constexpr FinanceField kPeriod{
    "numPeriod",          "Period",           "", "year/s.", 0, 0, InflationYearsMax, false,
    InflationPeriodTitle, InflationPeriodText};
constexpr FinanceField kRate{
    "numInflaRate",   "Inflation rate", "",    "% p.a.",           3,
    InflationRateMin, InflationRateMax, false, InflationRateTitle, InflationRateText};
constexpr FinanceField kFutureCost{"numAns1", "Future value/cost", "R", "", 0, 0, kResultMax, true};
constexpr FinanceField kBuyingPower{"numAns2", "Buying power", "R", "", 0, 0, kResultMax, true};

}  // namespace

InflationWindow::InflationWindow(AppContext& context)
    : FinanceWindow(context, QStringLiteral("frmInflation"), QStringLiteral("Inflation")) {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(6);
  presentCost_ = addField(grid, 0, 0, kPresentCost);
  period_ = addField(grid, 1, 0, kPeriod);
  periodSpin_ = addSpin("spPeriod", QStringLiteral("Period"), period_,
                        [this](bool up, bool keyboard) { stepPeriod(up, keyboard); });
  grid->addWidget(periodSpin_, 1, 4);
  rate_ = addField(grid, 2, 0, kRate);
  rateSpin_ = addSpin("spInflation", QStringLiteral("Inflation rate"), rate_,
                      [this](bool up, bool keyboard) { stepRate(up, keyboard); });
  grid->addWidget(rateSpin_, 2, 4);
  grid->setRowMinimumHeight(3, 14);
  futureCost_ = addField(grid, 4, 0, kFutureCost);
  tooLarge_ = new QLabel(QString::fromLatin1(InflationTooLargeText), this);
  tooLarge_->setObjectName(QStringLiteral("lblTooLarge"));
  tooLarge_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
  tooLarge_->hide();
  grid->addWidget(tooLarge_, 4, 2, 1, 3);
  buyingPower_ = addField(grid, 5, 0, kBuyingPower);
  grid->setRowStretch(6, 1);
  grid->setColumnMinimumWidth(3, 56);

  connect(presentCost_, &NumericField::valueChanged, this,
          [this](double v) { inflation().PresentCost = v; });
  connect(period_, &NumericField::valueChanged, this,
          [this](double v) { inflation().InflationYears = v; });
  connect(rate_, &NumericField::valueChanged, this,
          [this](double v) { inflation().InflationRate = v; });

  chart_ = new ChartView(this);
  chart_->setObjectName(QStringLiteral("chtInflation"));
  chart_->setAccessibleName(QStringLiteral("Future cost and buying power"));
  chart_->setTitle(QStringLiteral("Future cost and buying power"));
  chart_->setAxisTitles(QStringLiteral("Year"), QStringLiteral("Rand"));
  chart_->setFixedSize(460, 280);
  setForm(grid, chart_);
}

InflationState& InflationWindow::inflation() const { return context().state.Inflation; }

void InflationWindow::activated() {
  const InflationState shared = inflation();
  presentCost_->setValue(shared.PresentCost);
  period_->setValue(shared.InflationYears);
  rate_->setValue(shared.InflationRate);
  recalculate();
}

void InflationWindow::calculate() {
  InflationState& state = inflation();
  const InflationResult result = ProjectInflation(state);
  state.FutureCost = result.FutureCost;
  state.BuyingPower = result.BuyingPower;
  futureCost_->setVisible(!result.TooLarge);
  tooLarge_->setVisible(result.TooLarge);
  if (!result.TooLarge) futureCost_->setValue(result.FutureCost);
  buyingPower_->setValue(result.BuyingPower);
  showChart();
}

void InflationWindow::showChart() {
  ChartSeries future{"Future cost", {}, ChartSeries::Kind::Line};
  ChartSeries power{"Buying power", {}, ChartSeries::Kind::Line};
  InflationState year = inflation();
  // As many years as the projection takes: whole, 0 to 40.
  const int years =
      static_cast<int>(std::clamp(std::floor(year.InflationYears), 0.0, InflationYearsMax));
  for (int y = 0; y <= years; ++y) {
    year.InflationYears = y;
    const InflationResult r = ProjectInflation(year);
    // A future cost too large for its field is not drawn either: its line ends
    // at the last year that can be shown.
    if (!r.TooLarge) future.points.push_back({static_cast<double>(y), r.FutureCost});
    power.points.push_back({static_cast<double>(y), r.BuyingPower});
  }
  chart_->setSeries({future, power});
}

std::optional<Report> InflationWindow::report() { return InflationReport(inflation()); }

void InflationWindow::stepRate(bool up, bool fromKeyboard) {
  bool wrapped = false;
  const double rate = StepInflationRate(inflation().InflationRate, up, wrapped);
  if (wrapped) beep();
  rate_->setValue(rate);
  inflation().InflationRate = rate;
  afterStep(fromKeyboard);
}

void InflationWindow::stepPeriod(bool up, bool fromKeyboard) {
  // With no period the spin has nothing to step: it only hands the focus on.
  if (inflation().InflationYears == 0) {
    if (!fromKeyboard) okButton()->setFocus(Qt::OtherFocusReason);
    return;
  }
  bool wrapped = false;
  const double years = StepInflationYears(inflation().InflationYears, up, wrapped);
  if (wrapped) beep();
  period_->setValue(years);
  inflation().InflationYears = years;
  afterStep(fromKeyboard);
}

void InflationWindow::afterStep(bool fromKeyboard) {
  recalculate();
  if (!fromKeyboard) okButton()->setFocus(Qt::OtherFocusReason);
}

}  // namespace reventa
