// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/ui/daily_balance_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "store/reports/finance_reports.h"
#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/date_field.h"
#include "widgets/spin_buttons.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmDayBal"), [](AppContext& c) { return new DailyBalanceWindow(c); });

const FieldEntry kCapital{"numCapAmount", "Capital amount", "R"};
const FieldEntry kStart{"dtStartDate", "Start date"};
const FieldEntry kEnd{"dtEndDate", "End date"};
// The unit of the rate stands after its spin buttons, beside the field.
const FieldEntry kRate{"numIntRate", "Interest rate", "", "", FieldLook::Rate};
const FieldEntry kInterest{"numAnsDB1", "Interest accrued", "R"};
const FieldEntry kDays{"numAnsDB2", "Number of days", "", "", FieldLook::Number, 0};
// The range of a date field with no other date to follow.
constexpr InputRange kAnyDate = DailyBalanceRanges[1].Range;

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
  Form form(*this, grid);
  DailyBalanceState& shared = deposit();
  capital_ = sharedInput(form, kCapital, DailyBalanceRanges[0], shared);
  start_ = form.date(kStart, DailyBalanceRanges[1], shared);
  end_ = form.date(kEnd, DailyBalanceRanges[2], shared);
  showSharedDate(start_, &DailyBalanceState::DepositStart);
  showSharedDate(end_, &DailyBalanceState::DepositEnd);
  auto* dateSide = new QHBoxLayout;
  dateSide->addWidget(
      addSpin("spDate", QStringLiteral("Date"), end_, [this](bool up, bool) { stepEnd(up); }));
  dateSide->addStretch();
  grid->addLayout(dateSide, form.row() - 1, 3);
  rate_ = sharedInput(form, kRate, DailyBalanceRanges[3], shared);
  auto* rateSide = new QHBoxLayout;
  rateSide->addWidget(addSpin("spRate", QStringLiteral("Interest rate"), rate_,
                              [this](bool up, bool keyboard) { stepRate(up, keyboard); }));
  rateSide->addWidget(new QLabel(QStringLiteral("% p.a."), this));
  rateSide->addStretch();
  grid->addLayout(rateSide, form.row() - 1, 3);
  form.gap(10);
  interest_ = form.result(kInterest);
  days_ = form.result(kDays);
  grid->setColumnMinimumWidth(1, 14);
  grid->setColumnMinimumWidth(3, 70);
  // The fields keep to the left: the room beyond them is an empty column's.
  grid->setColumnStretch(4, 1);
  setForm(grid);
  // Wide enough for the print panel's three buttons when it opens below.
  setMinimumWidth(printPanel()->sizeHint().width() + 16);

  // The capital is held to about seven digits; leaving the field shows what is
  // held. The state took it as it changed, so showing it writes the same value.
  const auto showHeldCapital = [this] {
    capital_->setValue(static_cast<float>(capital_->value()));
  };
  connect(capital_, &NumericField::left, this, showHeldCapital);
  connect(capital_, &QLineEdit::returnPressed, this, showHeldCapital);
  connect(start_, &DateField::entered, this, &DailyBalanceWindow::limitStart);
  connect(end_, &DateField::entered, this, &DailyBalanceWindow::limitEnd);
  for (DateField* field : {start_, end_}) {
    connect(field, &DateField::refused, this,
            [this, field](DateField::Refusal why, const QString& rejected) {
              onDateRefused(field, why == DateField::Refusal::OutOfRange, rejected);
            });
  }
}

DailyBalanceWindow::~DailyBalanceWindow() {
  // The fields lose the focus as the window is taken down: leaving them then is
  // not the user's, and must not reach this half-destroyed window.
  for (QLineEdit* field : std::initializer_list<QLineEdit*>{capital_, start_, end_, rate_}) {
    field->disconnect(this);
  }
}

void DailyBalanceWindow::showSharedDate(DateField* field, std::int32_t DailyBalanceState::*date) {
  showOnActivation([this, field, date] {
    const std::int32_t serial = deposit().*date;
    const QSignalBlocker keep(field);
    field->setValue(serial >= FirstShownDepositDate ? static_cast<double>(serial) : BlankDate);
  });
}

DailyBalanceState& DailyBalanceWindow::deposit() const { return context().state.DailyBalance; }

bool DailyBalanceWindow::hasBothDates() const {
  return start_->value() != BlankDate && end_->value() != BlankDate;
}

void DailyBalanceWindow::calculate() {
  computedOn_ = deposit();
  // Without both dates there is no period: no days and no interest, rather than
  // a count from the "no date" mark.
  result_ = hasBothDates() ? ComputeDailyBalance(computedOn_) : DailyBalanceResult{};
  interest_->setValue(result_.InterestAccrued);
  days_->setValue(result_.DayCount);
}

void DailyBalanceWindow::limitStart() {
  // Unlimited (the field's own range) while there is no end date to follow.
  if (end_->value() > 0) {
    start_->setRange(deposit().DepositEnd - DepositSpanDays, deposit().DepositEnd - 1);
  } else {
    start_->setRange(kAnyDate.Min, kAnyDate.Max);
  }
}

void DailyBalanceWindow::limitEnd() {
  if (start_->value() > 0) {
    end_->setRange(deposit().DepositStart, deposit().DepositStart + DepositSpanDays);
  } else {
    end_->setRange(kAnyDate.Min, kAnyDate.Max);
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
  recalculate();
  // A click hands the focus to "&OK"; a step from the keyboard stays where it was
  // asked for, so the next key steps again.
  if (!keyboard) okButton()->setFocus(Qt::OtherFocusReason);
}

void DailyBalanceWindow::stepEnd(bool up) {
  if (start_->value() == BlankDate) return;
  if (!StepDepositEnd(deposit(), up)) beep();
  end_->setValue(deposit().DepositEnd);
  recalculate();
}

std::optional<Report> DailyBalanceWindow::report() {
  return DailyBalanceReport(computedOn_, result_);
}

}  // namespace reventa
