// SPDX-License-Identifier: GPL-3.0-or-later
// Payroll files of one pay period for the batch's tests and benchmark: employees
// with ages, salaries (whole rand monthly, rand and cents otherwise), medical aid,
// fund contributions, commission, bonuses, travel allowances, part months or short
// weeks, and some rows that give their own settings. With faults, about one row in
// twelve cannot be calculated: a bad number, a value outside its field, a missing
// field, a date or day rule, a name with a quote never closed near the end.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "calc/period/pay_period.h"

namespace reventa::samples {

class PayrollSampler {
 public:
  PayrollSampler(PayPeriodKind kind, std::uint64_t seed) : kind_(kind), rng_(seed) {}

  std::string Header() const {
    std::string h =
        "EmployeeNumber,EmployeeName,Age,Salary,EmployerMedAid,EmployeeMedAid,"
        "RFundEmployer,RFundEmployee,Commission,Bonus,TravelAllowance,Beneficiaries,";
    h += kind_ == PayPeriodKind::Monthly ? "StartDate,EndDate," : "NormalDays,ThisDays,";
    return h + "EmployeeUIF,InclusionRate\n";
  }

  // One employee's row; with `faults`, now and then one that cannot be calculated.
  std::string Row(std::size_t n, bool faults) {
    const bool monthly = kind_ == PayPeriodKind::Monthly;
    const double scale = monthly ? 1 : kind_ == PayPeriodKind::Weekly ? 12.0 / 52 : 12.0 / 26;
    auto amount = [&](int lo, int hi) { return Amount(Pick(lo, hi) * 100 * scale, monthly); };
    std::vector<std::string> c(16);
    c[0] = "E" + std::to_string(1000 + n);
    c[1] = Chance(0.2) ? "\"Surname" + std::to_string(n) + ", Name\"" : "Name" + std::to_string(n);
    // Now and then an age with a half, which the record rounds half to even.
    c[2] = std::to_string(Pick(18, 80)) + (Chance(0.05) ? ".5" : "");
    c[3] = amount(40, 1500);
    if (Chance(0.35)) {
      c[4] = amount(0, 40);
      c[5] = amount(5, 30);
      c[11] = std::to_string(Pick(1, 5));
    }
    if (Chance(0.6)) {
      c[6] = std::to_string(Pick(0, 3000));
      c[7] = std::to_string(Pick(100, 2500));
    }
    if (Chance(0.15)) c[8] = amount(5, 300);
    if (Chance(1.0 / 12)) c[9] = amount(40, 1500);
    if (Chance(0.2)) c[10] = amount(10, 80);
    if (monthly) {
      Dates(c[12], c[13]);
    } else {
      Days(c[12], c[13]);
    }
    if (Chance(0.1)) c[14] = "1.5";
    if (Chance(0.1)) c[15] = "0.2";
    if (faults && Chance(1.0 / 12)) Spoil(c);
    std::string r = c[0];
    for (std::size_t i = 1; i < c.size(); ++i) r += "," + c[i];
    return r + "\n";
  }

  std::string File(std::size_t rows, bool faults) {
    std::string text = Header();
    for (std::size_t n = 0; n < rows; ++n) text += Row(n, faults);
    if (faults) text += "E9999,\"Never closed,1\n";
    return text;
  }

 private:
  int Pick(int lo, int hi) {
    return lo + static_cast<int>(rng_() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool Chance(double p) { return static_cast<double>(rng_() % 1000000) < p * 1000000; }

  // Whole rand in the monthly window, rand and cents in the others.
  static std::string Amount(double value, bool whole) {
    const auto cents = static_cast<long long>(value * 100);
    if (whole) return std::to_string(cents / 100);
    std::string text = std::to_string(cents / 100) + "." + std::to_string(cents % 100 / 10);
    return cents % 10 != 0 ? text + std::to_string(cents % 10) : text;
  }

  void Dates(std::string& start, std::string& end) {
    static constexpr int First[] = {44986, 45017, 45047, 45078, 45108, 45139,
                                    45170, 45200, 45231, 45261, 45292, 45323};
    static constexpr int Length[] = {31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31, 29};
    if (Chance(0.3)) return;  // the window's 1 to 31 March
    const int m = Pick(0, 11);
    int first = First[m];
    int last = First[m] + Length[m] - 1;
    if (Chance(0.15)) {
      first = First[m] + Pick(0, Length[m] - 1);
      last = first + Pick(0, First[m] + Length[m] - 1 - first);
    }
    start = std::to_string(first);
    end = std::to_string(last);
  }

  void Days(std::string& normal, std::string& paid) {
    if (Chance(0.5)) return;  // the window's full period
    const int full = kind_ == PayPeriodKind::Weekly ? 7 : 14;
    const int days = Pick(full - 2, full);
    normal = std::to_string(days);
    paid = std::to_string(Pick(1, days));
  }

  // Makes the row one the batch cannot calculate, in one of several ways.
  void Spoil(std::vector<std::string>& c) {
    switch (Pick(0, 5)) {
      case 0:
        c[3] = "30 000";
        break;
      case 1:
        c[3] = "100000000";
        break;
      case 2:
        c.pop_back();
        break;
      case 3:
        c.emplace_back("x");
        break;
      case 4:
        c[3] = "-1";
        break;
      default:
        // The start after the end (monthly), more days than a normal period.
        c[12] = kind_ == PayPeriodKind::Monthly ? "45100" : "5";
        c[13] = kind_ == PayPeriodKind::Monthly ? "45099" : "6";
    }
  }

  PayPeriodKind kind_;
  std::mt19937_64 rng_;
};

}  // namespace reventa::samples
