// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/vehicle/ui/company_car_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/reports/vehicle_reports.h"
#include "taxyear/shared_state.h"
#include "taxyear/tax_year.h"
#include "widgets/busy_cursor.h"
#include "widgets/date_field.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmCompCar"), [](AppContext& c) { return new CompanyCarWindow(c); });

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

// "Delete vehicle number 2 of 3, CA 123-456 (Toyota)?", the registration and the
// make named when the car has them.
QString DeleteQuestion(const CompanyCarRegister& cars, const CompanyCar& car) {
  QString which = QStringLiteral("vehicle number %1 of %2").arg(cars.Current).arg(cars.N);
  const QString registration = FromStd(car.CCRegNumber).trimmed();
  const QString make = FromStd(car.CCMake).trimmed();
  if (!registration.isEmpty()) which += QStringLiteral(", ") + registration;
  if (!make.isEmpty()) which += QStringLiteral(" (%1)").arg(make);
  return QStringLiteral("Delete %1?\nIts details cannot be brought back.").arg(which);
}

}  // namespace

CompanyCarWindow::CompanyCarWindow(AppContext& context)
    : CalculatorWindow(context, QStringLiteral("frmCompCar"),
                       QStringLiteral("Full use of Company Car : ")) {
  QVBoxLayout* layout = layOut(buildForm(), 4,
                               {{"&Add", "cmdAdd"},
                                {"&Back", "cmdBack"},
                                {"&Forward", "cmdForward"},
                                {"&Delete", "cmdDelete"},
                                kStretch,
                                {"&Calculate", "cmdCalculate"},
                                {"&Print", "cmdPrint"},
                                {"&Ok", "cmdOk"}});
  layout->setContentsMargins(8, 6, 8, 6);
  const auto button = [this](const char* name) { return command(QString::fromLatin1(name)); };
  add_ = button("cmdAdd");
  back_ = button("cmdBack");
  forward_ = button("cmdForward");
  delete_ = button("cmdDelete");
  calculate_ = button("cmdCalculate");
  print_ = button("cmdPrint");
  ok_ = button("cmdOk");
  PrintPanelOptions panel;
  panel.objectName = QStringLiteral("Frame1");
  setUpPrinting({panel}, print_, ok_);

  connectFields();
  connect(add_, &QPushButton::clicked, this, &CompanyCarWindow::addCar);
  connect(back_, &QPushButton::clicked, this, [this] { navigate(&MoveToPreviousCar); });
  connect(forward_, &QPushButton::clicked, this, [this] { navigate(&MoveToNextCar); });
  connect(delete_, &QPushButton::clicked, this, &CompanyCarWindow::deleteCar);
  connect(calculate_, &QPushButton::clicked, this, [this] { calculate(); });

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
    autoCalc3802_->hide();
    showCar();
    enableOnly({add_, ok_, calculate_, print_});
  } else {
    c.Current = 1;
    autoCalc3802_->setVisible(c.N > 1);
    // The box belongs to the register, not to a car: it is set once here and
    // afterwards only by the user. Adding a second car switches the split on
    // without ticking it.
    showing_ = true;
    autoCalc3802_->setChecked(c.AutoCalc3802 == 1);
    showing_ = false;
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

CompanyCarRegister& CompanyCarWindow::cars() const { return context().state.Cars; }

CompanyCar& CompanyCarWindow::car() const { return CurrentCar(cars()); }

NumericField* CompanyCarWindow::number(const char* name) const {
  return findChild<NumericField*>(QLatin1String(name));
}

void CompanyCarWindow::connectFields() {
  regNumber_ = findChild<QLineEdit*>(QStringLiteral("txtCCRegNumber"));
  regNumberLabel_ = findChild<QLabel*>(QStringLiteral("lbl_txtCCRegNumber"));
  sarsTable_ = findChild<QCheckBox*>(QStringLiteral("chkSARSTable"));
  autoCalc3802_ = findChild<QCheckBox*>(QStringLiteral("chkAutoCalc3802"));
  fb3802ThisCar_ = number("numFB3802ThisCar");

  connect(regNumber_, &QLineEdit::textChanged, this, [this] {
    if (!showing_) applyTypingRule();
  });
  connect(sarsTable_, &QCheckBox::toggled, this, [this](bool on) {
    if (showing_) return;
    // The fuel comes either from the scale or from the actual expenses.
    if (on) {
      number("numActualExpEmployee")->setValue(0);
    } else {
      showing_ = true;
      number("numFuelComponent")->setValue(0);
      showing_ = false;
    }
  });
  // Shown only with more than one car; its row stays, so the window keeps its size.
  QSizePolicy keepRow = autoCalc3802_->sizePolicy();
  keepRow.setRetainSizeWhenHidden(true);
  autoCalc3802_->setSizePolicy(keepRow);
  connect(autoCalc3802_, &QCheckBox::toggled, this, [this](bool on) {
    if (!showing_) cars().AutoCalc3802 = on ? 1 : 0;
    fb3802ThisCar_->setEnabled(!on);
  });

  setUpTaxYearDates(startDate_, endDate_, true);
  for (DateField* date : {startDate_, endDate_}) {
    connect(date, &DateField::refused, this, [this, date] {
      if (date == endDate_) datesWrong_ = true;
      // Closing: the date went back to the tax year's bound, and so does the car's.
      if (!isVisible()) (date == startDate_ ? car().CCStartDate : car().CCEndDate) = date->value();
    });
  }
  endDate_->installEventFilter(this);
}

bool CompanyCarWindow::eventFilter(QObject* watched, QEvent* event) {
  // Before the field checks its text on leaving, which may mark the dates again.
  if (watched == endDate_ && event->type() == QEvent::FocusOut) datesWrong_ = false;
  return CalculatorWindow::eventFilter(watched, event);
}

void CompanyCarWindow::showCar() {
  const CompanyCar& c = car();
  showing_ = true;
  for (const auto& [text, field] : texts_) field->setText(FromStd(c.*text->Member));
  // The bounds that follow the other date belong to the car shown before.
  startDate_->setRange(TaxYearStart, TaxYearEnd);
  endDate_->setRange(TaxYearStart, TaxYearEnd);
  startDate_->setValue(c.CCStartDate);
  endDate_->setValue(c.CCEndDate);
  for (const auto& [input, field] : numbers_) field->setValue(ValueOf(*input, c));
  for (const auto& [flag, box] : flags_) box->setChecked(c.*flag == 1);
  actual3802_->setValue(cars().Actual3802);
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
  const std::pair<const char*, double> figures[] = {
      {"numTotalDistance", shown.TotalDistance},
      {"numBusDistance", shown.BusDistance},
      {"numFB3802ThisCar", shown.FB3802ThisCar},
      {"numCCMonths", static_cast<double>(r.DaysUsed)},
      {"numPrivateDistance", r.PrivateDistance},
      {"numTrueInclusion", r.TrueInclusion},
      {"numTrueInclusion_1", r.TrueInclusion},
      {"numFuelExp", r.FuelExp},
      {"numAdjustTaxableInc", computed ? shown.AdjustTaxableInc : 0},
      {"numAdjustTaxableIncSARS", r.SARSDeductionClaim},
      {"numFuelComponent", computed ? shown.FuelComponent : 0},
      {"numFuelClaim", r.FuelClaim},
      {"numTotAddExpense", r.TotAddExpense},
      {"numIRP53802", r.IRP53802},
      {"numMonFB80", r.MonFB80},
      {"numMonFB20", r.MonFB20},
      {"numFortFB80", r.FortFB80},
      {"numFortFB20", r.FortFB20},
      {"numWeekFB80", r.WeekFB80},
      {"numWeekFB20", r.WeekFB20},
      {"numTotAdjustTaxableInc", run.TotAdjustTaxableInc},
      {"numTotAdjustTaxableIncSARS", run.TotAdjustTaxableIncSARS},
  };
  showing_ = true;
  for (const auto& [name, value] : figures) number(name)->setValue(value);
  showing_ = false;
}

void CompanyCarWindow::compute() {
  lastRun_ = ComputeCompanyCars(cars(), false);
  showRun(lastRun_);
}

bool CompanyCarWindow::calculate() {
  // A date still being typed is checked first, as leaving its field would.
  if (!startDate_->commit() || !endDate_->commit()) return false;
  const BusyCursor busy;
  const CalculateCommandResult r = RunCalculateCommand(cars());
  lastRun_ = r.Run;
  showRun(r.Run);
  showing_ = true;
  fb3802ThisCar_->setValue(r.FirstRunFB3802);
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
  for (QWidget* w : controls_) w->setEnabled(enabled.contains(w));
  for (QPushButton* b : {add_, back_, forward_, delete_, calculate_, print_, ok_}) {
    b->setEnabled(enabled.contains(b));
  }
}

void CompanyCarWindow::enableAll(bool navigation) {
  for (QWidget* w : controls_) w->setEnabled(true);
  for (QPushButton* b : {add_, delete_, calculate_, print_, ok_}) b->setEnabled(true);
  back_->setEnabled(navigation);
  forward_->setEnabled(navigation);
}

void CompanyCarWindow::keepSplitFieldDisabled() {
  // The automatic split works out the car's code 3802 amount itself.
  if (autoCalc3802_->isChecked()) fb3802ThisCar_->setEnabled(false);
}

void CompanyCarWindow::applyTypingRule() {
  const bool several = cars().N > 1;
  if (!car().CCRegNumber.empty()) {
    enableAll(several);
  } else if (!several) {
    enableOnly({ok_, add_, regNumberLabel_, regNumber_});
    regNumber_->setFocus();
  } else {
    enableOnly({delete_, regNumberLabel_, regNumber_});
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
    context().messages.Error(this, kAppTitle, FromStd(*refused));
    return;
  }
  autoCalc3802_->setVisible(c.N > 1);
  showCar();
  setCaption();
  compute();
  enableOnly({add_, ok_, delete_, regNumberLabel_, regNumber_});
  regNumber_->setFocus();
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
  // Nothing of a deleted car can be brought back: the user confirms it first.
  if (!context().messages.ConfirmDelete(this, QStringLiteral("Delete Vehicle"),
                                        DeleteQuestion(c, car()))) {
    return;
  }
  DeleteCurrentCar(c);
  setCaption();
  autoCalc3802_->setVisible(c.N > 1);
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
    for (NumericField* f : findChildren<NumericField*>()) {
      if (f->isReadOnly()) f->setValue(0);
    }
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
  const bool typed = startDate_->commit() && endDate_->commit();
  if (datesWrong_) {
    context().messages.Error(this, QString::fromUtf8(TaxYearDateRange.Title),
                             QString::fromLatin1(WrongDatesText));
    startDate_->setFocus();
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
