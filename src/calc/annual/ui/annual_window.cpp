// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/annual/ui/annual_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/reports/tax_reports.h"
#include "store/settings_store.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/date_field.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmAnnual"), [](AppContext& c) { return new AnnualWindow(c); });

// The window's fields above the beneficiaries, in the order of AnnualRanges.
constexpr FieldEntry kAge{"silgEdit1", "Age", "",      "",    FieldLook::Number,
                          0,           60,    nullptr, false, Qt::AlignRight};
constexpr FieldEntry kAmounts[] = {
    {"silgEdit2", "Salary/remuneration", "R"},
    {"numEmpERMedAidCont", "Employer's med aid contrib.", "R"},
    {"numEmpEEMedAidCont", "Employee's med aid contrib.", "R"},
    {"numEmpRRFundCont", " Employer's R/Fund contributions ", "R"},
    {"numEmpERFundCont", "Employee's R/Fund contributions", "R"},
    {"numDirFees", "Commissions", "R"},
    {"silgEdit4", "Bonus", "R"},
    {"silgEdit8", "Travel allowance received", "R"},
};
constexpr FieldEntry kStart{
    "dtStartDate", "Start date", "", "", FieldLook::Number, 0, 110, nullptr, false, Qt::AlignRight};
constexpr FieldEntry kEnd{"dtEndDate", "End date", "",      "",    FieldLook::Number,
                          0,           110,        nullptr, false, Qt::AlignRight};

FieldEntry Result(const char* name, const char* caption, int decimals = 2) {
  return {name, caption, "R", "", FieldLook::Amount, decimals};
}

const InputField<AnnualInputs>& Range(const char* key) {
  return *FindInput<AnnualInputs>(AnnualRanges, key);
}

}  // namespace

AnnualWindow::AnnualWindow(AppContext& context)
    : PayrollWindow(context, QStringLiteral("frmAnnual"), QStringLiteral("Annual"),
                    QStringLiteral("Employee name :")) {
  const BusyCursor busy;
  Form& f = form();
  f.input(kAge, Range("AnnAge"), inputs_);
  f.grid()->addWidget(infoButton(), 0, 3, Qt::AlignLeft);
  for (std::size_t i = 0; i < std::size(kAmounts); ++i) {
    f.input(kAmounts[i], AnnualRanges[i + 1], inputs_);
  }
  f.span(buildBeneficiaries());
  allowable_ = f.result(Result("numAllowableRFundDed", "Allowable R/Fund deduction", 0));
  start_ = f.date(kStart, Range("AnnStartDate"), inputs_);
  end_ = f.date(kEnd, Range("AnnEndDate"), inputs_);
  setUpTaxYearDates(start_, end_, true);
  f.line();
  taxLiability_ = f.result(Result("numMAns", "Tax liability"));
  medCredit_ = f.result(Result("numTaxCredit", "Tax credits for beneficiaries"));
  addMedCredit_ = f.result(Result("numMTCForContri", "Tax credits for contributions"));
  total_ = f.result(Result("numTaxLiability", "Total tax deduction"));
  paye_ = f.result(Result("numAns_1", "PAYE"));
  finishLayout();

  // Opening: the stored settings, the defaults, one calculation (all results 0).
  loadSettings();
  start_->setValue(TaxYearStart);
  end_->setValue(TaxYearEnd);
  calculate();
}

QWidget* AnnualWindow::buildBeneficiaries() {
  auto* frame = new QGroupBox(QStringLiteral("Number of Medical Aid Beneficiaries "), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* grid = new QGridLayout;
  // Two digits can be typed; a count above 24 is capped when the box is left.
  InputRange typed = AnnualMonthBensRange;
  typed.Max = 99;
  Form boxes(*this, grid);
  int column = 0;
  for (const MonthCaption& m : TaxYearMonthCaptions) {
    const QByteArray name = QStringLiteral("numAnnCalcBens_%1").arg(m.month).toLatin1();
    NumericField* field =
        boxes.makeInput({name.constData(), "", "", "", FieldLook::Number, 0, 38}, typed);
    field->setParent(frame);
    auto* caption = new QLabel(QString::fromLatin1(m.caption.english).trimmed(), frame);
    caption->setBuddy(field);
    caption->setAlignment(Qt::AlignCenter);
    field->setAccessibleName(QStringLiteral("Beneficiaries in ") + caption->text());
    grid->addWidget(caption, 0, column);
    grid->addWidget(field, 1, column);
    ++column;
    months_[static_cast<std::size_t>(m.month)] = field;
    const int month = m.month;
    connect(field, &NumericField::valueChanged, this, [this, month](double v) {
      inputs_.AnnMonthBens[static_cast<std::size_t>(month)] = ToInt16(v).value_or(0);
    });
    connect(field, &NumericField::left, this, [this, month] { capMonth(month); });
  }
  auto* duplicate = new QPushButton(QStringLiteral("Duplicate March to all 12 months "), frame);
  duplicate->setObjectName(QStringLiteral("cmdDuplicate"));
  addToTabOrder(duplicate);
  connect(duplicate, &QPushButton::clicked, this, &AnnualWindow::duplicateMarch);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(duplicate);
  auto* layout = new QVBoxLayout(frame);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  return frame;
}

void AnnualWindow::capMonth(int month) {
  NumericField* field = months_[static_cast<std::size_t>(month)];
  if (field->value() <= AnnualMonthBensRange.Max) return;
  context().messages.Info(this, QString::fromUtf8(AnnualMonthBensRange.Text));
  field->setValue(AnnualMonthBensRange.Max);
  // Back to the box that was refused, as after every range message.
  field->setFocus(Qt::OtherFocusReason);
}

void AnnualWindow::duplicateMarch() {
  for (int month = 1; month <= 12; ++month) capMonth(month);
  const double march = months_[3]->value();
  for (int month = 1; month <= 12; ++month)
    months_[static_cast<std::size_t>(month)]->setValue(march);
}

void AnnualWindow::calculate() {
  // A date still being typed, or a count not yet capped, is dealt with first, as
  // leaving its field would.
  if (!start_->commit() || !end_->commit()) return;
  for (const MonthCaption& m : TaxYearMonthCaptions) capMonth(m.month);
  inputs_.AnnInclusionRate = settings().TAIncRate8020;
  AnnualResult r;
  {
    const BusyCursor busy;
    r = CalculateAnnual(inputs_);
  }
  if (r.Error) {
    refuse(nullptr, kAppTitle, QString::fromStdString(*r.Error));
    return;
  }
  calculated_ = inputs_;
  calculated_.AnnMonthBens = r.AnnMonthBens;
  result_ = r;
  SharedState& state = context().state;
  state.TaxableIncome = r.LastTaxableIncome;
  state.IncomeTax = r.LastIncomeTax;
  showResult(r);
}

void AnnualWindow::showResult(const AnnualResult& r) {
  // The months outside the period, cleared by the calculation.
  for (int month = 1; month <= 12; ++month) {
    months_[static_cast<std::size_t>(month)]->setValue(
        r.AnnMonthBens[static_cast<std::size_t>(month)]);
  }
  allowable_->setValue(r.AnnAllowableRFund);  // whole rand, half to even
  taxLiability_->setValue(r.AnnTaxLiability);
  medCredit_->setValue(r.AnnMedCredit);
  addMedCredit_->setValue(r.AnnAddMedCredit);
  total_->setValue(r.AnnTotalTaxDeduction);
  paye_->setValue(r.AnnPAYE);
}

std::optional<Report> AnnualWindow::report() {
  return AnnualReport(reportLanguage(), employeeName(), calculated_, result_);
}

}  // namespace reventa
