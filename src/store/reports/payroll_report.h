// SPDX-License-Identifier: GPL-3.0-or-later
// The two reports of the payroll batch: the period's totals followed by every
// employee (across the page), and one payslip page per employee calculated. Both
// carry their captions in the language the print panel chose (0 English, 1
// Afrikaans) in the totals row, which the payslips read as well.
#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

#include "calc/period/payroll_batch.h"
#include "store/report.h"

namespace reventa {

inline const QString PayrollReportTemplate = QStringLiteral("Payroll.rpt");
inline const QString PayslipReportTemplate = QStringLiteral("Payslip.rpt");

// The pay period's name: "Monthly" / "Maandeliks" ...
ReportCaption PeriodCaption(PayPeriodKind kind);

// `file`: the payroll file the figures come from; `today`: the date printed.
Report PayrollReport(const PayrollBatch& batch, const PayrollTotals& totals, std::int16_t language,
                     const QString& file, const QDate& today);
Report PayslipsReport(const PayrollBatch& batch, std::int16_t language, const QDate& today);

}  // namespace reventa
