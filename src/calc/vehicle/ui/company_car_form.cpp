// SPDX-License-Identifier: GPL-3.0-or-later
// The fields of the company car window, laid out in groups so that the window
// fits the main window: the car with its period and distance on the left, the
// fuel and other expenses the employee bore in the middle, the code 3802 fringe
// benefits and the adjustments on the right, and the monthly, fortnightly and
// weekly amounts in a band below those two. Each input is joined here to the
// member of the car on screen (or of the register) it stores into.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <span>

#include "calc/vehicle/ui/company_car_window.h"
#include "frame/form.h"
#include "widgets/date_field.h"
#include "widgets/numeric_field.h"

namespace reventa {

// What a row of a group box holds.
enum class CarRowKind { Text, Input, Date, Shown, Check, Heading };

// A row: its field and the key of the car's input (CompanyCarRanges,
// CompanyCarTexts) or the register's (CompanyCarRegisterRanges) it shows; a
// check box stores into the car's flag.
struct CarRow {
  CarRowKind kind;
  FieldEntry entry;
  const char* key = nullptr;
  std::int16_t CompanyCar::*flag = nullptr;
};

struct CarGroup {
  const char* title;
  int captionWidth;
  std::span<const CarRow> rows;
};

namespace {

using enum CarRowKind;

constexpr int kFieldWidth = 100;

constexpr FieldEntry Field(const char* name, const char* caption, const char* unit = "") {
  return {name, caption, "", unit, FieldLook::Amount, 0, kFieldWidth};
}
constexpr FieldEntry TextField(const char* name, const char* caption) {
  return {name, caption, "", "", FieldLook::Amount, 0, kFieldWidth + 40};
}
constexpr CarRow kCar[] = {
    {Text, TextField("txtCCRegNumber", "Vehicle registration number"), "CCRegNumber"},
    {Text, TextField("txtCCMake", "Car Make"), "CCMake"},
    {Text, TextField("txtCCModel", "Car Model"), "CCModel"},
    {Text, TextField("txtYearOfManfact", "Year of manufacture"), "YearOfManfact"},
    {Input, Field("numCCPrice", "Price of vehicle (incl VAT)"), "CCPrice"},
    {Check, Field("chkMaintIncluded", "Maint. plan included?   "), nullptr,
     &CompanyCar::MaintIncluded},
};
constexpr CarRow kPeriod[] = {
    {Date, Field("dtCCStartDate", "Start date "), "CCStartDate"},
    {Date, Field("dtCCEndDate", "End date"), "CCEndDate"},
    // The days of use the computation works out: shown, never typed.
    {Shown, {"numCCMonths", "No of days ", "", "", FieldLook::Number, 0, kFieldWidth}},
    {Input, Field("numEndMileage", "End mileage", "kms"), "EndMileage"},
    {Input, Field("numStartMileage", "Start mileage", "kms"), "StartMileage"},
    {Input, Field("numTotalDistance", "Total distance", "kms"), "TotalDistance"},
    {Input, Field("numBusDistance", "Business distance", "kms"), "BusDistance"},
    {Shown, Field("numPrivateDistance", "Private distance", "kms")},
    {Check, Field("chkBussMilage", "Did you keep a log book detailing business mileage?"), nullptr,
     &CompanyCar::BussMilage},
};
constexpr CarRow kFuel[] = {
    {Heading, Field("lblFuelExpenses", "Fuel expenses paid by employee")},
    {Input, Field("numActualExpEmployee", "Actual fuel expenses paid by the employee"),
     "ActualExpEmployee"},
    {Check, Field("chkSARSTable", "Or use SARS's cents/km fuel table? "), nullptr,
     &CompanyCar::SARSTable},
    {Shown, Field("numFuelComponent", "Fuel component"), "FuelComponent"},
    {Input, Field("numFuelReimbEmployer", "Fuel expenses reimbursement\t by employer"),
     "FuelReimbEmployer"},
    {Shown, Field("numFuelClaim", "Fuel claim (adjusted for mileage)")},
    {Heading, Field("lblAdditionalExpenses", "Additional expenses paid by taxpayer")},
    {Input, Field("numEmpPaidInsurance", "Employee paid ALL insurance costs"), "EmpPaidInsurance"},
    {Input, Field("numEmpPaidLicence", "Employee paid ALL licensing fees"), "EmpPaidLicence"},
    {Input, Field("numEmpPaidMaintenance", "Employee paid ALL maintenance costs"),
     "EmpPaidMaintenance"},
    {Shown, Field("numTotAddExpense", "Total additional expenses (adjusted for mileage)")},
};
constexpr CarRow kBenefit[] = {
    {Shown, Field("numTrueInclusion", "True inclusion amount\n(adjusted for private mileage)")},
    {Input, Field("numActual3802", "Total code 3802 f/benefits on IRP5's"), "Actual3802"},
    {Input, Field("numFB3802ThisCar", "Code 3802 f/benefit for this car\t"), "FB3802ThisCar"},
    {Check, Field("chkAutoCalc3802", "Auto-calculate f/benefit splits")},
    {Shown, Field("numTrueInclusion_1", "True inclusion amount")},
    {Shown, Field("numFuelExp", "Less fuel && expenses")},
    {Shown, Field("numAdjustTaxableInc", "Adjustment to taxable income"), "AdjustTaxableInc"},
    {Shown,
     {"numAdjustTaxableIncSARS", "(SARS's claim awarded against taxable income)", "", "",
      FieldLook::Amount, 0, kFieldWidth, "SARS's claim awarded against taxable income"}},
    {Shown, Field("numTotAdjustTaxableInc", "Total Adjustment to taxable income")},
    {Shown,
     {"numTotAdjustTaxableIncSARS", "(SARS's claim awarded against taxable income)", "", "",
      FieldLook::Amount, 0, kFieldWidth, "Total of SARS's claims awarded against taxable income"}},
    {Shown, Field("numIRP53802", "IRP5 code 3802 amount for this car")},
};

// The pay-period amounts, a column each: the caption above its 80% and 20% parts.
struct PartsColumn {
  const char* caption;
  const char* name;  // numMonFB80 and numMonFB20 ...
  int decimals;
};
constexpr PartsColumn kParts[] = {
    {"Monthly f/benefit amount for this car", "Mon", 0},
    {"Fortnightly f/benefit amount for this car ", "Fort", 2},
    {"Weekly f/benefit amount for this car", "Week", 2},
};

// A group box of rows: a caption, the field and, for distances, the unit.
QGridLayout* NewGroup(QWidget* window, const char* title, QGroupBox** box) {
  *box = new QGroupBox(QString::fromUtf8(title), window);
  auto* grid = new QGridLayout(*box);
  grid->setContentsMargins(8, 4, 8, 6);
  grid->setVerticalSpacing(3);
  grid->setHorizontalSpacing(6);
  return grid;
}

// Captions wrap within `width`, so that each row's height is known before the
// window is shown and the window opens at the size it needs.
void WrapCaption(QLabel* caption, int width) {
  caption->setWordWrap(true);
  caption->setFixedWidth(width);
}

}  // namespace

QGridLayout* CompanyCarWindow::buildForm() {
  // The car with its period and distance on the left; the fuel and expenses and
  // the fringe benefit beside it, the pay-period amounts in a band below them.
  auto* columns = new QGridLayout;
  columns->setHorizontalSpacing(8);
  columns->setVerticalSpacing(6);
  auto* left = new QVBoxLayout;
  left->setSpacing(6);
  columns->addLayout(left, 0, 0, 2, 1, Qt::AlignTop);
  left->addWidget(buildGroup({"Car", 170, kCar}));
  left->addWidget(buildGroup({"Period and distance", 170, kPeriod}));
  columns->addWidget(buildGroup({"Fuel and expenses", 190, kFuel}), 0, 1, Qt::AlignTop);
  columns->addWidget(buildGroup({"Fringe benefit and adjustments", 210, kBenefit}), 0, 2,
                     Qt::AlignTop);

  QGroupBox* amounts = nullptr;
  QGridLayout* grid = NewGroup(this, "Monthly, fortnightly and weekly amounts", &amounts);
  const QString parts[] = {QStringLiteral("80"), QStringLiteral("20")};
  for (int part = 0; part < 2; ++part) {
    auto* caption = new QLabel(parts[part] + QLatin1Char('%'), amounts);
    caption->setObjectName(QStringLiteral("lbl") + parts[part]);
    grid->addWidget(caption, part + 1, 0);
  }
  Form form(*this, grid);
  int column = 1;
  for (const PartsColumn& c : kParts) {
    auto* caption = new QLabel(QString::fromUtf8(c.caption), amounts);
    WrapCaption(caption, 150);
    grid->addWidget(caption, 0, column, Qt::AlignBottom);
    for (int part = 0; part < 2; ++part) {
      const QByteArray name =
          QStringLiteral("num%1FB%2").arg(QLatin1String(c.name), parts[part]).toLatin1();
      NumericField* field = form.makeResult(
          {name.constData(), c.caption, "", "", FieldLook::Amount, c.decimals, kFieldWidth});
      field->setAccessibleName(field->accessibleName() + QStringLiteral(", ") + parts[part] +
                               QLatin1Char('%'));
      grid->addWidget(field, part + 1, column);
      // The caption names the 80% part.
      if (part > 0) continue;
      caption->setObjectName(QStringLiteral("lbl_") + field->objectName());
      caption->setBuddy(field);
    }
    ++column;
  }
  grid->setColumnStretch(column, 1);
  controls_ += amounts->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  columns->addWidget(amounts, 1, 1, 1, 2, Qt::AlignTop);
  return columns;
}

QGroupBox* CompanyCarWindow::buildGroup(const CarGroup& group) {
  QGroupBox* box = nullptr;
  // The caption, the field, the unit.
  Form form(*this, NewGroup(this, group.title, &box), {0, 1, 1, 2});
  for (const CarRow& row : group.rows) addRow(form, row);
  for (QLabel* caption : box->findChildren<QLabel*>()) {
    if (caption->objectName().startsWith(QLatin1String("lbl_"))) {
      WrapCaption(caption, group.captionWidth);
    }
  }
  controls_ += box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  return box;
}

void CompanyCarWindow::addRow(Form& form, const CarRow& row) {
  const FieldEntry& entry = row.entry;
  const QString name = QString::fromLatin1(entry.name);
  const QString caption = QString::fromUtf8(entry.caption);
  const InputField<CompanyCar>* input =
      row.key != nullptr ? FindInput<CompanyCar>(CompanyCarRanges, row.key) : nullptr;
  switch (row.kind) {
    case Text:
      for (const CarText& text : CompanyCarTexts) {
        if (std::string_view(text.Key) != row.key) continue;
        auto* field = new QLineEdit(this);
        field->setObjectName(name);
        field->setMaxLength(text.MaxLength);
        field->setFixedWidth(entry.width);
        field->setAccessibleName(AccessibleName(caption));
        form.place(entry, field);
        addToTabOrder(field);
        calculateOnEnter(field);
        texts_.append({&text, field});
        connect(field, &QLineEdit::textChanged, this, [this, &text](const QString& t) {
          if (!showing_) car().*text.Member = t.toStdString();
        });
      }
      break;
    case Input:
      if (input == nullptr) {
        // The register's total of code 3802 amounts.
        actual3802_ = form.input(entry, CompanyCarRegisterRanges[0], cars());
        break;
      }
      numbers_.append({input, form.input(entry, input->Range)});
      connect(numbers_.last().second, &NumericField::valueChanged, this, [this, input](double v) {
        if (!showing_) SetValue(*input, car(), v);
      });
      break;
    case Date: {
      DateField* field = form.date(entry, input->Range);
      BindDate(field, [this, input](double serial) {
        if (!showing_) SetValue(*input, car(), serial);
      });
      // The start date's row comes first.
      (startDate_ == nullptr ? startDate_ : endDate_) = field;
      break;
    }
    case Shown: {
      NumericField* field = form.result(entry);
      // The values a run works out and the car keeps.
      if (input != nullptr) numbers_.append({input, field});
      break;
    }
    case Check: {
      auto* box = new QCheckBox(caption, this);
      box->setObjectName(name);
      box->setAccessibleName(AccessibleName(caption));
      form.span(box, 3);
      addToTabOrder(box);
      if (row.flag == nullptr) break;
      flags_.append({row.flag, box});
      // The check boxes store 1 or 0 and calculate nothing.
      connect(box, &QCheckBox::toggled, this, [this, flag = row.flag](bool on) {
        if (!showing_) car().*flag = on ? 1 : 0;
      });
      break;
    }
    case Heading: {
      auto* heading = new QLabel(caption, this);
      heading->setObjectName(name);
      QFont bold = heading->font();
      bold.setBold(true);
      heading->setFont(bold);
      form.span(heading, 3);
      break;
    }
  }
}

}  // namespace reventa
