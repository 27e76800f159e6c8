// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/ui/inflation_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "calc/finance/inflation.h"
#include "store/reports/finance_reports.h"
#include "taxyear/shared_state.h"
#include "widgets/chart_view.h"
#include "widgets/spin_buttons.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmInflation"), [](AppContext& c) { return new InflationWindow(c); });

const FieldEntry kPresentCost{"numPresCost", "Present cost", "R"};
const FieldEntry kPeriod{"numPeriod", "Period", "", "year/s.", FieldLook::Number};
const FieldEntry kRate{"numInflaRate", "Inflation rate", "", "% p.a.", FieldLook::Rate};
const FieldEntry kFutureCost{"numAns1", "Future value/cost", "R", "", FieldLook::Amount, 0};
const FieldEntry kBuyingPower{"numAns2", "Buying power", "R", "", FieldLook::Amount, 0};

}  // namespace

InflationWindow::InflationWindow(AppContext& context)
    : FinanceWindow(context, QStringLiteral("frmInflation"), QStringLiteral("Inflation")) {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(6);
  Form form(*this, grid);
  InflationState& shared = inflation();
  sharedInput(form, kPresentCost, InflationRanges[0], shared);
  period_ = sharedInput(form, kPeriod, InflationRanges[1], shared);
  grid->addWidget(addSpin("spPeriod", QStringLiteral("Period"), period_,
                          [this](bool up, bool keyboard) { stepPeriod(up, keyboard); }),
                  1, 4);
  rate_ = sharedInput(form, kRate, InflationRanges[2], shared);
  grid->addWidget(addSpin("spInflation", QStringLiteral("Inflation rate"), rate_,
                          [this](bool up, bool keyboard) { stepRate(up, keyboard); }),
                  2, 4);
  form.gap(14);
  futureCost_ = form.result(kFutureCost);
  tooLarge_ = new QLabel(QString::fromLatin1(InflationTooLargeText), this);
  tooLarge_->setObjectName(QStringLiteral("lblTooLarge"));
  tooLarge_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
  tooLarge_->hide();
  grid->addWidget(tooLarge_, 4, 2, 1, 3);
  buyingPower_ = form.result(kBuyingPower);
  grid->setRowStretch(6, 1);
  grid->setColumnMinimumWidth(3, 56);

  chart_ = new ChartView(this);
  chart_->setObjectName(QStringLiteral("chtInflation"));
  chart_->setAccessibleName(QStringLiteral("Future cost and buying power"));
  chart_->setTitle(QStringLiteral("Future cost and buying power"));
  chart_->setAxisTitles(QStringLiteral("Year"), QStringLiteral("Rand"));
  chart_->setFixedSize(460, 280);
  setForm(grid, chart_);
}

InflationState& InflationWindow::inflation() const { return context().state.Inflation; }

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
  afterStep(fromKeyboard);
}

void InflationWindow::afterStep(bool fromKeyboard) {
  recalculate();
  if (!fromKeyboard) okButton()->setFocus(Qt::OtherFocusReason);
}

}  // namespace reventa
