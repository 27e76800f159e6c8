// SPDX-License-Identifier: GPL-3.0-or-later
// The report window: the filled report as pages, with page navigation, zoom,
// export to PDF, HTML or OpenDocument text, and print, each on keys its tooltip
// names and on a toolbar that Tab reaches. It opens within the free room of its
// screen, the page fitted to its width.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "store/report_export.h"

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QTextDocument;

namespace reventa {

class Messages;

class ReportWindow : public QMainWindow {
  Q_OBJECT

 public:
  // exportName: the file name, without suffix, that Export proposes in the
  // folder `exportFolder` keeps.
  ReportWindow(std::unique_ptr<QTextDocument> document, const QString& title,
               const QString& exportName, ExportFolder exportFolder, Messages& messages,
               QWidget* parent = nullptr);
  ~ReportWindow() override;

  const QTextDocument& document() const { return *document_; }
  int pageCount() const;
  int currentPage() const;

  // Writes the report to a file; the format follows the file's suffix (.pdf,
  // .html or .htm, .odt). An error text naming the file on failure, when the old
  // file (if any) is left as it was.
  std::optional<QString> exportTo(const QString& path) const;

  // The file Export proposes: the export name as a PDF in the export folder.
  QString proposedExportPath() const;

  // Asks for the file to export to, given the proposed path and the file types;
  // sets the chosen type and returns the path, or an empty text when the user
  // cancels. The file dialog unless a test sets another.
  using FileChooser = std::function<QString(QWidget* parent, const QString& proposedPath,
                                            const QString& filters, QString* selectedFilter)>;
  void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

 private:
  // Sizes the window to show the page at its best within the screen's free room
  // (the owner's screen), frame and title bar included.
  void placeOnScreen();
  void exportWithDialog();
  void printWithDialog();
  void updatePageLabel();

  std::unique_ptr<QTextDocument> document_;
  std::unique_ptr<QPrinter> previewPrinter_;
  QString exportName_;
  ExportFolder exportFolder_;
  FileChooser chooseFile_;
  Messages& messages_;
  QPrintPreviewWidget* preview_;
  QLabel* pageLabel_;
};

}  // namespace reventa
