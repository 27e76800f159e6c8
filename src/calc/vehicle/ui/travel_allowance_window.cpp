// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/vehicle/ui/travel_allowance_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "calc/vehicle/travel_claim.h"
#include "calc/vehicle/ui/travel_escape_memory.h"
#include "calc/vehicle/ui/travel_result_panels.h"
#include "frame/form.h"
#include "store/reports/vehicle_reports.h"
#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/date_field.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmCarAll1"), [](AppContext& c) { return new TravelAllowanceWindow(c); });

constexpr FieldEntry Rand(const char* name, const char* caption) {
  return {name, caption, "R", "", FieldLook::Amount, 0, 110};
}
constexpr FieldEntry Km(const char* name, const char* caption, const char* unit = "") {
  return {name, caption, "", unit, FieldLook::Distance, 0, 110};
}

// The whole-number fields of the window, silgEdit1 to silgEdit11, in the order
// of TravelClaimRanges. Their focus numbers for Escape run from 2 to 12.
constexpr FieldEntry kAmounts[] = {
    Rand("silgEdit1", "Original value of vehicle "),
    Rand("silgEdit2", "Allowance received        "),
    Km("silgEdit3", "Close km reading"),
    Km("silgEdit4", "Open km reading"),
    Km("silgEdit5", "Business km", " (if kept)"),
    Rand("silgEdit6", "Fuel/Oil                        "),
    Rand("silgEdit7", "Repairs/Miantenance     "),
    Rand("silgEdit8", "Insurance/Licence         "),
    Rand("silgEdit9", "Other expenses             "),
    Rand("silgEdit10", "Wear and tear               "),
    Rand("silgEdit11", "Lease payments             "),
};
constexpr FieldEntry kStart{"dtCarAlStartDate", "Start Date", "", "", FieldLook::Number, 0, 110};
constexpr FieldEntry kEnd{"dtCarAlEndDate", "End Date", "", "", FieldLook::Number, 0, 110};
constexpr FieldEntry kPeriod{
    "silgEdit12",  "Period (number of days)", "", "", FieldLook::Number, 0, 60, nullptr, false,
    Qt::AlignRight};
constexpr std::size_t kFirstCost = 5;  // silgEdit6, fuel and oil
constexpr std::size_t kWearAndTear = 9;
constexpr std::size_t kLease = 10;
constexpr int kCarFocus = 1;
constexpr int kStartFocus = 14;
constexpr int kEndFocus = 15;

// The columns of the inputs' grid: the form's caption, "R", field and unit.
constexpr FormColumns kColumns{};

bool IsEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

TravelAllowanceWindow::TravelAllowanceWindow(AppContext& context)
    : CalculatorWindow(context, QStringLiteral("frmCarAll1"), QStringLiteral("Travel Allowance")),
      grid_(new QGridLayout),
      escape_(new TravelEscapeMemory(this)) {
  grid_->setVerticalSpacing(3);
  buildInputs();

  includeFuel_ = new QCheckBox(QStringLiteral("Include Fuel Costs"), this);
  includeFuel_->setObjectName(QStringLiteral("Check1"));
  includeMaintenance_ = new QCheckBox(QStringLiteral("Include Maintenance Costs"), this);
  includeMaintenance_->setObjectName(QStringLiteral("Check2"));
  // Top to bottom, the inputs before the include boxes beside the results.
  addToTabOrder(includeFuel_);
  addToTabOrder(includeMaintenance_);
  deemed_ = new DeemedCostPanel(*this);
  actual_ = new ActualCostPanel(*this);
  panels_ = new QStackedWidget(this);
  panels_->addWidget(deemed_);
  panels_->addWidget(actual_);
  auto* results = new QVBoxLayout;
  results->addWidget(includeFuel_);
  results->addWidget(includeMaintenance_);
  results->addSpacing(4);
  results->addWidget(panels_);
  results->addStretch();

  auto* columns = new QHBoxLayout;
  columns->addLayout(grid_);
  columns->addSpacing(16);
  columns->addLayout(results);
  columns->addStretch();

  layOut(columns, 6,
         {{"&Calculate", "cmdCalculate"}, {"&Print", "cmdPrint"}, kStretch, {"&OK", "cmdOk"}});
  PrintPanelOptions panel;
  panel.objectName = QStringLiteral("Frame1");
  panel.nameCaption = QStringLiteral("Employee name :");
  panel.nameField = QStringLiteral("Text3");
  panel.nameWidth = 240;
  QPushButton* print = command(QStringLiteral("cmdPrint"));
  setUpPrinting({panel}, print, print);

  connectInputs();
  loadState();
}

void TravelAllowanceWindow::buildInputs() {
  // The car's description across the columns, then the records choice.
  car_ = new QLineEdit(this);
  car_->setObjectName(QStringLiteral("Text1"));
  car_->setMaxLength(TravelCarDescriptionLength);
  car_->setMinimumWidth(220);
  car_->setAccessibleName(QStringLiteral("Car"));
  auto* carCaption = new QLabel(QStringLiteral("Car :"), this);
  carCaption->setBuddy(car_);
  grid_->addWidget(carCaption, 0, kColumns.caption);
  grid_->addWidget(car_, 0, kColumns.mark, 1, 3);
  calculateOnEnter(car_);
  escape_->add(car_, kCarFocus);

  noRecords_ = new QRadioButton(QStringLiteral("&No"), this);
  noRecords_->setObjectName(QStringLiteral("Option3"));
  noRecords_->setAccessibleName(QStringLiteral("Accurate record kept: No"));
  recordsKept_ = new QRadioButton(QStringLiteral("&Yes"), this);
  recordsKept_->setObjectName(QStringLiteral("Option4"));
  recordsKept_->setAccessibleName(QStringLiteral("Accurate record kept: Yes"));
  auto* group = new QButtonGroup(this);
  auto* options = new QHBoxLayout;
  for (QRadioButton* option : {noRecords_, recordsKept_}) {
    group->addButton(option);
    options->addWidget(option);
  }
  options->addStretch();
  auto* recordsCaption = new QLabel(QStringLiteral("Accurate record kept"), this);
  recordsCaption->setBuddy(noRecords_);
  grid_->addWidget(recordsCaption, 1, kColumns.caption);
  grid_->addLayout(options, 1, kColumns.field, 1, 2);
  for (QWidget* w : std::initializer_list<QWidget*>{car_, noRecords_, recordsKept_}) {
    addToTabOrder(w);
  }

  Form form(*this, grid_);
  form.setRow(2);
  for (std::size_t i = 0; i < amounts_.size(); ++i) {
    // A gap between the distances and the actual costs.
    if (i == kFirstCost) form.gap(6);
    const InputField<TravelClaimInputs>& input = TravelClaimRanges[i];
    // Wear and tear and lease payments are stored once the other is checked.
    amounts_[i] = i == kWearAndTear || i == kLease
                      ? form.input(kAmounts[i], input.Range)
                      : form.input(kAmounts[i], input, travel().Inputs);
    escape_->add(amounts_[i], static_cast<int>(i) + 2);
  }

  form.gap(6);
  start_ = form.date(kStart, TaxYearDateRange);
  end_ = form.date(kEnd, TaxYearDateRange);
  setUpTaxYearDates(start_, end_, true);
  escape_->add(start_, kStartFocus);
  escape_->add(end_, kEndFocus);

  // With records kept the period does not apply; a blank box covers its value.
  period_ = form.result(kPeriod);
  periodCover_ = new QLineEdit(this);
  periodCover_->setObjectName(QStringLiteral("txtPeriodCover"));
  periodCover_->setReadOnly(true);
  periodCover_->setEnabled(false);
  periodCover_->setFocusPolicy(Qt::NoFocus);
  periodCover_->setFixedWidth(60);
  grid_->addWidget(periodCover_, form.row() - 1, kColumns.field, Qt::AlignRight);
  grid_->setRowStretch(form.row(), 1);
  grid_->setColumnMinimumWidth(kColumns.mark, 14);
}

void TravelAllowanceWindow::connectInputs() {
  connect(car_, &QLineEdit::textChanged, this,
          [this](const QString& text) { travel().CarDescription = text.toStdString(); });
  connect(recordsKept_, &QRadioButton::toggled, this, [this](bool kept) {
    if (loading_) return;
    // The panels and fields change; the figures wait for the next calculation.
    travel().RecordsKept = kept;
    applyMode();
  });
  for (const std::size_t i : {kWearAndTear, kLease}) {
    connect(amounts_[i], &NumericField::valueChanged, this,
            [this, i](double v) { checkSinglePayment(i, v); });
  }
  connect(includeFuel_, &QCheckBox::toggled, this, [this](bool on) {
    travel().Inputs.IncludeFuel = on;
    if (!loading_) calculate();
  });
  connect(includeMaintenance_, &QCheckBox::toggled, this, [this](bool on) {
    travel().Inputs.IncludeMaintenance = on;
    if (!loading_) calculate();
  });
  for (QWidget* w : std::initializer_list<QWidget*>{noRecords_, recordsKept_, includeFuel_,
                                                    includeMaintenance_}) {
    w->installEventFilter(this);
  }
  connect(command(QStringLiteral("cmdCalculate")), &QPushButton::clicked, this,
          &TravelAllowanceWindow::calculate);
}

void TravelAllowanceWindow::loadState() {
  const TravelAllowanceState& t = travel();
  loading_ = true;
  car_->setText(QString::fromStdString(t.CarDescription));
  (t.RecordsKept ? recordsKept_ : noRecords_)->setChecked(true);
  includeFuel_->setChecked(t.Inputs.IncludeFuel);
  includeMaintenance_->setChecked(t.Inputs.IncludeMaintenance);
  const TravelClaimInputs stored = t.Inputs;
  for (std::size_t i = 0; i < amounts_.size(); ++i)
    amounts_[i]->setValue(ValueOf(TravelClaimRanges[i], stored));
  start_->setValue(TaxYearStart);
  end_->setValue(TaxYearEnd);
  loading_ = false;
  applyMode();
  calculate();
}

void TravelAllowanceWindow::applyMode() {
  const bool kept = travel().RecordsKept;
  // The value and the distances count for both methods; the costs only with
  // records, the period of the two dates only without.
  for (std::size_t i = kFirstCost; i < amounts_.size(); ++i) enableRow(amounts_[i], kept);
  for (QWidget* w : std::initializer_list<QWidget*>{start_, end_, period_}) enableRow(w, !kept);
  period_->setVisible(!kept);
  periodCover_->setVisible(kept);
  panels_->setCurrentWidget(kept ? static_cast<QWidget*>(actual_) : deemed_);
  findChild<QLabel*>(QStringLiteral("lblUnit_silgEdit5"))->setVisible(!kept);
}

void TravelAllowanceWindow::enableRow(QWidget* field, bool enabled) {
  int row = 0;
  int column = 0;
  int rows = 0;
  int columns = 0;
  grid_->getItemPosition(grid_->indexOf(field), &row, &column, &rows, &columns);
  const int at = row;
  for (int i = 0; i < grid_->count(); ++i) {
    grid_->getItemPosition(i, &row, &column, &rows, &columns);
    if (QWidget* w = grid_->itemAt(i)->widget(); w != nullptr && row == at) w->setEnabled(enabled);
  }
}

bool TravelAllowanceWindow::calculate() {
  // A date still being typed is checked first, as leaving the field would.
  if (!start_->commit() || !end_->commit()) return false;
  const BusyCursor busy;
  CalculateTravelAllowance(travel(), start_->value(), end_->value());
  showResults();
  return true;
}

void TravelAllowanceWindow::showResults() {
  const TravelAllowanceState& t = travel();
  period_->setValue(t.Inputs.PeriodDays);
  if (!DeemedCostInputsComplete(t.Inputs)) {
    deemed_->showZeros();
  } else if (!t.RecordsKept) {
    deemed_->showResults(t.Results, t.Inputs.PeriodDays);
  }
  if (t.RecordsKept) actual_->showResults(t.Results);
}

double TravelAllowanceWindow::startDate() const { return start_->value(); }

double TravelAllowanceWindow::endDate() const { return end_->value(); }

bool TravelAllowanceWindow::beforePrint() { return calculate(); }

std::optional<Report> TravelAllowanceWindow::report() {
  return TravelAllowanceReport(travel(), printPanel()->name(), start_->value(), end_->value());
}

void TravelAllowanceWindow::checkSinglePayment(std::size_t i, double value) {
  NumericField* changed = amounts_[i];
  if (!loading_ && value > 0 && amounts_[i == kLease ? kWearAndTear : kLease]->value() >= 1) {
    context().messages.Error(this, QString::fromLatin1(SinglePaymentTitle),
                             QString::fromLatin1(SinglePaymentText));
    // Setting 0 comes back here and stores it.
    changed->setValue(0);
    changed->setFocus();
    return;
  }
  SetValue(TravelClaimRanges[i], travel().Inputs, value);
}

void TravelAllowanceWindow::enterPressed() {
  if (calculate()) command(QStringLiteral("cmdOk"))->setFocus();
}

bool TravelAllowanceWindow::eventFilter(QObject* watched, QEvent* event) {
  // Enter on an option or a box calculates as it does in a field; the fields
  // report it themselves once their entry is checked.
  if (event->type() == QEvent::KeyPress && IsEnter(*static_cast<QKeyEvent*>(event))) {
    enterPressed();
    return true;
  }
  return CalculatorWindow::eventFilter(watched, event);
}

void TravelAllowanceWindow::closeEvent(QCloseEvent* event) {
  // Every way of closing calculates first, so the shared results match the
  // inputs; "Initialise All" discards the window with the state it reset.
  if (!discarding() && !calculate()) {
    // A date being typed was refused; the window stays open on it.
    event->ignore();
    return;
  }
  CalculatorWindow::closeEvent(event);
}

TravelAllowanceState& TravelAllowanceWindow::travel() const { return context().state.Travel; }

}  // namespace reventa
