// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/period/payroll_batch.h"

#include <cmath>
#include <utility>

#include "taxyear/csv_cell.h"
#include "taxyear/numbers.h"

namespace reventa {

const std::array<PayrollResultColumn, 9> PayrollResultColumns{{
    {"RFundAllowable", &PayrollFigures::RFundAllowable},
    {"TaxableTravelAllowance", &PayrollFigures::TaxableTravelAllowance},
    {"UifEmployee", &PayrollFigures::UifEmployee},
    {"UifEmployer", &PayrollFigures::UifEmployer},
    {"SdlAmount", &PayrollFigures::SdlAmount},
    {"PeriodTax", &PayrollFigures::PeriodTax},
    {"MedCredit", &PayrollFigures::MedCredit},
    {"AddMedCredit", &PayrollFigures::AddMedCredit},
    {"NetPeriodTax", &PayrollFigures::NetPeriodTax},
}};

namespace {

// Rows between two calls of the progress callback.
constexpr std::size_t ProgressStep = 1024;

bool Filled(const std::vector<std::string>& cells, int column) {
  return column >= 0 && !cells[static_cast<std::size_t>(column)].empty();
}

std::string CellAt(const std::vector<std::string>& cells, int column) {
  return column >= 0 && static_cast<std::size_t>(column) < cells.size()
             ? cells[static_cast<std::size_t>(column)]
             : std::string();
}

// Where the columns of a header stand.
struct ColumnPlan {
  int number = -1;
  int name = -1;
  std::array<int, 9> results{-1, -1, -1, -1, -1, -1, -1, -1, -1};
};

ColumnPlan PlanColumns(PayrollBatch& batch) {
  ColumnPlan plan;
  const RangeTable<PayPeriodInput> table = PayPeriodRanges(batch.Kind);
  batch.InputColumns.assign(table.size(), -1);
  for (std::size_t c = 0; c < batch.Columns.size(); ++c) {
    const std::string& name = batch.Columns[c];
    const int column = static_cast<int>(c);
    if (const InputField<PayPeriodInput>* field = FindInput(table, name)) {
      batch.InputColumns[static_cast<std::size_t>(field - table.data())] = column;
      continue;
    }
    if (name == EmployeeNumberKey) {
      plan.number = column;
      continue;
    }
    if (name == EmployeeNameKey) {
      plan.name = column;
      continue;
    }
    if (name == ErrorKey) continue;
    bool result = false;
    for (std::size_t k = 0; k < PayrollResultColumns.size(); ++k) {
      if (name == PayrollResultColumns[k].Key) {
        plan.results[k] = column;
        result = true;
      }
    }
    if (!result) batch.Unknown.push_back(name);
  }
  return plan;
}

// The row of an earlier export's totals: no input, a figure other than 0 in a
// result column. A row without input that the tool worked out (its figures all
// 0) stays an employee.
bool IsTotalsRow(const PayrollBatch& batch, const ColumnPlan& plan,
                 const std::vector<std::string>& cells) {
  for (const int column : batch.InputColumns) {
    if (Filled(cells, column)) return false;
  }
  for (const int column : plan.results) {
    if (Filled(cells, column) && LeadingNumber(cells[static_cast<std::size_t>(column)]) != 0) {
      return true;
    }
  }
  return false;
}

// Works a readable row out: the checks of a record that does not come through
// the window, then the period's computation, as the command-line tool does.
void Calculate(PayPeriodKind kind, PayrollEmployee& employee) {
  employee.Figures = {};
  if (const auto error = ValidatePayPeriodInput(employee.Input, kind)) {
    employee.Error = error->Text();
    return;
  }
  const PayPeriodResult r = ComputePayPeriod(employee.Input, kind);
  if (r.Error) {
    employee.Error = r.Error->Text;
    return;
  }
  const PayrollFigures figures{r.RFundAllowable, r.TaxableTravelAllowance,
                               r.UifEmployee,    r.UifEmployer,
                               r.SdlAmount,      r.PeriodTax,
                               r.MedCredit,      r.AddMedCredit,
                               r.NetPeriodTax};
  // An overflow in the arithmetic is the row's error, never a figure.
  for (const PayrollResultColumn& column : PayrollResultColumns) {
    if (!std::isfinite(figures.*column.Member)) {
      employee.Error = std::string(column.Key) + ": the computation overflows";
      return;
    }
  }
  employee.Figures = figures;
  employee.Error.clear();
}

// Reads the cells of a row that fits the header into the record, in the table's
// order, and stops at the first that cannot be read.
void ReadRow(const PayrollBatch& batch, const PayrollSettings& settings,
             const std::vector<std::string>& cells, PayrollEmployee& employee) {
  const RangeTable<PayPeriodInput> table = PayPeriodRanges(batch.Kind);
  employee.Input = OpenedPayPeriodInput(batch.Kind, settings);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const int column = batch.InputColumns[i];
    if (!Filled(cells, column)) continue;
    double value = 0;
    if (!ReadInputCell(table[i].Range, HeldOf(table[i]), cells[static_cast<std::size_t>(column)],
                       value, employee.Error)) {
      return;
    }
    SetValue(table[i], employee.Input, value);
    employee.Given |= std::uint32_t{1} << i;
  }
  employee.Readable = true;
  Calculate(batch.Kind, employee);
}

// The cells of a readable row as the file would give them: its texts and the
// inputs it gives.
std::vector<std::string> CellsOf(const PayrollBatch& batch, const ColumnPlan& plan,
                                 const PayrollEmployee& employee) {
  std::vector<std::string> cells(batch.Columns.size());
  if (plan.number >= 0) cells[static_cast<std::size_t>(plan.number)] = employee.Number;
  if (plan.name >= 0) cells[static_cast<std::size_t>(plan.name)] = employee.Name;
  const RangeTable<PayPeriodInput> table = PayPeriodRanges(batch.Kind);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const int column = batch.InputColumns[i];
    if (column < 0 || (employee.Given & (std::uint32_t{1} << i)) == 0) continue;
    AppendShortest(cells[static_cast<std::size_t>(column)], ValueOf(table[i], employee.Input));
  }
  return cells;
}

ColumnPlan PlanOf(const PayrollBatch& batch) {
  PayrollBatch copy;
  copy.Kind = batch.Kind;
  copy.Columns = batch.Columns;
  return PlanColumns(copy);
}

// A payslip in whole cents.
struct SlipCents {
  std::int64_t gross = 0;
  std::int64_t paye = 0;
  std::int64_t uifEmployee = 0;
  std::int64_t rFundEmployee = 0;
  std::int64_t employeeMedAid = 0;
  std::int64_t Deductions() const { return paye + uifEmployee + rFundEmployee + employeeMedAid; }
};

SlipCents SlipOf(const PayrollEmployee& employee) {
  const PayPeriodInput& in = employee.Input;
  SlipCents slip;
  slip.gross = WholeCents(in.Salary) + WholeCents(in.Commission) + WholeCents(in.Bonus) +
               WholeCents(in.TravelAllowance);
  slip.paye = WholeCents(employee.Figures.NetPeriodTax);
  slip.uifEmployee = WholeCents(employee.Figures.UifEmployee);
  slip.rFundEmployee = WholeCents(in.RFundEmployee);
  slip.employeeMedAid = WholeCents(in.EmployeeMedAid);
  return slip;
}

double Rand(std::int64_t cents) { return static_cast<double>(cents) / 100; }

}  // namespace

PayPeriodInput OpenedPayPeriodInput(PayPeriodKind kind, const PayrollSettings& settings) {
  PayPeriodInput input;
  input.EmployeeUIF = settings.EmployeeUIF;
  input.EmployerUIF = settings.EmployerUIF;
  input.SkillLevy = settings.SkillLevy;
  input.UIFLimit = settings.UIFLimit;
  input.InclusionRate = settings.InclusionRate;
  if (kind == PayPeriodKind::Fortnightly) input.NormalDays = input.ThisDays = 14;
  return input;
}

PayPeriodResult ComputePayPeriod(const PayPeriodInput& input, PayPeriodKind kind) {
  switch (kind) {
    case PayPeriodKind::Monthly:
      return ComputeMonthlyPaye(input);
    case PayPeriodKind::Weekly:
      return ComputeWeeklyPaye(input, PeriodsPerYearWeekly, WeeklyMedCreditDivisor);
    case PayPeriodKind::Fortnightly:
      return ComputeWeeklyPaye(input, PeriodsPerYearFortnightly, FortnightlyMedCreditDivisor);
    case PayPeriodKind::Daily:
      break;
  }
  return ComputeDailyPaye(input);
}

PayrollLoad ReadPayroll(LineSource& lines, PayPeriodKind kind, const PayrollSettings& settings,
                        const PayrollProgress& progress) {
  PayrollLoad load;
  PayrollBatch& batch = load.Batch;
  batch.Kind = kind;
  CsvReader csv(lines);
  CsvRecord header;
  if (!csv.Next(header)) {
    load.Problem = "the file has no header row";
    return load;
  }
  DropByteOrderMark(header);
  if (std::string problem = CsvHeaderProblem(header); !problem.empty()) {
    load.Problem = std::move(problem);
    return load;
  }
  batch.Columns = std::move(header.fields);
  const ColumnPlan plan = PlanColumns(batch);

  CsvRecord row;
  std::size_t rows = 0;
  while (csv.Next(row)) {
    PayrollEmployee employee;
    employee.Line = row.line;
    employee.Number = CellAt(row.fields, plan.number);
    employee.Name = CellAt(row.fields, plan.name);
    bool employeeRow = true;
    if (!row.error.empty()) {
      employee.Error = row.error;
    } else if (row.fields.size() != batch.Columns.size()) {
      employee.Error = FieldCountProblem(row.fields.size(), batch.Columns.size());
    } else if (IsTotalsRow(batch, plan, row.fields)) {
      ++batch.TotalsRowsLeftOut;
      employeeRow = false;
    } else {
      ReadRow(batch, settings, row.fields, employee);
    }
    if (employeeRow) {
      if (!employee.Calculated()) employee.Cells = std::move(row.fields);
      batch.Employees.push_back(std::move(employee));
    }
    if (progress && ++rows % ProgressStep == 0 && !progress(rows)) {
      load.Cancelled = true;
      return load;
    }
  }
  return load;
}

bool RecalculatePayroll(PayrollBatch& batch, const PayrollSettings& settings,
                        const PayrollProgress& progress) {
  const RangeTable<PayPeriodInput> table = PayPeriodRanges(batch.Kind);
  const PayPeriodInput opened = OpenedPayPeriodInput(batch.Kind, settings);
  const ColumnPlan plan = PlanOf(batch);
  std::size_t rows = 0;
  for (PayrollEmployee& employee : batch.Employees) {
    if (employee.Readable) {
      // What the row does not give comes from a freshly opened window again.
      for (std::size_t i = 0; i < table.size(); ++i) {
        if ((employee.Given & (std::uint32_t{1} << i)) == 0) {
          SetValue(table[i], employee.Input, ValueOf(table[i], opened));
        }
      }
      Calculate(batch.Kind, employee);
      if (employee.Calculated()) {
        employee.Cells = {};
      } else if (employee.Cells.empty()) {
        employee.Cells = CellsOf(batch, plan, employee);
      }
    }
    if (progress && ++rows % ProgressStep == 0 && !progress(rows)) return false;
  }
  return true;
}

PayrollTotals TotalPayroll(const PayrollBatch& batch) {
  PayrollTotals totals;
  SlipCents sum;
  std::int64_t uifEmployer = 0;
  std::int64_t sdl = 0;
  std::array<std::int64_t, 9> results{};
  for (const PayrollEmployee& employee : batch.Employees) {
    if (!employee.Calculated()) {
      ++totals.NotCalculated;
      continue;
    }
    ++totals.Employees;
    const SlipCents slip = SlipOf(employee);
    sum.gross += slip.gross;
    sum.paye += slip.paye;
    sum.uifEmployee += slip.uifEmployee;
    sum.rFundEmployee += slip.rFundEmployee;
    sum.employeeMedAid += slip.employeeMedAid;
    uifEmployer += WholeCents(employee.Figures.UifEmployer);
    sdl += WholeCents(employee.Figures.SdlAmount);
    for (std::size_t k = 0; k < PayrollResultColumns.size(); ++k) {
      results[k] += WholeCents(employee.Figures.*PayrollResultColumns[k].Member);
    }
  }
  totals.Gross = Rand(sum.gross);
  totals.Paye = Rand(sum.paye);
  totals.UifEmployee = Rand(sum.uifEmployee);
  totals.UifEmployer = Rand(uifEmployer);
  totals.Sdl = Rand(sdl);
  totals.Net = Rand(sum.gross - sum.Deductions());
  for (std::size_t k = 0; k < results.size(); ++k) totals.Results[k] = Rand(results[k]);
  return totals;
}

Payslip PayslipOf(const PayrollEmployee& employee) {
  if (!employee.Calculated()) return {};
  const SlipCents slip = SlipOf(employee);
  Payslip payslip;
  payslip.Gross = Rand(slip.gross);
  payslip.Paye = Rand(slip.paye);
  payslip.UifEmployee = Rand(slip.uifEmployee);
  payslip.RFundEmployee = Rand(slip.rFundEmployee);
  payslip.EmployeeMedAid = Rand(slip.employeeMedAid);
  payslip.Deductions = Rand(slip.Deductions());
  payslip.Net = Rand(slip.gross - slip.Deductions());
  return payslip;
}

std::int64_t WholeCents(double amount) {
  // The rounding FormatAmount shows: the amount times 100, rounded half to even.
  const double cents = RoundHalfEven(amount * 100);
  // No payroll figure comes near 2^62 cents; NaN and infinities are no amounts.
  return std::fabs(cents) < 0x1p62 ? static_cast<std::int64_t>(cents) : 0;
}

double Cents(double amount) { return static_cast<double>(WholeCents(amount)) / 100; }

void WritePayrollCsv(const PayrollBatch& batch, const std::function<void(std::string_view)>& sink) {
  constexpr std::size_t Block = 1 << 16;
  const RangeTable<PayPeriodInput> table = PayPeriodRanges(batch.Kind);
  std::string out;
  out.reserve(Block + 4096);
  auto flushIfFull = [&] {
    if (out.size() >= Block) {
      sink(out);
      out.clear();
    }
  };

  out += EmployeeNumberKey;
  out += ',';
  out += EmployeeNameKey;
  for (const InputField<PayPeriodInput>& field : table) {
    out += ',';
    out += field.Range.Key;
  }
  for (const PayrollResultColumn& column : PayrollResultColumns) {
    out += ',';
    out += column.Key;
  }
  out += ',';
  out += ErrorKey;
  out += '\n';

  for (const PayrollEmployee& employee : batch.Employees) {
    AppendCsvField(out, employee.Number);
    out += ',';
    AppendCsvField(out, employee.Name);
    if (employee.Calculated()) {
      for (const InputField<PayPeriodInput>& field : table) {
        out += ',';
        AppendShortest(out, ValueOf(field, employee.Input));
      }
      for (const PayrollResultColumn& column : PayrollResultColumns) {
        out += ',';
        AppendShortest(out, employee.Figures.*column.Member);
      }
      out += ",\n";
    } else {
      for (const int column : batch.InputColumns) {
        out += ',';
        if (column >= 0 && static_cast<std::size_t>(column) < employee.Cells.size()) {
          AppendCsvField(out, employee.Cells[static_cast<std::size_t>(column)]);
        }
      }
      out.append(PayrollResultColumns.size(), ',');
      out += ',';
      AppendCsvField(out, employee.Error);
      out += '\n';
    }
    flushIfFull();
  }

  // The totals: no employee number, "Totals" as the name, no inputs.
  const PayrollTotals totals = TotalPayroll(batch);
  out += ",Totals";
  out.append(table.size(), ',');
  for (const double sum : totals.Results) {
    out += ',';
    AppendShortest(out, sum);
  }
  out += ",\n";
  sink(out);
}

}  // namespace reventa
