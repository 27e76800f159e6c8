#include "calc/finance/ui/daily_balance_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "frame/print_panel.h"
#include "shell/app_context.h"
#include "store/reports/finance_reports.h"
#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/date_field.h"
#include "widgets/numeric_field.h"
#include "widgets/spin_buttons.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmDayBal"), [](AppContext& c) { return new DailyBalanceWindow(c); });

// Results can run past the capital's limit (40% for 30 years) and a day count
// can be negative for dates before 1900, so their fields take any figure.
constexpr double kResultLimit = 1e15;

constexpr FinanceField kCapital{"numCapAmount", "Capital amount", "R", "", 2, 0, DepositCapitalMax};
// The unit of the rate stands after its spin buttons, so the row is laid out here.
constexpr FinanceField kRate{"numIntRate",     "Interest rate", "", "", 3, 0, DepositRateMax, false,
                             DepositRateTitle, DepositRateText};
constexpr FinanceField kInterest{"numAnsDB1", "Interest accrued", "R",          "",
                                 2,           -kResultLimit,      kResultLimit, true};
constexpr FinanceField kDays{"numAnsDB2", "Number of days", "",           "",
                             0,           -kResultLimit,    kResultLimit, true};

bool HasDigit(const QString& text) {
  for (const QChar c : text) {
    if (c.isDigit()) return true;
  }
  return false;
}

}  // namespace

DailyBalanceWindow::DailyBalanceWindow(AppContext& context)
    : FinanceWindow(context, QStringLiteral("frmDayBal"), QStringLiteral("Daily Balance")) {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(6);
  int row = 0;
  capital_ = addField(grid, row++, 0, kCapital);

  const auto addDate = [this, grid, &row](const char* name, const char* caption) {
    auto* field = new DateField(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setAccessibleName(QString::fromLatin1(caption));
    field->setMinimumWidth(120);
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 2);
    ++row;
    return field;
  };
  start_ = addDate("dtStartDate", "Start date");
  end_ = addDate("dtEndDate", "End date");
  anyDateMin_ = start_->minimum();
  anyDateMax_ = start_->maximum();
  dateSpin_ =
      addSpin("spDate", QStringLiteral("Date"), end_, [this](bool up, bool) { stepEnd(up); });
  auto* dateSide = new QHBoxLayout;
  dateSide->addWidget(dateSpin_);
  dateSide->addStretch();
  grid->addLayout(dateSide, row - 1, 3);

  rate_ = addField(grid, row, 0, kRate);
  rate_->setKindName(QStringLiteral("Percentage"));
  rateSpin_ = addSpin("spRate", QStringLiteral("Interest rate"), rate_,
                      [this](bool up, bool keyboard) { stepRate(up, keyboard); });
  auto* rateSide = new QHBoxLayout;
  rateSide->addWidget(rateSpin_);
  rateSide->addWidget(new QLabel(QStringLiteral("% p.a."), this));
  rateSide->addStretch();
  grid->addLayout(rateSide, row++, 3);

  grid->setRowMinimumHeight(row++, 10);
  interest_ = addField(grid, row++, 0, kInterest);
  days_ = addField(grid, row++, 0, kDays);
  grid->setColumnMinimumWidth(1, 14);
  grid->setColumnMinimumWidth(3, 70);

  setForm(grid);
  // Wide enough for the print panel's three buttons when it opens below.
  setMinimumWidth(printPanel()->sizeHint().width() + 16);
  const QList<QWidget*> chain{capital_,
                              start_,
                              end_,
                              dateSpin_->upButton(),
                              dateSpin_->downButton(),
                              rate_,
                              rateSpin_->upButton(),
                              rateSpin_->downButton(),
                              calculateButton(),
                              printButton(),
                              okButton()};
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
  connectFields();
}

DailyBalanceWindow::~DailyBalanceWindow() {
  // The fields lose the focus as the window is taken down: leaving them then is
  // not the user's, and must not reach this half-destroyed window.
  for (QWidget* field : {static_cast<QWidget*>(capital_), static_cast<QWidget*>(start_),
                         static_cast<QWidget*>(end_), static_cast<QWidget*>(rate_)}) {
    field->disconnect(this);
  }
}

DailyBalanceState& DailyBalanceWindow::deposit() const { return context().state.DailyBalance; }

bool DailyBalanceWindow::isBlank(const DateField* field) const {
  return field->value() == BlankDate;
}

void DailyBalanceWindow::connectFields() {
  connect(capital_, &NumericField::valueChanged, this, [this](double v) {
    if (!loading_) deposit().DepositCapital = static_cast<float>(v);
  });
  // The capital is held to about seven digits; leaving the field shows what is
  // held. The state took it as it changed, so showing it writes nothing.
  const auto showHeldCapital = [this] {
    loading_ = true;
    capital_->setValue(static_cast<float>(capital_->value()));
    loading_ = false;
  };
  connect(capital_, &NumericField::left, this, showHeldCapital);
  connect(capital_, &QLineEdit::returnPressed, this, showHeldCapital);
  connect(rate_, &NumericField::valueChanged, this, [this](double v) {
    if (!loading_) deposit().DepositRate = static_cast<float>(v);
  });
  connect(start_, &DateField::valueChanged, this, [this](double serial) {
    if (!loading_) deposit().DepositStart = static_cast<std::int32_t>(serial);
  });
  connect(end_, &DateField::valueChanged, this, [this](double serial) {
    if (!loading_) deposit().DepositEnd = static_cast<std::int32_t>(serial);
  });
  connect(start_, &DateField::entered, this, &DailyBalanceWindow::limitStart);
  connect(end_, &DateField::entered, this, &DailyBalanceWindow::limitEnd);
  for (DateField* field : {start_, end_}) {
    connect(field, &DateField::refused, this,
            [this, field](DateField::Refusal why, const QString& rejected) {
              onDateRefused(field, why == DateField::Refusal::OutOfRange, rejected);
            });
    connect(field, &QLineEdit::returnPressed, this, &FinanceWindow::recalculate);
  }
}

void DailyBalanceWindow::activated() {
  const DailyBalanceState shared = deposit();
  loading_ = true;
  capital_->setValue(shared.DepositCapital);
  rate_->setValue(shared.DepositRate);
  // Dates before 3 January 1800 are the "no date" mark and show as blank.
  const auto shown = [](std::int32_t serial) {
    return serial >= FirstShownDepositDate ? static_cast<double>(serial) : BlankDate;
  };
  start_->setValue(shown(shared.DepositStart));
  end_->setValue(shown(shared.DepositEnd));
  loading_ = false;
  computeAndShow();
}

void DailyBalanceWindow::calculate() {
  if (isBlank(start_) || isBlank(end_)) return;
  computeAndShow();
}

void DailyBalanceWindow::computeAndShow() {
  const BusyCursor busy;
  computedOn_ = deposit();
  // Without both dates there is no period: no days and no interest, rather than
  // a count from the "no date" mark.
  result_ =
      isBlank(start_) || isBlank(end_) ? DailyBalanceResult{} : ComputeDailyBalance(computedOn_);
  interest_->setValue(result_.InterestAccrued);
  days_->setValue(result_.DayCount);
}

void DailyBalanceWindow::limitStart() {
  // Unlimited (the field's own range) while there is no end date to follow.
  if (end_->value() > 0) {
    start_->setRange(deposit().DepositEnd - DepositSpanDays, deposit().DepositEnd - 1);
  } else {
    start_->setRange(anyDateMin_, anyDateMax_);
  }
}

void DailyBalanceWindow::limitEnd() {
  if (start_->value() > 0) {
    end_->setRange(deposit().DepositStart, deposit().DepositStart + DepositSpanDays);
  } else {
    end_->setRange(anyDateMin_, anyDateMax_);
  }
}

void DailyBalanceWindow::onDateRefused(DateField* field, bool outOfRange, const QString& rejected) {
  // A field left as the window or the program closes has no message.
  if (discarding() || window()->isHidden()) return;
  if (!outOfRange && !HasDigit(rejected)) {
    // An emptied field is a date not given, not an error.
    field->setValue(BlankDate);
    return;
  }
  if (!outOfRange) {
    refuse(field, QString::fromLatin1(DepositInvalidTitle),
           QString::fromLatin1(DepositInvalidText));
    return;
  }
  const bool isStart = field == start_;
  const DateField* other = isStart ? end_ : start_;
  const QString text = QString::fromLatin1(isStart ? DepositStartRangeText : DepositEndRangeText) +
                       QString::fromStdString(FormatDate(other->value())) + QLatin1Char('.');
  refuse(field, QString::fromLatin1(DepositRangeTitle), text);
}

void DailyBalanceWindow::stepRate(bool up, bool keyboard) {
  if (rate_->value() == 0) return;
  bool wrapped = false;
  const double next = StepDepositRate(rate_->value(), deposit().RateStep, up, wrapped);
  if (wrapped) beep();
  // Held to the field's three decimals, so that steps do not gather binary dust.
  rate_->setValue(RoundHalfEven(next * 1000) / 1000);
  computeAndShow();
  // A click hands the focus to "&OK"; a step from the keyboard stays where it was
  // asked for, so the next key steps again.
  if (!keyboard) okButton()->setFocus(Qt::OtherFocusReason);
}

void DailyBalanceWindow::stepEnd(bool up) {
  if (isBlank(start_)) return;
  if (!StepDepositEnd(deposit(), up)) beep();
  end_->setValue(deposit().DepositEnd);
  computeAndShow();
}

std::optional<Report> DailyBalanceWindow::report() {
  return DailyBalanceReport(computedOn_, result_);
}

}  // namespace reventa
