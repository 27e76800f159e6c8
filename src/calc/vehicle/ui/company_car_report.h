// The company car report: the rows of compcar, one per car of the register in
// register order, refilled by every print.
#pragma once

#include <QList>
#include <QString>

#include "calc/vehicle/company_car.h"
#include "store/table_store.h"

namespace reventa {

inline const QString kCompanyCarReportTable = QStringLiteral("compcar");
inline const QString kCompanyCarReportTemplate = QStringLiteral("compcar.rpt");
inline const QString kCompanyCarReportTitle = QStringLiteral(
    "Full use of Company Car - To export printout click on the suitcase button or goto Help");

// One row per car 1 to N, the fields in the order the table lists them, with the
// results of `run` (the print computation). The three flags are written as "Yes"
// or "No" and left out when they hold anything else; the dates as dd/mm/yyyy.
QList<FieldList> CompanyCarReportRows(const CompanyCarRegister& cars, const CompanyCarRun& run);

}  // namespace reventa
