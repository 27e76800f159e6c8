// The print panel of the loans window (fraPrint): whether the report includes
// the amortisation schedule and which one, and the two print buttons. Unlike
// the shared print panel, the buttons pass their destination with the request
// and leave the panel to the window, which keeps it open when the loan is not
// complete; the shared report destination is never changed.
#pragma once

#include <QFrame>

#include "store/reports/finance_reports.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace reventa {

class LoansPrintPanel : public QFrame {
  Q_OBJECT

 public:
  explicit LoansPrintPanel(QWidget* parent);

  // The schedule to print: None unless "Include Amortization" is ticked.
  AmortKind schedule() const;

  QPushButton* viewButton() const { return view_; }

 Q_SIGNALS:
  // destination 0: the report window; 1: the printer.
  void printRequested(int destination);
  // "C&ancel": the panel hid itself.
  void cancelled();

 private:
  void onInclude(bool include);

  QCheckBox* include_;
  QGroupBox* kinds_;
  QRadioButton* annual_;
  QRadioButton* monthly_;
  QPushButton* view_;
  QPushButton* print_;
  QPushButton* cancel_;
  // IncludeAmort and AmortKind: reset with the window, kept while it is open.
  bool includeAmort_ = false;
  AmortKind amortKind_ = AmortKind::None;
};

}  // namespace reventa
