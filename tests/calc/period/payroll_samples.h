// SPDX-License-Identifier: GPL-3.0-or-later
// Payroll files for the batch's tests and benchmark: varied ages, amounts (whole
// rand monthly, with cents otherwise), medical aid, funds, part periods, rows with
// their own settings. With faults, one row in twelve cannot be calculated (a bad
// or outside number, a field too few or too many, a date or day rule), and the
// last quote never closes.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "calc/period/pay_period.h"

namespace reventa::samples {

inline std::string PayrollFile(PayPeriodKind kind, std::size_t rows, bool faults) {
  std::mt19937_64 rng(2024);
  auto pick = [&rng](int lo, int hi) { return lo + static_cast<int>(rng() % (hi - lo + 1)); };
  const bool monthly = kind == PayPeriodKind::Monthly;
  auto some = [&](int percent, int lo, int hi) {  // an amount, or now and then none
    if (pick(1, 100) > percent) return std::string();
    return std::to_string(pick(lo, hi) * (monthly ? 100 : 20)) +
           (monthly ? "" : "." + std::to_string(pick(0, 99)));
  };
  std::string text = std::string("EmployeeNumber,EmployeeName,Age,Salary,EmployerMedAid,") +
                     "EmployeeMedAid,RFundEmployer,RFundEmployee,Commission,Bonus," +
                     "TravelAllowance,Beneficiaries," +
                     (monthly ? "StartDate,EndDate" : "NormalDays,ThisDays") +
                     ",EmployeeUIF,InclusionRate\n";
  for (std::size_t n = 0; n < rows; ++n) {
    const int days = kind == PayPeriodKind::Weekly ? pick(5, 7) : pick(10, 14);
    const int start = 44986 + 31 * pick(0, 10) + pick(0, 5);  // in one month, not February
    std::vector<std::string> c{"E" + std::to_string(n),
                               pick(1, 5) == 1 ? "\"Name, " + std::to_string(n) + "\"" : "N",
                               std::to_string(pick(18, 80)) + (pick(1, 20) == 1 ? ".5" : ""),
                               some(100, 40, 1500),
                               some(30, 0, 40),
                               some(35, 5, 30),
                               some(60, 0, 30),
                               some(60, 1, 25),
                               some(15, 5, 300),
                               some(8, 40, 1500),
                               some(20, 10, 80),
                               std::to_string(pick(0, 5)),
                               monthly ? std::to_string(start) : std::to_string(days),
                               std::to_string(monthly ? start + pick(0, 20) : pick(1, days)),
                               pick(1, 10) == 1 ? "1.5" : "",
                               pick(1, 10) == 1 ? "0.2" : ""};
    if (faults && pick(1, 12) == 1) {
      const int fault = pick(0, 4);
      if (fault == 0) c[3] = "30 000";
      if (fault == 1) c[3] = "-1";
      if (fault == 2) c.pop_back();
      if (fault == 3) c.emplace_back("x");
      if (fault == 4) {  // the start after the end, more days than a normal period
        c[12] = monthly ? std::to_string(start + 1) : "5";
        c[13] = monthly ? std::to_string(start) : "6";
      }
    }
    for (std::size_t i = 0; i < c.size(); ++i) text += (i == 0 ? "" : ",") + c[i];
    text += "\n";
  }
  return faults ? text + "E9999,\"Never closed,1\n" : text;
}

}  // namespace reventa::samples
