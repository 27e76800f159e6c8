// SPDX-License-Identifier: GPL-3.0-or-later
// What one print writes into the report data store, and the report it then runs:
// the tables it fills, in order, with the template and the report window's
// title. Each calculator's report is built by its own ...Report function
// (store/reports/) from the figures its window shows; the window's one print
// path writes it and runs it.
#pragma once

#include <QList>
#include <QString>
#include <cstdint>

#include "store/table_store.h"

namespace reventa {

struct ReportTable {
  QString name;
  QList<FieldList> rows;
  // A refilled table is emptied and filled with the rows; a single-row table has
  // its one row edited in place with the fields of rows[0], so fields a window
  // does not write keep what an earlier print left there.
  bool refill = false;
};

struct Report {
  QList<ReportTable> tables;
  QString templateName;
  QString title;
};

// A report of one single-row table.
Report SingleRowReport(const QString& table, FieldList fields, const QString& templateName,
                       const QString& title);

// Writes the tables in order, each in one transaction; the first problem stops
// the writing and is returned.
StoreProblem WriteReport(const QString& reportDbPath, const Report& report);

// A caption of a report in English (language 0) and Afrikaans (language 1).
struct ReportCaption {
  const char* english;
  const char* afrikaans;
  QString in(std::int16_t language) const;
};

}  // namespace reventa
