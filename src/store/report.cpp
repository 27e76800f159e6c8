// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/report.h"

namespace reventa {

Report SingleRowReport(const QString& table, FieldList fields, const QString& templateName,
                       const QString& title) {
  return Report{{ReportTable{table, {std::move(fields)}}}, templateName, title};
}

StoreProblem WriteReport(const QString& reportDbPath, const Report& report) {
  const TableStore store(reportDbPath, QStringLiteral("report data store"));
  for (const ReportTable& table : report.tables) {
    const StoreProblem problem = table.refill ? store.Refill(table.name, table.rows)
                                              : store.WriteRow(table.name, table.rows.value(0));
    if (problem) return problem;
  }
  return std::nullopt;
}

QString ReportCaption::in(std::int16_t language) const {
  return QString::fromUtf8(language == 0 ? english : afrikaans);
}

}  // namespace reventa
