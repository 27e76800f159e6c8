// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/vehicle/ui/travel_result_panels.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include "calc/vehicle/travel_claim.h"
#include "frame/calculator_window.h"
#include "frame/form.h"

namespace reventa {
namespace {

// The columns of the panels' grids: the form's caption, "R" before amounts, figure
// and unit, then for the fixed cost the "x" and the days fraction.
constexpr int kCaption = FormColumns{}.caption;
constexpr int kFigure = FormColumns{}.field;
constexpr int kUnit = FormColumns{}.unit;
constexpr int kTimes = 4;
constexpr int kDays = 5;
constexpr int kDaysUnit = 6;

// Whole kilometres: without records the claim needs the log book's business
// distance, so every distance here is a whole number.
constexpr FieldEntry kDistances[] = {
    {"sidbEdit3_0", "Business distance", "", "km", FieldLook::Distance, 0, 110},
    {"sidbEdit3_1", "Private distance", "", "km", FieldLook::Distance, 0, 110},
    {"sidbEdit3_2", "Total distance", "", "km", FieldLook::Distance, 0, 110},
};
// The fixed cost per km: R FixedCost over TotalKm "Kms.", times the period's days
// over 366 days.
constexpr FieldEntry kFixedCost{"sidbEdit3_3", "Fixed cost", "R", "", FieldLook::Amount, 0, 110};
constexpr FieldEntry kTotalKm{"silgEdit13_4",      "", "",  "Kms.",
                              FieldLook::Distance, 0,  110, "Fixed cost: total distance"};
constexpr FieldEntry kPeriodDays{"sidbEdit3_4",     "", "", "days",
                                 FieldLook::Number, 0,  60, "Fixed cost: days of the period"};
constexpr FieldEntry kYearDays{"silgEdit13_6",    "", "", "days",
                               FieldLook::Number, 0,  60, "Fixed cost: days of the year"};
// The fuel and maintenance rates of the scale carry one decimal of a cent; the
// total is rounded to one decimal before it is shown.
constexpr FieldEntry kRates[] = {
    {"sidbEdit1_0", "Fixed cost", "", "", FieldLook::Amount, 2, 110, "Fixed cost per km"},
    {"sidbEdit1_1", "Fuel costs", "", "", FieldLook::Amount, 1, 110},
    {"sidbEdit1_2", "Maintenance costs", "", "", FieldLook::Amount, 1, 110},
    {"sidbEdit1_3", "Total costs", "", "", FieldLook::Amount, 1, 110},
};
constexpr FieldEntry kClaim{"sidbEdit1_4",     "", "",  "",
                            FieldLook::Amount, 2,  110, "Deduction claim"};

// Without a log book the distances are split by the deemed rules, pro-rated by
// the days of the period, which can leave hundredths of a kilometre.
constexpr FieldEntry kActual[] = {
    {"sidbEdit2_0", "Business Km's", "", "km", FieldLook::Distance, 2, 110},
    {"sidbEdit2_1", "Private Km's", "", "km", FieldLook::Distance, 2, 110},
    {"sidbEdit2_2", "Total Km's", "", "km", FieldLook::Distance, 2, 110},
    {"sidbEdit2_3", "Total costs", "R", "", FieldLook::Amount, 2, 110},
    {"sidbEdit2_4", "Less private use", "R", "", FieldLook::Amount, 2, 110},
    {"sidbEdit2_5", "Travel expenses", "R", "", FieldLook::Amount, 2, 110},
    {"sidbEdit2_6", "Deduction claim", "R", "", FieldLook::Amount, 2, 110},
};

QFrame* FractionLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Plain);
  return line;
}

// The panel's grid, its rows close together.
QGridLayout* PanelGrid(QGroupBox* panel, const char* name) {
  panel->setObjectName(QLatin1String(name));
  auto* grid = new QGridLayout(panel);
  grid->setVerticalSpacing(3);
  return grid;
}

QLabel* Bold(QLabel* label) {
  label->setStyleSheet(QStringLiteral("font-weight: bold;"));
  return label;
}

QLabel* Caption(const QWidget* panel, const FieldEntry& entry) {
  return panel->findChild<QLabel*>(QStringLiteral("lbl_") + QLatin1String(entry.name));
}

}  // namespace

DeemedCostPanel::DeemedCostPanel(CalculatorWindow& window)
    : QGroupBox(QStringLiteral("Deemed cost method"), &window) {
  QGridLayout* grid = PanelGrid(this, "fraNoRecords");
  Form form(window, grid);
  // The days of the fraction beside the fixed cost.
  Form days(window, grid, {kTimes, kTimes, kDays, kDaysUnit});
  std::size_t n = 0;
  for (const FieldEntry& distance : kDistances) fields_[n++] = form.result(distance);
  form.gap(6);

  days.setRow(form.row());
  fields_[n++] = form.result(kFixedCost);
  NumericField* periodDays = days.result(kPeriodDays);
  grid->addWidget(FractionLine(this), form.row(), kFigure, 1, kUnit - kFigure + 1);
  grid->addWidget(new QLabel(QStringLiteral("x"), this), form.row(), kTimes, Qt::AlignCenter);
  grid->addWidget(FractionLine(this), form.row(), kDays, 1, 2);
  form.setRow(form.row() + 1);
  days.setRow(form.row());
  fields_[n++] = form.result(kTotalKm);
  fields_[n++] = periodDays;
  fields_[n++] = days.result(kYearDays);
  form.gap(6);

  for (const FieldEntry& rate : kRates) {
    // The sum of the three rates, under a rule.
    if (&rate == &kRates[3]) {
      grid->addWidget(FractionLine(this), form.row(), kFigure);
      form.setRow(form.row() + 1);
    }
    fields_[n++] = form.result(rate);
    grid->addWidget(new QLabel(QStringLiteral("cents/km"), this), form.row() - 1, kUnit, 1, 2);
  }
  Bold(Caption(this, kRates[3]));
  form.gap(6);
  fields_[n] = form.makeResult(kClaim);
  QLabel* claim = Bold(new QLabel(QStringLiteral("Deduction claim          R"), this));
  claim->setBuddy(fields_[n]);
  grid->addWidget(claim, form.row(), kCaption, 1, kFigure - kCaption);
  grid->addWidget(fields_[n], form.row(), kFigure);
  grid->setColumnStretch(kDaysUnit + 1, 1);
  grid->setRowStretch(form.row() + 1, 1);
  showZeros();
}

void DeemedCostPanel::showResults(const TravelClaimResults& r, double periodDays) {
  const double shown[] = {r.BusinessKm,      r.PrivateKm,
                          r.TotalKm,         r.FixedCost,
                          r.TotalKm,         periodDays,
                          TravelYearDays,    r.FixedCentsPerKm,
                          r.FuelCentsPerKm,  r.MaintenanceCentsPerKm,
                          r.TotalCentsPerKm, r.DeductionClaim};
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setValue(shown[i]);
}

void DeemedCostPanel::showZeros() {
  for (NumericField* f : fields_) f->setValue(0);
}

ActualCostPanel::ActualCostPanel(CalculatorWindow& window)
    : QGroupBox(QStringLiteral("Actual cost method"), &window) {
  QGridLayout* grid = PanelGrid(this, "fraRecords");
  Form form(window, grid);
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    if (i == 3 || i == 6) form.gap(6);
    fields_[i] = form.result(kActual[i]);
  }
  Bold(Caption(this, kActual[6]));
  grid->setColumnStretch(kUnit + 1, 1);
  grid->setRowStretch(form.row(), 1);
}

void ActualCostPanel::showResults(const TravelClaimResults& r) {
  const double shown[] = {r.BusinessKm,     r.PrivateKm,      r.TotalKm,       r.TotalCosts,
                          r.PrivateUseCost, r.DeductionClaim, r.DeductionClaim};
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setValue(shown[i]);
}

}  // namespace reventa
