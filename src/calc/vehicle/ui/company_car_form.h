// The fields of the company car window, laid out in groups so that the window
// fits the main window: the car with its period and distance on the left, the
// fuel and other expenses the employee bore in the middle, the code 3802 fringe
// benefits and the adjustments on the right, and the monthly, fortnightly and
// weekly amounts in a band below those two. The window (company_car_window.h) fills and reads
// them; this part only builds and names them.
#pragma once

#include <QList>

class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QWidget;

namespace reventa {

class DateField;
class NumericField;

struct CompanyCarForm {
  // The car.
  QLineEdit* regNumber = nullptr;
  QLabel* regNumberLabel = nullptr;
  QLineEdit* make = nullptr;
  QLineEdit* model = nullptr;
  QLineEdit* yearOfManufacture = nullptr;
  NumericField* price = nullptr;
  QCheckBox* maintIncluded = nullptr;
  // Period and distance.
  DateField* startDate = nullptr;
  DateField* endDate = nullptr;
  NumericField* days = nullptr;  // numCCMonths: shows the days of use
  NumericField* endMileage = nullptr;
  NumericField* startMileage = nullptr;
  NumericField* totalDistance = nullptr;
  NumericField* busDistance = nullptr;
  NumericField* privateDistance = nullptr;
  QCheckBox* logBook = nullptr;
  // Fuel and expenses.
  NumericField* actualExpEmployee = nullptr;
  QCheckBox* sarsTable = nullptr;
  NumericField* fuelComponent = nullptr;
  NumericField* fuelReimbEmployer = nullptr;
  NumericField* fuelClaim = nullptr;
  NumericField* empPaidInsurance = nullptr;
  NumericField* empPaidLicence = nullptr;
  NumericField* empPaidMaintenance = nullptr;
  NumericField* totAddExpense = nullptr;
  // Code 3802 and the adjustments.
  NumericField* trueInclusionAdjusted = nullptr;  // numTrueInclusion
  NumericField* actual3802 = nullptr;
  NumericField* fb3802ThisCar = nullptr;
  QCheckBox* autoCalc3802 = nullptr;
  NumericField* trueInclusion = nullptr;  // numTrueInclusion_1
  NumericField* fuelExp = nullptr;
  NumericField* adjustTaxableInc = nullptr;
  NumericField* adjustTaxableIncSars = nullptr;
  NumericField* totAdjustTaxableInc = nullptr;
  NumericField* totAdjustTaxableIncSars = nullptr;
  // The amounts for the pay periods.
  NumericField* irp53802 = nullptr;
  NumericField* monFB80 = nullptr;
  NumericField* monFB20 = nullptr;
  NumericField* fortFB80 = nullptr;
  NumericField* fortFB20 = nullptr;
  NumericField* weekFB80 = nullptr;
  NumericField* weekFB20 = nullptr;

  // Every label, field and check box, for the window's enabling rules.
  QList<QWidget*> controls;
  // The fields the user types into or ticks, column by column, top to bottom.
  QList<QWidget*> tabOrder;
  // The fields the computation fills.
  QList<NumericField*> results;
};

// Builds the fields as children of `window` and returns them; `layout` receives
// the groups.
CompanyCarForm BuildCompanyCarForm(QWidget* window, QLayout** layout);

}  // namespace reventa
