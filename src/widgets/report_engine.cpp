// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/report_engine.h"

#include <QDate>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include "store/report_export.h"
#include "widgets/busy_cursor.h"
#include "widgets/messages.h"
#include "widgets/report_window.h"

namespace reventa {

ReportEngine::ReportEngine(QString appFolder, QString reportDbPath, Messages& messages,
                           QWidget* windowParent, QString exportSettingsPath)
    : appFolder_(std::move(appFolder)),
      reportDbPath_(std::move(reportDbPath)),
      messages_(messages),
      windowParent_(windowParent),
      exportSettingsPath_(std::move(exportSettingsPath)) {}

ReportEngine::~ReportEngine() = default;

QPrinter& ReportEngine::printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PrepareReportPage(*printer_);
  }
  return *printer_;
}

bool ReportEngine::PrinterAvailable() { return !QPrinterInfo::availablePrinters().isEmpty(); }

ReportEngine::Built ReportEngine::Build(const QString& templateName) const {
  return BuildReport(appFolder_, reportDbPath_, templateName);
}

bool ReportEngine::Run(const QString& templateName, const QString& title, int destination,
                       QWidget* parent) {
  const BusyCursor busy;
  Built built = Build(templateName);
  if (!built.document) {
    messages_.Error(parent, QStringLiteral("Report"), built.error);
    return false;
  }
  if (destination == 1) {
    if (!PrinterAvailable()) {
      messages_.Error(parent, QStringLiteral("Report"),
                      QStringLiteral("No printer is installed, so the report cannot be printed "
                                     "directly. Use \"View/Export report\" to see it and export "
                                     "it instead."));
      return false;
    }
    QPrinter& p = printer();
    p.setDocName(templateName);
    // The printer chosen with Printer Setup keeps its paper; the report turns it.
    p.setPageOrientation(ReportLandscape(*built.document) ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
    built.document->print(&p);
    return true;
  }
  auto* window =
      new ReportWindow(std::move(built.document), title,
                       ProposedReportFileName(title, built.table, built.row, QDate::currentDate()),
                       ExportFolder(exportSettingsPath_), messages_, windowParent_);
  window->show();
  window->raise();
  window->activateWindow();
  lastWindow_ = window;
  return true;
}

}  // namespace reventa
