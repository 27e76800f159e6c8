// SPDX-License-Identifier: GPL-3.0-or-later
// The company car computation over the largest register the window can hold
// (32 767 cars) with the automatic split on: "&Calculate" runs it twice, and Add,
// Back, Forward and Delete once each, so it must answer within a blink.
#include <benchmark/benchmark.h>

#include "calc/vehicle/company_car.h"

namespace {

reventa::CompanyCarRegister Register(int cars) {
  reventa::CompanyCarRegister reg;
  for (int i = 0; i < cars; ++i) {
    reventa::AddCar(reg);
    reventa::CompanyCar& car = reventa::CurrentCar(reg);
    car.CCRegNumber = "CAR " + std::to_string(i);
    car.CCPrice = 300000 + i;
    car.BussMilage = 1;
    car.StartMileage = 10000;
    car.EndMileage = 40000;
    car.BusDistance = 12000;
    car.SARSTable = i % 2;
    car.EmpPaidInsurance = 6000;
  }
  reg.Actual3802 = 126000;
  reg.Current = 1;
  return reg;
}

void BM_CalculateCommand(benchmark::State& state) {
  reventa::CompanyCarRegister reg = Register(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(reventa::RunCalculateCommand(reg));
}
BENCHMARK(BM_CalculateCommand)->Arg(1)->Arg(3)->Arg(32767)->Unit(benchmark::kMicrosecond);

void BM_PrintComputation(benchmark::State& state) {
  reventa::CompanyCarRegister reg = Register(static_cast<int>(state.range(0)));
  const reventa::CompanyCarRun last = reventa::RunCalculateCommand(reg).Run;
  for (auto _ : state) benchmark::DoNotOptimize(reventa::ComputeCompanyCarsForPrint(reg, last));
}
BENCHMARK(BM_PrintComputation)->Arg(32767)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
