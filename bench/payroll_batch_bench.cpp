// SPDX-License-Identifier: GPL-3.0-or-later
// The payroll batch window's own work on a file of 100 000 monthly employees held
// in memory: reading and calculating it, working it out again with new settings,
// totalling it and writing it back as CSV. The peak resident memory of the run
// (getrusage) is reported beside each time.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/period/payroll_batch.h"
#include "calc/period/payroll_samples.h"

namespace {

using reventa::PayPeriodKind;

constexpr std::size_t Rows = 100000;

const std::string& MonthlyFile() {
  static const std::string file =
      reventa::samples::PayrollFile(PayPeriodKind::Monthly, Rows, false);
  return file;
}

reventa::PayrollLoad Load() {
  reventa::TextLines lines(MonthlyFile());
  return reventa::ReadPayroll(lines, PayPeriodKind::Monthly, {});
}

void ReportMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;  // kB on Linux
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(Rows) * state.iterations(),
                                                benchmark::Counter::kIsRate);
}

void BM_ReadPayroll(benchmark::State& state) {
  MonthlyFile();
  for (auto _ : state) {
    reventa::PayrollLoad load = Load();
    benchmark::DoNotOptimize(load.Batch.Employees.data());
  }
  ReportMemory(state);
}
BENCHMARK(BM_ReadPayroll)->Unit(benchmark::kMillisecond);

void BM_RecalculatePayroll(benchmark::State& state) {
  reventa::PayrollLoad load = Load();
  reventa::PayrollSettings settings;
  for (auto _ : state) {
    settings.EmployeeUIF = settings.EmployeeUIF == 1 ? 1.5 : 1;
    benchmark::DoNotOptimize(reventa::RecalculatePayroll(load.Batch, settings));
  }
  ReportMemory(state);
}
BENCHMARK(BM_RecalculatePayroll)->Unit(benchmark::kMillisecond);

void BM_TotalAndWritePayroll(benchmark::State& state) {
  const reventa::PayrollLoad load = Load();
  for (auto _ : state) {
    std::size_t bytes = 0;
    reventa::WritePayrollCsv(load.Batch,
                             [&bytes](std::string_view piece) { bytes += piece.size(); });
    benchmark::DoNotOptimize(bytes);
  }
  ReportMemory(state);
}
BENCHMARK(BM_TotalAndWritePayroll)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
