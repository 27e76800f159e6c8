#include "store/report_engine.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include "store/report_chart.h"
#include "store/report_export.h"
#include "store/report_template.h"
#include "store/report_window.h"
#include "store/table_store.h"
#include "widgets/busy_cursor.h"
#include "widgets/messages.h"

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
    ReportWindow::PreparePrinter(*printer_);
  }
  return *printer_;
}

bool ReportEngine::PrinterAvailable() { return !QPrinterInfo::availablePrinters().isEmpty(); }

ReportEngine::Built ReportEngine::Build(const QString& templateName) const {
  Built built;
  const QString path = QDir(appFolder_).absoluteFilePath(templateName);
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
      TableStore(reportDbPath_, QStringLiteral("report data store")).ReadRows(report.table);
  if (const auto* problem = std::get_if<QString>(&rows)) {
    built.error = *problem;
    return built;
  }
  const QList<QVariantMap>& read = std::get<QList<QVariantMap>>(rows);
  QVariantMap with;
  if (!report.withTable.isEmpty()) {
    const auto row = TableStore(reportDbPath_, QStringLiteral("report data store"))
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
  built.document->setHtml(filled.text);
  InsertReportCharts(*built.document, charts);
  built.table = report.table;
  if (!read.isEmpty()) built.row = read.first();
  return built;
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
