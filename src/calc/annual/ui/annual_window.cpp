#include "calc/annual/ui/annual_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/print_report.h"
#include "store/reports/tax_reports.h"
#include "taxyear/day_serial.h"
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

const QString kDateTitle = QStringLiteral("Incorrect Date");
const QString kCapMessage =
    QStringLiteral("Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!");

}  // namespace

AnnualWindow::AnnualWindow(AppContext& context)
    : PayrollWindow(context, QStringLiteral("frmAnnual"), QStringLiteral("Annual"),
                    QStringLiteral("Employee name :"), {}) {
  const BusyCursor busy;
  age_ = addCountRow(QStringLiteral("silgEdit1"), QStringLiteral("Age"), AgeRange.Max);
  fieldGrid()->addWidget(infoButton(), 0, 3, Qt::AlignLeft);
  addToTabOrder(infoButton());
  connect(age_, &NumericField::valueChanged, this,
          [this](double v) { inputs_.AnnAge = ToInt16(v).value_or(0); });

  struct Amount {
    const char* name;
    const char* label;
    double AnnualInputs::*target;
  };
  const Amount amounts[] = {
      {"silgEdit2", "Salary/remuneration", &AnnualInputs::AnnSalary},
      {"numEmpERMedAidCont", "Employer's med aid contrib.", &AnnualInputs::AnnEmployerMedAid},
      {"numEmpEEMedAidCont", "Employee's med aid contrib.", &AnnualInputs::AnnEmployeeMedAid},
      {"numEmpRRFundCont", " Employer's R/Fund contributions ", &AnnualInputs::AnnEmployerRFund},
      {"numEmpERFundCont", "Employee's R/Fund contributions", &AnnualInputs::AnnEmployeeRFund},
      {"numDirFees", "Commissions", &AnnualInputs::AnnCommissions},
      {"silgEdit4", "Bonus", &AnnualInputs::AnnBonus},
      {"silgEdit8", "Travel allowance received", &AnnualInputs::AnnTravelAllowance},
  };
  for (const Amount& a : amounts) {
    NumericField* f = addAmountRow(QString::fromLatin1(a.name), QString::fromLatin1(a.label));
    f->setRange(0, 99999999);
    const auto target = a.target;
    connect(f, &NumericField::valueChanged, this,
            [this, target](double v) { inputs_.*target = v; });
  }

  addSpanningRow(buildBeneficiaries());
  allowable_ = addResultRow(QStringLiteral("numAllowableRFundDed"),
                            QStringLiteral("Allowable R/Fund deduction"), 0);
  start_ = addDateRow(QStringLiteral("dtStartDate"), QStringLiteral("Start date"));
  end_ = addDateRow(QStringLiteral("dtEndDate"), QStringLiteral("End date"));
  addSeparator();
  taxLiability_ = addResultRow(QStringLiteral("numMAns"), QStringLiteral("Tax liability"), 2);
  medCredit_ = addResultRow(QStringLiteral("numTaxCredit"),
                            QStringLiteral("Tax credits for beneficiaries"), 2);
  addMedCredit_ = addResultRow(QStringLiteral("numMTCForContri"),
                               QStringLiteral("Tax credits for contributions"), 2);
  total_ =
      addResultRow(QStringLiteral("numTaxLiability"), QStringLiteral("Total tax deduction"), 2);
  paye_ = addResultRow(QStringLiteral("numAns_1"), QStringLiteral("PAYE"), 2);
  finishLayout();

  connect(start_, &DateField::valueChanged, this,
          [this](double serial) { inputs_.AnnStartDate = serial; });
  connect(end_, &DateField::valueChanged, this,
          [this](double serial) { inputs_.AnnEndDate = serial; });
  // Each date's bound that follows the other date is refreshed as the field is
  // entered, so the start never passes the end.
  connect(start_, &DateField::entered, this, [this] { start_->setMaximum(end_->value()); });
  connect(end_, &DateField::entered, this, [this] { end_->setMinimum(start_->value()); });
  connect(start_, &DateField::refused, this,
          [this] { showError(kDateTitle, QString::fromStdString(TaxYearDateMessage()), start_); });
  connect(end_, &DateField::refused, this, [this] {
    showError(kDateTitle, QString::fromStdString(TaxYearDateMessage(start_->value())), end_);
  });

  // Opening: the stored settings, the defaults, one calculation (all results 0).
  loadSettings();
  start_->setRange(TaxYearStart, TaxYearEnd);
  end_->setRange(TaxYearStart, TaxYearEnd);
  start_->setValue(TaxYearStart);
  end_->setValue(TaxYearEnd);
  calculate();
}

QWidget* AnnualWindow::buildBeneficiaries() {
  auto* frame = new QGroupBox(QStringLiteral("Number of Medical Aid Beneficiaries "), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  auto* grid = new QGridLayout;
  int column = 0;
  for (const MonthCaption& m : TaxYearMonthCaptions) {
    auto* field = new NumericField(frame);
    field->setObjectName(QStringLiteral("numAnnCalcBens_%1").arg(m.month));
    field->setDecimals(0);
    field->setGrouped(false);
    // Two digits can be typed; a count above 24 is capped when the field is left.
    field->setRange(0, 99);
    field->setFixedWidth(38);
    auto* caption = new QLabel(QString::fromLatin1(m.caption.english).trimmed(), frame);
    caption->setBuddy(field);
    caption->setAlignment(Qt::AlignCenter);
    field->setAccessibleName(QStringLiteral("Beneficiaries in ") + caption->text());
    grid->addWidget(caption, 0, column);
    grid->addWidget(field, 1, column);
    ++column;
    months_[static_cast<std::size_t>(m.month)] = field;
    addToTabOrder(field);
    calculateOnEnter(field);
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
  context().messages.Info(this, kCapMessage);
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
    showError(kAppTitle, QString::fromStdString(*r.Error), nullptr);
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

void AnnualWindow::writeReport() {
  PrintReport(context(), this,
              AnnualReport(reportLanguage(), employeeName(), calculated_, result_));
}

}  // namespace reventa
