// The loan report: the single row of `Loans` with the loan and, when shown, its
// totals; the schedule lines of `Amort`; and the template and report window
// title that the calculate mode and the schedule kind choose.
#pragma once

#include <QList>
#include <QString>
#include <vector>

#include "calc/finance/loan.h"
#include "store/table_store.h"

namespace reventa {

// What the print panel asks for: no schedule, or the yearly or monthly one.
enum class AmortKind { None = 0, Monthly = 1, Annual = 2 };

inline const QString kLoansTable = QStringLiteral("Loans");
inline const QString kAmortTable = QStringLiteral("Amort");

// The row of `Loans`. The totals fields are blank (and their amounts the whole
// number 0) unless the window shows the totals; `YearMon` is written only with a
// schedule, so a report without one leaves it as it was.
FieldList LoansFields(const LoanState& loan, AmortKind schedule);

// One `Amort` row a schedule line, in order.
QList<FieldList> AmortRows(const std::vector<AmortisationRow>& rows);

// The template of the mode (the "A" one with a schedule) and the report window
// title; a report without a schedule has no title of its own, and then shows
// the window's caption.
QString LoanReportTemplate(const std::string& calcMode, AmortKind schedule);
QString LoanReportTitle(const std::string& calcMode, AmortKind schedule);

}  // namespace reventa
