// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxyear/income_tax.h"

namespace reventa {

IncomeTaxResult ComputeIncomeTax(double taxableIncome) {
  // Rows are tested one after another with strict greater-than tests against the
  // ceilings; the last row has no upper test.
  std::size_t row = 0;
  while (row + 1 < IncomeTaxTable.size() && taxableIncome > IncomeTaxTable[row].ceiling) {
    ++row;
  }
  const TaxBracket& b = IncomeTaxTable[row];
  IncomeTaxResult r;
  r.MarginalRate = b.rate;
  r.BracketFloor = b.floor;
  r.BracketCeiling = b.ceiling;
  r.BracketBaseTax = b.baseTax;
  r.PortionTax = (taxableIncome - b.floor) * b.rate / 100;
  r.TaxBeforeRebates = r.BracketBaseTax + r.PortionTax;
  return r;
}

}  // namespace reventa
