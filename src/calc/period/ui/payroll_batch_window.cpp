// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/period/ui/payroll_batch_window.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QStringList>
#include <QTableView>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "calc/period/ui/payroll_batch_model.h"
#include "store/report_build.h"
#include "store/report_export.h"
#include "store/reports/payroll_report.h"
#include "store/settings_store.h"
#include "taxyear/line_reader.h"
#include "taxyear/numbers.h"
#include "widgets/busy_cursor.h"
#include "widgets/messages.h"
#include "widgets/report_engine.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmPayrollBatch"), [](AppContext& c) { return new PayrollBatchWindow(c); });

const QString kTitle = QStringLiteral("Payroll Batch");
const QString kCsvFilter = QStringLiteral("Payroll files (*.csv);;All files (*)");

// The export's kinds of file, as the save dialog offers them.
const QString kExportCsv = QStringLiteral("CSV for a spreadsheet (*.csv)");
const QString kExportPdfEnglish = QStringLiteral("PDF report in English (*.pdf)");
const QString kExportPdfAfrikaans = QStringLiteral("PDF report in Afrikaans (*.pdf)");

QString PeriodName(PayPeriodKind kind) { return PeriodCaption(kind).in(0); }

// Reports longer than this ask first; about this many rows are laid out a minute
// (measured with bench/payroll_window.cpp).
constexpr std::size_t kLongReportRows = 5000;
constexpr std::size_t kReportRowsAMinute = 30000;

QString Rand(double amount) {
  return QStringLiteral("R ") + QString::fromStdString(FormatAmount(amount, 2));
}

}  // namespace

PayrollBatchWindow::PayrollBatchWindow(AppContext& context)
    : PayrollWindow(context, QStringLiteral("frmPayrollBatch"), kTitle, QString()),
      model_(new PayrollBatchModel(this)),
      grid_(new QTableView(this)),
      filter_(new QLineEdit(this)),
      file_(new QLabel(this)),
      totals_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      cancel_(new QPushButton(tr("Cancel"), this)),
      monthly_(new QRadioButton(tr("&Monthly"), this)),
      fortnightly_(new QRadioButton(tr("&Fortnightly"), this)),
      weekly_(new QRadioButton(tr("&Weekly"), this)),
      chooseFile_([](QWidget* owner, bool save, const QString& proposed, const QString& filters,
                     QString* selected) {
        return save ? QFileDialog::getSaveFileName(owner, tr("Export payroll"), proposed, filters,
                                                   selected)
                    : QFileDialog::getOpenFileName(owner, tr("Open payroll file"), proposed,
                                                   filters, selected);
      }),
      progressTimer_(new QTimer(this)) {
  // The top rows: the period, the file, the search.
  QGridLayout* top = form().grid();
  auto* periodLabel = new QLabel(tr("Pay period"), this);
  auto* periods = new QHBoxLayout;
  monthly_->setObjectName(QStringLiteral("optMonthly"));
  fortnightly_->setObjectName(QStringLiteral("optFortnightly"));
  weekly_->setObjectName(QStringLiteral("optWeekly"));
  monthly_->setChecked(true);
  for (QRadioButton* option : {monthly_, fortnightly_, weekly_}) {
    periods->addWidget(option);
    addToTabOrder(option);
    connect(option, &QRadioButton::toggled, this, [this](bool on) {
      if (on) periodChosen();
    });
  }
  periods->addStretch();
  top->addWidget(periodLabel, 0, 0);
  top->addLayout(periods, 0, 2);
  top->addWidget(infoButton(), 0, 3, Qt::AlignLeft);

  file_->setObjectName(QStringLiteral("lblFile"));
  file_->setText(tr("No file open: choose \"Open CSV…\" to read a payroll."));
  file_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  top->addWidget(new QLabel(tr("File"), this), 1, 0);
  top->addWidget(file_, 1, 2, 1, 3);

  filter_->setObjectName(QStringLiteral("txtFind"));
  filter_->setPlaceholderText(tr("employee number or name"));
  filter_->setClearButtonEnabled(true);
  filter_->setMaxLength(50);
  filter_->setEnabled(false);
  auto* find = new QLabel(tr("F&ind employee"), this);
  find->setBuddy(filter_);
  top->addWidget(find, 2, 0);
  top->addWidget(filter_, 2, 2);
  addToTabOrder(filter_);
  connect(filter_, &QLineEdit::textChanged, this,
          [this](const QString& text) { model_->setFilter(text); });

  // The grid, its totals and the progress of a load.
  auto* body = new QWidget(this);
  auto* rows = new QVBoxLayout(body);
  rows->setContentsMargins(0, 6, 0, 0);
  grid_->setObjectName(QStringLiteral("grdPayroll"));
  grid_->setModel(model_);
  grid_->setSortingEnabled(true);
  grid_->horizontalHeader()->setSortIndicatorShown(true);
  grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setAlternatingRowColors(true);
  grid_->setWordWrap(false);
  grid_->setTabKeyNavigation(false);
  grid_->setAccessibleName(tr("Payroll"));
  // Rows of one line's height, fixed, so that a long payroll scrolls smoothly.
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->horizontalHeader()->setDefaultSectionSize(120);
  grid_->horizontalHeader()->setMinimumSectionSize(60);
  rows->addWidget(grid_, 1);
  addToTabOrder(grid_);
  totals_->setObjectName(QStringLiteral("lblTotals"));
  totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  totals_->setWordWrap(true);
  rows->addWidget(totals_);
  auto* loading = new QHBoxLayout;
  progress_->setObjectName(QStringLiteral("prgLoad"));
  progress_->setRange(0, 1000);
  cancel_->setObjectName(QStringLiteral("cmdCancelLoad"));
  loading->addWidget(progress_, 1);
  loading->addWidget(cancel_);
  rows->addLayout(loading);
  progress_->hide();
  cancel_->hide();
  connect(cancel_, &QPushButton::clicked, this, &PayrollBatchWindow::cancelJob);
  connect(progressTimer_, &QTimer::timeout, this, &PayrollBatchWindow::showProgress);
  progressTimer_->setInterval(100);

  printOptions().choices = QStringList{tr("&Totals report"), tr("Pa&yslips")};
  finishLayout(body,
               {{"O&K", "cmdOk"},
                {"&Calculate", "cmdCalculate"},
                {"&Settings", "cmdSettings"},
                {"&Open CSV…", "cmdOpen"},
                {"E&xport…", "cmdExport"},
                {"&Print", "cmdPrint"}},
               filter_);
  connect(command(QStringLiteral("cmdOk")), &QPushButton::clicked, this, [this] {
    cancelJob();
    closeWindow();
  });
  connect(command(QStringLiteral("cmdOpen")), &QPushButton::clicked, this,
          &PayrollBatchWindow::chooseAndOpen);
  connect(command(QStringLiteral("cmdExport")), &QPushButton::clicked, this,
          &PayrollBatchWindow::chooseAndExport);
  loadSettings();
  setIdle(true);
  command(QStringLiteral("cmdOpen"))->setFocus();
}

PayrollBatchWindow::~PayrollBatchWindow() {
  // A read still running is stopped and waited for: it writes into the job only.
  if (job_) job_->stop = true;
  if (thread_ != nullptr) {
    thread_->disconnect(this);
    thread_->wait();
    delete thread_;
  }
}

QSize PayrollBatchWindow::sizeHint() const { return {960, 560}; }

PayPeriodKind PayrollBatchWindow::chosenKind() const {
  if (fortnightly_->isChecked()) return PayPeriodKind::Fortnightly;
  if (weekly_->isChecked()) return PayPeriodKind::Weekly;
  return PayPeriodKind::Monthly;
}

PayrollSettings PayrollBatchWindow::currentSettings() const {
  const SetupRecord& s = settings();
  return {s.EmployeeUIF, s.EmployerUIF, s.SkillLevy, s.UIFLimit, s.TAIncRate8020};
}

void PayrollBatchWindow::calculate() {
  if (busy()) return;
  if (path_.isEmpty()) {
    refuse(command(QStringLiteral("cmdOpen")), kTitle,
           tr("Open a payroll file first: choose \"Open CSV…\"."));
    return;
  }
  startLoad(path_, chosenKind(), false);
}

void PayrollBatchWindow::periodChosen() {
  // Another period reads the file's columns differently: read it again.
  if (!path_.isEmpty() && chosenKind() != shownKind_ && !busy()) {
    startLoad(path_, chosenKind(), true);
  }
}

void PayrollBatchWindow::open(const QString& path) {
  if (busy()) return;
  startLoad(path, chosenKind(), true);
}

void PayrollBatchWindow::chooseAndOpen() {
  const QString start = path_.isEmpty() ? ExportFolder().folder() : QFileInfo(path_).absolutePath();
  QString filter;
  const QString path = chooseFile_(this, false, start, kCsvFilter, &filter);
  if (!path.isEmpty()) open(path);
}

void PayrollBatchWindow::startLoad(const QString& path, PayPeriodKind kind, bool announce) {
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    context().messages.Error(
        this, kTitle,
        tr("The file %1 cannot be opened:\n%2")
            .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(error))));
    return;
  }
  auto job = std::make_shared<Job>();
  job->size = static_cast<std::uint64_t>(QFileInfo(path).size());
  const PayrollSettings settings = currentSettings();
  run(
      tr("Reading %1…").arg(QFileInfo(path).fileName()), job,
      [fd, kind, settings](Job& j) {
        LineReader lines(fd, {});
        j.result = ReadPayroll(lines, kind, settings, [&j, &lines](std::size_t rows) {
          j.rowsDone = rows;
          j.bytesRead = lines.BytesRead();
          return !j.stop.load();
        });
        if (lines.Error() != 0 && j.result.Problem.empty() && !j.result.Cancelled) {
          j.result.Problem =
              std::string("the file could not be read to its end: ") + std::strerror(lines.Error());
        }
        ::close(fd);
      },
      [this, path, announce](Job& j) {
        if (j.result.Cancelled) return;
        if (!j.result.Problem.empty()) {
          context().messages.Error(
              this, kTitle,
              tr("The file %1 cannot be used: %2.\n\nThe grid is as it was.")
                  .arg(QDir::toNativeSeparators(path), QString::fromStdString(j.result.Problem)));
          return;
        }
        auto batch = std::make_shared<const PayrollBatch>(std::move(j.result.Batch));
        showBatch(batch, path);
        if (announce) sayWhatWasLeftOut(*batch);
      });
}

void PayrollBatchWindow::startRecalculation() {
  // "&Settings" is disabled while a load or recalculation runs, so new
  // settings never meet work under way.
  if (!model_->batch() || busy()) return;
  auto job = std::make_shared<Job>();
  job->rowsTotal = model_->batch()->Employees.size();
  const PayrollSettings settings = currentSettings();
  std::shared_ptr<const PayrollBatch> shown = model_->batch();
  run(
      tr("Working the payroll out again…"), job,
      [shown, settings](Job& j) {
        j.result.Batch = *shown;
        j.result.Cancelled = !RecalculatePayroll(j.result.Batch, settings, [&j](std::size_t rows) {
          j.rowsDone = rows;
          return !j.stop.load();
        });
      },
      [this](Job& j) {
        if (j.result.Cancelled) return;
        showBatch(std::make_shared<const PayrollBatch>(std::move(j.result.Batch)), path_);
      });
}

void PayrollBatchWindow::run(const QString& what, std::shared_ptr<Job> job, Work work,
                             std::function<void(Job&)> done) {
  job_ = std::move(job);
  jobDone_ = std::move(done);
  // A report being laid out says nothing of how far it has got.
  progress_->setRange(0, job_->cancellable ? 1000 : 0);
  progress_->setValue(0);
  progress_->setFormat(what + QStringLiteral(" %p%"));
  setIdle(false);
  Job* j = job_.get();
  thread_ = QThread::create([j, work = std::move(work)] { work(*j); });
  connect(thread_, &QThread::finished, this, &PayrollBatchWindow::finishJob);
  thread_->start();
  progressTimer_->start();
}

void PayrollBatchWindow::finishJob() {
  progressTimer_->stop();
  thread_->wait();
  thread_->deleteLater();
  thread_ = nullptr;
  std::shared_ptr<Job> job = std::move(job_);
  job_.reset();
  auto done = std::move(jobDone_);
  setIdle(true);
  if (job->stop) job->result.Cancelled = true;
  done(*job);
}

void PayrollBatchWindow::cancelJob() {
  if (job_) job_->stop = true;
}

void PayrollBatchWindow::showProgress() {
  if (!job_) return;
  const double done = job_->size > 0        ? static_cast<double>(job_->bytesRead) / job_->size
                      : job_->rowsTotal > 0 ? static_cast<double>(job_->rowsDone) / job_->rowsTotal
                                            : 0;
  progress_->setValue(static_cast<int>(qBound(0.0, done, 1.0) * 1000));
}

void PayrollBatchWindow::setIdle(bool idle) {
  progress_->setVisible(!idle);
  cancel_->setVisible(!idle && job_->cancellable);
  for (const char* name : {"cmdCalculate", "cmdSettings", "cmdOpen", "cmdExport", "cmdPrint"}) {
    command(QString::fromLatin1(name))->setEnabled(idle);
  }
  for (QRadioButton* option : {monthly_, fortnightly_, weekly_}) option->setEnabled(idle);
  filter_->setEnabled(idle && model_->batch() != nullptr);
  if (!idle) {
    // Cancel takes the keyboard while the work runs; afterwards the keyboard
    // goes back where it was (or to the grid), not nowhere.
    QWidget* focus = QApplication::focusWidget();
    focusBeforeJob_ = focus != nullptr && isAncestorOf(focus) ? focus : nullptr;
    if (cancel_->isVisible()) cancel_->setFocus();
  } else if (QWidget* focus = QApplication::focusWidget();
             focus == nullptr || focus == cancel_ || isAncestorOf(focus)) {
    QWidget* back = focusBeforeJob_;
    (back != nullptr && back->isEnabled() && back->isVisible() ? back : grid_)->setFocus();
  }
}

void PayrollBatchWindow::showBatch(std::shared_ptr<const PayrollBatch> batch, const QString& path) {
  path_ = path;
  shownKind_ = batch->Kind;
  model_->setBatch(std::move(batch));
  grid_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  // The number narrow, the name wide enough for most names.
  grid_->setColumnWidth(0, 90);
  grid_->setColumnWidth(1, 200);
  filter_->setEnabled(true);
  const PayrollTotals& t = model_->totals();
  file_->setText(tr("%1 — %2, %n employee(s)", nullptr, static_cast<int>(t.Employees))
                     .arg(QDir::toNativeSeparators(path), PeriodName(shownKind_)));
  QString text =
      tr("Totals for the period:  PAYE %1   UIF %2 (employee %3, employer %4)   "
         "Skills levy %5")
          .arg(Rand(t.Paye), Rand(t.Uif()), Rand(t.UifEmployee), Rand(t.UifEmployer), Rand(t.Sdl));
  if (t.NotCalculated > 0) {
    text += QStringLiteral("\n") +
            tr("%n row(s) could not be calculated: they are marked in the grid, with the reason, "
               "and left out of the totals.",
               nullptr, static_cast<int>(t.NotCalculated));
  }
  totals_->setText(text);
}

void PayrollBatchWindow::sayWhatWasLeftOut(const PayrollBatch& batch) {
  QStringList notes;
  if (!batch.Unknown.empty()) {
    QStringList names;
    for (const std::string& name : batch.Unknown) names << QString::fromStdString(name);
    notes << tr("The %1 calculation does not use the column(s) %2; they were ignored.")
                 .arg(PeriodName(batch.Kind), names.join(QStringLiteral(", ")));
  }
  // The totals row of the window's own export is no employee, and an export
  // opened again is no surprise: it goes unmentioned.
  if (notes.isEmpty()) return;
  Message message;
  message.title = kTitle;
  message.text = notes.join(QStringLiteral("\n\n"));
  message.icon = Message::Icon::Information;
  context().messages.Show(this, message);
}

void PayrollBatchWindow::chooseAndExport() {
  if (!model_->batch()) {
    refuse(command(QStringLiteral("cmdOpen")), kTitle,
           tr("Open a payroll file first: choose \"Open CSV…\"."));
    return;
  }
  const ExportFolder folder;
  const QString proposed =
      QDir(folder.folder())
          .absoluteFilePath(FileNamePart(
              QStringLiteral("Payroll %1 %2")
                  .arg(PeriodName(shownKind_), QDate::currentDate().toString(Qt::ISODate))));
  QString selected = kExportCsv;
  const QString filters =
      QStringList{kExportCsv, kExportPdfEnglish, kExportPdfAfrikaans}.join(QStringLiteral(";;"));
  QString path = chooseFile_(this, true, proposed, filters, &selected);
  if (path.isEmpty()) return;
  // A name typed with its suffix says the kind of file; without one the kind
  // chosen in the dialog does, and gives the name its suffix.
  const QString typed = QFileInfo(path).suffix().toLower();
  if (typed != QLatin1String("pdf") && typed != QLatin1String("csv")) {
    path += selected == kExportCsv ? QStringLiteral(".csv") : QStringLiteral(".pdf");
  }
  if (exportTo(path, selected == kExportPdfAfrikaans ? 1 : 0)) folder.remember(path);
}

bool PayrollBatchWindow::exportTo(const QString& path, std::int16_t language) {
  const std::shared_ptr<const PayrollBatch>& batch = model_->batch();
  if (!batch) return false;
  const BusyCursor waiting;
  const auto failed = [&](const QString& why) {
    context().messages.Error(this, kTitle,
                             tr("The payroll could not be exported to %1:\n%2")
                                 .arg(QDir::toNativeSeparators(path), why));
    return false;
  };
  if (QFileInfo(path).suffix().toLower() == QLatin1String("pdf")) {
    if (busy() ||
        !write(PayrollReport(*batch, model_->totals(), language, path_, QDate::currentDate()))) {
      return false;
    }
    auto job = std::make_shared<Job>();
    job->cancellable = false;
    run(
        tr("Making the report…"), job,
        [app = context().appFolder, store = context().stores.reportDb, path](Job& j) {
          const BuiltReport built = BuildReport(app, store, PayrollReportTemplate);
          if (!built.document) {
            j.error = built.error;
          } else if (const auto problem = ExportReport(*built.document, kTitle, path)) {
            j.error = *problem;
          }
        },
        [this](Job& j) {
          if (!j.error.isEmpty()) context().messages.Error(this, kTitle, j.error);
        });
    return true;
  }
  // The new file replaces an old one only once it is complete.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
  bool written = true;
  WritePayrollCsv(*batch, [&](std::string_view text) {
    if (written) {
      written = file.write(text.data(), static_cast<qint64>(text.size())) ==
                static_cast<qint64>(text.size());
    }
  });
  if (!written || !file.commit()) {
    const QString why = file.errorString();
    file.cancelWriting();
    return failed(why);
  }
  return true;
}

std::optional<Report> PayrollBatchWindow::report() {
  const std::shared_ptr<const PayrollBatch>& batch = model_->batch();
  if (!batch) {
    refuse(command(QStringLiteral("cmdOpen")), kTitle,
           tr("Open a payroll file first: choose \"Open CSV…\"."));
    return std::nullopt;
  }
  // A report window or printer lays a long report out before it answers again:
  // say how long, and point to the export, which does it in the background.
  const std::size_t rows =
      printPanel()->choice() == 1 ? model_->totals().Employees : batch->Employees.size();
  if (rows > kLongReportRows) {
    Message ask;
    ask.title = kTitle;
    ask.icon = Message::Icon::Question;
    ask.buttons = Message::Buttons::OkCancel;
    ask.text = tr("The report of %1 employees takes about %2 minute(s) to lay out, and the "
                  "program does not answer meanwhile. \"Export…\" makes the PDF while you "
                  "go on working.\n\nMake the report now?")
                   .arg(rows)
                   .arg(std::max<std::size_t>(1, rows / kReportRowsAMinute));
    if (context().messages.Show(this, ask) != Message::Answer::Ok) return std::nullopt;
  }
  const std::int16_t language = reportLanguage();
  if (printPanel()->choice() == 1) return PayslipsReport(*batch, language, QDate::currentDate());
  return PayrollReport(*batch, model_->totals(), language, path_, QDate::currentDate());
}

}  // namespace reventa
