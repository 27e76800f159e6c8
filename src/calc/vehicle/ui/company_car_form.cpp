#include "calc/vehicle/ui/company_car_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "calc/vehicle/company_car.h"
#include "taxyear/tax_year.h"
#include "widgets/date_field.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

// Shown amounts can be negative (the adjustments, SARS's claim).
constexpr double kShownLimit = 1e12;
constexpr int kFieldWidth = 100;

// A field's name for screen readers: its caption as shown, on one line.
QString AccessibleName(const QString& caption) {
  QString name = caption;
  name.replace(QStringLiteral("&&"), QStringLiteral("&"));
  name.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
  return name.trimmed();
}

// Fills one group box row by row: a caption (wrapped when long), the field and,
// for distances, the unit after it.
class GroupBuilder {
 public:
  // Captions wrap within `captionWidth`, so that each row's height is known
  // before the window is shown and the window opens at the size it needs.
  GroupBuilder(QWidget* window, CompanyCarForm& form, const QString& title, int captionWidth)
      : window_(window),
        form_(form),
        box_(new QGroupBox(title, window)),
        grid_(new QGridLayout(box_)),
        captionWidth_(captionWidth) {
    grid_->setContentsMargins(8, 4, 8, 6);
    grid_->setVerticalSpacing(3);
    grid_->setHorizontalSpacing(6);
  }

  QGroupBox* box() const { return box_; }

  QLabel* caption(const QString& text, QWidget* buddy, const QString& accessible = {}) {
    auto* label = new QLabel(text, window_);
    label->setWordWrap(true);
    label->setFixedWidth(captionWidth_);
    if (buddy != nullptr) {
      label->setObjectName(QStringLiteral("lbl_") + buddy->objectName());
      label->setBuddy(buddy);
      buddy->setAccessibleName(accessible.isEmpty() ? AccessibleName(text) : accessible);
    }
    form_.controls.append(label);
    return label;
  }

  void heading(const QString& name, const QString& text) {
    auto* label = new QLabel(text, window_);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    form_.controls.append(label);
    grid_->addWidget(label, row_++, 0, 1, 3);
  }

  QLineEdit* text(const QString& name, const QString& label, int maxLength) {
    auto* field = new QLineEdit(window_);
    field->setObjectName(name);
    field->setMaxLength(maxLength);
    field->setFixedWidth(kFieldWidth + 40);
    addRow(caption(label, field), field);
    form_.tabOrder.append(field);
    return field;
  }

  NumericField* number(const QString& name, const QString& label, const QString& unit = {}) {
    NumericField* field = newNumber(name);
    field->setRange(0, CompanyCarFieldMax);
    addRow(caption(label, field), field, unit);
    form_.tabOrder.append(field);
    return field;
  }

  NumericField* shown(const QString& name, const QString& label, const QString& unit = {},
                      const QString& accessible = {}) {
    NumericField* field = newShown(name, 0);
    addRow(caption(label, field, accessible), field, unit);
    return field;
  }

  DateField* date(const QString& name, const QString& label) {
    auto* field = new DateField(window_);
    field->setObjectName(name);
    field->setRange(TaxYearStart, TaxYearEnd);
    field->setFixedWidth(kFieldWidth);
    addRow(caption(label, field), field);
    form_.tabOrder.append(field);
    return field;
  }

  QCheckBox* check(const QString& name, const QString& text) {
    auto* box = new QCheckBox(text, window_);
    box->setObjectName(name);
    box->setAccessibleName(AccessibleName(text));
    form_.controls.append(box);
    form_.tabOrder.append(box);
    grid_->addWidget(box, row_++, 0, 1, 3);
    return box;
  }

  // One column of the pay-period amounts: the caption above its 80% and 20%
  // parts. The first column holds the captions of the two parts.
  void partsColumn(const QString& label, const QString& name, int decimals, NumericField** eighty,
                   NumericField** twenty) {
    if (column_ == 0) {
      for (int part = 0; part < 2; ++part) {
        auto* caption =
            new QLabel(part == 0 ? QStringLiteral("80%") : QStringLiteral("20%"), window_);
        caption->setObjectName(part == 0 ? QStringLiteral("lbl80") : QStringLiteral("lbl20"));
        form_.controls.append(caption);
        grid_->addWidget(caption, part + 1, 0);
      }
      column_ = 1;
    }
    *eighty = newShown(QStringLiteral("num%1FB80").arg(name), decimals);
    *twenty = newShown(QStringLiteral("num%1FB20").arg(name), decimals);
    grid_->setColumnStretch(column_, 0);
    grid_->setColumnStretch(column_ + 1, 1);
    QLabel* l = caption(label, *eighty, AccessibleName(label) + QStringLiteral(", 80%"));
    (*twenty)->setAccessibleName(AccessibleName(label) + QStringLiteral(", 20%"));
    form_.controls << *eighty << *twenty;
    grid_->addWidget(l, 0, column_, Qt::AlignBottom);
    grid_->addWidget(*eighty, 1, column_);
    grid_->addWidget(*twenty, 2, column_);
    ++column_;
  }

  NumericField* newShown(const QString& name, int decimals) {
    NumericField* field = newNumber(name);
    field->setDecimals(decimals);
    field->setRange(-kShownLimit, kShownLimit);
    field->setOutput(true);
    form_.results.append(field);
    return field;
  }

 private:
  NumericField* newNumber(const QString& name) {
    auto* field = new NumericField(window_);
    field->setObjectName(name);
    field->setDecimals(0);
    field->setFixedWidth(kFieldWidth);
    return field;
  }

  void addRow(QLabel* label, QWidget* field, const QString& unit = {}) {
    grid_->addWidget(label, row_, 0);
    grid_->addWidget(field, row_, 1);
    if (!unit.isEmpty()) {
      auto* u = new QLabel(unit, window_);
      u->setObjectName(QStringLiteral("lblUnit_") + field->objectName());
      form_.controls.append(u);
      grid_->addWidget(u, row_, 2);
    }
    form_.controls.append(field);
    ++row_;
  }

  QWidget* window_;
  CompanyCarForm& form_;
  QGroupBox* box_;
  QGridLayout* grid_;
  int captionWidth_;
  int row_ = 0;
  int column_ = 0;  // the next column of pay-period amounts
};

}  // namespace

CompanyCarForm BuildCompanyCarForm(QWidget* window, QLayout** layout) {
  CompanyCarForm f;
  const QString kms = QStringLiteral("kms");
  // The car with its period and distance on the left; the fuel and expenses and
  // the fringe benefit beside it, the pay-period amounts in a band below them.
  auto* columns = new QGridLayout;
  columns->setHorizontalSpacing(8);
  columns->setVerticalSpacing(6);
  auto* left = new QVBoxLayout;
  left->setSpacing(6);
  columns->addLayout(left, 0, 0, 2, 1, Qt::AlignTop);

  GroupBuilder car(window, f, QStringLiteral("Car"), 170);
  f.regNumber =
      car.text(QStringLiteral("txtCCRegNumber"), QStringLiteral("Vehicle registration number"), 10);
  f.regNumberLabel = window->findChild<QLabel*>(QStringLiteral("lbl_txtCCRegNumber"));
  f.make = car.text(QStringLiteral("txtCCMake"), QStringLiteral("Car Make"), 25);
  f.model = car.text(QStringLiteral("txtCCModel"), QStringLiteral("Car Model"), 25);
  f.yearOfManufacture =
      car.text(QStringLiteral("txtYearOfManfact"), QStringLiteral("Year of manufacture"), 25);
  f.price = car.number(QStringLiteral("numCCPrice"), QStringLiteral("Price of vehicle (incl VAT)"));
  f.maintIncluded =
      car.check(QStringLiteral("chkMaintIncluded"), QStringLiteral("Maint. plan included?   "));
  left->addWidget(car.box());

  GroupBuilder period(window, f, QStringLiteral("Period and distance"), 170);
  f.startDate = period.date(QStringLiteral("dtCCStartDate"), QStringLiteral("Start date "));
  f.endDate = period.date(QStringLiteral("dtCCEndDate"), QStringLiteral("End date"));
  // Shows the days of use; a typed value is checked against its limit of 12
  // (the window's message) and never stored.
  f.days = period.number(QStringLiteral("numCCMonths"), QStringLiteral("No of days "));
  f.days->setGrouped(false);
  f.days->setRange(0, 12);
  f.endMileage = period.number(QStringLiteral("numEndMileage"), QStringLiteral("End mileage"), kms);
  f.startMileage =
      period.number(QStringLiteral("numStartMileage"), QStringLiteral("Start mileage"), kms);
  f.totalDistance =
      period.number(QStringLiteral("numTotalDistance"), QStringLiteral("Total distance"), kms);
  f.busDistance =
      period.number(QStringLiteral("numBusDistance"), QStringLiteral("Business distance"), kms);
  f.privateDistance =
      period.shown(QStringLiteral("numPrivateDistance"), QStringLiteral("Private distance"), kms);
  f.logBook = period.check(QStringLiteral("chkBussMilage"),
                           QStringLiteral("Did you keep a log book detailing business mileage?"));
  left->addWidget(period.box());

  GroupBuilder fuel(window, f, QStringLiteral("Fuel and expenses"), 190);
  fuel.heading(QStringLiteral("lblFuelExpenses"), QStringLiteral("Fuel expenses paid by employee"));
  f.actualExpEmployee = fuel.number(QStringLiteral("numActualExpEmployee"),
                                    QStringLiteral("Actual fuel expenses paid by the employee"));
  f.sarsTable = fuel.check(QStringLiteral("chkSARSTable"),
                           QStringLiteral("Or use SARS's cents/km fuel table? "));
  f.fuelComponent =
      fuel.shown(QStringLiteral("numFuelComponent"), QStringLiteral("Fuel component"));
  f.fuelReimbEmployer = fuel.number(QStringLiteral("numFuelReimbEmployer"),
                                    QStringLiteral("Fuel expenses reimbursement\t by employer"));
  f.fuelClaim = fuel.shown(QStringLiteral("numFuelClaim"),
                           QStringLiteral("Fuel claim (adjusted for mileage)"));
  fuel.heading(QStringLiteral("lblAdditionalExpenses"),
               QStringLiteral("Additional expenses paid by taxpayer"));
  f.empPaidInsurance = fuel.number(QStringLiteral("numEmpPaidInsurance"),
                                   QStringLiteral("Employee paid ALL insurance costs"));
  f.empPaidLicence = fuel.number(QStringLiteral("numEmpPaidLicence"),
                                 QStringLiteral("Employee paid ALL licensing fees"));
  f.empPaidMaintenance = fuel.number(QStringLiteral("numEmpPaidMaintenance"),
                                     QStringLiteral("Employee paid ALL maintenance costs"));
  f.totAddExpense = fuel.shown(QStringLiteral("numTotAddExpense"),
                               QStringLiteral("Total additional expenses (adjusted for mileage)"));
  columns->addWidget(fuel.box(), 0, 1, Qt::AlignTop);

  GroupBuilder benefit(window, f, QStringLiteral("Fringe benefit and adjustments"), 210);
  f.trueInclusionAdjusted =
      benefit.shown(QStringLiteral("numTrueInclusion"),
                    QStringLiteral("True inclusion amount\n(adjusted for private mileage)"));
  f.actual3802 = benefit.number(QStringLiteral("numActual3802"),
                                QStringLiteral("Total code 3802 f/benefits on IRP5's"));
  f.fb3802ThisCar = benefit.number(QStringLiteral("numFB3802ThisCar"),
                                   QStringLiteral("Code 3802 f/benefit for this car\t"));
  f.autoCalc3802 = benefit.check(QStringLiteral("chkAutoCalc3802"),
                                 QStringLiteral("Auto-calculate f/benefit splits"));
  // Shown only with more than one car; its row stays, so the window keeps its size.
  QSizePolicy keepRow = f.autoCalc3802->sizePolicy();
  keepRow.setRetainSizeWhenHidden(true);
  f.autoCalc3802->setSizePolicy(keepRow);
  f.trueInclusion =
      benefit.shown(QStringLiteral("numTrueInclusion_1"), QStringLiteral("True inclusion amount"));
  f.fuelExp = benefit.shown(QStringLiteral("numFuelExp"), QStringLiteral("Less fuel && expenses"));
  f.adjustTaxableInc = benefit.shown(QStringLiteral("numAdjustTaxableInc"),
                                     QStringLiteral("Adjustment to taxable income"));
  f.adjustTaxableIncSars =
      benefit.shown(QStringLiteral("numAdjustTaxableIncSARS"),
                    QStringLiteral("(SARS's claim awarded against taxable income)"), {},
                    QStringLiteral("SARS's claim awarded against taxable income"));
  f.totAdjustTaxableInc = benefit.shown(QStringLiteral("numTotAdjustTaxableInc"),
                                        QStringLiteral("Total Adjustment to taxable income"));
  f.totAdjustTaxableIncSars =
      benefit.shown(QStringLiteral("numTotAdjustTaxableIncSARS"),
                    QStringLiteral("(SARS's claim awarded against taxable income)"), {},
                    QStringLiteral("Total of SARS's claims awarded against taxable income"));
  f.irp53802 = benefit.shown(QStringLiteral("numIRP53802"),
                             QStringLiteral("IRP5 code 3802 amount for this car"));
  columns->addWidget(benefit.box(), 0, 2, Qt::AlignTop);

  GroupBuilder amounts(window, f, QStringLiteral("Monthly, fortnightly and weekly amounts"), 150);
  amounts.partsColumn(QStringLiteral("Monthly f/benefit amount for this car"),
                      QStringLiteral("Mon"), 0, &f.monFB80, &f.monFB20);
  amounts.partsColumn(QStringLiteral("Fortnightly f/benefit amount for this car "),
                      QStringLiteral("Fort"), 2, &f.fortFB80, &f.fortFB20);
  amounts.partsColumn(QStringLiteral("Weekly f/benefit amount for this car"),
                      QStringLiteral("Week"), 2, &f.weekFB80, &f.weekFB20);
  columns->addWidget(amounts.box(), 1, 1, 1, 2, Qt::AlignTop);
  *layout = columns;
  return f;
}

}  // namespace reventa
