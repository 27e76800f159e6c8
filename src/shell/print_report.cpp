#include "shell/print_report.h"

#include "shell/app_context.h"
#include "store/report_engine.h"
#include "taxyear/shared_state.h"
#include "widgets/messages.h"

namespace reventa {
namespace {

const QString kKind = QStringLiteral("report data store");
const QString kTitle = QStringLiteral("Report");

bool Run(AppContext& context, QWidget* parent, const StoreProblem& problem,
         const QString& templateName, const QString& title) {
  if (problem) {
    context.messages.Error(parent, kTitle,
                           *problem + QStringLiteral("\n\nNo report was produced."));
    return false;
  }
  return context.reports.Run(templateName, title, context.state.ReportDestination, parent);
}

}  // namespace

bool PrintSingleRowReport(AppContext& context, QWidget* parent, const QString& table,
                          const FieldList& fields, const QString& templateName,
                          const QString& title) {
  const StoreProblem problem = TableStore(context.stores.reportDb, kKind).WriteRow(table, fields);
  return Run(context, parent, problem, templateName, title);
}

bool PrintRefilledReport(AppContext& context, QWidget* parent, const QString& table,
                         const QList<FieldList>& rows, const QString& templateName,
                         const QString& title) {
  const StoreProblem problem = TableStore(context.stores.reportDb, kKind).Refill(table, rows);
  return Run(context, parent, problem, templateName, title);
}

}  // namespace reventa
