// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/report_window.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QTextDocument>
#include <QToolBar>
#include <algorithm>

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
  PrepareReportPage(*previewPrinter_, document_.get());
  preview_ = new QPrintPreviewWidget(previewPrinter_.get(), this);
  preview_->setObjectName(QStringLiteral("preview"));
  connect(preview_, &QPrintPreviewWidget::paintRequested, this,
          [this](QPrinter* printer) { document_->print(printer); });
  connect(preview_, &QPrintPreviewWidget::previewChanged, this, &ReportWindow::updatePageLabel);
  setCentralWidget(preview_);

  QToolBar* bar = addToolBar(tr("Report"));
  bar->setObjectName(QStringLiteral("reportTools"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  // Every command has keys a user can find: its access key (Alt and the
  // underlined letter) and its shortcuts, both named in its tooltip. The buttons
  // take the focus from Tab, and Space presses the one that has it.
  QWidget* previous = nullptr;
  auto add = [&](const QString& text, const QString& tip, QList<QKeySequence> keys, auto slot) {
    QAction* a = bar->addAction(text);
    // The button shows the access key and answers to Alt with it.
    a->setIconText(text);
    keys.removeAll(QKeySequence());
    a->setShortcuts(keys);
    QStringList named;
    if (const QKeySequence access = QKeySequence::mnemonic(text); !access.isEmpty())
      named << access.toString(QKeySequence::NativeText);
    for (const QKeySequence& key : keys) {
      const QString name = key.toString(QKeySequence::NativeText);
      if (!named.contains(name)) named << name;
    }
    a->setToolTip(QStringLiteral("%1 (%2)").arg(tip, named.join(QStringLiteral(", "))));
    connect(a, &QAction::triggered, this, slot);
    QWidget* button = bar->widgetForAction(a);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    if (previous != nullptr) setTabOrder(previous, button);
    previous = button;
    return a;
  };
  // Save As has no key of its own on some desktops; Ctrl+E and Ctrl+S always work.
  add(tr("&Export..."), tr("Export the report to a PDF, HTML or OpenDocument file"),
      {QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::CTRL | Qt::Key_S),
       QKeySequence(QKeySequence::SaveAs)},
      &ReportWindow::exportWithDialog)
      ->setObjectName(QStringLiteral("actExport"));
  add(tr("&Print..."), tr("Print the report"), {QKeySequence(Qt::CTRL | Qt::Key_P)},
      &ReportWindow::printWithDialog)
      ->setObjectName(QStringLiteral("actPrint"));
  bar->addSeparator();
  add(tr("&First"), tr("First page"), {QKeySequence(Qt::CTRL | Qt::Key_Home)},
      [this] { preview_->setCurrentPage(1); });
  add(tr("Pre&vious"), tr("Previous page"), {QKeySequence(Qt::Key_PageUp)},
      [this] { preview_->setCurrentPage(preview_->currentPage() - 1); });
  pageLabel_ = new QLabel(this);
  pageLabel_->setMinimumWidth(90);
  pageLabel_->setAlignment(Qt::AlignCenter);
  bar->addWidget(pageLabel_);
  add(tr("&Next"), tr("Next page"), {QKeySequence(Qt::Key_PageDown)},
      [this] { preview_->setCurrentPage(preview_->currentPage() + 1); });
  add(tr("&Last"), tr("Last page"), {QKeySequence(Qt::CTRL | Qt::Key_End)},
      [this] { preview_->setCurrentPage(preview_->pageCount()); });
  bar->addSeparator();
  // Ctrl+= is the + key without Shift on most keyboards.
  add(tr("Zoom &in"), tr("Zoom in"),
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
      [this] { preview_->zoomIn(); });
  add(tr("Zoom &out"), tr("Zoom out"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
      [this] { preview_->zoomOut(); });
  add(tr("Fit &width"), tr("Fit the page to the window's width"),
      {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { preview_->fitToWidth(); });
  add(tr("&Close"), tr("Close the report"), {QKeySequence(Qt::Key_Escape)}, [this] { close(); });
  // From the last button Tab goes on to the pages (where the arrow keys scroll) and
  // from there round to Export.
  setTabOrder(previous, preview_);

  placeOnScreen();
  preview_->fitToWidth();
  updatePageLabel();
}

void ReportWindow::placeOnScreen() {
  // An A4 page fitted to the width reads well at this size, where the screen has
  // room for it.
  constexpr QSize kWanted(860, 980);
  const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) {
    resize(kWanted);
    return;
  }
  const QRect room = screen->availableGeometry();
  // The frame the window manager puts round the window: as round the owner when
  // it shows one, and room for a title bar and borders at least.
  QMargins frame(4, 32, 4, 4);
  if (owner != nullptr && owner->isVisible()) {
    const QRect inner = owner->geometry();
    const QRect outer = owner->frameGeometry();
    frame = QMargins(std::max(frame.left(), inner.left() - outer.left()),
                     std::max(frame.top(), inner.top() - outer.top()),
                     std::max(frame.right(), outer.right() - inner.right()),
                     std::max(frame.bottom(), outer.bottom() - inner.bottom()));
  }
  const QSize size(std::min(kWanted.width(), room.width() - frame.left() - frame.right()),
                   std::min(kWanted.height(), room.height() - frame.top() - frame.bottom()));
  resize(size);
  // Over the middle of the owner (or of the screen), from the top of the room,
  // never past its edges.
  const QSize outer = size.grownBy(frame);
  const int centre = owner != nullptr ? owner->frameGeometry().center().x() : room.center().x();
  const int left = std::clamp(centre - outer.width() / 2, room.left(),
                              std::max(room.left(), room.right() + 1 - outer.width()));
  move(left, room.top());
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
  PrepareReportPage(printer, document_.get());
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  document_->print(&printer);
}

}  // namespace reventa
