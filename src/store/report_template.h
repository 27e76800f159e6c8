// SPDX-License-Identifier: GPL-3.0-or-later
// Report templates are HTML files with placeholders, filled from the rows of one
// table of the report data store. The format is described in
// resources/templates/README.md.
#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>
#include <optional>
#include <variant>

#include "store/report_chart.h"

namespace reventa {

struct ReportTemplate {
  QString table;           // the table the template reads
  QString html;            // the template text
  QString withTable = {};  // a single-row table whose fields it reads too; may be empty
  bool landscape = false;  // laid out across an A4 page turned on its side
};

// Reads the template's table from its first line; an error text when the first
// line does not name one.
std::variant<ReportTemplate, QString> ParseReportTemplate(const QString& text);

// A filled text, or the reason it could not be filled.
struct Filled {
  QString text;
  std::optional<QString> error;
};

// Fills the placeholders: those outside a {{#rows}} block from the first row,
// those inside it once per row. An error text names a placeholder whose field the
// table lacks, or an unknown format. Each {{#chart ...}} placeholder becomes a
// chart of every row, appended to `charts`, and its marker in the text
// (ReportChartMarker, for InsertReportCharts); without `charts` it is dropped.
// `with` is the first row of the template's second table (withTable): its fields
// fill the placeholders that the table's own rows lack, outside the row block
// and inside it, also when the table has no row.
Filled FillReportTemplate(const ReportTemplate& report, const QList<QVariantMap>& rows,
                          QList<ReportChart>* charts = nullptr, const QVariantMap& with = {});

// The chart a {{#chart ...}} placeholder's settings describe, from the rows of its
// table (format in resources/templates/README.md), or the reason it cannot be
// drawn.
std::variant<ReportChart, QString> BuildReportChart(const QString& settings,
                                                    const QList<QVariantMap>& rows);

// One value in a format: "" (as stored), "money", "whole", "fixedN", "date".
Filled FormatReportValue(const QVariant& value, const QString& format);

}  // namespace reventa
