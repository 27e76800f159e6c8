#include "shell/print_report.h"

#include "shell/app_context.h"
#include "shell/report_engine.h"
#include "taxyear/shared_state.h"
#include "widgets/messages.h"

namespace reventa {

bool PrintReport(AppContext& context, QWidget* parent, const Report& report) {
  if (const StoreProblem problem = WriteReport(context.stores.reportDb, report)) {
    context.messages.Error(parent, QStringLiteral("Report"),
                           *problem + QStringLiteral("\n\nNo report was produced."));
    return false;
  }
  return context.reports.Run(report.templateName, report.title, context.state.ReportDestination,
                             parent);
}

}  // namespace reventa
