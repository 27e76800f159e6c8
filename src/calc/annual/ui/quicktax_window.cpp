// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/annual/ui/quicktax_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "frame/form.h"
#include "store/reports/tax_reports.h"
#include "taxyear/shared_state.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmKwikTax"), [](AppContext& c) { return new QuickTaxWindow(c); });

// The rows of results below the portion line, with their labels' names.
struct ResultRow {
  FieldEntry field;
  const char* label;
};
const ResultRow kResults[] = {
    {{"sidbEdit1_5", "Total tax", "R"}, "Label1_4"},
    {{"sidbEdit1_6", "Less rebates", "R"}, "Label1_5"},
    {{"sidbEdit1_7", "Tax commitment", "R"}, "Label1_6"},
    {{"sidbEdit1_8", "Average rate before rebates    ", "", "%", FieldLook::Rate, 2, 0,
      "Average rate before rebates"},
     "Label1_7"},
    {{"sidbEdit1_9", "Average rate after rebates       ", "", "%", FieldLook::Rate, 2, 0,
      "Average rate after rebates"},
     "Label1_8"},
};

}  // namespace

QuickTaxWindow::QuickTaxWindow(AppContext& context)
    : CalculatorWindow(context, QStringLiteral("frmKwikTax"), QStringLiteral("QuickTax")) {
  auto* grid = new QGridLayout;
  Form form(*this, grid);
  form.setFieldWidth(130);
  // The labels keep the names they always had, Label1(0) .. Label1(11).
  const auto name = [](QLabel* label, const char* labelName) {
    label->setObjectName(QString::fromLatin1(labelName));
  };
  const auto caption = [this](int field) {
    return findChild<QLabel*>(QStringLiteral("lbl_sidbEdit1_%1").arg(field));
  };
  fields_[0] = form.input({"sidbEdit1_0", "Taxable Income", "R"}, QuickTaxRanges[0].Range);
  name(caption(0), "Label1_0");
  // A whole number; a fraction typed rounds half to even, as the age does.
  fields_[1] =
      form.input({"sidbEdit1_1", "Age", "", "", FieldLook::Number}, QuickTaxRanges[1].Range);
  name(caption(1), "Label1_1");
  fields_[2] = form.result({"sidbEdit1_2", "Tax on taxable income", "R"});
  name(caption(2), "Label1_2");

  // The portion line: "+ Portion @ M/Rate ( 26 %) R 12 345".
  fields_[3] =
      form.makeResult({"sidbEdit1_3", "", "", "", FieldLook::Number, 0, 0, "Marginal rate"});
  fields_[3]->setMinimumWidth(40);
  fields_[3]->setMaximumWidth(48);
  fields_[4] = form.makeResult(
      {"sidbEdit1_4", "", "", "", FieldLook::Amount, 2, 0, "Portion at the marginal rate"});
  auto* before = new QLabel(QStringLiteral("+ Portion @ M/Rate ("), this);
  name(before, "Label1_3");
  auto* after = new QLabel(QStringLiteral("%) R"), this);
  name(after, "Label1_9");
  auto* portion = new QHBoxLayout;
  portion->addWidget(before);
  portion->addWidget(fields_[3]);
  portion->addWidget(after);
  portion->addStretch();
  grid->addLayout(portion, form.row(), 0, 1, 2);
  grid->addWidget(fields_[4], form.row(), 2);
  form.setRow(form.row() + 1);

  for (std::size_t i = 0; i < std::size(kResults); ++i) {
    fields_[i + 5] = form.result(kResults[i].field);
    name(caption(static_cast<int>(i) + 5), kResults[i].label);
  }
  // The "%" after the average rates are Label1(10) and Label1(11).
  name(findChild<QLabel*>(QStringLiteral("lblUnit_sidbEdit1_8")), "Label1_10");
  name(findChild<QLabel*>(QStringLiteral("lblUnit_sidbEdit1_9")), "Label1_11");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addLayout(commandRow(
      {{"&Calculate", "cmdCalculate"}, {"&Print", "cmPrint"}, kStretch, {"&OK", "cmdOk"}}));
  // The rows keep to the top; the print panel opens in the room below them.
  layout->addStretch();
  finishTabOrder();
  PrintPanelOptions panel;
  panel.objectName = QStringLiteral("Frame1");
  setUpPrinting({panel}, command(QStringLiteral("cmPrint")), command(QStringLiteral("cmdOk")));

  connect(fields_[0], &NumericField::valueChanged, this,
          [this](double v) { this->context().state.TaxableIncome = v; });
  connect(fields_[1], &NumericField::valueChanged, this,
          [this](double v) { SetValue(QuickTaxRanges[1], input_, v); });
  connect(command(QStringLiteral("cmdCalculate")), &QPushButton::clicked, this,
          &QuickTaxWindow::calculate);

  fields_[0]->setValue(context.state.TaxableIncome);
  calculate();
}

void QuickTaxWindow::activated() {
  fields_[0]->setValue(context().state.TaxableIncome);
  calculate();
}

void QuickTaxWindow::calculate() {
  SharedState& state = context().state;
  input_.TaxableIncome = state.TaxableIncome;
  result_ = ComputeQuickTax(input_);
  state.IncomeTax = result_.Tax;
  show(result_);
}

void QuickTaxWindow::show(const QuickTaxResult& r) {
  fields_[2]->setValue(r.Tax.BracketBaseTax);
  fields_[3]->setValue(r.Tax.MarginalRate);
  fields_[4]->setValue(r.Tax.PortionTax);
  fields_[5]->setValue(r.QuickTotalTax);
  fields_[6]->setValue(r.QuickRebate);
  fields_[7]->setValue(r.QuickTaxCommitment);
  fields_[8]->setValue(r.QuickAvgBefore);
  fields_[9]->setValue(r.QuickAvgAfter);
}

std::optional<Report> QuickTaxWindow::report() { return QuickTaxReport(input_, result_); }

}  // namespace reventa
