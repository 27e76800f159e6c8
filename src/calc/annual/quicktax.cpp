// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/annual/quicktax.h"

#include "taxyear/numbers.h"
#include "taxyear/tax_year.h"

namespace reventa {

QuickTaxResult ComputeQuickTax(const QuickTaxInput& input) {
  QuickTaxResult r;
  r.QuickIncome = input.TaxableIncome;

  double addition = 0;
  if (!(input.QuickAge < 75)) {
    addition = AgeRebate75;
  } else if (!(input.QuickAge < 65)) {
    addition = AgeRebate65;
  }
  r.QuickRebate = IntPart(PrimaryRebate + addition);

  r.Tax = ComputeIncomeTax(input.TaxableIncome);
  const double before = r.Tax.TaxBeforeRebates;
  r.QuickAvgBefore = before > 0 ? before / input.TaxableIncome * 100 : r.Tax.MarginalRate;
  r.QuickTotalTax = before;
  r.QuickTaxCommitment = r.QuickTotalTax - r.QuickRebate;
  if (r.QuickTaxCommitment < 0) r.QuickTaxCommitment = 0;
  r.QuickAvgAfter = before > 0 ? (before - r.QuickRebate) / input.TaxableIncome * 100 : 0;
  if (r.QuickAvgAfter < 0) r.QuickAvgAfter = 0;
  return r;
}

}  // namespace reventa
