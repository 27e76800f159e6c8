// The differences between the four pay-period windows (monthly, fortnightly,
// weekly, daily) as data, and the report row each writes. One window class,
// PayPeriodWindow, lays itself out and calculates from a design.
#pragma once

#include <QString>
#include <cstdint>

#include "calc/period/pay_period.h"
#include "store/table_store.h"

namespace reventa {

// A report caption in English (language 0) and Afrikaans (language 1).
struct ReportCaption {
  const char* english;
  const char* afrikaans;
  QString in(std::int16_t language) const;
};

struct PayPeriodDesign {
  PayPeriodKind kind;
  const char* objectName;  // frmMonthly ...
  const char* caption;     // the window's caption
  PayPeriodResult (*compute)(const PayPeriodInput&);

  // Fields whose names differ between the windows.
  const char* ageField;
  const char* bonusField;
  const char* travelField;
  const char* travelLabel;
  // The weekly and fortnightly day counts: labels, largest count, value at load.
  const char* normalDaysLabel;
  const char* thisDaysLabel;
  double maxDays;

  // The report: table, template, report window title and the captions that differ.
  const char* table;
  const char* templateName;
  const char* reportTitle;
  ReportCaption heading;
  ReportCaption travel;
  ReportCaption startCaption;  // monthly and the day-count windows only
  ReportCaption endCaption;

  bool hasDates() const { return kind == PayPeriodKind::Monthly; }
  bool hasDayCounts() const {
    return kind == PayPeriodKind::Weekly || kind == PayPeriodKind::Fortnightly;
  }
  // The monthly window takes whole rands; the others take rand and cents except
  // for the retirement-fund contributions.
  bool wholeRandAmounts() const { return kind == PayPeriodKind::Monthly; }
};

const PayPeriodDesign& MonthlyDesign();
const PayPeriodDesign& WeeklyDesign();
const PayPeriodDesign& FortnightlyDesign();
const PayPeriodDesign& DailyDesign();

// The three results the report takes as the window shows them (two decimals).
struct ShownFigures {
  double uifEmployee = 0;
  double uifEmployer = 0;
  double sdl = 0;
};

// The report row of a pay-period window, field by field in the order they are
// written: captions in the chosen language beside the values of the last
// calculation. Fields the window does not use are left out, so they keep
// whatever the store holds.
FieldList PayPeriodReportFields(const PayPeriodDesign& design, std::int16_t language,
                                const QString& employeeName, const PayPeriodInput& input,
                                const PayPeriodResult& result, const ShownFigures& shown);

}  // namespace reventa
