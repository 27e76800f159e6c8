// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/help_browser.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfSearchModel>
#include <QPdfView>
#include <QResizeEvent>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmHelpBrowser"), [](AppContext& c) { return new HelpBrowserWindow(c); });

constexpr int kMarginTwips = 100;
constexpr double kZoomStep = 1.25;
// How long one round of the background search may hold up the window.
constexpr int kSearchSliceMs = 25;

// A tool button with its command; the keys work while the help window (or a
// widget in it) has the keyboard, not in the calculators beside it.
QToolButton* Tool(const QString& text, const QString& tip, const QKeySequence& keys,
                  QWidget* window, QWidget* parent) {
  auto* action = new QAction(text, window);
  action->setToolTip(keys.isEmpty()
                         ? tip
                         : tip + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) +
                               QLatin1Char(')'));
  if (!keys.isEmpty()) {
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  }
  window->addAction(action);
  auto* b = new QToolButton(parent);
  b->setDefaultAction(action);
  b->setAccessibleName(tip);
  return b;
}

}  // namespace

HelpBrowserWindow::HelpBrowserWindow(AppContext& context)
    : CalculatorWindow(context, QStringLiteral("frmHelpBrowser"), QStringLiteral("Reventa Help")),
      tools_(new QWidget(this)),
      document_(new QPdfDocument(this)),
      view_(new QPdfView(this)),
      search_(new QPdfSearchModel(this)),
      page_(new QSpinBox(tools_)),
      pages_(new QLabel(tools_)),
      find_(new QLineEdit(tools_)),
      found_(new QLabel(tools_)),
      searching_(new QTimer(this)) {
  view_->setObjectName(QStringLiteral("brwWebBrowser"));
  view_->setAccessibleName(QStringLiteral("Reventa 2024 user guide"));
  view_->setPageMode(QPdfView::PageMode::MultiPage);
  view_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
  view_->setDocument(document_);
  search_->setDocument(document_);

  auto* first = Tool(QStringLiteral("|<"), tr("First page"), QKeySequence(Qt::CTRL | Qt::Key_Home),
                     this, tools_);
  auto* previous =
      Tool(QStringLiteral("<"), tr("Previous page"), QKeySequence(Qt::Key_PageUp), this, tools_);
  auto* next =
      Tool(QStringLiteral(">"), tr("Next page"), QKeySequence(Qt::Key_PageDown), this, tools_);
  auto* last = Tool(QStringLiteral(">|"), tr("Last page"), QKeySequence(Qt::CTRL | Qt::Key_End),
                    this, tools_);
  auto* zoomOut = Tool(QStringLiteral("-"), tr("Zoom out"), QKeySequence::ZoomOut, this, tools_);
  auto* zoomIn = Tool(QStringLiteral("+"), tr("Zoom in"), QKeySequence::ZoomIn, this, tools_);
  auto* fit = Tool(tr("Fit width"), tr("Fit the page to the window's width"), {}, this, tools_);
  auto* findAgain = Tool(tr("Find next"), tr("Find next"), QKeySequence(Qt::Key_F3), this, tools_);
  page_->setObjectName(QStringLiteral("spnPage"));
  page_->setAccessibleName(tr("Page"));
  page_->setRange(1, 1);
  auto* pageLabel = new QLabel(tr("&Page"), tools_);
  pageLabel->setBuddy(page_);
  find_->setObjectName(QStringLiteral("txtFind"));
  find_->setPlaceholderText(tr("Find in the guide"));
  find_->setAccessibleName(tr("Find in the guide"));
  find_->setClearButtonEnabled(true);
  found_->setObjectName(QStringLiteral("lblFound"));
  auto* findLabel = new QLabel(tr("F&ind"), tools_);
  findLabel->setBuddy(find_);

  auto* row = new QHBoxLayout(tools_);
  row->setContentsMargins(4, 4, 4, 4);
  for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(previous)})
    row->addWidget(w);
  row->addWidget(pageLabel);
  row->addWidget(page_);
  row->addWidget(pages_);
  row->addWidget(next);
  row->addWidget(last);
  row->addSpacing(12);
  row->addWidget(zoomOut);
  row->addWidget(zoomIn);
  row->addWidget(fit);
  row->addSpacing(12);
  row->addWidget(findLabel);
  row->addWidget(find_, 1);
  row->addWidget(findAgain);
  row->addWidget(found_);

  QPdfPageNavigator* navigator = view_->pageNavigator();
  connect(first->defaultAction(), &QAction::triggered, this, [this] { goToPage(0); });
  connect(last->defaultAction(), &QAction::triggered, this,
          [this] { goToPage(document_->pageCount() - 1); });
  connect(previous->defaultAction(), &QAction::triggered, this,
          [this, navigator] { goToPage(navigator->currentPage() - 1); });
  connect(next->defaultAction(), &QAction::triggered, this,
          [this, navigator] { goToPage(navigator->currentPage() + 1); });
  connect(page_, &QSpinBox::editingFinished, this, [this] { goToPage(page_->value() - 1); });
  connect(navigator, &QPdfPageNavigator::currentPageChanged, this, &HelpBrowserWindow::showPage);
  connect(zoomIn->defaultAction(), &QAction::triggered, this, [this] { zoomBy(kZoomStep); });
  connect(zoomOut->defaultAction(), &QAction::triggered, this, [this] { zoomBy(1 / kZoomStep); });
  connect(fit->defaultAction(), &QAction::triggered, this,
          [this] { view_->setZoomMode(QPdfView::ZoomMode::FitToWidth); });
  connect(find_, &QLineEdit::textChanged, this, &HelpBrowserWindow::startSearch);
  searching_->setInterval(0);
  connect(searching_, &QTimer::timeout, this, &HelpBrowserWindow::searchSomePages);
  connect(find_, &QLineEdit::returnPressed, this, [this] { findNext(true); });
  connect(search_, &QAbstractItemModel::rowsInserted, this, [this] {
    if (waiting_) findNext(true);
  });
  connect(findAgain->defaultAction(), &QAction::triggered, this, [this] { findNext(true); });

  // A guide that is missing or damaged leaves the view empty.
  document_->load(QDir(context.appFolder).absoluteFilePath(QString::fromLatin1(kHelpGuideFile)));
  const int count = document_->pageCount();
  page_->setRange(1, qMax(1, count));
  pages_->setText(tr("of %1").arg(count));
  resize(sizeHint());
  placeView();
}

HelpBrowserWindow::~HelpBrowserWindow() {
  // The document goes last: closing it tells the view and the search, which must
  // not hear of it half taken down.
  search_->setDocument(nullptr);
  view_->setDocument(nullptr);
}

int HelpBrowserWindow::margin() const {
  // Twips are 1/1440 inch.
  return (kMarginTwips * logicalDpiX() + 720) / 1440;
}

void HelpBrowserWindow::placeView() {
  const int toolHeight = tools_->sizeHint().height();
  tools_->setGeometry(0, 0, width(), toolHeight);
  view_->setGeometry(0, toolHeight, qMax(0, width() - margin()),
                     qMax(0, height() - toolHeight - margin()));
}

void HelpBrowserWindow::resizeEvent(QResizeEvent* event) {
  CalculatorWindow::resizeEvent(event);
  placeView();
}

void HelpBrowserWindow::goToPage(int page) {
  const int count = document_->pageCount();
  if (count == 0) return;
  view_->pageNavigator()->jump(qBound(0, page, count - 1), QPointF(), view_->zoomFactor());
}

void HelpBrowserWindow::showPage(int page) {
  const QSignalBlocker quiet(page_);
  page_->setValue(page + 1);
}

void HelpBrowserWindow::zoomBy(double factor) {
  const double zoom = qBound(0.25, view_->zoomFactor() * factor, 8.0);
  view_->setZoomMode(QPdfView::ZoomMode::Custom);
  view_->setZoomFactor(zoom);
}

void HelpBrowserWindow::startSearch(const QString& text) {
  result_ = -1;
  waiting_ = false;
  searched_ = 0;
  found_->clear();
  search_->setSearchString(text);
  if (text.isEmpty()) {
    searching_->stop();
  } else {
    searching_->start();
  }
}

bool HelpBrowserWindow::searchFinished() const { return searched_ >= document_->pageCount(); }

void HelpBrowserWindow::searchSomePages() {
  // Searching a page tells the model, which reports the places found on it
  // (rowsInserted) before the next page is searched.
  QElapsedTimer slice;
  slice.start();
  while (!searchFinished() && slice.elapsed() < kSearchSliceMs) {
    search_->resultsOnPage(searched_++);
  }
  if (!searchFinished()) return;
  searching_->stop();
  if (waiting_ || result_ >= 0) showFound();
}

void HelpBrowserWindow::showFound() {
  const int count = search_->rowCount({});
  if (!searchFinished()) {
    found_->setText(tr("Searching…"));
  } else if (count == 0) {
    found_->setText(tr("not found"));
  } else {
    found_->setText(tr("%1 of %2").arg(result_ + 1).arg(count));
  }
}

void HelpBrowserWindow::findNext(bool forward) {
  if (find_->text().isEmpty()) {
    found_->clear();
    return;
  }
  const int count = search_->rowCount({});
  if (count == 0) {
    // The first place found is shown as soon as the search comes to it.
    waiting_ = !searchFinished();
    showFound();
    return;
  }
  waiting_ = false;
  result_ = forward ? (result_ + 1) % count : (result_ - 1 + count) % count;
  const QPdfLink link = search_->resultAtIndex(result_);
  view_->pageNavigator()->jump(link.page(), link.location(), view_->zoomFactor());
  showFound();
}

}  // namespace reventa
