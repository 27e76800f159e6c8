#include "store/report_window.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QToolBar>

#include "widgets/messages.h"

namespace reventa {

void ReportWindow::PreparePrinter(QPagedPaintDevice& printer) {
  // The report lays itself out with a 2 cm margin inside the page (the rich-text
  // engine's own), so the page itself asks for none beyond what the printer needs.
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

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
  PreparePrinter(*previewPrinter_);
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
  const QString suffix = QFileInfo(path).suffix().toLower();
  const bool pdf = suffix == QLatin1String("pdf");
  const bool html = suffix == QLatin1String("html") || suffix == QLatin1String("htm");
  const bool odt = suffix == QLatin1String("odt");
  if (!pdf && !html && !odt) {
    return tr("Choose a PDF (.pdf), HTML (.html) or OpenDocument text (.odt) file.");
  }
  const auto failed = [&path](const QString& why) {
    return tr("The report could not be exported to %1:\n%2").arg(path, why);
  };
  // A file the user made read-only is not replaced, whoever runs the program.
  const QFileInfo existing(path);
  constexpr auto kWriteBits =
      QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  if (existing.exists() && (!existing.isWritable() || !(existing.permissions() & kWriteBits))) {
    return failed(tr("the file is read-only."));
  }
  // The report is made in memory (the OpenDocument writer closes its device when
  // done), then goes to a new file that replaces the old one only when complete,
  // so a failed export leaves the earlier file as it was.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (pdf) {
      QPdfWriter writer(&buffer);
      writer.setResolution(1200);
      writer.setTitle(windowTitle());
      PreparePrinter(writer);
      document_->print(&writer);
    } else if (html) {
      buffer.write(document_->toHtml().toUtf8());
    } else {
      QTextDocumentWriter writer(&buffer, "odf");
      if (!writer.write(document_.get())) bytes.clear();
    }
  }
  // Printing says nothing when its painter cannot start; nothing is made then.
  if (bytes.isEmpty()) return failed(tr("the report could not be made in this format."));
  QSaveFile file(path);
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
  if (file.write(bytes) != bytes.size()) {
    const QString why = file.errorString();
    file.cancelWriting();
    return failed(why);
  }
  if (!file.commit()) return failed(file.errorString());
  return std::nullopt;
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
  PreparePrinter(printer);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  document_->print(&printer);
}

}  // namespace reventa
