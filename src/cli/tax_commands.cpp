// SPDX-License-Identifier: GPL-3.0-or-later
// income-tax and quicktax.
#include <cmath>

#include "calc/annual/quicktax.h"
#include "cli/command.h"
#include "taxyear/income_tax.h"

namespace reventa::cli {
namespace {

Json IncomeTaxJson(const IncomeTaxResult& r) {
  return Json{{"MarginalRate", r.MarginalRate},     {"BracketFloor", r.BracketFloor},
              {"BracketCeiling", r.BracketCeiling}, {"BracketBaseTax", r.BracketBaseTax},
              {"PortionTax", r.PortionTax},         {"TaxBeforeRebates", r.TaxBeforeRebates}};
}

// The tax table takes any income, a negative one too, and its last row has no
// ceiling; only an income whose tax is beyond the largest double has no answer.
Json RunIncomeTax(const Input& in) {
  double income = 0;
  in.Read("TaxableIncome", income);
  const IncomeTaxResult r = ComputeIncomeTax(income);
  if (!std::isfinite(r.PortionTax) || !std::isfinite(r.TaxBeforeRebates)) {
    throw CliError("TaxableIncome: the tax on " + FormatNumber(income) +
                   " overflows the largest number");
  }
  return IncomeTaxJson(r);
}

const bool kIncomeTax = RegisterCommand({
    "income-tax",
    {},
    {"TaxableIncome"},
    {"MarginalRate", "BracketFloor", "BracketCeiling", "BracketBaseTax", "PortionTax",
     "TaxBeforeRebates"},
    RunIncomeTax,
});

const bool kQuickTax = RegisterCommand({
    "quicktax",
    Ranges(QuickTaxRanges),
    {},
    {"QuickIncome", "QuickRebate", "QuickTotalTax", "QuickTaxCommitment", "QuickAvgBefore",
     "QuickAvgAfter", "BracketBaseTax", "MarginalRate", "PortionTax", "TaxCom4Monthly"},
    [](const Input& in) {
      QuickTaxInput q;
      ReadInputs(in, QuickTaxRanges, q);
      const QuickTaxResult r = ComputeQuickTax(q);
      return Json{
          {"QuickIncome", r.QuickIncome},           {"QuickRebate", r.QuickRebate},
          {"QuickTotalTax", r.QuickTotalTax},       {"QuickTaxCommitment", r.QuickTaxCommitment},
          {"QuickAvgBefore", r.QuickAvgBefore},     {"QuickAvgAfter", r.QuickAvgAfter},
          {"BracketBaseTax", r.Tax.BracketBaseTax}, {"MarginalRate", r.Tax.MarginalRate},
          {"PortionTax", r.Tax.PortionTax},         {"TaxCom4Monthly", r.TaxCom4Monthly()}};
    },
});

}  // namespace
}  // namespace reventa::cli
