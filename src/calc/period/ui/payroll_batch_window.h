// SPDX-License-Identifier: GPL-3.0-or-later
// "Payroll Batch": a whole pay period's payroll from a CSV file of employees. The
// clerk chooses the period, opens the file, and sees every employee's PAYE, UIF
// and skills levy with the period's totals; finds an employee by number or name;
// exports the grid as CSV or a PDF report; and prints the totals report or one
// payslip page per employee, in English or Afrikaans. Reading and calculating run
// off the window's thread with a progress bar and Cancel; a load that fails or is
// cancelled leaves the grid as it was. The settings are the pay-period windows'
// and changing them works the grid out again.
#pragma once

#include <QPointer>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "calc/period/payroll_batch.h"
#include "calc/period/ui/payroll_window.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;
class QThread;
class QTimer;

namespace reventa {

class PayrollBatchModel;

class PayrollBatchWindow : public PayrollWindow {
  Q_OBJECT

 public:
  explicit PayrollBatchWindow(AppContext& context);
  ~PayrollBatchWindow() override;

  // "&Calculate": reads the open file again (a clerk may have put a row right in
  // a spreadsheet meanwhile) and works it out for the period chosen.
  void calculate() override;

  // Opens a payroll file and calculates it, as "&Open CSV…" does once a file is
  // chosen.
  void open(const QString& path);
  // Writes the grid to a file: CSV (.csv) or a PDF report (.pdf) in the language
  // (0 English, 1 Afrikaans). False, after a message, when nothing was written.
  // The PDF report is laid out off the window's thread (a payroll of thousands
  // takes seconds): true then means it has begun, and busy() turns false once the
  // file is written or its problem said.
  bool exportTo(const QString& path, std::int16_t language);

  // How the window asks for a file; tests answer without a dialog. `save`: a file
  // to write; `selectedFilter` in and out.
  using FileChooser = std::function<QString(QWidget* owner, bool save, const QString& proposed,
                                            const QString& filters, QString* selectedFilter)>;
  void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

  // True while a file is being read or the grid worked out.
  bool busy() const { return job_ != nullptr; }
  PayrollBatchModel* model() const { return model_; }
  QSize sizeHint() const override;

 protected:
  std::optional<Report> report() override;
  void settingsConfirmed() override { startRecalculation(); }

 private:
  // The work of one load or recalculation, run off the window's thread.
  struct Job {
    std::atomic<bool> stop{false};
    std::atomic<std::uint64_t> bytesRead{0};
    std::atomic<std::uint64_t> rowsDone{0};
    std::uint64_t size = 0;       // of the file, for the progress bar (0: count rows)
    std::uint64_t rowsTotal = 0;  // when recalculating
    bool cancellable = true;      // a report being laid out runs to its end
    PayrollLoad result;
    QString error;  // why a report could not be exported
  };
  using Work = std::function<void(Job&)>;

  PayPeriodKind chosenKind() const;
  PayrollSettings currentSettings() const;
  // Starts reading `path` for `kind`; `announce`: name the columns not used.
  void startLoad(const QString& path, PayPeriodKind kind, bool announce);
  void startRecalculation();
  void run(const QString& what, std::shared_ptr<Job> job, Work work,
           std::function<void(Job&)> done);
  void finishJob();
  void cancelJob();
  void showProgress();
  void setIdle(bool idle);
  void showBatch(std::shared_ptr<const PayrollBatch> batch, const QString& path);
  void sayWhatWasLeftOut(const PayrollBatch& batch);
  void chooseAndOpen();
  void chooseAndExport();
  void periodChosen();

  PayrollBatchModel* model_;
  QTableView* grid_;
  QLineEdit* filter_;
  QLabel* file_;
  QLabel* totals_;
  QProgressBar* progress_;
  QPushButton* cancel_;
  QRadioButton* monthly_;
  QRadioButton* fortnightly_;
  QRadioButton* weekly_;
  QString path_;  // the file the grid shows
  PayPeriodKind shownKind_ = PayPeriodKind::Monthly;
  FileChooser chooseFile_;

  QPointer<QWidget> focusBeforeJob_;
  std::shared_ptr<Job> job_;
  std::function<void(Job&)> jobDone_;
  QThread* thread_ = nullptr;
  QTimer* progressTimer_;
};

}  // namespace reventa
