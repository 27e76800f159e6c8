// The travel allowance report record: the one row of traveldeduction that every
// print edits in place. The fields common to both methods are written first,
// then those of the method the records choose; the other method's fields keep
// what an earlier print left there.
#pragma once

#include <QString>

#include "store/table_store.h"
#include "taxyear/shared_state.h"

namespace reventa {

// The car the travel allowance is for: the record has room for one.
inline constexpr std::int16_t kTravelReportCarNumber = 1;

inline const QString kTravelReportTable = QStringLiteral("traveldeduction");
inline const QString kTravelReportTitle =
    QStringLiteral("Car Allowance - To export printout click on the suitcase button or goto Help");

// The fields in the order they are written. The dates are the window's, as
// dd/mm/yyyy texts; the figures are those the last calculation left in the state.
FieldList TravelDeductionFields(const TravelAllowanceState& travel, const QString& employeeName,
                                double startDate, double endDate);

// caeprk.rpt with records kept, caepnrk.rpt without.
QString TravelReportTemplate(bool recordsKept);

}  // namespace reventa
