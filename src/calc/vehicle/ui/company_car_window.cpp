#include "calc/vehicle/ui/company_car_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calc/vehicle/travel_claim.h"
#include "frame/print_panel.h"
#include "store/reports/vehicle_reports.h"
#include "taxyear/shared_state.h"
#include "taxyear/tax_year.h"
#include "widgets/busy_cursor.h"
#include "widgets/command_button.h"
#include "widgets/date_field.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"
#include "widgets/panel.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmCompCar"), [](AppContext& c) { return new CompanyCarWindow(c); });

const QString kDateTitle = QStringLiteral("Incorrect Date");

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CompanyCarWindow::CompanyCarWindow(AppContext& context)
    : CalculatorWindow(context, QStringLiteral("frmCompCar"),
                       QStringLiteral("Full use of Company Car : ")) {
  QLayout* columns = nullptr;
  form_ = BuildCompanyCarForm(this, &columns);

  add_ = addButton("&Add", "cmdAdd");
  back_ = addButton("&Back", "cmdBack");
  forward_ = addButton("&Forward", "cmdForward");
  delete_ = addButton("&Delete", "cmdDelete");
  calculate_ = addButton("&Calculate", "cmdCalculate");
  print_ = addButton("&Print", "cmdPrint");
  ok_ = addButton("&Ok", "cmdOk");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {add_, back_, forward_, delete_}) buttons->addWidget(b);
  buttons->addStretch();
  for (QPushButton* b : {calculate_, print_, ok_}) buttons->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 6);
  layout->addLayout(columns);
  layout->addSpacing(4);
  layout->addLayout(buttons);
  // The print panel opens below the buttons: the room it adds stays below them.
  layout->addStretch(1);
  PrintPanelOptions panel;
  panel.objectName = QStringLiteral("Frame1");
  setUpPrinting({panel}, print_, ok_);

  QList<QWidget*> chain = form_.tabOrder;
  chain << add_ << back_ << forward_ << delete_ << calculate_ << print_ << ok_;
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);

  connectFields();
  connectDates();
  // Enter in any field calculates; nothing happens while Calculate is off.
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    if (edit->isReadOnly() || IsPanel(edit->parentWidget())) continue;
    connect(edit, &QLineEdit::returnPressed, calculate_, &QPushButton::click);
  }
  connect(add_, &QPushButton::clicked, this, &CompanyCarWindow::addCar);
  connect(back_, &QPushButton::clicked, this, [this] { navigate(&MoveToPreviousCar); });
  connect(forward_, &QPushButton::clicked, this, [this] { navigate(&MoveToNextCar); });
  connect(delete_, &QPushButton::clicked, this, &CompanyCarWindow::deleteCar);
  connect(calculate_, &QPushButton::clicked, this, [this] { calculate(); });
  connect(ok_, &QPushButton::clicked, this, &CompanyCarWindow::closeWindow);

  // Opening: an empty register shows its blank entry with everything but the
  // commands off; otherwise the first car, calculated.
  CompanyCarRegister& c = cars();
  if (c.N < 1) {
    c.N = 0;
    c.Current = c.Shown = 0;
    c.AutoCalc3802 = 0;
    c.Entries.resize(1);
    c.Entries[0].BussMilage = 0;
    c.Entries[0].CCStartDate = TaxYearStart;
    c.Entries[0].CCEndDate = TaxYearEnd;
    form_.autoCalc3802->hide();
    showCar();
    enableOnly({add_, ok_, calculate_, print_});
  } else {
    c.Current = 1;
    form_.autoCalc3802->setVisible(c.N > 1);
    showCar();
    if (!car().CCRegNumber.empty()) {
      enableAll(c.N > 1);
      keepSplitFieldDisabled();
    } else {
      applyTypingRule();
    }
    compute();
    c.Shown = 1;
  }
  calculate_->setEnabled(true);
  setCaption();
}

QPushButton* CompanyCarWindow::addButton(const char* caption, const char* name) {
  return NewCommandButton(caption, name, this);
}

CompanyCarRegister& CompanyCarWindow::cars() const { return context().state.Cars; }

CompanyCar& CompanyCarWindow::car() const { return CurrentCar(cars()); }

void CompanyCarWindow::connectFields() {
  // Every input writes into the car on screen as soon as it changes.
  const auto store = [this](NumericField* field, double CompanyCar::*target) {
    connect(field, &NumericField::valueChanged, this, [this, target](double v) {
      if (!showing_) car().*target = v;
    });
  };
  store(form_.price, &CompanyCar::CCPrice);
  store(form_.endMileage, &CompanyCar::EndMileage);
  store(form_.startMileage, &CompanyCar::StartMileage);
  store(form_.totalDistance, &CompanyCar::TotalDistance);
  store(form_.busDistance, &CompanyCar::BusDistance);
  store(form_.actualExpEmployee, &CompanyCar::ActualExpEmployee);
  store(form_.fuelReimbEmployer, &CompanyCar::FuelReimbEmployer);
  store(form_.empPaidInsurance, &CompanyCar::EmpPaidInsurance);
  store(form_.empPaidLicence, &CompanyCar::EmpPaidLicence);
  store(form_.empPaidMaintenance, &CompanyCar::EmpPaidMaintenance);
  store(form_.fb3802ThisCar, &CompanyCar::FB3802ThisCar);
  connect(form_.actual3802, &NumericField::valueChanged, this, [this](double v) {
    if (!showing_) cars().Actual3802 = v;
  });

  const auto storeText = [this](QLineEdit* field, std::string CompanyCar::*target) {
    connect(field, &QLineEdit::textChanged, this, [this, target](const QString& t) {
      if (!showing_) car().*target = t.toStdString();
    });
  };
  storeText(form_.regNumber, &CompanyCar::CCRegNumber);
  storeText(form_.make, &CompanyCar::CCMake);
  storeText(form_.model, &CompanyCar::CCModel);
  storeText(form_.yearOfManufacture, &CompanyCar::YearOfManfact);
  connect(form_.regNumber, &QLineEdit::textChanged, this, [this] {
    if (!showing_) applyTypingRule();
  });

  // The check boxes store 1 or 0 and calculate nothing.
  const auto storeFlag = [this](QCheckBox* box, std::int16_t CompanyCar::*target) {
    connect(box, &QCheckBox::toggled, this, [this, target](bool on) {
      if (!showing_) car().*target = on ? 1 : 0;
    });
  };
  storeFlag(form_.maintIncluded, &CompanyCar::MaintIncluded);
  storeFlag(form_.logBook, &CompanyCar::BussMilage);
  storeFlag(form_.sarsTable, &CompanyCar::SARSTable);
  connect(form_.sarsTable, &QCheckBox::toggled, this, [this](bool on) {
    if (showing_) return;
    // The fuel comes either from the scale or from the actual expenses.
    if (on) {
      form_.actualExpEmployee->setValue(0);
    } else {
      showing_ = true;
      form_.fuelComponent->setValue(0);
      showing_ = false;
    }
  });
  connect(form_.autoCalc3802, &QCheckBox::toggled, this, [this](bool on) {
    if (!showing_) cars().AutoCalc3802 = on ? 1 : 0;
    form_.fb3802ThisCar->setEnabled(!on);
  });

  // The period field only shows the days of use; what is typed is checked
  // against its limit and never stored.
  connect(form_.days, &NumericField::entryRefused, this, [this] {
    context().messages.Error(this, QString::fromLatin1(PeriodTitle),
                             QString::fromLatin1(PeriodText));
    form_.days->setValue(12);
    form_.days->setFocus();
  });
}

void CompanyCarWindow::connectDates() {
  DateField* start = form_.startDate;
  DateField* end = form_.endDate;
  connect(start, &DateField::valueChanged, this, [this](double serial) {
    if (!showing_) car().CCStartDate = serial;
  });
  connect(end, &DateField::valueChanged, this, [this](double serial) {
    if (!showing_) car().CCEndDate = serial;
  });
  // The start never passes the end: each bound that follows the other date is
  // refreshed as its field is entered.
  connect(start, &DateField::entered, this, [start, end] { start->setMaximum(end->value()); });
  connect(end, &DateField::entered, this, [start, end] { end->setMinimum(start->value()); });
  connect(start, &DateField::refused, this, [this, start] {
    context().messages.Error(this, kDateTitle, Text(TaxYearDateMessage()));
    if (isVisible()) {
      start->setFocus();
    } else {
      start->setValue(TaxYearStart);
      car().CCStartDate = TaxYearStart;
    }
  });
  connect(end, &DateField::refused, this, [this, start, end] {
    context().messages.Error(this, kDateTitle, Text(TaxYearDateMessage(start->value())));
    datesWrong_ = true;
    if (isVisible()) {
      end->setFocus();
    } else {
      end->setValue(TaxYearEnd);
      car().CCEndDate = TaxYearEnd;
    }
  });
  end->installEventFilter(this);
}

bool CompanyCarWindow::eventFilter(QObject* watched, QEvent* event) {
  // Before the field checks its text on leaving, which may mark the dates again.
  if (watched == form_.endDate && event->type() == QEvent::FocusOut) datesWrong_ = false;
  return CalculatorWindow::eventFilter(watched, event);
}

void CompanyCarWindow::showCar() {
  const CompanyCar& c = car();
  showing_ = true;
  form_.regNumber->setText(Text(c.CCRegNumber));
  form_.make->setText(Text(c.CCMake));
  form_.model->setText(Text(c.CCModel));
  form_.yearOfManufacture->setText(Text(c.YearOfManfact));
  form_.price->setValue(c.CCPrice);
  form_.maintIncluded->setChecked(c.MaintIncluded == 1);
  // The bounds that follow the other date belong to the car shown before.
  form_.startDate->setRange(TaxYearStart, TaxYearEnd);
  form_.endDate->setRange(TaxYearStart, TaxYearEnd);
  form_.startDate->setValue(c.CCStartDate);
  form_.endDate->setValue(c.CCEndDate);
  form_.endMileage->setValue(c.EndMileage);
  form_.startMileage->setValue(c.StartMileage);
  form_.totalDistance->setValue(c.TotalDistance);
  form_.busDistance->setValue(c.BusDistance);
  form_.logBook->setChecked(c.BussMilage == 1);
  form_.actualExpEmployee->setValue(c.ActualExpEmployee);
  form_.sarsTable->setChecked(c.SARSTable == 1);
  form_.fuelComponent->setValue(c.FuelComponent);
  form_.fuelReimbEmployer->setValue(c.FuelReimbEmployer);
  form_.empPaidInsurance->setValue(c.EmpPaidInsurance);
  form_.empPaidLicence->setValue(c.EmpPaidLicence);
  form_.empPaidMaintenance->setValue(c.EmpPaidMaintenance);
  form_.actual3802->setValue(cars().Actual3802);
  form_.fb3802ThisCar->setValue(c.FB3802ThisCar);
  form_.adjustTaxableInc->setValue(c.AdjustTaxableInc);
  // The box shows whether the split is on, also when adding a second car switched
  // it on: the car's code 3802 field is then worked out, not typed.
  form_.autoCalc3802->setChecked(cars().AutoCalc3802 == 1);
  showing_ = false;
}

void CompanyCarWindow::showRun(const CompanyCarRun& run) {
  const CompanyCarRegister& c = cars();
  const CompanyCar& shown = car();
  const auto at = static_cast<std::size_t>(c.Current - 1);
  // A car without price and distance, or none at all, shows zeros.
  const bool computed =
      c.Current >= 1 && c.Current <= c.N && at < run.Cars.size() && !run.StoppedAtCurrent;
  const CompanyCarResults r = computed ? run.Cars[at] : CompanyCarResults{};
  showing_ = true;
  form_.totalDistance->setValue(shown.TotalDistance);
  form_.busDistance->setValue(shown.BusDistance);
  form_.fb3802ThisCar->setValue(shown.FB3802ThisCar);
  form_.days->setValue(r.DaysUsed);
  form_.privateDistance->setValue(r.PrivateDistance);
  form_.trueInclusionAdjusted->setValue(r.TrueInclusion);
  form_.trueInclusion->setValue(r.TrueInclusion);
  form_.fuelExp->setValue(r.FuelExp);
  form_.adjustTaxableInc->setValue(computed ? shown.AdjustTaxableInc : 0);
  form_.adjustTaxableIncSars->setValue(r.SARSDeductionClaim);
  form_.fuelComponent->setValue(computed ? shown.FuelComponent : 0);
  form_.fuelClaim->setValue(r.FuelClaim);
  form_.totAddExpense->setValue(r.TotAddExpense);
  form_.irp53802->setValue(r.IRP53802);
  form_.monFB80->setValue(r.MonFB80);
  form_.monFB20->setValue(r.MonFB20);
  form_.fortFB80->setValue(r.FortFB80);
  form_.fortFB20->setValue(r.FortFB20);
  form_.weekFB80->setValue(r.WeekFB80);
  form_.weekFB20->setValue(r.WeekFB20);
  form_.totAdjustTaxableInc->setValue(run.TotAdjustTaxableInc);
  form_.totAdjustTaxableIncSars->setValue(run.TotAdjustTaxableIncSARS);
  showing_ = false;
}

void CompanyCarWindow::compute() {
  lastRun_ = ComputeCompanyCars(cars(), false);
  showRun(lastRun_);
}

bool CompanyCarWindow::calculate() {
  // A date still being typed is checked first, as leaving its field would.
  if (!form_.startDate->commit() || !form_.endDate->commit()) return false;
  const BusyCursor busy;
  const CalculateCommandResult r = RunCalculateCommand(cars());
  lastRun_ = r.Run;
  showRun(r.Run);
  showing_ = true;
  form_.fb3802ThisCar->setValue(r.FirstRunFB3802);
  showing_ = false;
  return true;
}

void CompanyCarWindow::activated() { ok_->setEnabled(true); }

void CompanyCarWindow::setCaption() {
  const CompanyCarRegister& c = cars();
  setWindowTitle(
      QStringLiteral("Full use of Company Car :  Vehicle number %1 of %2").arg(c.Shown).arg(c.N));
}

void CompanyCarWindow::enableOnly(const QList<QWidget*>& enabled) {
  for (QWidget* w : form_.controls) w->setEnabled(enabled.contains(w));
  for (QPushButton* b : {add_, back_, forward_, delete_, calculate_, print_, ok_}) {
    b->setEnabled(enabled.contains(b));
  }
}

void CompanyCarWindow::enableAll(bool navigation) {
  for (QWidget* w : form_.controls) w->setEnabled(true);
  for (QPushButton* b : {add_, delete_, calculate_, print_, ok_}) b->setEnabled(true);
  back_->setEnabled(navigation);
  forward_->setEnabled(navigation);
}

void CompanyCarWindow::keepSplitFieldDisabled() {
  // The automatic split works out the car's code 3802 amount itself.
  if (form_.autoCalc3802->isChecked()) form_.fb3802ThisCar->setEnabled(false);
}

void CompanyCarWindow::applyTypingRule() {
  const bool several = cars().N > 1;
  if (!car().CCRegNumber.empty()) {
    enableAll(several);
  } else if (!several) {
    enableOnly({ok_, add_, form_.regNumberLabel, form_.regNumber});
    form_.regNumber->setFocus();
  } else {
    enableOnly({delete_, form_.regNumberLabel, form_.regNumber});
  }
  keepSplitFieldDisabled();
}

void CompanyCarWindow::applyNavigationRule() {
  const bool several = cars().N > 1;
  if (!car().CCRegNumber.empty()) {
    enableAll(several);
  } else if (!several) {
    enableOnly({ok_, add_});
  } else {
    enableOnly({back_, forward_, ok_, add_, delete_});
  }
  keepSplitFieldDisabled();
}

void CompanyCarWindow::addCar() {
  CompanyCarRegister& c = cars();
  // A car is added only after the one on screen has its registration number.
  if (c.N > 0 && car().CCRegNumber.empty()) return;
  compute();
  if (const auto refused = AddCar(c)) {
    context().messages.Error(this, kAppTitle, Text(*refused));
    return;
  }
  form_.autoCalc3802->setVisible(c.N > 1);
  showCar();
  setCaption();
  compute();
  enableOnly({add_, ok_, delete_, form_.regNumberLabel, form_.regNumber});
  form_.regNumber->setFocus();
}

void CompanyCarWindow::navigate(void (*step)(CompanyCarRegister&)) {
  compute();
  step(cars());
  showCar();
  applyNavigationRule();
  setCaption();
  compute();
}

void CompanyCarWindow::deleteCar() {
  CompanyCarRegister& c = cars();
  if (c.N < 1) return;
  DeleteCurrentCar(c);
  setCaption();
  form_.autoCalc3802->setVisible(c.N > 1);
  showCar();
  if (c.N > 0) {
    applyTypingRule();
  } else {
    enableOnly({add_, ok_, calculate_, print_});
  }
  if (c.N <= 1) {
    back_->setEnabled(false);
    forward_->setEnabled(false);
  }
  compute();
  setCaption();
}

bool CompanyCarWindow::beforePrint() {
  // A refused date keeps the panel closed, so the message's field has the focus.
  return calculate();
}

std::optional<Report> CompanyCarWindow::report() {
  CompanyCarRegister& c = cars();
  const CompanyCarRun run = ComputeCompanyCarsForPrint(c, lastRun_);
  // A car without price and distance is left out of the print computation, and
  // the figures on screen no longer stand: they are cleared.
  bool skipped = false;
  for (int i = 1; i <= c.N; ++i) {
    const CompanyCar& each = c.Entries[static_cast<std::size_t>(i)];
    if (each.TotalDistance == 0 && each.CCPrice == 0) skipped = true;
  }
  if (skipped) {
    showing_ = true;
    for (NumericField* f : form_.results) f->setValue(0);
    form_.days->setValue(0);
    showing_ = false;
  }
  return CompanyCarReport(c, run);
}

void CompanyCarWindow::closeEvent(QCloseEvent* event) {
  // "Initialise All" emptied the register under the window: it only closes.
  if (discarding()) {
    CalculatorWindow::closeEvent(event);
    return;
  }
  const bool typed = form_.startDate->commit() && form_.endDate->commit();
  if (datesWrong_) {
    context().messages.Error(this, kDateTitle, QString::fromLatin1(WrongDatesText));
    form_.startDate->setFocus();
    event->ignore();
    return;
  }
  if (!typed) {
    event->ignore();
    return;
  }
  compute();
  CalculatorWindow::closeEvent(event);
}

}  // namespace reventa
