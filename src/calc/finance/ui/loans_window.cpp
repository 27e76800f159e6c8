#include "calc/finance/ui/loans_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "calc/finance/ui/loans_grid_panel.h"
#include "shell/app_context.h"
#include "shell/report_engine.h"
#include "store/reports/finance_reports.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/command_button.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(QStringLiteral("frmLoans"),
                                                  [](AppContext& c) { return new LoansWindow(c); });

// The modes in the order of their options; the option k solves the quantity k.
constexpr const char* kModes[] = {LoanModeRepayment, LoanModePrincipal, LoanModePeriod,
                                  LoanModeRate};

const QColor kSolved(255, 255, 0);
const QColor kTyped(255, 255, 255);

bool Complete(const LoanState& l) {
  return l.Principal != 0 && l.Period != 0 && l.AnnualRate != 0 && l.Repayment != 0;
}

}  // namespace

LoansWindow::LoansWindow(AppContext& context)
    : CalculatorWindow(context, QStringLiteral("frmLoans"), QStringLiteral("Loans")) {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  buildFields(grid);

  auto* modeFrame = new QGroupBox(QStringLiteral("Calculate Mode"), this);
  modeFrame->setObjectName(QStringLiteral("fraCalcMode"));
  auto* modeLayout = new QVBoxLayout(modeFrame);
  modeGroup_ = new QButtonGroup(this);
  for (int k = 0; k < 4; ++k) {
    modes_[k] = new QRadioButton(QString::fromLatin1(kModes[k]), modeFrame);
    modes_[k]->setObjectName(QStringLiteral("optLoanCalc_%1").arg(k));
    modeGroup_->addButton(modes_[k], k);
    modeLayout->addWidget(modes_[k]);
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

  auto* columns = new QHBoxLayout;
  columns->addLayout(grid);
  columns->addSpacing(20);
  columns->addLayout(right);
  columns->addStretch();

  const auto button = [this](const char* caption, const char* name) {
    return NewCommandButton(caption, name, this);
  };
  calculate_ = button("&Calculate", "cmdCalculate");
  finCharges_ = button("&Fin. charges", "cmdFinCharge");
  monthly_ = button("Mo&nthly Amort.", "cmdMonAmort");
  annual_ = button("&Annual Amort.", "cmdAnnAmort");
  print_ = button("&Print", "cmdPrint");
  ok_ = button("&OK", "cmdOk");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {calculate_, finCharges_, monthly_, annual_, print_}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(ok_);

  grid_ = new LoansGridPanel(this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->addWidget(grid_, 0, Qt::AlignLeft);
  layout->addStretch();

  QList<QWidget*> chain{fields_[kPrincipal], fields_[kPeriod], fields_[kRate], fields_[kRepayment]};
  for (QRadioButton* m : modes_) chain.append(m);
  chain << calculate_ << finCharges_ << monthly_ << annual_ << print_ << ok_;
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);

  connectFields();
  showTotals(false);
}

void LoansWindow::buildFields(QGridLayout* grid) {
  struct Row {
    Quantity quantity;
    const char* name;
    const char* caption;
    const char* mark;
    const char* unit;
    int decimals;
    double maximum;
  };
  constexpr Row kRows[] = {
      {kPrincipal, "numPrinAmount", "Principal amount", ": R", "", 2, LoanPrincipalMax},
      {kPeriod, "numPeriod", "Period", ": ", "months.", 0, LoanPeriodMax},
      {kRate, "numIntRate", "Interest rate", ": ", "% p.a.", 3, LoanRateMax},
      {kRepayment, "numMonRePay", "Monthly repayment", ": R", "", 2, LoanRepaymentMax},
  };
  int row = 0;
  const auto addRow = [this, grid, &row](const QString& caption, const QString& mark,
                                         NumericField* field) {
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    auto* markLabel = new QLabel(mark, this);
    field->setAccessibleName(caption);
    field->setFixedWidth(120);
    grid->addWidget(label, row, 0);
    grid->addWidget(markLabel, row, 1);
    grid->addWidget(field, row, 2);
    return QList<QWidget*>{label, markLabel};
  };
  for (const Row& r : kRows) {
    auto* f = new NumericField(this);
    f->setObjectName(QString::fromLatin1(r.name));
    f->setDecimals(r.decimals);
    f->setRange(0, r.maximum);
    if (r.decimals != 2) f->setGrouped(false);
    if (r.quantity == kRate) f->setKindName(QStringLiteral("Percentage"));
    // The money and rate fields read the leading number of what was typed.
    if (r.quantity != kPeriod) f->setFreeText(true);
    fields_[r.quantity] = f;
    addRow(QString::fromLatin1(r.caption), QString::fromLatin1(r.mark), f);
    if (*r.unit != '\0') grid->addWidget(new QLabel(QString::fromLatin1(r.unit), this), row, 3);
    if (r.quantity == kRate) {
      rateError_ = new QLabel(QStringLiteral("   Error"), this);
      rateError_->setObjectName(QStringLiteral("Text1"));
      rateError_->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
      rateError_->hide();
      grid->addWidget(rateError_, row, 4);
    }
    ++row;
  }
  grid->setRowMinimumHeight(row++, 8);
  const auto total = [this](const char* name) {
    auto* f = new NumericField(this);
    f->setObjectName(QString::fromLatin1(name));
    f->setOutput(true);
    f->setRange(0, 1e15);
    return f;
  };
  totalInterest_ = total("numAns1");
  totalsWidgets_ = addRow(QStringLiteral("Total Interest"), QStringLiteral(": R"), totalInterest_);
  ++row;
  totalRepayments_ = total("numAns2");
  totalsWidgets_ +=
      addRow(QStringLiteral("Total Repayments"), QStringLiteral(": R"), totalRepayments_);
  totalsWidgets_ << totalInterest_ << totalRepayments_;
  ++row;
  grid->setRowStretch(row, 1);
  grid->setColumnMinimumWidth(3, 50);
  grid->setColumnMinimumWidth(4, 50);
}

void LoansWindow::connectFields() {
  const std::array<double LoanState::*, 4> targets{&LoanState::Repayment, &LoanState::Principal,
                                                   &LoanState::Period, &LoanState::AnnualRate};
  for (int q = 0; q < 4; ++q) {
    NumericField* f = fields_[q];
    connect(f, &NumericField::valueChanged, this,
            [this, target = targets[q]](double v) { loan().*target = v; });
    connect(f, &QLineEdit::returnPressed, this, &LoansWindow::calculate);
  }
  connect(fields_[kRate], &NumericField::entryRefused, this, [this](const QString& rejected) {
    refuse(fields_[kRate], LoanRateMax, LoanRateTitle, LoanRateText, rejected);
  });
  connect(fields_[kPeriod], &NumericField::entryRefused, this, [this](const QString& rejected) {
    refuse(fields_[kPeriod], LoanPeriodMax, LoanPeriodTitle, LoanPeriodText, rejected);
  });
  connect(modeGroup_, &QButtonGroup::idClicked, this, &LoansWindow::chooseMode);
  connect(calculate_, &QPushButton::clicked, this, &LoansWindow::calculate);
  connect(ok_, &QPushButton::clicked, this, &LoansWindow::closeWindow);
  connect(finCharges_, &QPushButton::clicked, this, &LoansWindow::toggleFinCharges);
  connect(monthly_, &QPushButton::clicked, this, [this] { openSchedule(false); });
  connect(annual_, &QPushButton::clicked, this, [this] { openSchedule(true); });
  // The panel's buttons send each report where they say; the shared destination
  // is left as it is. Without a complete loan the panel stays open.
  PrintPanelOptions panel;
  panel.cancelCaption = QStringLiteral("C&ancel");
  panel.cancelName = QStringLiteral("cmdPrintCancel");
  panel.schedule = true;
  setUpPrinting({panel, false, false}, print_, ok_);
  connect(grid_, &LoansGridPanel::closed, this, [this] {
    fitFrame();
    ok_->setFocus();
  });
}

void LoansWindow::activated() {
  const int mode = modeIndex();
  modes_[mode]->setChecked(true);
  applyMode();
  const LoanState stored = loan();
  const std::array<double, 4> values{stored.Repayment, stored.Principal, stored.Period,
                                     stored.AnnualRate};
  for (int q = 0; q < 4; ++q) {
    if (q != mode) fields_[q]->setValue(values[q]);
  }
  calculate();
}

void LoansWindow::calculate() {
  const BusyCursor busy;
  showResult(LoanCalc(loan(), context().state.LoanBuster.SavedPrincipal));
}

void LoansWindow::showResult(const LoanCalcResult& result) {
  rateError_->setVisible(result.RateError);
  if (result.RateError) rateError_->raise();
  const LoanState& l = loan();
  const std::array<double, 4> values{l.Repayment, l.Principal, l.Period, l.AnnualRate};
  const int mode = modeIndex();
  fields_[mode]->setValue(values[mode]);
  // The period search adjusts the repayment it started from.
  if (mode == kPeriod) fields_[kRepayment]->setValue(l.Repayment);
  if (l.FinChargesShown == "DOWN") fillTotals();
}

void LoansWindow::fillTotals() {
  const LoanState& l = loan();
  totalInterest_->setValue(l.Repayment * l.Period - l.Principal);
  totalRepayments_->setValue(l.Repayment * l.Period);
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
  fields_[mode == kPrincipal ? kPeriod : kPrincipal]->setFocus(Qt::OtherFocusReason);
}

void LoansWindow::applyMode() {
  const int mode = modeIndex();
  modeLabel_->setText(QString::fromStdString(loan().CalcMode));
  for (int q = 0; q < 4; ++q) {
    NumericField* f = fields_[q];
    const bool solved = q == mode;
    QPalette palette = f->palette();
    palette.setColor(QPalette::Base, solved ? kSolved : kTyped);
    f->setPalette(palette);
    f->setReadOnly(solved);
    f->setFocusPolicy(solved ? Qt::ClickFocus : Qt::StrongFocus);
  }
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

void LoansWindow::refuse(NumericField* field, double maximum, const char* title, const char* text,
                         const QString& rejected) {
  // Only a number above the field's limit has a message; a decimal too many is
  // just refused.
  if (LeadingNumber(rejected.toStdString()) <= maximum) return;
  context().messages.Error(this, QString::fromLatin1(title), QString::fromLatin1(text));
  field->setFocus(Qt::OtherFocusReason);
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
