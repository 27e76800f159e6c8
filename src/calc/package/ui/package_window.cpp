#include "calc/package/ui/package_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>
#include <vector>

#include "calc/package/ui/package_fields.h"
#include "calc/package/ui/package_setup_panel.h"
#include "calc/package/ui/ra_explained.h"
#include "calc/package/ui/retirement_annuity_panel.h"
#include "frame/print_panel.h"
#include "store/settings_store.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/command_button.h"
#include "widgets/messages.h"
#include "widgets/panel.h"

namespace reventa {
namespace {

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

QString Text(const char* text) { return QString::fromUtf8(text); }

// A whole-number field (age, beneficiaries): no decimals, no grouping.
NumericField* NewWholeField(QWidget* parent, const QString& name, double maximum) {
  auto* field = new NumericField(parent);
  field->setObjectName(name);
  field->setDecimals(0);
  field->setGrouped(false);
  field->setRange(0, maximum);
  field->setMaximumWidth(64);
  return field;
}

// The window's figures stand in two blocks side by side, the inputs on the left
// and the results on the right, so that the window fits a small screen. In each
// block a cost-to-company column's frame sits behind its fields, in the same grid
// as the employee's figures so that each row lines up across both. These are the
// columns of one block; the results block starts at kBlockWidth.
constexpr int kCaptionColumn = 0;
constexpr int kMainColumn = 1;
constexpr int kFrameLeft = 2;
constexpr int kCostColumn = 3;
constexpr int kFrameRight = 4;
constexpr int kBlockWidth = 6;  // the five columns and a gap

}  // namespace

PackageCalculatorWindow::PackageCalculatorWindow(AppContext& context, const PackageVariant& variant)
    : CalculatorWindow(context, Text(variant.objectName), Text(variant.caption)),
      variant_(variant) {
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  buildMainArea(grid);

  warning_ = new QLabel(Text(RFundWarningText), this);
  warning_->setObjectName(QStringLiteral("lblRFundWarning"));
  warning_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
  warning_->setAlignment(Qt::AlignCenter);
  warning_->hide();

  const auto button = [this](const char* caption, const char* name) {
    return NewCommandButton(caption, name, this);
  };
  calculateButton_ = button("&Calculate", "cmdCalculate");
  settingsButton_ = button("&Settings", "cmdSettings");
  explainButton_ = button("&R/A Explained", "cmdRAExpl");
  printButton_ = button("&Print", "cmdPrint");
  okButton_ = button("&OK", "cmdOk");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {calculateButton_, settingsButton_, explainButton_, printButton_}) {
    buttons->addWidget(b);
  }
  buttons->addStretch();
  buttons->addWidget(okButton_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(warning_);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  // The rows keep to the top; a taller window (the warning) moves the buttons down.
  layout->addStretch();

  // Additional medical beneficiaries were once entered here; the frame stays out
  // of sight and its count, always 0, is only printed.
  auto* extra = new QFrame(this);
  extra->setObjectName(QStringLiteral("fraAddBens"));
  auto* extraLayout = new QHBoxLayout(extra);
  auto* extraCaption = new QLabel(QStringLiteral("Number of additional beneficiaries "), extra);
  NumericField* additional = NewWholeField(extra, QStringLiteral("numAddBens"), 99);
  additional->setAccessibleName(QStringLiteral("Number of additional beneficiaries"));
  extraCaption->setBuddy(additional);
  extraLayout->addWidget(extraCaption);
  extraLayout->addWidget(additional);
  extraLayout->addWidget(new QLabel(QStringLiteral("(R720pm each)"), extra));
  extraLayout->addWidget(new QLabel(QStringLiteral("(R440pm each)"), extra));
  extra->move(-2000, -2000);
  extra->hide();

  setupPanel_ = new PackageSetupPanel(variant_, this);
  explainPanel_ = new RetirementAnnuityPanel(this);
  MarkAsPanel(setupPanel_);
  MarkAsPanel(explainPanel_);
  // The name on a line of its own under its caption, so the panel fits the window.
  PrintPanelOptions panel;
  panel.nameCaption = QStringLiteral("Taxpayer's name :(max50Chrs.");
  panel.nameAccessible = QStringLiteral("Taxpayer's name");
  panel.nameWidth = 280;
  panel.nameBelowCaption = true;
  panel.focus = PrintPanelOptions::Focus::Name;
  setUpPrinting({panel}, printButton_, okButton_);
  // Wide enough for the print panel's three buttons side by side.
  setMinimumWidth(printPanel()->sizeHint().width() + 2 * layout->contentsMargins().left());

  connectInputs();
  // Enter in any field of the window calculates; it does nothing while
  // Calculate is off (a panel is open).
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    if (edit->isReadOnly() || IsPanel(edit->parentWidget())) continue;
    connect(edit, &QLineEdit::returnPressed, calculateButton_, &QPushButton::click);
  }
  connect(calculateButton_, &QPushButton::clicked, this, &PackageCalculatorWindow::calculate);
  connect(okButton_, &QPushButton::clicked, this, &PackageCalculatorWindow::closeWindow);
  connect(settingsButton_, &QPushButton::clicked, this, &PackageCalculatorWindow::openSettings);
  connect(setupPanel_, &PackageSetupPanel::accepted, this, &PackageCalculatorWindow::saveSettings);
  connect(printPanel(), &PrintPanel::closed, this, [this] {
    for (QPushButton* b : {okButton_, calculateButton_, settingsButton_, explainButton_}) {
      b->setEnabled(true);
    }
  });
  connect(explainButton_, &QPushButton::clicked, this,
          &PackageCalculatorWindow::explainRetirementAnnuity);

  // The preferences shared by the four package windows. A store that cannot be
  // read is reported once; the window carries on with the defaults.
  const SettingsRead read = ReadSettings(context.stores.settingsDb);
  if (read.problem) context.messages.Error(this, kAppTitle, *read.problem);
  setupPanel_->load(read.record);
  loadedSettings_ = read;
}

NumericField* PackageCalculatorWindow::field(const char* name) const {
  return findChild<NumericField*>(QString::fromLatin1(name));
}

void PackageCalculatorWindow::buildMainArea(QGridLayout* grid) {
  const bool grossToNet = !variant_.netToGross();
  int row = 1;   // row 0 leaves room for the frame's caption
  int base = 0;  // the first column of the block being filled
  QList<QWidget*> tabOrder;

  const auto caption = [this, grid, &row, &base](const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, this);
    if (buddy != nullptr) {
      label->setObjectName(QStringLiteral("lbl_") + buddy->objectName());
      label->setBuddy(buddy);
      buddy->setAccessibleName(text.trimmed());
    }
    grid->addWidget(label, row, base + kCaptionColumn);
    return label;
  };
  // One line: the caption, the employee's field and the cost to the company.
  const auto line = [&](const char* text, QWidget* main, NumericField* cost) {
    caption(Text(text), main != nullptr ? main : cost);
    if (main != nullptr) {
      grid->addWidget(main, row, base + kMainColumn);
      tabOrder.append(main);
    }
    if (cost != nullptr) {
      grid->addWidget(cost, row, base + kCostColumn);
      cost->setAccessibleName(QStringLiteral("Cost to company: ") + Text(text).trimmed());
      tabOrder.append(cost);
    }
    ++row;
  };
  const auto money = [this](const char* name, bool output = false) {
    return NewMoneyField(this, QString::fromLatin1(name), output);
  };
  // The cost-to-company frame behind the block's column, from its caption row to
  // the row after its last line.
  const auto frameBlock = [&](const QString& name, int lastRow) {
    auto* frame = new QGroupBox(QStringLiteral("Cost to company"), this);
    frame->setObjectName(name);
    grid->addWidget(frame, 0, base + kFrameLeft, lastRow + 2, kFrameRight - kFrameLeft + 1);
    frame->lower();
    grid->setColumnMinimumWidth(base + kFrameLeft, 10);
    grid->setColumnMinimumWidth(base + kFrameRight, 10);
  };

  line("Taxpayer's age", NewWholeField(this, QStringLiteral("numAge"), AgeRange.Max), nullptr);
  line(variant_.amountCaption, money("numNetMonSalReq"),
       grossToNet ? money("numCCNetMonSalReq", true) : nullptr);
  line("Company car value", money("numCompCar"), money("numCCCompCar"));
  line("Travel allowance", money("numTravAll"), money("numCCTravAll", true));
  line("Other taxable f/benefits", money("numOTaxFB"), money("numCCOTaxFB", true));
  line("Med. aid fund contributions", money("numMedAidCont"), money("numCCMedAidCont"));
  line(PackageBeneficiariesCaption(variant_.kind.Period),
       NewWholeField(this, QStringLiteral("numPMems"), variant_.beneficiariesMax), nullptr);
  line("Medical deductions", money("numMedDeduct"), nullptr);
  line("R/Fund (Pension, Prov, R/A) ", money("numRFundCont"), money("numCCRFundCont"));
  if (variant_.providentRows()) {
    line("Provident fund", money("numProvFund", true), money("numCCProvFund", true));
    NumericField* pension = money("numPenDeduct", true);
    line(variant_.pensionDeductedCaption, pension, money("numCCPenDeduct", true));
    pension->setAccessibleName(QStringLiteral("Pension deducted"));
    line("R/A ded. (directive?)", money("numRADeduct"), nullptr);
  }

  QLabel* expenses = caption(QStringLiteral("Other Expenses :"), nullptr);
  expenses->setObjectName(QStringLiteral("lblOtherExpenses"));
  ++row;
  for (std::size_t i = 0; i < otherExpense_.size(); ++i) {
    const QString n = QString::number(i);
    auto* text = new QLineEdit(this);
    text->setObjectName(QStringLiteral("txtOtherDet_") + n);
    text->setAccessibleName(QStringLiteral("Other expense %1").arg(i + 1));
    if (i == 0) expenses->setBuddy(text);
    otherExpense_[i] = money(qPrintable(QStringLiteral("numOtherDet_") + n));
    otherExpense_[i]->setAccessibleName(QStringLiteral("Other expense %1 amount").arg(i + 1));
    otherExpenseCostToCompany_[i] = money(qPrintable(QStringLiteral("numOtherDetCC_") + n), true);
    otherExpenseCostToCompany_[i]->setAccessibleName(
        QStringLiteral("Cost to company: other expense %1").arg(i + 1));
    grid->addWidget(text, row, kCaptionColumn);
    grid->addWidget(otherExpense_[i], row, kMainColumn);
    grid->addWidget(otherExpenseCostToCompany_[i], row, kCostColumn);
    tabOrder << text << otherExpense_[i];
    ++row;
  }
  frameBlock(QStringLiteral("fraCostToCompany"), row - 1);
  const int lastRow = row;

  // The results, beside the inputs.
  base = kBlockWidth;
  row = 1;
  line("UIF contribution", money("numUIFCont", true), money("numCCUIFCont", true));
  line(variant_.skillsLevyCaption, nullptr, money("numCCSkillLev", true));
  // Tax due and tax credit are shown without limits.
  for (auto [text, name] :
       {std::pair{"Tax due", "numMAns"}, std::pair{"Tax credit", "numTaxCredit"}}) {
    NumericField* shown = money(name, true);
    shown->setRange(-1e300, 1e300);
    line(text, shown, nullptr);
  }
  line("Tax deduction", money("numTaxDeduct", true), nullptr);
  line(variant_.resultCaption, money("numGrossSal", true), nullptr);
  line("Total cost to company R", nullptr, money("numTotCostComp", true));
  frameBlock(QStringLiteral("fraCostToCompanyResults"), row - 1);

  // The once-off note on a company car the employer has not costed, below the
  // results, wrapped to their width.
  onceOffNote_ = new QWidget(this);
  onceOffNote_->setObjectName(QStringLiteral("fraOnceOff"));
  auto* note = new QGridLayout(onceOffNote_);
  note->setContentsMargins(0, 0, 0, 0);
  auto* before = new QLabel(QStringLiteral("(plus a \"once-off\" cost of R"), onceOffNote_);
  before->setObjectName(QStringLiteral("lblOnceOff_0"));
  auto* onceOff = NewMoneyField(onceOffNote_, QStringLiteral("numOnceOff"), true);
  onceOff->setAccessibleName(QStringLiteral("Once-off cost of the company car"));
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
  grid->addWidget(onceOffNote_, row + 1, base + kCaptionColumn, 3, kFrameRight + 1, Qt::AlignTop);

  grid->setRowMinimumHeight(0, fontMetrics().height() + 4);
  grid->setRowMinimumHeight(lastRow, 6);
  grid->setColumnMinimumWidth(kBlockWidth - 1, 16);
  grid->setColumnStretch(kCaptionColumn, 1);
  grid->setColumnStretch(kBlockWidth + kCaptionColumn, 1);
  grid->setRowStretch(lastRow + 1, 1);

  for (qsizetype i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void PackageCalculatorWindow::connectInputs() {
  const auto follow = [this](const char* name, auto&& apply) {
    connect(field(name), &NumericField::valueChanged, this, apply);
  };
  const auto copyTo = [this](const char* name) {
    NumericField* copy = field(name);
    return [copy](double v) { copy->setValue(v); };
  };
  follow("numAge", [this](double v) { held_.Age = ToInt16(v).value_or(0); });
  follow("numNetMonSalReq", [this](double v) {
    // The same field holds the net required or, gross-to-net, the package.
    held_.NetRequired = v;
    held_.Package = v;
  });
  if (!variant_.netToGross()) follow("numNetMonSalReq", copyTo("numCCNetMonSalReq"));
  follow("numCompCar", [this](double v) { held_.CarValue = v; });
  follow("numCCCompCar", [this](double v) { held_.CarCostCC = v; });
  follow("numTravAll", [this](double v) { held_.Travel = v; });
  follow("numTravAll", copyTo("numCCTravAll"));
  follow("numOTaxFB", [this](double v) { held_.OtherFB = v; });
  follow("numOTaxFB", copyTo("numCCOTaxFB"));
  follow("numMedAidCont", [this](double v) { held_.MedEmployee = v; });
  follow("numCCMedAidCont", [this](double v) { held_.MedEmployer = v; });
  follow("numPMems", [this](double v) { held_.Beneficiaries = ToInt16(v).value_or(0); });
  follow("numMedDeduct", [this](double v) { held_.MedDeduct = v; });
  follow("numRFundCont", [this](double v) { held_.RFundEmployeeTyped = v; });
  follow("numCCRFundCont", [this](double v) { held_.RFundEmployerTyped = v; });

  for (std::size_t i = 0; i < otherExpense_.size(); ++i) {
    connect(otherExpense_[i], &NumericField::valueChanged, this, [this, i](double v) {
      otherExpenseCostToCompany_[i]->setValue(v);
      held_.OtherDedTotal = otherExpense_[0]->value() + otherExpense_[1]->value() +
                            otherExpense_[2]->value() + otherExpense_[3]->value();
    });
    connect(otherExpenseCostToCompany_[i], &NumericField::valueChanged, this, [this] {
      otherExpensesCostToCompany_ =
          otherExpenseCostToCompany_[0]->value() + otherExpenseCostToCompany_[1]->value() +
          otherExpenseCostToCompany_[2]->value() + otherExpenseCostToCompany_[3]->value();
    });
    auto* text = findChild<QLineEdit*>(QStringLiteral("txtOtherDet_%1").arg(i));
    connect(text, &QLineEdit::textChanged, this,
            [this, i](const QString& t) { otherExpenseText_[i] = t; });
  }
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
  printButton_->setEnabled(!shown);
  if (warning_->isVisibleTo(this) == shown) return;
  warning_->setVisible(shown);
  // The window grows by the warning's line, and shrinks back when it goes.
  const int line = warning_->sizeHint().height() + layout()->spacing();
  QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (frame == nullptr) frame = this;
  frame->resize(frame->width(), frame->height() + (shown ? line : -line));
}

int PackageCalculatorWindow::panelTop() const { return field("numNetMonSalReq")->y(); }

void PackageCalculatorWindow::openSettings() {
  for (QPushButton* b :
       {okButton_, explainButton_, calculateButton_, settingsButton_, printButton_}) {
    b->setEnabled(false);
  }
  setupPanel_->showAt(panelTop());
}

void PackageCalculatorWindow::saveSettings() {
  setupPanel_->applyPercentLimit();
  if (const auto problem =
          WriteSettings(context().stores.settingsDb, setupPanel_->values(),
                        FieldsToSave(loadedSettings_, setupPanel_->values(), kAllSetupFields))) {
    context().messages.Error(this, kAppTitle, *problem);
  }
  setupPanel_->hide();
  for (QPushButton* b :
       {okButton_, calculateButton_, settingsButton_, printButton_, explainButton_}) {
    b->setEnabled(true);
  }
  repaint();
  calculate();
}

bool PackageCalculatorWindow::beforePrint() {
  calculate();
  // Contributions above the allowable amount are not printed: when this
  // calculation brings the warning up, Print is off and the panel stays closed.
  if (!printButton_->isEnabled()) return false;
  for (QPushButton* b : {okButton_, calculateButton_, settingsButton_, explainButton_}) {
    b->setEnabled(false);
  }
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
    s.otherExpenseText[i] = otherExpenseText_[i];
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
