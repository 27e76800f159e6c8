// SPDX-License-Identifier: GPL-3.0-or-later
// The reports of the tax calculators: QuickTax (kwiktax), annual PAYE (IRP5Ann)
// and the four pay periods (IRP5Mon, IRP5Week, IRP5Day). The annual and
// pay-period rows carry their captions in the language the print panel chose
// (0 English, 1 Afrikaans) beside the values of the last calculation.
#pragma once

#include <QString>
#include <cstdint>

#include "calc/annual/annual_paye.h"
#include "calc/annual/quicktax.h"
#include "calc/period/pay_period.h"
#include "store/report.h"

namespace reventa {

Report QuickTaxReport(const QuickTaxInput& input, const QuickTaxResult& result);

// The months in the order of the tax year with their captions (the annual
// window's beneficiary boxes are captioned in English, without the blank that
// "Apr " has always had on the report).
struct MonthCaption {
  int month;  // 1 January .. 12 December
  ReportCaption caption;
};
extern const MonthCaption TaxYearMonthCaptions[12];

Report AnnualReport(std::int16_t language, const QString& employeeName, const AnnualInputs& inputs,
                    const AnnualResult& result);

// The three results a pay-period report takes as the window shows them (two
// decimals).
struct ShownFigures {
  double uifEmployee = 0;
  double uifEmployer = 0;
  double sdl = 0;
};

// Fields the window does not use are left out, so they keep whatever the store
// holds.
Report PayPeriodReport(PayPeriodKind kind, std::int16_t language, const QString& employeeName,
                       const PayPeriodInput& input, const PayPeriodResult& result,
                       const ShownFigures& shown);

}  // namespace reventa
