// The report window: the filled report as pages, with page navigation, zoom,
// export to PDF, HTML or OpenDocument text, and print.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QTextDocument;

namespace reventa {

class Messages;

class ReportWindow : public QMainWindow {
  Q_OBJECT

 public:
  ReportWindow(std::unique_ptr<QTextDocument> document, const QString& title, Messages& messages,
               QWidget* parent = nullptr);
  ~ReportWindow() override;

  const QTextDocument& document() const { return *document_; }
  int pageCount() const;
  int currentPage() const;

  // Writes the report to a file; the format follows the file's suffix (.pdf,
  // .html or .htm, .odt). An error text on failure.
  std::optional<QString> exportTo(const QString& path) const;

  // Lays a report out on A4 pages with the program's margins.
  static void PreparePrinter(QPrinter& printer);

 private:
  void exportWithDialog();
  void printWithDialog();
  void updatePageLabel();

  std::unique_ptr<QTextDocument> document_;
  std::unique_ptr<QPrinter> previewPrinter_;
  Messages& messages_;
  QPrintPreviewWidget* preview_;
  QLabel* pageLabel_;
};

}  // namespace reventa
