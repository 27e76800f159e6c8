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
#include "store/reports/vehicle_reports.h"
#include "taxyear/shared_state.h"
#include "taxyear/tax_year.h"
#include "widgets/busy_cursor.h"
#include "widgets/command_button.h"
#include "widgets/date_field.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmCarAll1"), [](AppContext& c) { return new TravelAllowanceWindow(c); });

const QString kDateTitle = QStringLiteral("Incorrect Date");

// The whole-number fields of the window, silgEdit1 to silgEdit11, with the
// inputs they feed. Their focus numbers for Escape run from 2 to 12.
struct AmountRow {
  const char* name;
  const char* label;
  bool rand;
  double TravelClaimInputs::*input;
};
constexpr AmountRow kAmounts[] = {
    {"silgEdit1", "Original value of vehicle ", true, &TravelClaimInputs::VehicleValue},
    {"silgEdit2", "Allowance received        ", true, &TravelClaimInputs::AllowanceReceived},
    {"silgEdit3", "Close km reading", false, &TravelClaimInputs::ClosingKm},
    {"silgEdit4", "Open km reading", false, &TravelClaimInputs::OpeningKm},
    {"silgEdit5", "Business km", false, &TravelClaimInputs::RecordedBusinessKm},
    {"silgEdit6", "Fuel/Oil                        ", true, &TravelClaimInputs::FuelOilCost},
    {"silgEdit7", "Repairs/Miantenance     ", true, &TravelClaimInputs::RepairsCost},
    {"silgEdit8", "Insurance/Licence         ", true, &TravelClaimInputs::InsuranceLicenceCost},
    {"silgEdit9", "Other expenses             ", true, &TravelClaimInputs::OtherCost},
    {"silgEdit10", "Wear and tear               ", true, &TravelClaimInputs::WearAndTear},
    {"silgEdit11", "Lease payments             ", true, &TravelClaimInputs::LeasePayments},
};
constexpr std::size_t kFirstCost = 5;  // silgEdit6, fuel and oil
constexpr std::size_t kWearAndTear = 9;
constexpr std::size_t kLease = 10;
constexpr int kCarFocus = 1;
constexpr int kStartFocus = 14;
constexpr int kEndFocus = 15;

// The columns of the inputs' grid.
constexpr int kCaption = 0;
constexpr int kRand = 1;
constexpr int kField = 2;
constexpr int kNote = 3;

bool IsEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

TravelAllowanceWindow::TravelAllowanceWindow(AppContext& context)
    : CalculatorWindow(context, QStringLiteral("frmCarAll1"), QStringLiteral("Travel Allowance")),
      escape_(new TravelEscapeMemory(this)) {
  auto* inputs = new QGridLayout;
  inputs->setVerticalSpacing(3);
  buildInputs(inputs);

  includeFuel_ = new QCheckBox(QStringLiteral("Include Fuel Costs"), this);
  includeFuel_->setObjectName(QStringLiteral("Check1"));
  includeMaintenance_ = new QCheckBox(QStringLiteral("Include Maintenance Costs"), this);
  includeMaintenance_->setObjectName(QStringLiteral("Check2"));
  deemed_ = new DeemedCostPanel(this);
  actual_ = new ActualCostPanel(this);
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
  columns->addLayout(inputs);
  columns->addSpacing(16);
  columns->addLayout(results);
  columns->addStretch();

  const auto button = [this](const char* caption, const char* name) {
    return NewCommandButton(caption, name, this);
  };
  calculate_ = button("&Calculate", "cmdCalculate");
  print_ = button("&Print", "cmdPrint");
  ok_ = button("&OK", "cmdOk");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(calculate_);
  buttons->addWidget(print_);
  buttons->addStretch();
  buttons->addWidget(ok_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->addStretch();
  PrintPanelOptions panel;
  panel.objectName = QStringLiteral("Frame1");
  panel.nameCaption = QStringLiteral("Employee name :");
  panel.nameField = QStringLiteral("Text3");
  panel.nameWidth = 240;
  panel.focus = PrintPanelOptions::Focus::Print;
  setUpPrinting({panel}, print_, print_);

  // Top to bottom, the inputs before the include boxes beside the results.
  QList<QWidget*> chain{car_, noRecords_, recordsKept_};
  for (NumericField* f : amounts_) chain.append(f);
  chain << start_ << end_ << includeFuel_ << includeMaintenance_ << calculate_ << print_ << ok_;
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);

  connectInputs();
  loadState();
}

void TravelAllowanceWindow::buildInputs(QGridLayout* grid) {
  int row = 0;
  const auto caption = [this, grid, &row](const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, this);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text.trimmed().remove(QLatin1Char(':')).trimmed());
    grid->addWidget(label, row, kCaption);
    return label;
  };

  car_ = new QLineEdit(this);
  car_->setObjectName(QStringLiteral("Text1"));
  car_->setMaxLength(25);
  car_->setMinimumWidth(220);
  escape_->add(car_, kCarFocus);
  caption(QStringLiteral("Car :"), car_);
  grid->addWidget(car_, row++, kRand, 1, 3);

  noRecords_ = new QRadioButton(QStringLiteral("&No"), this);
  noRecords_->setObjectName(QStringLiteral("Option3"));
  recordsKept_ = new QRadioButton(QStringLiteral("&Yes"), this);
  recordsKept_->setObjectName(QStringLiteral("Option4"));
  auto* group = new QButtonGroup(this);
  group->addButton(noRecords_);
  group->addButton(recordsKept_);
  auto* options = new QHBoxLayout;
  options->addWidget(noRecords_);
  options->addWidget(recordsKept_);
  options->addStretch();
  caption(QStringLiteral("Accurate record kept"), noRecords_);
  noRecords_->setAccessibleName(QStringLiteral("Accurate record kept: No"));
  recordsKept_->setAccessibleName(QStringLiteral("Accurate record kept: Yes"));
  grid->addLayout(options, row++, kField, 1, 2);

  for (std::size_t i = 0; i < amounts_.size(); ++i) {
    const AmountRow& a = kAmounts[i];
    // A gap between the distances and the actual costs.
    if (i == kFirstCost) grid->setRowMinimumHeight(row++, 6);
    auto* f = new NumericField(this);
    f->setObjectName(QString::fromLatin1(a.name));
    f->setDecimals(0);
    f->setRange(0, TravelFieldMax);
    if (!a.rand) f->setKindName(QStringLiteral("Whole kilometres"));
    f->setFixedWidth(110);
    escape_->add(f, static_cast<int>(i) + 2);
    amounts_[i] = f;
    amountCaptions_[i] = caption(QString::fromLatin1(a.label), f);
    if (a.rand) {
      randMarks_[i] = new QLabel(QStringLiteral("R"), this);
      grid->addWidget(randMarks_[i], row, kRand, Qt::AlignRight);
    }
    grid->addWidget(f, row, kField);
    if (i == 4) {
      ifKept_ = new QLabel(QStringLiteral(" (if kept)"), this);
      grid->addWidget(ifKept_, row, kNote);
    }
    ++row;
  }

  grid->setRowMinimumHeight(row++, 6);
  start_ = new DateField(this);
  start_->setObjectName(QStringLiteral("dtCarAlStartDate"));
  end_ = new DateField(this);
  end_->setObjectName(QStringLiteral("dtCarAlEndDate"));
  escape_->add(start_, kStartFocus);
  escape_->add(end_, kEndFocus);
  for (DateField* d : {start_, end_}) {
    d->setFixedWidth(110);
    d->setRange(TaxYearStart, TaxYearEnd);
  }
  startCaption_ = caption(QStringLiteral("Start Date"), start_);
  grid->addWidget(start_, row++, kField);
  endCaption_ = caption(QStringLiteral("End Date"), end_);
  grid->addWidget(end_, row++, kField);

  // With records kept the period does not apply; a blank box covers its value.
  period_ = new NumericField(this);
  period_->setObjectName(QStringLiteral("silgEdit12"));
  period_->setOutput(true);
  period_->setDecimals(0);
  period_->setFixedWidth(60);
  auto* blank = new QLineEdit(this);
  blank->setObjectName(QStringLiteral("txtPeriodCover"));
  blank->setReadOnly(true);
  blank->setEnabled(false);
  blank->setFocusPolicy(Qt::NoFocus);
  blank->setFixedWidth(60);
  periodCover_ = new QStackedWidget(this);
  periodCover_->addWidget(period_);
  periodCover_->addWidget(blank);
  periodCover_->setFixedWidth(60);
  periodCaption_ = caption(QStringLiteral("Period (number of days)"), period_);
  grid->addWidget(periodCover_, row++, kField, Qt::AlignRight);
  grid->setRowStretch(row, 1);
  grid->setColumnMinimumWidth(kRand, 14);
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
  for (std::size_t i = 0; i < amounts_.size(); ++i) {
    const auto input = kAmounts[i].input;
    if (i == kWearAndTear || i == kLease) {
      NumericField* other = amounts_[i == kLease ? kWearAndTear : kLease];
      connect(amounts_[i], &NumericField::valueChanged, this, [this, i, other, input](double v) {
        checkSinglePayment(amounts_[i], other, v, travel().Inputs.*input);
      });
    } else {
      connect(amounts_[i], &NumericField::valueChanged, this,
              [this, input](double v) { travel().Inputs.*input = v; });
    }
  }
  // Each date's bound that follows the other date is refreshed as the field is
  // entered, so the start never passes the end.
  connect(start_, &DateField::entered, this, [this] { start_->setMaximum(end_->value()); });
  connect(end_, &DateField::entered, this, [this] { end_->setMinimum(start_->value()); });
  connect(start_, &DateField::refused, this, [this] { onDateRefused(start_); });
  connect(end_, &DateField::refused, this, [this] { onDateRefused(end_); });
  connect(includeFuel_, &QCheckBox::toggled, this, [this](bool on) {
    travel().Inputs.IncludeFuel = on;
    if (!loading_) calculate();
  });
  connect(includeMaintenance_, &QCheckBox::toggled, this, [this](bool on) {
    travel().Inputs.IncludeMaintenance = on;
    if (!loading_) calculate();
  });

  for (QLineEdit* edit : {car_, static_cast<QLineEdit*>(start_), static_cast<QLineEdit*>(end_)}) {
    connect(edit, &QLineEdit::returnPressed, this, &TravelAllowanceWindow::calculateAndFocusOk);
  }
  for (NumericField* f : amounts_) {
    connect(f, &QLineEdit::returnPressed, this, &TravelAllowanceWindow::calculateAndFocusOk);
  }
  for (QWidget* w :
       {static_cast<QWidget*>(noRecords_), static_cast<QWidget*>(recordsKept_),
        static_cast<QWidget*>(includeFuel_), static_cast<QWidget*>(includeMaintenance_)}) {
    w->installEventFilter(this);
  }
  connect(calculate_, &QPushButton::clicked, this, &TravelAllowanceWindow::calculate);
  connect(ok_, &QPushButton::clicked, this, &TravelAllowanceWindow::closeWindow);
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
    amounts_[i]->setValue(stored.*kAmounts[i].input);
  start_->setValue(TaxYearStart);
  end_->setValue(TaxYearEnd);
  loading_ = false;
  applyMode();
  calculate();
}

void TravelAllowanceWindow::applyMode() {
  const bool kept = travel().RecordsKept;
  const auto enable = [this](std::size_t i, bool on) {
    amounts_[i]->setEnabled(on);
    amountCaptions_[i]->setEnabled(on);
    if (randMarks_[i] != nullptr) randMarks_[i]->setEnabled(on);
  };
  // With records the value keeps its state: it still counts when no reading
  // was given.
  if (!kept) enable(0, true);
  for (std::size_t i = 1; i < kFirstCost; ++i) enable(i, true);
  for (std::size_t i = kFirstCost; i < amounts_.size(); ++i) enable(i, kept);
  for (QWidget* w :
       std::initializer_list<QWidget*>{start_, end_, startCaption_, endCaption_, periodCaption_}) {
    w->setEnabled(!kept);
  }
  periodCover_->setCurrentIndex(kept ? 1 : 0);
  panels_->setCurrentWidget(kept ? static_cast<QWidget*>(actual_) : deemed_);
  ifKept_->setVisible(!kept);
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

void TravelAllowanceWindow::onDateRefused(DateField* field) {
  const std::string text =
      field == start_ ? TaxYearDateMessage() : TaxYearDateMessage(start_->value());
  context().messages.Error(this, kDateTitle, QString::fromStdString(text));
  if (isVisible()) {
    field->setFocus();
  } else {
    field->setValue(field == start_ ? TaxYearStart : TaxYearEnd);
  }
}

void TravelAllowanceWindow::checkSinglePayment(NumericField* changed, NumericField* other,
                                               double value, double& target) {
  if (!loading_ && value > 0 && other->value() >= 1) {
    context().messages.Error(this, QString::fromLatin1(SinglePaymentTitle),
                             QString::fromLatin1(SinglePaymentText));
    // Setting 0 comes back here and stores it.
    changed->setValue(0);
    changed->setFocus();
    return;
  }
  target = value;
}

void TravelAllowanceWindow::calculateAndFocusOk() {
  if (calculate()) ok_->setFocus();
}

bool TravelAllowanceWindow::eventFilter(QObject* watched, QEvent* event) {
  // Enter on an option or a box calculates as it does in a field; the fields
  // report it themselves once their entry is checked.
  if (event->type() == QEvent::KeyPress && IsEnter(*static_cast<QKeyEvent*>(event))) {
    calculateAndFocusOk();
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
