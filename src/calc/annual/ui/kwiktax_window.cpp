#include "calc/annual/ui/kwiktax_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/print_report.h"
#include "frame/print_panel.h"
#include "store/reports/tax_reports.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmKwikTax"), [](AppContext& c) { return new KwikTaxWindow(c); });

QLabel* Caption(const QString& text, const QString& name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

KwikTaxWindow::KwikTaxWindow(AppContext& context)
    : CalculatorWindow(context, QStringLiteral("frmKwikTax"), QStringLiteral("QuickTax")) {
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    auto* f = new NumericField(this);
    f->setObjectName(QStringLiteral("sidbEdit1_%1").arg(i));
    f->setMinimumWidth(130);
    f->setOutput(i >= 2);
    fields_[i] = f;
  }
  fields_[0]->setRange(0, 9999999999.99);
  fields_[1]->setGrouped(false);
  // A whole number; a fraction typed rounds half to even, as the age does.
  fields_[1]->setDecimals(0);
  fields_[1]->setRange(0, 999);
  fields_[3]->setDecimals(0);
  fields_[3]->setGrouped(false);
  fields_[3]->setMinimumWidth(40);
  fields_[3]->setMaximumWidth(48);
  fields_[8]->setGrouped(false);
  fields_[9]->setGrouped(false);

  auto* grid = new QGridLayout;
  auto rand = [this] { return new QLabel(QStringLiteral("R"), this); };
  struct Row {
    int field;
    const char* caption;
    const char* label;
    bool amount;
  };
  const Row rows[] = {
      {0, "Taxable Income", "Label1_0", true},
      {1, "Age", "Label1_1", false},
      {2, "Tax on taxable income", "Label1_2", true},
  };
  int line = 0;
  for (const Row& r : rows) {
    QLabel* caption = Caption(QString::fromLatin1(r.caption), QString::fromLatin1(r.label), this);
    caption->setBuddy(fields_[static_cast<std::size_t>(r.field)]);
    grid->addWidget(caption, line, 0);
    if (r.amount) grid->addWidget(rand(), line, 1);
    grid->addWidget(fields_[static_cast<std::size_t>(r.field)], line, 2);
    ++line;
  }
  // The portion line: "+ Portion @ M/Rate ( 26 %) R 12 345".
  auto* portion = new QHBoxLayout;
  portion->addWidget(
      Caption(QStringLiteral("+ Portion @ M/Rate ("), QStringLiteral("Label1_3"), this));
  portion->addWidget(fields_[3]);
  portion->addWidget(Caption(QStringLiteral("%) R"), QStringLiteral("Label1_9"), this));
  portion->addStretch();
  grid->addLayout(portion, line, 0, 1, 2);
  grid->addWidget(fields_[4], line, 2);
  ++line;
  const Row results[] = {
      {5, "Total tax", "Label1_4", true},
      {6, "Less rebates", "Label1_5", true},
      {7, "Tax commitment", "Label1_6", true},
      {8, "Average rate before rebates    ", "Label1_7", false},
      {9, "Average rate after rebates       ", "Label1_8", false},
  };
  for (const Row& r : results) {
    grid->addWidget(Caption(QString::fromLatin1(r.caption), QString::fromLatin1(r.label), this),
                    line, 0);
    if (r.amount) grid->addWidget(rand(), line, 1);
    grid->addWidget(fields_[static_cast<std::size_t>(r.field)], line, 2);
    if (!r.amount) {
      grid->addWidget(
          Caption(QStringLiteral("%"), QStringLiteral("Label1_%1").arg(r.field + 2), this), line,
          3);
    }
    ++line;
  }
  const char* const names[] = {"Taxable Income",
                               "Age",
                               "Tax on taxable income",
                               "Marginal rate",
                               "Portion at the marginal rate",
                               "Total tax",
                               "Less rebates",
                               "Tax commitment",
                               "Average rate before rebates",
                               "Average rate after rebates"};
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    fields_[i]->setAccessibleName(QString::fromLatin1(names[i]));
  }

  auto* calculateButton = new QPushButton(QStringLiteral("&Calculate"), this);
  calculateButton->setObjectName(QStringLiteral("cmdCalculate"));
  calculateButton->setDefault(true);
  auto* printButton = new QPushButton(QStringLiteral("&Print"), this);
  printButton->setObjectName(QStringLiteral("cmPrint"));
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("cmdOk"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(calculateButton);
  buttons->addWidget(printButton);
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  // The rows keep to the top; the print panel opens in the room below them.
  layout->addStretch();

  printPanel_ = new PrintPanel(context.state.ReportDestination, this, QStringLiteral("Frame1"));

  connect(fields_[0], &NumericField::valueChanged, this,
          [this](double v) { this->context().state.TaxableIncome = v; });
  connect(fields_[1], &NumericField::valueChanged, this,
          [this](double v) { quickAge_ = ToInt16(v).value_or(0); });
  for (std::size_t i : {0u, 1u}) {
    connect(fields_[i], &QLineEdit::returnPressed, this, &KwikTaxWindow::calculate);
  }
  connect(calculateButton, &QPushButton::clicked, this, &KwikTaxWindow::calculate);
  connect(printButton, &QPushButton::clicked, this, [this, ok] { printPanel_->showBelow(ok); });
  connect(printPanel_, &PrintPanel::printRequested, this, &KwikTaxWindow::print);
  connect(ok, &QPushButton::clicked, this, &KwikTaxWindow::closeWindow);

  fields_[0]->setValue(context.state.TaxableIncome);
  calculate();
}

void KwikTaxWindow::activated() {
  fields_[0]->setValue(context().state.TaxableIncome);
  calculate();
}

void KwikTaxWindow::calculate() {
  SharedState& state = context().state;
  result_ = ComputeQuickTax({state.TaxableIncome, quickAge_});
  state.IncomeTax = result_.Tax;
  show(result_);
}

void KwikTaxWindow::show(const QuickTaxResult& r) {
  fields_[2]->setValue(r.Tax.BracketBaseTax);
  fields_[3]->setValue(r.Tax.MarginalRate);
  fields_[4]->setValue(r.Tax.PortionTax);
  fields_[5]->setValue(r.QuickTotalTax);
  fields_[6]->setValue(r.QuickRebate);
  fields_[7]->setValue(r.QuickTaxCommitment);
  fields_[8]->setValue(r.QuickAvgBefore);
  fields_[9]->setValue(r.QuickAvgAfter);
}

void KwikTaxWindow::print() {
  PrintReport(context(), this, QuickTaxReport({context().state.TaxableIncome, quickAge_}, result_));
}

}  // namespace reventa
