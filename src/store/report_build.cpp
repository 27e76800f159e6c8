// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/report_build.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>
#include <QTextOption>

#include "store/report_chart.h"
#include "store/report_export.h"
#include "store/report_template.h"
#include "store/table_store.h"

namespace reventa {

BuiltReport BuildReport(const QString& appFolder, const QString& reportDbPath,
                        const QString& templateName) {
  BuiltReport built;
  const QString path = QDir(appFolder).absoluteFilePath(templateName);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    built.error =
        QStringLiteral("The report template %1 cannot be found:\n%2").arg(templateName, path);
    return built;
  }
  const auto parsed = ParseReportTemplate(QString::fromUtf8(file.readAll()));
  if (const auto* problem = std::get_if<QString>(&parsed)) {
    built.error =
        QStringLiteral("The report template %1 cannot be used. %2").arg(templateName, *problem);
    return built;
  }
  const ReportTemplate& report = std::get<ReportTemplate>(parsed);
  const auto rows =
      TableStore(reportDbPath, QStringLiteral("report data store")).ReadRows(report.table);
  if (const auto* problem = std::get_if<QString>(&rows)) {
    built.error = *problem;
    return built;
  }
  const QList<QVariantMap>& read = std::get<QList<QVariantMap>>(rows);
  QVariantMap with;
  if (!report.withTable.isEmpty()) {
    const auto row = TableStore(reportDbPath, QStringLiteral("report data store"))
                         .ReadFirstRow(report.withTable);
    if (const auto* problem = std::get_if<QString>(&row)) {
      built.error = *problem;
      return built;
    }
    with = std::get<QVariantMap>(row);
  }
  QList<ReportChart> charts;
  const Filled filled = FillReportTemplate(report, read, &charts, with);
  if (filled.error) {
    built.error = QStringLiteral("The report %1 cannot be filled from the table \"%2\". %3")
                      .arg(templateName, report.table, *filled.error);
    return built;
  }
  built.document = std::make_unique<QTextDocument>();
  // Text breaks between words only: a table column is at least as wide as its
  // longest word, so a make or a name never reads "Volkswage / n".
  QTextOption wrap = built.document->defaultTextOption();
  wrap.setWrapMode(QTextOption::WordWrap);
  built.document->setDefaultTextOption(wrap);
  // A figure (right-aligned) never breaks at its thousands' spaces either.
  built.document->setDefaultStyleSheet(
      QStringLiteral("td[align=\"right\"] { white-space: nowrap; }"));
  built.document->setHtml(filled.text);
  SetReportLandscape(*built.document, report.landscape);
  InsertReportCharts(*built.document, charts);
  built.table = report.table;
  if (!read.isEmpty()) built.row = read.first();
  return built;
}

}  // namespace reventa
