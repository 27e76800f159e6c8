// SPDX-License-Identifier: GPL-3.0-or-later
// A whole payroll of one pay period at once: a CSV file of employees, one a row,
// read as the command-line tool reads it (the same header names, the same number
// rules, the same messages), every employee's PAYE, UIF and skills levy worked out
// by the period's own computation, and the totals an employer declares for the
// period. Two text columns, EmployeeNumber and EmployeeName, are carried through.
// A row that cannot be read keeps its place, with the tool's message, and is left
// out of the totals; nothing is dropped and nothing is guessed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/period/pay_period.h"
#include "taxyear/csv.h"

namespace reventa {

// The two text columns of a payroll file, and the error column the tool writes.
inline constexpr const char* EmployeeNumberKey = "EmployeeNumber";
inline constexpr const char* EmployeeNameKey = "EmployeeName";
inline constexpr const char* ErrorKey = "error";

// The results of one employee, in the order the tool writes them.
struct PayrollFigures {
  double RFundAllowable = 0;
  double TaxableTravelAllowance = 0;
  double UifEmployee = 0;
  double UifEmployer = 0;
  double SdlAmount = 0;
  double PeriodTax = 0;  // before credits
  double MedCredit = 0;
  double AddMedCredit = 0;
  double NetPeriodTax = 0;  // the PAYE to deduct
};

// The result keys of the pay-period calculators and the member of each.
struct PayrollResultColumn {
  const char* Key;
  double PayrollFigures::*Member;
};
extern const std::array<PayrollResultColumn, 9> PayrollResultColumns;

// The period's settings where a row does not give them: the Settings panel's.
struct PayrollSettings {
  double EmployeeUIF = DefaultUifPercent;
  double EmployerUIF = DefaultUifPercent;
  double SkillLevy = DefaultSkillLevyPercent;
  double UIFLimit = DefaultUifMonthlyLimit;
  double InclusionRate = TravelInclusionHigh;
};

struct PayrollEmployee {
  std::size_t Line = 0;  // the line of the file the row starts on (the header is 1)
  std::string Number;
  std::string Name;
  // The inputs as read; the settings the row does not give come from the batch's
  // settings, the others not given from a freshly opened window.
  PayPeriodInput Input;
  // Bit i set: the row gives a value for input i of PayPeriodRanges(kind).
  std::uint32_t Given = 0;
  PayrollFigures Figures;
  // Why the row was not calculated, as the tool says it; empty when it was.
  std::string Error;
  // Every cell of the row was read into Input; an error then came from the
  // calculation's own checks (a date rule, the day rule), and a recalculation
  // with new settings works the row out again.
  bool Readable = false;
  // The cells of a row that was not calculated, in the file's column order, so
  // that the grid and the export show the row as it was given.
  std::vector<std::string> Cells;

  bool Calculated() const { return Error.empty(); }
};

struct PayrollBatch {
  PayPeriodKind Kind = PayPeriodKind::Monthly;
  // The header as read (without a byte-order mark).
  std::vector<std::string> Columns;
  // For each input of PayPeriodRanges(Kind): its column in Columns, or -1.
  std::vector<int> InputColumns;
  // Columns that are no input of the period, no text column and no result
  // column: named once to the user and ignored.
  std::vector<std::string> Unknown;
  // Rows of an earlier export's totals (no input given, a figure other than 0 in
  // a result column): they are no employees and are left out, and counted here.
  std::size_t TotalsRowsLeftOut = 0;
  std::vector<PayrollEmployee> Employees;
};

// The period's totals, over the calculated rows only; every figure is summed as
// the grid and the payslips show it, in cents.
struct PayrollTotals {
  std::size_t Employees = 0;  // rows calculated
  std::size_t NotCalculated = 0;
  double Gross = 0;
  double Paye = 0;  // NetPeriodTax
  double UifEmployee = 0;
  double UifEmployer = 0;
  double Uif() const { return UifEmployee + UifEmployer; }
  double Sdl = 0;
  double Net = 0;
  // Every result column summed the same way, in the order of PayrollResultColumns.
  std::array<double, 9> Results{};
};

// One employee's payslip: gross pay (salary with fringe benefits as given,
// commission, bonus and travel allowance), each deduction the employee bears, and
// the net pay.
struct Payslip {
  double Gross = 0;
  double Paye = 0;
  double UifEmployee = 0;
  double RFundEmployee = 0;
  double EmployeeMedAid = 0;
  double Deductions = 0;
  double Net = 0;
};

// Progress of a long read or recalculation: rows done so far. Returns false to
// stop; the work then ends early and its result is to be thrown away.
using PayrollProgress = std::function<bool(std::size_t rowsDone)>;

struct PayrollLoad {
  // Why the file cannot be used at all (no header row, a header that cannot be
  // read, a column named twice); the batch is then empty.
  std::string Problem;
  bool Cancelled = false;
  PayrollBatch Batch;
};

// Reads and calculates a payroll file of the kind (Monthly, Fortnightly or
// Weekly).
PayrollLoad ReadPayroll(LineSource& lines, PayPeriodKind kind, const PayrollSettings& settings,
                        const PayrollProgress& progress = {});

// Works every readable row out again with new settings (the settings a row gives
// itself stay). False when stopped by `progress`; the batch is then half done.
bool RecalculatePayroll(PayrollBatch& batch, const PayrollSettings& settings,
                        const PayrollProgress& progress = {});

PayrollTotals TotalPayroll(const PayrollBatch& batch);
Payslip PayslipOf(const PayrollEmployee& employee);

// The amount as the grid shows it and the totals add it: rounded to cents half
// to even exactly as the amount fields show it (FormatAmount): 0.125 is 0.12,
// 0.375 is 0.38, and 1.005, whose double lies below its text, is 1.00.
double Cents(double amount);
// The same as a whole number of cents, for sums that do not drift.
std::int64_t WholeCents(double amount);

// The record of a freshly opened window of the kind with the given settings: no
// amounts, the monthly window's 1 to 31 March 2023, the weekly window's 7 and 7
// days, the fortnightly window's 14 and 14.
PayPeriodInput OpenedPayPeriodInput(PayPeriodKind kind, const PayrollSettings& settings = {});

// The period's own computation for the kind (the weekly and fortnightly ones with
// their periods a year and medical credit divisors).
PayPeriodResult ComputePayPeriod(const PayPeriodInput& input, PayPeriodKind kind);

// Writes the batch as CSV the command-line tool reads back with the same figures:
// EmployeeNumber, EmployeeName, every input of the period (the settings used
// included), the result columns and the error column; a row not calculated is
// written with its cells as given. Then a totals row: "Totals" as its name, no
// inputs, the summed results. `sink` takes the text in pieces.
void WritePayrollCsv(const PayrollBatch& batch, const std::function<void(std::string_view)>& sink);

}  // namespace reventa
