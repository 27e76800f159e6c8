// SPDX-License-Identifier: GPL-3.0-or-later
// The report engine: runs a report, filled from its table of the report data
// store, either into a report window (page through, zoom, export, print) or to
// the printer chosen with Printer Setup.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <memory>
#include <optional>

#include "store/report_build.h"
#include "widgets/report_window.h"

class QPrinter;
class QTextDocument;
class QWidget;

namespace reventa {

class Messages;

class ReportEngine : public QObject {
  Q_OBJECT

 public:
  // appFolder holds the templates; reportDbPath is the report data store.
  // windowParent owns the report windows (the main window), so that they close
  // with the program. exportSettingsPath is where the export folder is
  // remembered (empty: the user's configuration folder).
  ReportEngine(QString appFolder, QString reportDbPath, Messages& messages, QWidget* windowParent,
               QString exportSettingsPath = {});
  ~ReportEngine() override;

  const QString& appFolder() const { return appFolder_; }
  const QString& reportDbPath() const { return reportDbPath_; }

  // The printer shared by every direct print; Printer Setup changes it.
  QPrinter& printer();

  // Builds the filled report of a template (a file name in the application
  // folder, e.g. "kwiktep.rpt"); an error text when that is not possible.
  using Built = BuiltReport;
  Built Build(const QString& templateName) const;

  // Runs the report: destination 0 shows it in a report window with the title,
  // 1 prints it directly. Any problem is shown as a message over `parent`; then
  // no report is produced and false is returned.
  bool Run(const QString& templateName, const QString& title, int destination, QWidget* parent);

  // The report window the last Run opened (null when it has been closed).
  ReportWindow* lastWindow() const { return lastWindow_; }

  // True when printing is possible: a printer is installed.
  static bool PrinterAvailable();

 private:
  QString appFolder_;
  QString reportDbPath_;
  Messages& messages_;
  QWidget* windowParent_;
  QString exportSettingsPath_;
  std::unique_ptr<QPrinter> printer_;
  QPointer<ReportWindow> lastWindow_;
};

}  // namespace reventa
