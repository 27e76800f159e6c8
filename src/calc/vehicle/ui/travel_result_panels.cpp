#include "calc/vehicle/ui/travel_result_panels.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include "calc/vehicle/travel_claim.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

// The columns of the deemed panel's grid: a caption, the "R" before amounts, the
// figure, its unit, then for the fixed cost the "x" and the days fraction.
constexpr int kCaption = 0;
constexpr int kRand = 1;
constexpr int kFigure = 2;
constexpr int kUnit = 3;
constexpr int kTimes = 4;
constexpr int kDays = 5;
constexpr int kDaysUnit = 6;

NumericField* NewResult(QWidget* parent, const QString& name, int decimals, int width = 110) {
  auto* field = new NumericField(parent);
  field->setObjectName(name);
  field->setOutput(true);
  field->setDecimals(decimals);
  field->setFixedWidth(width);
  return field;
}

QLabel* NewLabel(QWidget* parent, const QString& text, QWidget* buddy = nullptr) {
  auto* label = new QLabel(text, parent);
  if (buddy != nullptr) {
    label->setBuddy(buddy);
    buddy->setAccessibleName(text.trimmed());
  }
  return label;
}

QFrame* FractionLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Plain);
  return line;
}

}  // namespace

DeemedCostPanel::DeemedCostPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Deemed cost method"), parent) {
  setObjectName(QStringLiteral("fraNoRecords"));
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(3);
  int row = 0;

  // Whole kilometres: without records the claim needs the log book's business
  // distance, so every distance here is a whole number.
  const char* const distances[] = {"Business distance", "Private distance", "Total distance"};
  for (int i = 0; i < 3; ++i) {
    NumericField* f = NewResult(this, QStringLiteral("sidbEdit3_%1").arg(i), 0);
    grid->addWidget(NewLabel(this, QString::fromLatin1(distances[i]), f), row, kCaption);
    grid->addWidget(f, row, kFigure);
    grid->addWidget(new QLabel(QStringLiteral("km"), this), row++, kUnit);
  }
  grid->setRowMinimumHeight(row++, 6);

  // The fixed cost per km: R FixedCost over TotalKm "Kms.", times the period's
  // days over 366 days.
  NumericField* fixedCost = NewResult(this, QStringLiteral("sidbEdit3_3"), 0);
  NumericField* totalKm = NewResult(this, QStringLiteral("silgEdit13_4"), 0);
  NumericField* periodDays = NewResult(this, QStringLiteral("sidbEdit3_4"), 0, 60);
  NumericField* yearDays = NewResult(this, QStringLiteral("silgEdit13_6"), 0, 60);
  grid->addWidget(NewLabel(this, QStringLiteral("Fixed cost"), fixedCost), row, kCaption);
  grid->addWidget(new QLabel(QStringLiteral("R"), this), row, kRand, Qt::AlignRight);
  grid->addWidget(fixedCost, row, kFigure);
  grid->addWidget(periodDays, row, kDays);
  grid->addWidget(new QLabel(QStringLiteral("days"), this), row++, kDaysUnit);
  grid->addWidget(FractionLine(this), row, kFigure, 1, kUnit - kFigure + 1);
  grid->addWidget(new QLabel(QStringLiteral("x"), this), row, kTimes, Qt::AlignCenter);
  grid->addWidget(FractionLine(this), row++, kDays, 1, 2);
  grid->addWidget(totalKm, row, kFigure);
  grid->addWidget(new QLabel(QStringLiteral("Kms."), this), row, kUnit);
  grid->addWidget(yearDays, row, kDays);
  grid->addWidget(new QLabel(QStringLiteral("days"), this), row++, kDaysUnit);
  totalKm->setAccessibleName(QStringLiteral("Fixed cost: total distance"));
  periodDays->setAccessibleName(QStringLiteral("Fixed cost: days of the period"));
  yearDays->setAccessibleName(QStringLiteral("Fixed cost: days of the year"));
  grid->setRowMinimumHeight(row++, 6);

  // The fuel and maintenance rates of the scale carry one decimal of a cent; the
  // total is rounded to one decimal before it is shown.
  struct Rate {
    const char* label;
    int decimals;
  };
  const Rate rates[] = {
      {"Fixed cost", 2}, {"Fuel costs", 2}, {"Maintenance costs", 2}, {"Total costs", 1}};
  for (int i = 0; i < 4; ++i) {
    NumericField* f = NewResult(this, QStringLiteral("sidbEdit1_%1").arg(i), rates[i].decimals);
    QLabel* caption = NewLabel(this, QString::fromLatin1(rates[i].label), f);
    if (i == 0) f->setAccessibleName(QStringLiteral("Fixed cost per km"));
    if (i == 3) {
      // The sum of the three rates, under a rule.
      grid->addWidget(FractionLine(this), row++, kFigure);
      caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    }
    grid->addWidget(caption, row, kCaption);
    grid->addWidget(f, row, kFigure);
    grid->addWidget(new QLabel(QStringLiteral("cents/km"), this), row++, kUnit, 1, 2);
  }
  grid->setRowMinimumHeight(row++, 6);
  NumericField* claim = NewResult(this, QStringLiteral("sidbEdit1_4"), 2);
  QLabel* claimCaption = NewLabel(this, QStringLiteral("Deduction claim          R"), claim);
  claimCaption->setStyleSheet(QStringLiteral("font-weight: bold;"));
  claim->setAccessibleName(QStringLiteral("Deduction claim"));
  grid->addWidget(claimCaption, row, kCaption, 1, kFigure - kCaption);
  grid->addWidget(claim, row++, kFigure);
  grid->setColumnStretch(kDaysUnit + 1, 1);
  grid->setRowStretch(row, 1);
  showZeros();
}

NumericField* DeemedCostPanel::field(const QString& name) const {
  return findChild<NumericField*>(name);
}

void DeemedCostPanel::showResults(const TravelClaimResults& r, double periodDays) {
  field(QStringLiteral("sidbEdit3_0"))->setValue(r.BusinessKm);
  field(QStringLiteral("sidbEdit3_1"))->setValue(r.PrivateKm);
  field(QStringLiteral("sidbEdit3_2"))->setValue(r.TotalKm);
  field(QStringLiteral("sidbEdit3_3"))->setValue(r.FixedCost);
  field(QStringLiteral("silgEdit13_4"))->setValue(r.TotalKm);
  field(QStringLiteral("sidbEdit3_4"))->setValue(periodDays);
  field(QStringLiteral("silgEdit13_6"))->setValue(TravelYearDays);
  field(QStringLiteral("sidbEdit1_0"))->setValue(r.FixedCentsPerKm);
  field(QStringLiteral("sidbEdit1_1"))->setValue(r.FuelCentsPerKm);
  field(QStringLiteral("sidbEdit1_2"))->setValue(r.MaintenanceCentsPerKm);
  field(QStringLiteral("sidbEdit1_3"))->setValue(r.TotalCentsPerKm);
  field(QStringLiteral("sidbEdit1_4"))->setValue(r.DeductionClaim);
}

void DeemedCostPanel::showZeros() {
  for (NumericField* f : findChildren<NumericField*>()) f->setValue(0);
}

ActualCostPanel::ActualCostPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Actual cost method"), parent) {
  setObjectName(QStringLiteral("fraRecords"));
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(3);
  struct Line {
    const char* label;
    bool rand;
  };
  // Without a log book the distances are split by the deemed rules, pro-rated
  // by the days of the period, which can leave hundredths of a kilometre.
  const Line lines[] = {{"Business Km's", false},   {"Private Km's", false},
                        {"Total Km's", false},      {"Total costs", true},
                        {"Less private use", true}, {"Travel expenses", true},
                        {"Deduction claim", true}};
  int row = 0;
  for (int i = 0; i < 7; ++i) {
    NumericField* f = NewResult(this, QStringLiteral("sidbEdit2_%1").arg(i), 2);
    QLabel* caption = NewLabel(this, QString::fromLatin1(lines[i].label), f);
    if (i == 3 || i == 6) grid->setRowMinimumHeight(row++, 6);
    if (i == 6) caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    grid->addWidget(caption, row, kCaption);
    if (lines[i].rand) grid->addWidget(new QLabel(QStringLiteral("R"), this), row, kRand);
    grid->addWidget(f, row, kFigure);
    if (!lines[i].rand) grid->addWidget(new QLabel(QStringLiteral("km"), this), row, kUnit);
    ++row;
  }
  grid->setColumnStretch(kUnit + 1, 1);
  grid->setRowStretch(row, 1);
}

NumericField* ActualCostPanel::field(const QString& name) const {
  return findChild<NumericField*>(name);
}

void ActualCostPanel::showResults(const TravelClaimResults& r) {
  const double shown[] = {r.BusinessKm,     r.PrivateKm,      r.TotalKm,       r.TotalCosts,
                          r.PrivateUseCost, r.DeductionClaim, r.DeductionClaim};
  for (int i = 0; i < 7; ++i) field(QStringLiteral("sidbEdit2_%1").arg(i))->setValue(shown[i]);
}

}  // namespace reventa
