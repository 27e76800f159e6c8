// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/ui/loans_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/finance/ui/loans_grid_panel.h"
#include "store/reports/finance_reports.h"
#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(QStringLiteral("frmLoans"),
                                                  [](AppContext& c) { return new LoansWindow(c); });

// The fields in the window's order, the range table's. The rate reads its number
// before the unit typed after it ("12% p.a."); the amounts take numbers only.
enum Field { kPrincipal, kPeriod, kRate, kRepayment };
const FieldEntry kFields[] = {
    {"numPrinAmount", "Principal amount", ": R", "", FieldLook::Amount, 2, 120},
    {"numPeriod", "Period", ": ", "months.", FieldLook::Number, 0, 120},
    {"numIntRate", "Interest rate", ": ", "% p.a.", FieldLook::Rate, 3, 120, nullptr, true},
    {"numMonRePay", "Monthly repayment", ": R", "", FieldLook::Amount, 2, 120},
};
const FieldEntry kTotals[] = {
    {"numAns1", "Total Interest", ": R", "", FieldLook::Amount, 2, 120},
    {"numAns2", "Total Repayments", ": R", "", FieldLook::Amount, 2, 120},
};

// The modes in the order of their options, and the field each one solves.
constexpr const char* kModes[] = {LoanModeRepayment, LoanModePrincipal, LoanModePeriod,
                                  LoanModeRate};
constexpr Field kSolves[] = {kRepayment, kPrincipal, kPeriod, kRate};

const QColor kSolved(255, 255, 0);
const QColor kTyped(255, 255, 255);

bool Complete(const LoanState& l) {
  return l.Principal != 0 && l.Period != 0 && l.AnnualRate != 0 && l.Repayment != 0;
}

}  // namespace

LoansWindow::LoansWindow(AppContext& context)
    : FinanceWindow(context, QStringLiteral("frmLoans"), QStringLiteral("Loans")) {
  // The modes come first in the tab order: the mode says which three fields
  // are typed, and Tab from it goes on to the first of them.
  QLayout* modes = buildModes();
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  buildFields(grid);
  auto* columns = new QHBoxLayout;
  columns->addLayout(grid);
  columns->addSpacing(20);
  columns->addLayout(modes);
  columns->addStretch();

  grid_ = new LoansGridPanel(this);
  // The panel's buttons send each report where they say; the shared destination
  // is left as it is. Without a complete loan the panel stays open.
  PrintFlow print{{}, false, false};
  print.panel.schedule = true;
  setForm(columns, nullptr, grid_,
          {{"&Calculate", "cmdCalculate"},
           {"&Fin. charges", "cmdFinCharge"},
           {"Mo&nthly Amort.", "cmdMonAmort"},
           {"&Annual Amort.", "cmdAnnAmort"},
           {"&Print", "cmdPrint"},
           kStretch,
           {"&OK", "cmdOk"}},
          print);
  connect(modeGroup_, &QButtonGroup::idClicked, this, &LoansWindow::chooseMode);
  connect(command(QStringLiteral("cmdFinCharge")), &QPushButton::clicked, this,
          &LoansWindow::toggleFinCharges);
  connect(command(QStringLiteral("cmdMonAmort")), &QPushButton::clicked, this,
          [this] { openSchedule(false); });
  connect(command(QStringLiteral("cmdAnnAmort")), &QPushButton::clicked, this,
          [this] { openSchedule(true); });
  connect(grid_, &PanelFrame::closed, this, [this] {
    fitFrame();
    command(QStringLiteral("cmdOk"))->setFocus();
  });
  showTotals(false);
}

void LoansWindow::buildFields(QGridLayout* grid) {
  Form form(*this, grid);
  for (std::size_t i = 0; i < fields_.size(); ++i)
    fields_[i] = sharedInput(form, kFields[i], LoanRanges[i], loan());
  rateError_ = new QLabel(QStringLiteral("   Error"), this);
  rateError_->setObjectName(QStringLiteral("Text1"));
  rateError_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
  rateError_->hide();
  grid->addWidget(rateError_, kRate, 4);
  form.gap(8);
  totalInterest_ = form.result(kTotals[0]);
  totalRepayments_ = form.result(kTotals[1]);
  // The totals' rows: caption, mark and field.
  for (int row = form.row() - 2; row < form.row(); ++row)
    for (int column = 0; column < 3; ++column)
      totalsWidgets_ << grid->itemAtPosition(row, column)->widget();
  grid->setRowStretch(form.row(), 1);
  grid->setColumnMinimumWidth(3, 50);
  grid->setColumnMinimumWidth(4, 50);
}

QLayout* LoansWindow::buildModes() {
  auto* modeFrame = new QGroupBox(QStringLiteral("Calculate Mode"), this);
  modeFrame->setObjectName(QStringLiteral("fraCalcMode"));
  auto* modeLayout = new QVBoxLayout(modeFrame);
  modeGroup_ = new QButtonGroup(this);
  for (int k = 0; k < 4; ++k) {
    modes_[k] = new QRadioButton(QString::fromLatin1(kModes[k]), modeFrame);
    modes_[k]->setObjectName(QStringLiteral("optLoanCalc_%1").arg(k));
    modeGroup_->addButton(modes_[k], k);
    modeLayout->addWidget(modes_[k]);
    addToTabOrder(modes_[k]);
    modes_[k]->installEventFilter(this);
  }
  auto* modeCaption = new QLabel(QStringLiteral("Calculate mode"), this);
  modeCaption->setObjectName(QStringLiteral("Label12_0"));
  modeLabel_ = new QLabel(QStringLiteral("Monthly Repayment"), this);
  modeLabel_->setObjectName(QStringLiteral("Label12_1"));
  modeLabel_->setStyleSheet(QStringLiteral("font-weight: bold;"));
  auto* modeRow = new QHBoxLayout;
  modeRow->addWidget(modeCaption);
  modeRow->addWidget(new QLabel(QStringLiteral(":"), this));
  modeRow->addWidget(modeLabel_);
  modeRow->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(modeFrame);
  right->addLayout(modeRow);
  right->addStretch();
  return right;
}

void LoansWindow::activated() {
  modes_[modeIndex()]->setChecked(true);
  applyMode();
  FinanceWindow::activated();
}

void LoansWindow::calculate() {
  const LoanCalcResult result = LoanCalc(loan(), context().state.LoanBuster.SavedPrincipal);
  rateError_->setVisible(result.RateError);
  if (result.RateError) rateError_->raise();
  const LoanState& l = loan();
  const Field solved = kSolves[modeIndex()];
  fields_[solved]->setValue(ValueOf(LoanRanges[solved], l));
  // The period search adjusts the repayment it started from.
  if (solved == kPeriod) fields_[kRepayment]->setValue(l.Repayment);
  if (l.FinChargesShown == "DOWN") fillTotals();
}

void LoansWindow::fillTotals() {
  const LoanState& l = loan();
  totalInterest_->setValue(LoanTotalInterest(l));
  totalRepayments_->setValue(LoanTotalRepayments(l));
}

void LoansWindow::showTotals(bool shown) {
  for (QWidget* w : totalsWidgets_) w->setVisible(shown);
}

void LoansWindow::toggleFinCharges() {
  LoanState& l = loan();
  const bool show = l.FinChargesShown != "DOWN";
  if (show) fillTotals();
  showTotals(show);
  l.FinChargesShown = show ? "DOWN" : "UP";
}

void LoansWindow::chooseMode(int mode) {
  loan().CalcMode = kModes[mode];
  applyMode();
  // Chosen with the mouse, the mode hands the focus to the fields at once; from
  // the keyboard the focus stays with the options, so that the arrow keys go on
  // through them, until Tab or Enter leaves them.
  if (modeClickedWithMouse_) leaveModes(Qt::OtherFocusReason);
}

void LoansWindow::leaveModes(Qt::FocusReason reason) {
  fields_[kSolves[modeIndex()] == kPrincipal ? kPeriod : kPrincipal]->setFocus(reason);
}

bool LoansWindow::eventFilter(QObject* watched, QEvent* event) {
  if (std::find(modes_.begin(), modes_.end(), watched) == modes_.end()) {
    return FinanceWindow::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      modeClickedWithMouse_ = true;
      break;
    case QEvent::MouseButtonRelease:
      // The option is clicked while the release is handled; after it the next
      // choice is the keyboard's again, clicked or not.
      QTimer::singleShot(0, this, [this] { modeClickedWithMouse_ = false; });
      break;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
          (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        leaveModes(Qt::TabFocusReason);
        return true;
      }
      break;
    }
    default:
      break;
  }
  return FinanceWindow::eventFilter(watched, event);
}

void LoansWindow::applyMode() {
  const int mode = modeIndex();
  modeLabel_->setText(QString::fromStdString(loan().CalcMode));
  for (int q = 0; q < 4; ++q) {
    NumericField* f = fields_[q];
    const bool solved = q == kSolves[mode];
    QPalette palette = f->palette();
    palette.setColor(QPalette::Base, solved ? kSolved : kTyped);
    f->setPalette(palette);
    f->setReadOnly(solved);
    f->setFocusPolicy(solved ? Qt::ClickFocus : Qt::StrongFocus);
  }
  // The group is one tab stop, its chosen option; the arrow keys move between
  // the options.
  for (int k = 0; k < 4; ++k)
    modes_[k]->setFocusPolicy(k == mode ? Qt::StrongFocus : Qt::ClickFocus);
  if (loan().FinChargesShown == "DOWN") showTotals(true);
}

void LoansWindow::openSchedule(bool annual) {
  const LoanState& l = loan();
  if (!Complete(l)) return;
  const BusyCursor busy;
  grid_->setSchedule(annual ? CalcAnnAmort(l).Years : MonthlySchedule(l), annual);
  grid_->show();
  grid_->raise();
  fitFrame();
  grid_->closeButton()->setFocus();
}

std::optional<Report> LoansWindow::report() {
  const LoanState& l = loan();
  if (!Complete(l)) return std::nullopt;
  return LoansReport(l, printPanel()->schedule());
}

void LoansWindow::fitFrame() {
  auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  QWidget* target = frame != nullptr ? static_cast<QWidget*>(frame) : this;
  const bool open = grid_->isVisibleTo(this);
  layout()->activate();
  if (open) {
    if (!closedSize_.isValid()) closedSize_ = target->size();
    target->resize(target->sizeHint().expandedTo(closedSize_));
  } else if (closedSize_.isValid()) {
    target->resize(closedSize_);
    closedSize_ = QSize();
  }
}

int LoansWindow::modeIndex() const {
  for (int k = 0; k < 4; ++k) {
    if (loan().CalcMode == kModes[k]) return k;
  }
  return 0;
}

LoanState& LoansWindow::loan() const { return context().state.Loan; }

}  // namespace reventa
