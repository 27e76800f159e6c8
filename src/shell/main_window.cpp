// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/main_window.h"

#include <algorithm>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include "frame/calculator_window.h"
#include "shell/about_box.h"
#include "shell/disclaimer_dialog.h"
#include "shell/keyboard_access.h"
#include "shell/outside_programs.h"
#include "shell/startup_prefs.h"
#include "widgets/busy_cursor.h"
#include "widgets/messages.h"
#include "widgets/report_engine.h"

namespace reventa {
namespace {

enum class After { Nothing, Cascade, WidenAndCascade };

struct MenuItem {
  const char* name;
  const char* caption;
  const char* window;  // the calculator window it opens; null for a command
  After after = After::Nothing;
};

struct Menu {
  const char* name;
  const char* caption;
  std::vector<MenuItem> items;  // a null name is a separator
};

const std::vector<Menu>& MenuBar() {
  static const std::vector<Menu> menus = {
      {"mnuFile",
       "&File",
       {{"mnuNew", "&Initialise All", nullptr},
        {nullptr, nullptr, nullptr},
        {"mnuPrinterSet", "&Printer Setup", nullptr},
        {nullptr, nullptr, nullptr},
        {"mnuExit", "E&xit", nullptr}}},
      {"mnuReventa",
       "&Reventa",
       {{"mnuReventaMon", "&Monthly", "frmReventaMon", After::Cascade},
        {"mnuReventaAnn", "&Annual", "frmReventaAnn", After::Cascade}}},
      {"mnuVeloxa",
       "Vel&oxa",
       {{"mnuVeloxaMon", "&Monthly", "frmVeloxaMon", After::Cascade},
        {"mnuVeloxaAnn", "&Annual", "frmVeloxaAnn", After::Cascade}}},
      {"mnuTaxCalc",
       "&TaxCalcs",
       {{"mnuAnnual", "&Annual", "frmAnnual"},
        {"mnuMonthly", "&Monthly", "frmMonthly"},
        {"mnuFortNight", "&FortNightly", "frmFortNight"},
        {"mnuWeekly", "&Weekly", "frmWeekly"},
        {"mnuDaily", "&Daily", "frmDaily"},
        {nullptr, nullptr, nullptr},
        {"mnuPayrollBatch", "&Payroll Batch…", "frmPayrollBatch"},
        {nullptr, nullptr, nullptr},
        {"QuickTax", "QuickTax", "frmKwikTax"}}},
      {"mnuCarCalcs",
       "&Car Calculations",
       {{"mnuCompCar", "&Company car", "frmCompCar", After::WidenAndCascade},
        {"mnuCarAll1", "Car Allowance", "frmCarAll1", After::Cascade}}},
      {"mnuBusinessCalcs",
       "Bu&siness Calculations",
       {{"mnuInflationProject", "Inflation Projections", "frmInflation"},
        {"mnuLoans", "Loans", "frmLoans"},
        {"mnuLoansBuster", "Loan buster", "frmLoanBuster"},
        {"mnuLoanScenarios", "Loan &Scenarios", "frmLoanScenario"},
        {"mnuLoansComparison", "Loan comparison", "frmLoanComp"},
        {"mnuDailyBalance", "Daily balance", "frmDayBal"}}},
      {"mnuHelp",
       "&Help/Videos",
       {{"mnuContents", "Reventa 2024 Help", "frmHelpBrowser"},
        {"VideoLectures1", "Video Lectures", nullptr},
        {nullptr, nullptr, nullptr},
        {"mnuAbout", "&About Reventa2024...", nullptr}}},
  };
  return menus;
}

// Closed by "Initialise All", in this order; QuickTax and the about box stay.
const char* const kInitialiseAllCloses[] = {
    "frmAnnual",    "frmMonthly",     "frmWeekly",     "frmDaily",      "frmCompCar",
    "frmCarAll1",   "frmHelpBrowser", "frmInflation",  "frmLoans",      "frmLoanBuster",
    "frmLoanComp",  "frmDayBal",      "frmReventaMon", "frmReventaAnn", "frmVeloxaMon",
    "frmVeloxaAnn", "frmPayrollBatch"};

// The background colours along one edge of the picture (a line one pixel wide),
// in `count` steps: the middle pixel of each step by lightness, so that the thin
// light lines drawn across the picture do not count.
QImage EdgeColours(const QImage& picture, const QRect& edge, int count) {
  const bool upright = edge.width() == 1;
  const int length = upright ? edge.height() : edge.width();
  QImage out(upright ? QSize(1, count) : QSize(count, 1), QImage::Format_RGB32);
  std::vector<QRgb> step;
  for (int i = 0; i < count; ++i) {
    step.clear();
    for (int at = i * length / count; at < (i + 1) * length / count; ++at) {
      step.push_back(upright ? picture.pixel(edge.left(), edge.top() + at)
                             : picture.pixel(edge.left() + at, edge.top()));
    }
    const auto middle = step.begin() + static_cast<std::ptrdiff_t>(step.size() / 2);
    std::nth_element(step.begin(), middle, step.end(),
                     [](QRgb a, QRgb b) { return qGray(a) < qGray(b); });
    out.setPixel(upright ? 0 : i, upright ? i : 0, *middle);
  }
  return out;
}

// The program's picture for an area of `size` pixels: the whole picture, its
// proportions kept, in the middle of the area (the tagline in its lower right
// corner always shows); the room beside it, or above and below it, takes the
// background colours of the picture's edge drawn outwards.
QImage PictureFor(const QImage& picture, const QSize& size) {
  QImage out(size, QImage::Format_RGB32);
  out.fill(picture.pixel(0, 0));
  const QRect fitted = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                           picture.size().scaled(size, Qt::KeepAspectRatio),
                                           QRect(QPoint(0, 0), size));
  QPainter painter(&out);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const auto drawOut = [&](const QRect& edge, const QRect& room) {
    if (!room.isEmpty()) painter.drawImage(room, EdgeColours(picture, edge, 32));
  };
  const QRect whole = picture.rect();
  if (fitted.width() < size.width()) {
    drawOut(QRect(0, 0, 1, whole.height()), QRect(0, fitted.top(), fitted.left(), fitted.height()));
    drawOut(QRect(whole.right(), 0, 1, whole.height()),
            QRect(fitted.right() + 1, fitted.top(), size.width() - fitted.right() - 1,
                  fitted.height()));
  } else {
    drawOut(QRect(0, 0, whole.width(), 1), QRect(0, 0, size.width(), fitted.top()));
    drawOut(QRect(0, whole.bottom(), whole.width(), 1),
            QRect(0, fitted.bottom() + 1, size.width(), size.height() - fitted.bottom() - 1));
  }
  painter.drawImage(fitted,
                    picture.scaled(fitted.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  return out;
}

// The child-window area with the program's picture; without the picture it keeps
// its plain background.
class PictureArea : public QMdiArea {
 public:
  PictureArea(const QString& picturePath, QWidget* parent) : QMdiArea(parent) {
    picture_.load(picturePath);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (picture_.isNull() || viewport()->size().isEmpty()) {
      QMdiArea::paintEvent(event);
      return;
    }
    const qreal ratio = viewport()->devicePixelRatioF();
    const QSize size = viewport()->size() * ratio;
    if (shown_.size() != size) {
      shown_ = PictureFor(picture_, size);
      shown_.setDevicePixelRatio(ratio);
    }
    QPainter(viewport()).drawImage(0, 0, shown_);
  }

 private:
  QImage picture_;
  QImage shown_;
};

// The main window's width in pixels when the company car window opens (13 405 twips).
constexpr int kCompanyCarMainWidth = 13405 / 15;

}  // namespace

MainWindow::MainWindow(Options options)
    : options_(std::move(options)),
      area_(new PictureArea(
          QDir(options_.appFolder).absoluteFilePath(QStringLiteral("Reventa.jpg")), this)) {
  setObjectName(QStringLiteral("MDIForm1"));
  if (options_.messages == nullptr) {
    ownMessages_ = std::make_unique<ScreenMessages>();
    messages_ = ownMessages_.get();
  } else {
    messages_ = options_.messages;
  }
  if (options_.programs == nullptr) {
    ownPrograms_ = std::make_unique<DesktopPrograms>();
    programs_ = ownPrograms_.get();
  } else {
    programs_ = options_.programs;
  }
  prefs_ = std::make_unique<StartupPrefs>(options_.prefsPath);
  const QDir data(options_.dataFolder);
  reports_ = std::make_unique<ReportEngine>(
      options_.appFolder, data.absoluteFilePath(kReportStoreName), *messages_, this);
  context_ = std::make_unique<AppContext>(AppContext{
      state_,
      *messages_,
      *reports_,
      {data.absoluteFilePath(kReportStoreName), data.absoluteFilePath(kSettingsStoreName)},
      options_.appFolder});

  setWindowTitle(QStringLiteral("Reventa 2024 Ver: ") + VersionText());
  setWindowIcon(QIcon(QStringLiteral(":/reventa/reventa.png")));
  area_->setObjectName(QStringLiteral("mdiArea"));
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(area_);
  connect(area_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* frame) {
    if (frame == nullptr) return;
    if (auto* calculator = qobject_cast<CalculatorWindow*>(frame->widget())) {
      calculator->activated();
    }
  });
  buildMenus();
  keyboard_ = new KeyboardAccess(*this, *area_);
  // Once the area has laid out its scroll bars for the window just opened.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    QTimer::singleShot(0, this, [this, focus = QPointer<QWidget>(now)] { scrollIntoView(focus); });
  });
  bool maximise = false;
  const QScreen* screen = QGuiApplication::primaryScreen();
  resize(DefaultSize(screen != nullptr ? screen->availableSize() : QSize(1366, 738), &maximise));
  if (maximise) setWindowState(Qt::WindowMaximized);
}

QSize MainWindow::DefaultSize(const QSize& room, bool* maximise) {
  // The largest calculator (a salary package window, three others cascaded
  // behind it) with the menu bar; checked by the window tests. A window frame
  // of up to 40 pixels is allowed for around it.
  const QSize fits(1180, 690);
  const QSize frame(16, 40);
  const bool tooSmall =
      room.width() < fits.width() + frame.width() || room.height() < fits.height() + frame.height();
  if (maximise != nullptr) *maximise = tooSmall;
  return tooSmall ? room - frame : fits;
}

void MainWindow::scrollIntoView(QWidget* focus) {
  if (focus == nullptr || !area_->viewport()->isAncestorOf(focus)) return;
  const QRect shown = area_->viewport()->rect();
  const QRect at(focus->mapTo(area_->viewport(), QPoint(0, 0)), focus->size());
  if (shown.contains(at)) return;
  // The area's scroll bars move its child windows; bring the widget inside the
  // viewport with a small margin.
  const int margin = 8;
  QScrollBar* vertical = area_->verticalScrollBar();
  if (at.bottom() > shown.bottom()) {
    vertical->setValue(vertical->value() + at.bottom() - shown.bottom() + margin);
  } else if (at.top() < shown.top()) {
    vertical->setValue(vertical->value() - (shown.top() - at.top()) - margin);
  }
  QScrollBar* horizontal = area_->horizontalScrollBar();
  if (at.right() > shown.right()) {
    horizontal->setValue(horizontal->value() + at.right() - shown.right() + margin);
  } else if (at.left() < shown.left()) {
    horizontal->setValue(horizontal->value() - (shown.left() - at.left()) - margin);
  }
}

// The calculators go first, while the state, messages and report engine they are
// handed still exist: a field that loses the focus as its window closes may still
// reach them.
MainWindow::~MainWindow() {
  for (QMdiSubWindow* sub : area_->subWindowList()) delete sub;
}

void MainWindow::buildMenus() {
  for (const Menu& menu : MenuBar()) {
    QMenu* m = menuBar()->addMenu(QString::fromLatin1(menu.caption));
    m->setObjectName(QString::fromLatin1(menu.name));
    for (const MenuItem& item : menu.items) {
      if (item.name == nullptr) {
        m->addSeparator();
        continue;
      }
      QAction* action = m->addAction(QString::fromUtf8(item.caption));
      action->setObjectName(QString::fromLatin1(item.name));
      if (item.window != nullptr) {
        const QString window = QString::fromLatin1(item.window);
        action->setEnabled(FindCalculatorWindow(window) != nullptr);
        const After after = item.after;
        connect(action, &QAction::triggered, this, [this, window, after] {
          const BusyCursor busy;
          if (openCalculator(window) == nullptr) return;
          if (after == After::WidenAndCascade &&
              !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
            // Wide enough for the register; a wider window keeps its width.
            resize(qMax(width(), kCompanyCarMainWidth), height());
          }
          if (after != After::Nothing) area_->cascadeSubWindows();
        });
      }
    }
  }
  // The desktop's calculator has a top-level menu command of its own.
  QAction* calculator = menuBar()->addAction(QStringLiteral("&MS-Calculator"));
  calculator->setObjectName(QStringLiteral("mnuMSCalculator"));
  connect(calculator, &QAction::triggered, this, &MainWindow::startCalculator);
  // Whether a program opens the page is the desktop's business: no message.
  connect(findChild<QAction*>(QStringLiteral("VideoLectures1")), &QAction::triggered, this,
          [this] { programs_->openUrl(kVideoLecturesUrl); });

  connect(findChild<QAction*>(QStringLiteral("mnuNew")), &QAction::triggered, this,
          &MainWindow::initialiseAll);
  connect(findChild<QAction*>(QStringLiteral("mnuExit")), &QAction::triggered, this,
          &QWidget::close);
  connect(findChild<QAction*>(QStringLiteral("mnuAbout")), &QAction::triggered, this,
          &MainWindow::showAbout);
  connect(findChild<QAction*>(QStringLiteral("mnuPrinterSet")), &QAction::triggered, this, [this] {
    // Cancelling changes nothing; the printer chosen serves every later direct print.
    QPrintDialog dialog(&reports_->printer(), this);
    dialog.setWindowTitle(tr("Printer Setup"));
    dialog.exec();
  });
}

void MainWindow::startCalculator() {
  if (StartDesktopCalculator(*programs_)) return;
  messages_->Show(this,
                  Message{kAppTitle,
                          QStringLiteral("The Microsoft Calculator is not installed or in the "
                                         "Windows directory"),
                          Message::Icon::None, Message::Buttons::Ok});
}

bool MainWindow::start() {
  // Let the window paint before the start-up work.
  QApplication::processEvents();
  InitialiseSharedState(state_);
  const PreparedStores prepared = PrepareUserStores(options_.appFolder, options_.dataFolder);
  for (const QString& problem : prepared.problems) {
    messages_->Error(this, QStringLiteral("Reventa2024"), problem);
  }
  if (prefs_->viewAbout()) {
    const BusyCursor busy;
    showAbout();
  }
  if (CurrentVersionNumber() > prefs_->var1()) {
    bool accepted = false;
    if (options_.askDisclaimer) {
      accepted = options_.askDisclaimer(this);
    } else {
      DisclaimerDialog dialog(this);
      dialog.placeOver(*this);
      dialog.exec();
      accepted = dialog.accepted();
    }
    if (!accepted) {
      close();
      return false;
    }
    prefs_->setVar1(CurrentVersionNumber());
  }
  return true;
}

void MainWindow::showAbout() {
  if (auto* open = findChild<AboutBox*>()) {
    open->raise();
    open->activateWindow();
    return;
  }
  auto* box = new AboutBox(*prefs_, this);
  box->placeOver(*this);
  box->show();
}

QWidget* MainWindow::findCalculator(const QString& objectName) const {
  for (QMdiSubWindow* frame : area_->subWindowList()) {
    if (frame->widget() != nullptr && frame->widget()->objectName() == objectName) {
      return frame->widget();
    }
  }
  return nullptr;
}

QWidget* MainWindow::openCalculator(const QString& objectName) {
  if (QWidget* open = findCalculator(objectName)) {
    auto* frame = qobject_cast<QMdiSubWindow*>(open->parentWidget());
    if (frame->isMinimized()) frame->showNormal();
    area_->setActiveSubWindow(frame);
    frame->raise();
    return open;
  }
  const CalculatorFactory* factory = FindCalculatorWindow(objectName);
  if (factory == nullptr) return nullptr;
  CalculatorWindow* window = (*factory)(*context_);
  QMdiSubWindow* frame = area_->addSubWindow(window);
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->setWindowIcon(windowIcon());
  // No single keystroke closes a calculator and what was typed in it: the
  // frame's Close (Ctrl+W, Ctrl+F4) stays on its menu and close box only.
  for (QAction* action : frame->systemMenu()->actions()) {
    if (action->shortcuts() == QKeySequence::keyBindings(QKeySequence::Close)) {
      action->setShortcuts({});
    }
  }
  frame->show();
  area_->setActiveSubWindow(frame);
  // The top-left field of the window takes the keyboard, ready for typing.
  QWidget* first = nullptr;
  QPoint firstAt;
  for (QLineEdit* w : window->findChildren<QLineEdit*>()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || w->isReadOnly() ||
        !w->isVisibleTo(window)) {
      continue;
    }
    const QPoint at = w->mapTo(window, QPoint(0, 0));
    if (first == nullptr || at.y() < firstAt.y() ||
        (at.y() == firstAt.y() && at.x() < firstAt.x())) {
      first = w;
      firstAt = at;
    }
  }
  if (first != nullptr) first->setFocus(Qt::OtherFocusReason);
  return window;
}

void MainWindow::initialiseAll() {
  InitialiseSharedState(state_);
  for (const char* name : kInitialiseAllCloses) {
    if (auto* open = qobject_cast<CalculatorWindow*>(findCalculator(QString::fromLatin1(name)))) {
      open->discard();
    }
  }
  // QuickTax stays open and shows the reset taxable income when next activated.
  if (auto* quick = qobject_cast<CalculatorWindow*>(findCalculator(QStringLiteral("frmKwikTax")))) {
    if (area_->activeSubWindow() != nullptr && area_->activeSubWindow()->widget() == quick) {
      quick->activated();
    }
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  area_->closeAllSubWindows();
  QMainWindow::closeEvent(event);
}

}  // namespace reventa
