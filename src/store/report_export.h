// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting a report: to a PDF, HTML or OpenDocument file, with the file name
// Export proposes (made from the report, its period and the person it is for)
// in the folder the user last exported to.
#pragma once

#include <QDate>
#include <QString>
#include <QVariantMap>
#include <optional>

class QPagedPaintDevice;
class QTextDocument;

namespace reventa {

// Lays a report out on A4 pages with the program's margins, upright or, for a
// report its template lays out across the page (a wide table), on its side.
void PrepareReportPage(QPagedPaintDevice& printer, const QTextDocument* report = nullptr);

// Whether a built report is laid out on its side; the report carries it from its
// template to the preview, the printer and the export.
void SetReportLandscape(QTextDocument& report, bool landscape);
bool ReportLandscape(const QTextDocument& report);

// Writes a filled report to a file; the format follows the file's suffix (.pdf,
// .html or .htm, .odt). An error text naming the file on failure, saying what went
// wrong and what to do about it; the old file (if any) is then left as it was and
// no half-written file is left beside it.
std::optional<QString> ExportReport(const QTextDocument& document, const QString& title,
                                    const QString& path);

// Why writing the file at `path` failed, in plain words with a way out, from the
// system's error number (errno) of the failed call; empty for a number that says
// nothing a user can act on.
QString ExportFailureCause(int systemError, const QString& path);

// The file name, without its suffix, that Export proposes: the report's name (its
// window title before " - "), the report's date and the name of the person it is
// for, each part made fit for a file name and an empty part left out, e.g.
// "Monthly 2023-03 Thandi Mokoena". Which field of the report's table holds the
// name and which the date is kept per table beside this function; a report with
// no date of its own (or a blank one) takes `today`.
QString ProposedReportFileName(const QString& title, const QString& table, const QVariantMap& row,
                               const QDate& today);

// The part with every character that cannot stand in a file name (/ \ : * ? " <
// > | and control characters) replaced by "_", and blanks trimmed.
QString FileNamePart(const QString& part);

// The folder the export dialog opens in: the last folder the user exported to,
// remembered across runs in a small INI file in the user's configuration folder;
// the documents folder before the first export, or when that folder is gone.
class ExportFolder {
 public:
  // settingsPath: the INI file (empty: the user's configuration folder).
  explicit ExportFolder(QString settingsPath = {});

  QString folder() const;
  // Remembers the folder of a file the user has just exported.
  void remember(const QString& exportedFile) const;

  const QString& settingsPath() const { return path_; }

 private:
  QString path_;
};

}  // namespace reventa
