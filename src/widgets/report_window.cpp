#include "widgets/report_window.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTextDocument>
#include <QToolBar>

#include "widgets/messages.h"

namespace reventa {

ReportWindow::ReportWindow(std::unique_ptr<QTextDocument> document, const QString& title,
                           const QString& exportName, ExportFolder exportFolder, Messages& messages,
                           QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      document_(std::move(document)),
      previewPrinter_(std::make_unique<QPrinter>(QPrinter::ScreenResolution)),
      exportName_(exportName.isEmpty() ? QStringLiteral("report") : exportName),
      exportFolder_(std::move(exportFolder)),
      chooseFile_(
          [](QWidget* owner, const QString& proposed, const QString& filters, QString* selected) {
            return QFileDialog::getSaveFileName(owner, tr("Export report"), proposed, filters,
                                                selected);
          }),
      messages_(messages) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("ReportWindow"));
  setWindowTitle(title);
  PrepareReportPage(*previewPrinter_);
  preview_ = new QPrintPreviewWidget(previewPrinter_.get(), this);
  preview_->setObjectName(QStringLiteral("preview"));
  connect(preview_, &QPrintPreviewWidget::paintRequested, this,
          [this](QPrinter* printer) { document_->print(printer); });
  connect(preview_, &QPrintPreviewWidget::previewChanged, this, &ReportWindow::updatePageLabel);
  setCentralWidget(preview_);

  QToolBar* bar = addToolBar(tr("Report"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto add = [&](const QString& text, const QKeySequence& key, auto slot) {
    QAction* a = bar->addAction(text);
    a->setShortcut(key);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  add(tr("&Export..."), QKeySequence::SaveAs, &ReportWindow::exportWithDialog)
      ->setObjectName(QStringLiteral("actExport"));
  add(tr("&Print..."), QKeySequence::Print, &ReportWindow::printWithDialog)
      ->setObjectName(QStringLiteral("actPrint"));
  bar->addSeparator();
  add(tr("First"), QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { preview_->setCurrentPage(1); });
  add(tr("Previous"), QKeySequence(Qt::Key_PageUp),
      [this] { preview_->setCurrentPage(preview_->currentPage() - 1); });
  pageLabel_ = new QLabel(this);
  pageLabel_->setMinimumWidth(90);
  pageLabel_->setAlignment(Qt::AlignCenter);
  bar->addWidget(pageLabel_);
  add(tr("Next"), QKeySequence(Qt::Key_PageDown),
      [this] { preview_->setCurrentPage(preview_->currentPage() + 1); });
  add(tr("Last"), QKeySequence(Qt::CTRL | Qt::Key_End),
      [this] { preview_->setCurrentPage(preview_->pageCount()); });
  bar->addSeparator();
  add(tr("Zoom &in"), QKeySequence::ZoomIn, [this] { preview_->zoomIn(); });
  add(tr("Zoom &out"), QKeySequence::ZoomOut, [this] { preview_->zoomOut(); });
  add(tr("Fit &width"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] { preview_->fitToWidth(); });
  add(tr("&Close"), QKeySequence(Qt::Key_Escape), [this] { close(); });

  resize(860, 980);
  preview_->fitToWidth();
  updatePageLabel();
}

ReportWindow::~ReportWindow() = default;

int ReportWindow::pageCount() const { return preview_->pageCount(); }
int ReportWindow::currentPage() const { return preview_->currentPage(); }

void ReportWindow::updatePageLabel() {
  pageLabel_->setText(tr("Page %1 of %2").arg(preview_->currentPage()).arg(preview_->pageCount()));
}

std::optional<QString> ReportWindow::exportTo(const QString& path) const {
  return ExportReport(*document_, windowTitle(), path);
}

QString ReportWindow::proposedExportPath() const {
  return QDir(exportFolder_.folder()).filePath(exportName_ + QStringLiteral(".pdf"));
}

void ReportWindow::exportWithDialog() {
  const QString pdf = tr("PDF document (*.pdf)");
  const QString html = tr("HTML page (*.html)");
  const QString odt = tr("OpenDocument text (*.odt)");
  QString selected = pdf;
  QString path = chooseFile_(this, proposedExportPath(),
                             QStringList{pdf, html, odt}.join(QStringLiteral(";;")), &selected);
  if (path.isEmpty()) return;
  // A name typed without a known suffix takes that of the chosen file type.
  static const QStringList kSuffixes = {QStringLiteral("pdf"), QStringLiteral("html"),
                                        QStringLiteral("htm"), QStringLiteral("odt")};
  if (!kSuffixes.contains(QFileInfo(path).suffix().toLower())) {
    path += selected == html  ? QStringLiteral(".html")
            : selected == odt ? QStringLiteral(".odt")
                              : QStringLiteral(".pdf");
  }
  if (const auto problem = exportTo(path)) {
    messages_.Error(this, tr("Export"), *problem);
    return;
  }
  exportFolder_.remember(path);
}

void ReportWindow::printWithDialog() {
  QPrinter printer(QPrinter::HighResolution);
  PrepareReportPage(printer);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  document_->print(&printer);
}

}  // namespace reventa
