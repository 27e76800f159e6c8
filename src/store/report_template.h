// Report templates are HTML files with placeholders, filled from the rows of one
// table of the report data store. The format is described in
// resources/templates/README.md.
#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>
#include <optional>
#include <variant>

namespace reventa {

struct ReportTemplate {
  QString table;  // the table the template reads
  QString html;   // the template text
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
// table lacks, or an unknown format.
Filled FillReportTemplate(const ReportTemplate& report, const QList<QVariantMap>& rows);

// One value in a format: "" (as stored), "money", "whole", "fixedN", "date".
Filled FormatReportValue(const QVariant& value, const QString& format);

}  // namespace reventa
