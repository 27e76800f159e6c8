// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/package/ui/package_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "calc/package/ui/package_setup.h"
#include "calc/package/ui/ra_explained.h"
#include "calc/package/ui/retirement_annuity_panel.h"
#include "frame/form.h"
#include "frame/settings_panel.h"
#include "store/reports/package_report.h"
#include "store/settings_store.h"
#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"

namespace reventa {

// A field of a line, and what it is.
struct PackageCell {
  enum class Role {
    None,    // no field
    Input,   // typed: the range of `key` in PackageRanges, into the window's inputs;
             // without a key, a money field that the range table does not list
    Copy,    // shows the employee's figure beside it as it is typed
    Result,  // the calculation's
  };
  Role role = Role::None;
  FieldEntry entry{"", ""};
  const char* key = nullptr;
};

// A line of a block: the employee's figure and the cost to the company. The
// caption is the first field's.
struct PackageLine {
  PackageCell main{};
  PackageCell cost{};
};

namespace {

using Role = PackageCell::Role;

CalculatorFactory Factory(const PackageVariant& variant) {
  return [&variant](AppContext& c) { return new PackageCalculatorWindow(c, variant); };
}

const bool kRegistered[] = {
    RegisterCalculatorWindow(QString::fromLatin1(kReventaAnnual.objectName),
                             Factory(kReventaAnnual)),
    RegisterCalculatorWindow(QString::fromLatin1(kReventaMonthly.objectName),
                             Factory(kReventaMonthly)),
    RegisterCalculatorWindow(QString::fromLatin1(kVeloxaAnnual.objectName), Factory(kVeloxaAnnual)),
    RegisterCalculatorWindow(QString::fromLatin1(kVeloxaMonthly.objectName),
                             Factory(kVeloxaMonthly)),
};

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// The window's figures stand in two blocks side by side, the inputs on the left
// and the results on the right, so that the window fits a small screen. In each
// block a cost-to-company column's frame sits behind its fields, in the same grid
// as the employee's figures so that each row lines up across both. These are the
// columns of one block; the results block starts at kBlockWidth. Row 0 leaves
// room for the frames' caption.
constexpr int kCaptionColumn = 0;
constexpr int kMainColumn = 1;
constexpr int kFrameLeft = 2;
constexpr int kCostColumn = 3;
constexpr int kFrameRight = 4;
constexpr int kBlockWidth = 6;  // the five columns and a gap
constexpr int kFirstRow = 1;

// A block's column of fields. No field of these windows has a mark or a unit.
constexpr FormColumns Columns(int block, int field) {
  return {block + kCaptionColumn, block + field, block + field, block + field};
}

constexpr int kAmountWidth = 112;
constexpr int kCountWidth = 64;  // the age and the beneficiaries

// The hidden additional beneficiaries' count.
constexpr InputRange kAdditionalBeneficiariesRange{"", 0, 99, 0};

constexpr FieldEntry Amount(const char* name, const char* caption = "") { return {name, caption}; }
constexpr FieldEntry Count(const char* name, const char* caption) {
  return {name, caption, "", "", FieldLook::Number, 0, kCountWidth};
}
PackageCell Input(const FieldEntry& entry, const char* key = nullptr) {
  return {Role::Input, entry, key};
}
PackageCell Copy(const char* name) { return {Role::Copy, Amount(name)}; }
PackageCell Result(const FieldEntry& entry) { return {Role::Result, entry}; }
PackageCell Result(const char* name, const char* caption = "") {
  return Result(Amount(name, caption));
}

// The inputs block above the other expenses, in the tab order.
std::vector<PackageLine> InputLines(const PackageVariant& v) {
  const bool netToGross = v.netToGross();
  std::vector<PackageLine> lines = {
      {Input(Count("numAge", "Taxpayer's age"), "Age")},
      // The net required or, gross-to-net, the package; only the package has its
      // copy in the cost-to-company column.
      {Input(Amount("numNetMonSalReq", v.amountCaption), netToGross ? "NetRequired" : "Package"),
       netToGross ? PackageCell{} : Copy("numCCNetMonSalReq")},
      {Input(Amount("numCompCar", "Company car value"), "CarValue"),
       Input(Amount("numCCCompCar"), "CarCostCC")},
      {Input(Amount("numTravAll", "Travel allowance"), "Travel"), Copy("numCCTravAll")},
      {Input(Amount("numOTaxFB", "Other taxable f/benefits"), "OtherFB"), Copy("numCCOTaxFB")},
      {Input(Amount("numMedAidCont", "Med. aid fund contributions"), "MedEmployee"),
       Input(Amount("numCCMedAidCont"), "MedEmployer")},
      {Input(Count("numPMems", PackageBeneficiariesCaption(v.kind.Period)), "Beneficiaries")},
      {Input(Amount("numMedDeduct", "Medical deductions"), "MedDeduct")},
      {Input(Amount("numRFundCont", "R/Fund (Pension, Prov, R/A) "), "RFundEmployeeTyped"),
       Input(Amount("numCCRFundCont"), "RFundEmployerTyped")},
  };
  if (v.providentRows()) {
    FieldEntry pension = Amount("numPenDeduct", v.pensionDeductedCaption);
    pension.accessible = "Pension deducted";
    lines.push_back({Result("numProvFund", "Provident fund"), Result("numCCProvFund")});
    lines.push_back({Result(pension), Result("numCCPenDeduct")});
    lines.push_back({Input(Amount("numRADeduct", "R/A ded. (directive?)"))});
  }
  return lines;
}

// The results block.
std::vector<PackageLine> ResultLines(const PackageVariant& v) {
  return {
      {Result("numUIFCont", "UIF contribution"), Result("numCCUIFCont")},
      {{}, Result("numCCSkillLev", v.skillsLevyCaption)},
      {Result("numMAns", "Tax due")},
      {Result("numTaxCredit", "Tax credit")},
      {Result("numTaxDeduct", "Tax deduction")},
      {Result("numGrossSal", v.resultCaption)},
      {{}, Result("numTotCostComp", "Total cost to company R")},
  };
}

// The cost-to-company frame behind the block's column, from the caption row to
// the row after its last line.
void FrameCostColumn(QWidget* window, QGridLayout* grid, int block, const QString& name,
                     int lastRow) {
  auto* frame = new QGroupBox(QStringLiteral("Cost to company"), window);
  frame->setObjectName(name);
  grid->addWidget(frame, 0, block + kFrameLeft, lastRow + 2, kFrameRight - kFrameLeft + 1);
  frame->lower();
  grid->setColumnMinimumWidth(block + kFrameLeft, 10);
  grid->setColumnMinimumWidth(block + kFrameRight, 10);
}

}  // namespace

PackageCalculatorWindow::PackageCalculatorWindow(AppContext& context, const PackageVariant& variant)
    : CalculatorWindow(context, Utf8(variant.objectName), Utf8(variant.caption)),
      variant_(variant) {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  buildFigures(grid);

  warning_ = new QLabel(Utf8(RFundWarningText), this);
  warning_->setObjectName(QStringLiteral("lblRFundWarning"));
  warning_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
  warning_->setAlignment(Qt::AlignCenter);
  warning_->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(warning_);
  layout->addSpacing(6);
  layout->addLayout(commandRow({{"&Calculate", "cmdCalculate"},
                                {"&Settings", "cmdSettings"},
                                {"&R/A Explained", "cmdRAExpl"},
                                {"&Print", "cmdPrint"},
                                kStretch,
                                {"&OK", "cmdOk"}}));
  // The rows keep to the top; a taller window (the warning) moves the buttons down.
  layout->addStretch();
  addAdditionalBeneficiaries();

  setupPanel_ = NewPackageSetupPanel(variant_, this);
  explainPanel_ = new RetirementAnnuityPanel(this);
  // The name on a line of its own under its caption, so the panel fits the window.
  PrintPanelOptions panel;
  panel.nameCaption = QStringLiteral("Taxpayer's name :(max50Chrs.");
  panel.nameAccessible = QStringLiteral("Taxpayer's name");
  panel.nameWidth = 280;
  panel.nameBelowCaption = true;
  setUpPrinting({panel}, command(QStringLiteral("cmdPrint")), command(QStringLiteral("cmdOk")));
  // Wide enough for the print panel's three buttons side by side.
  setMinimumWidth(printPanel()->sizeHint().width() + 2 * layout->contentsMargins().left());
  finishTabOrder();

  connect(command(QStringLiteral("cmdCalculate")), &QPushButton::clicked, this,
          &PackageCalculatorWindow::calculate);
  connect(command(QStringLiteral("cmdSettings")), &QPushButton::clicked, this,
          &PackageCalculatorWindow::openSettings);
  connect(command(QStringLiteral("cmdRAExpl")), &QPushButton::clicked, this,
          &PackageCalculatorWindow::explainRetirementAnnuity);
  connect(setupPanel_, &SettingsPanel::accepted, this, &PackageCalculatorWindow::saveSettings);
  connect(printPanel(), &PrintPanel::closed, this, [this] { setCommandsEnabled(true, false); });

  // The preferences shared by the four package windows. A store that cannot be
  // read is reported (a damaged one with the offer of a fresh copy, once a run);
  // the window carries on with the defaults.
  LoadPackageSettings(*setupPanel_, variant_, context.settings().read(this));
}

NumericField* PackageCalculatorWindow::field(const char* name) const {
  return findChild<NumericField*>(QString::fromLatin1(name));
}

void PackageCalculatorWindow::buildFigures(QGridLayout* grid) {
  Form main(*this, grid, Columns(0, kMainColumn));
  Form cost(*this, grid, Columns(0, kCostColumn));
  for (Form* f : {&main, &cost}) {
    f->setFieldWidth(kAmountWidth);
    f->setRow(kFirstRow);
  }
  for (const PackageLine& line : InputLines(variant_)) addLine(main, cost, line);
  // The same field holds the net required or, gross-to-net, the package.
  connect(field("numNetMonSalReq"), &NumericField::valueChanged, this, [this](double v) {
    held_.NetRequired = v;
    held_.Package = v;
  });
  addOtherExpenses(main, cost);
  FrameCostColumn(this, grid, 0, QStringLiteral("fraCostToCompany"), main.row() - 1);
  const int lastRow = main.row();

  // The results, beside the inputs.
  Form results(*this, grid, Columns(kBlockWidth, kMainColumn));
  Form resultsCost(*this, grid, Columns(kBlockWidth, kCostColumn));
  for (Form* f : {&results, &resultsCost}) {
    f->setFieldWidth(kAmountWidth);
    f->setRow(kFirstRow);
  }
  for (const PackageLine& line : ResultLines(variant_)) addLine(results, resultsCost, line);
  FrameCostColumn(this, grid, kBlockWidth, QStringLiteral("fraCostToCompanyResults"),
                  results.row() - 1);
  addOnceOffNote(grid, results.row(), kBlockWidth);

  grid->setRowMinimumHeight(0, fontMetrics().height() + 4);
  grid->setRowMinimumHeight(lastRow, 6);
  grid->setColumnMinimumWidth(kBlockWidth - 1, 16);
  grid->setColumnStretch(kCaptionColumn, 1);
  grid->setColumnStretch(kBlockWidth + kCaptionColumn, 1);
  grid->setRowStretch(lastRow + 1, 1);
}

NumericField* PackageCalculatorWindow::addCell(Form& form, const PackageCell& cell) {
  switch (cell.role) {
    case Role::None:
      break;
    case Role::Input:
      if (cell.key == nullptr) return form.input(cell.entry, PackageMoneyRange);
      return form.input(cell.entry, *FindInput(PackageRanges(variant_.kind), cell.key), held_);
    case Role::Copy:
    case Role::Result:
      return form.result(cell.entry);
  }
  return nullptr;
}

void PackageCalculatorWindow::addLine(Form& main, Form& cost, const PackageLine& line) {
  const int row = main.row();
  cost.setRow(row);
  NumericField* employee = addCell(main, line.main);
  NumericField* company = addCell(cost, line.cost);
  main.setRow(row + 1);
  cost.setRow(row + 1);
  if (employee == nullptr || company == nullptr) return;
  company->setAccessibleName(QStringLiteral("Cost to company: ") + employee->accessibleName());
  if (line.cost.role == Role::Copy) {
    connect(employee, &NumericField::valueChanged, company,
            [company](double v) { company->setValue(v); });
  }
}

void PackageCalculatorWindow::addOtherExpenses(Form& main, Form& cost) {
  auto* caption = new QLabel(QStringLiteral("Other Expenses :"), this);
  caption->setObjectName(QStringLiteral("lblOtherExpenses"));
  main.grid()->addWidget(caption, main.row(), kCaptionColumn);
  main.setRow(main.row() + 1);
  for (std::size_t i = 0; i < otherExpense_.size(); ++i) {
    const QString n = QString::number(i);
    const int number = static_cast<int>(i) + 1;
    auto* text = new QLineEdit(this);
    text->setObjectName(QStringLiteral("txtOtherDet_") + n);
    text->setAccessibleName(QStringLiteral("Other expense %1").arg(number));
    if (i == 0) caption->setBuddy(text);
    addToTabOrder(text);
    calculateOnEnter(text);
    main.grid()->addWidget(text, main.row(), kCaptionColumn);
    otherExpenseText_[i] = text;

    const QByteArray amount = (QStringLiteral("numOtherDet_") + n).toLatin1();
    const QByteArray copy = (QStringLiteral("numOtherDetCC_") + n).toLatin1();
    addLine(main, cost, {Input(Amount(amount.constData())), Copy(copy.constData())});
    otherExpense_[i] = field(amount.constData());
    otherExpenseCostToCompany_[i] = field(copy.constData());
    otherExpense_[i]->setAccessibleName(QStringLiteral("Other expense %1 amount").arg(number));
    otherExpenseCostToCompany_[i]->setAccessibleName(
        QStringLiteral("Cost to company: other expense %1").arg(number));
    // The four come into the calculation as their total.
    connect(otherExpense_[i], &NumericField::valueChanged, this, [this] {
      held_.OtherDedTotal = otherExpense_[0]->value() + otherExpense_[1]->value() +
                            otherExpense_[2]->value() + otherExpense_[3]->value();
    });
  }
}

void PackageCalculatorWindow::addOnceOffNote(QGridLayout* grid, int row, int column) {
  // The once-off note on a company car the employer has not costed, below the
  // results, wrapped to their width.
  onceOffNote_ = new QWidget(this);
  onceOffNote_->setObjectName(QStringLiteral("fraOnceOff"));
  auto* note = new QGridLayout(onceOffNote_);
  note->setContentsMargins(0, 0, 0, 0);
  auto* before = new QLabel(QStringLiteral("(plus a \"once-off\" cost of R"), onceOffNote_);
  before->setObjectName(QStringLiteral("lblOnceOff_0"));
  Form form(*this, note);
  form.setFieldWidth(kAmountWidth);
  FieldEntry entry = Amount("numOnceOff");
  entry.accessible = "Once-off cost of the company car";
  NumericField* onceOff = form.makeResult(entry);
  auto* after = new QLabel(kOnceOffTail, onceOffNote_);
  after->setObjectName(QStringLiteral("lblOnceOff_1"));
  after->setWordWrap(true);
  note->addWidget(before, 0, 0);
  note->addWidget(onceOff, 0, 1);
  note->addWidget(after, 1, 0, 1, 3);
  note->setColumnStretch(2, 1);
  onceOffNote_->hide();
  // Three rows of the inputs beside it give it room for its two lines without
  // changing their height.
  grid->addWidget(onceOffNote_, row + 1, column + kCaptionColumn, 3, kFrameRight + 1, Qt::AlignTop);
}

void PackageCalculatorWindow::addAdditionalBeneficiaries() {
  // Additional medical beneficiaries were once entered here; the frame stays out
  // of sight and its count, always 0, is only printed.
  auto* extra = new QFrame(this);
  extra->setObjectName(QStringLiteral("fraAddBens"));
  auto* grid = new QGridLayout(extra);
  Form form(*this, grid);
  FieldEntry entry = Count("numAddBens", "Number of additional beneficiaries ");
  entry.unit = "(R720pm each)";
  form.input(entry, kAdditionalBeneficiariesRange);
  grid->addWidget(new QLabel(QStringLiteral("(R440pm each)"), extra), 0, 4);
  extra->move(-2000, -2000);
  extra->hide();
}

PackageInputs PackageCalculatorWindow::inputs() const {
  PackageInputs in = held_;
  const SetupRecord& s = setupPanel_->values();
  in.EmployeePct = s.PensionCont;
  in.EmployerPct = s.EmployerPenCont;
  in.UifEmployeePct = s.EmployeeUIF;
  in.UifEmployerPct = s.EmployerUIF;
  in.SdlPct = s.SkillLevy;
  in.UifLimit = s.UIFLimit;
  in.TaRate = s.TAIncRate8020;
  in.CarFbRate = s.CompCarFBRate8020;
  in.MaintenancePlan = s.CompCarMPYesNo;
  return in;
}

void PackageCalculatorWindow::calculate() {
  const BusyCursor busy;
  std::vector<const char*> cleared = {"numUIFCont",   "numCCUIFCont", "numCCSkillLev",
                                      "numTaxDeduct", "numGrossSal",  "numTotCostComp",
                                      "numOnceOff"};
  if (variant_.providentRows()) {
    cleared.insert(cleared.end(), {"numProvFund", "numCCProvFund"});
    if (!variant_.netToGross()) cleared.insert(cleared.end(), {"numPenDeduct", "numCCPenDeduct"});
  }
  for (const char* name : cleared) field(name)->setValue(0);
  onceOffNote_->hide();

  result_ = CalculatePackage(variant_.kind, inputs(), result_);
  if (result_.Error) {
    Message message;
    message.title = QString::fromStdString(result_.Error->Title);
    message.text = QString::fromStdString(result_.Error->Text);
    context().messages.Show(this, message);
  }
  // What the calculation changed in the inputs.
  const PackageFieldUpdates& u = result_.Updates;
  if (u.MedDeductCleared) field("numMedDeduct")->setValue(0);
  if (u.BeneficiariesCleared) field("numPMems")->setValue(0);
  if (u.RFundEmployeeSet) field("numRFundCont")->setValue(result_.RFundEmployee);
  if (u.RFundEmployerSet) field("numCCRFundCont")->setValue(result_.RFundEmployer);

  show(result_);
  if (result_.IncomeTaxComputed) {
    context().state.TaxableIncome = result_.LastTaxableIncome;
    context().state.IncomeTax = result_.LastIncomeTax;
  }
}

void PackageCalculatorWindow::show(const PackageResult& r) {
  const PackageShownValues& s = r.Shown;
  field("numUIFCont")->setValue(s.numUIFCont);
  field("numCCUIFCont")->setValue(s.numCCUIFCont);
  field("numCCSkillLev")->setValue(s.numCCSkillLev);
  field("numMAns")->setValue(s.numMAns);
  field("numTaxCredit")->setValue(s.numTaxCredit);
  field("numTaxDeduct")->setValue(s.numTaxDeduct);
  field("numGrossSal")->setValue(s.numGrossSal);
  field("numOnceOff")->setValue(s.numOnceOff);
  onceOffNote_->setVisible(s.OnceOffShown);
  field("numTotCostComp")->setValue(s.numTotCostComp);
  setWarning(s.RFundWarning);
}

void PackageCalculatorWindow::setWarning(bool shown) {
  // Print stays off while the contributions exceed what the fund deduction allows.
  command(QStringLiteral("cmdPrint"))->setEnabled(!shown);
  if (warning_->isVisibleTo(this) == shown) return;
  warning_->setVisible(shown);
  // The window grows by the warning's line, and shrinks back when it goes.
  const int line = warning_->sizeHint().height() + layout()->spacing();
  QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (frame == nullptr) frame = this;
  frame->resize(frame->width(), frame->height() + (shown ? line : -line));
}

void PackageCalculatorWindow::setCommandsEnabled(bool enabled, bool includingPrint) {
  for (const char* name : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdRAExpl"}) {
    command(QString::fromLatin1(name))->setEnabled(enabled);
  }
  if (includingPrint) command(QStringLiteral("cmdPrint"))->setEnabled(enabled);
}

int PackageCalculatorWindow::panelTop() const { return field("numNetMonSalReq")->y(); }

void PackageCalculatorWindow::openSettings() {
  setCommandsEnabled(false, true);
  setupPanel_->showAt(panelTop());
}

void PackageCalculatorWindow::saveSettings() {
  ApplyPercentLimit(*setupPanel_, variant_);
  context().settings().save(this, setupPanel_->values(), setupPanel_->fieldsToSave());
  setupPanel_->hide();
  setCommandsEnabled(true, true);
  repaint();
  calculate();
}

bool PackageCalculatorWindow::beforePrint() {
  calculate();
  // Contributions above the allowable amount are not printed: when this
  // calculation brings the warning up, Print is off and the panel stays closed.
  if (!command(QStringLiteral("cmdPrint"))->isEnabled()) return false;
  setCommandsEnabled(false, false);
  return true;
}

void PackageCalculatorWindow::explainRetirementAnnuity() {
  const SetupRecord& s = setupPanel_->values();
  const bool anyPercentage =
      s.PensionCont > 0 || s.EmployerPenCont > 0 || s.ProvCont > 0 || s.EmployerProvCont > 0;
  const RetirementAnnuityLines lines = ExplainRetirementAnnuity(
      variant_.kind, inputs(), result_, field("numGrossSal")->value(), anyPercentage);
  explainPanel_->showAt(panelTop(), QString::fromStdString(lines.LineA),
                        QString::fromStdString(lines.LineC));
}

PackageSheet PackageCalculatorWindow::sheet() const {
  const auto value = [this](const char* name) {
    const NumericField* f = field(name);
    return f != nullptr ? f->value() : 0.0;
  };
  PackageSheet s;
  s.taxpayerName = printPanel()->name();
  s.age = value("numAge");
  s.amount = value("numNetMonSalReq");
  s.amountCostToCompany = value("numCCNetMonSalReq");
  s.carValue = value("numCompCar");
  s.carValueCostToCompany = value("numCCCompCar");
  s.travel = value("numTravAll");
  s.travelCostToCompany = value("numCCTravAll");
  s.medicalEmployee = value("numMedAidCont");
  s.medicalEmployer = value("numCCMedAidCont");
  s.beneficiaries = value("numPMems");
  s.additionalBeneficiaries = value("numAddBens");
  s.otherFringeBenefits = value("numOTaxFB");
  s.otherFringeBenefitsCostToCompany = value("numCCOTaxFB");
  s.fundEmployee = value("numRFundCont");
  s.fundEmployer = value("numCCRFundCont");
  s.providentFund = value("numProvFund");
  s.providentFundCostToCompany = value("numCCProvFund");
  s.annuityDeduction = value("numRADeduct");
  s.medicalDeductions = value("numMedDeduct");
  s.uifEmployee = value("numUIFCont");
  s.uifEmployer = value("numCCUIFCont");
  s.skillsLevy = value("numCCSkillLev");
  s.taxDue = value("numMAns");
  s.taxCredit = value("numTaxCredit");
  s.taxDeduction = value("numTaxDeduct");
  s.otherExpensesTotal = held_.OtherDedTotal;
  for (std::size_t i = 0; i < otherExpense_.size(); ++i) {
    s.otherExpenseText[i] = otherExpenseText_[i]->text();
    s.otherExpense[i] = otherExpense_[i]->value();
    s.otherExpenseCostToCompany[i] = otherExpenseCostToCompany_[i]->value();
  }
  s.result = value("numGrossSal");
  s.totalCost = value("numTotCostComp");
  s.onceOff = value("numOnceOff");
  return s;
}

std::optional<Report> PackageCalculatorWindow::report() {
  return PackageReport(variant_.kind, sheet());
}

}  // namespace reventa
