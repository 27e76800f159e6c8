// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxyear/shared_state.h"

namespace reventa {

void InitialiseSharedState(SharedState& state) {
  // Every member's initial value is the reset value, so a fresh record is the
  // reset state.
  state = SharedState{};
}

const IncomeTaxResult& ComputeSharedIncomeTax(SharedState& state, double taxableIncome) {
  state.TaxableIncome = taxableIncome;
  state.IncomeTax = ComputeIncomeTax(taxableIncome);
  return state.IncomeTax;
}

}  // namespace reventa
