#include "calc/finance/ui/finance_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "frame/print_panel.h"
#include "shell/app_context.h"
#include "shell/report_engine.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/command_button.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"
#include "widgets/spin_buttons.h"

namespace reventa {

FinanceWindow::FinanceWindow(AppContext& context, const QString& objectName, const QString& caption)
    : CalculatorWindow(context, objectName, caption) {}

void FinanceWindow::recalculate() {
  const BusyCursor busy;
  calculate();
}

NumericField* FinanceWindow::addField(QGridLayout* grid, int row, int column,
                                      const FinanceField& design) {
  auto* field = new NumericField(this);
  field->setObjectName(QString::fromLatin1(design.name));
  field->setDecimals(design.decimals);
  field->setRange(design.minimum, design.maximum);
  field->setOutput(design.output);
  field->setMinimumWidth(120);
  const QString caption = QString::fromLatin1(design.caption);
  field->setAccessibleName(caption);
  const bool money = design.decimals == 2 || QByteArray(design.mark).contains('R');
  if (!money) field->setGrouped(false);
  if (QByteArray(design.unit).contains('%')) field->setKindName(QStringLiteral("Percentage"));
  if (*design.caption != '\0') {
    auto* label = new QLabel(caption, this);
    label->setBuddy(field);
    grid->addWidget(label, row, column);
  }
  grid->addWidget(new QLabel(QString::fromLatin1(design.mark), this), row, column + 1);
  grid->addWidget(field, row, column + 2);
  if (*design.unit != '\0') {
    grid->addWidget(new QLabel(QString::fromLatin1(design.unit), this), row, column + 3);
  }
  if (!design.output) {
    connect(field, &QLineEdit::returnPressed, this, &FinanceWindow::recalculate);
    if (design.rangeTitle != nullptr) {
      connect(field, &NumericField::entryRefused, this,
              [this, field, design](const QString& rejected) {
                // Only a number outside the range has a message; a decimal too
                // many is just refused.
                const double typed = LeadingNumber(rejected.toStdString());
                if (typed >= design.minimum && typed <= design.maximum) return;
                refuse(field, QString::fromLatin1(design.rangeTitle),
                       QString::fromLatin1(design.rangeText));
              });
    }
  }
  return field;
}

void FinanceWindow::setForm(QLayout* form, QWidget* side) {
  QHBoxLayout* buttons = commandRow(
      {{"&Calculate", "cmdCalculate"}, {"&Print", "cmdPrint"}, kStretch, {"&OK", "cmdOK"}});
  calculate_ = command(QStringLiteral("cmdCalculate"));
  print_ = command(QStringLiteral("cmdPrint"));
  ok_ = command(QStringLiteral("cmdOK"));
  connect(calculate_, &QPushButton::clicked, this, &FinanceWindow::recalculate);
  // The report is written when "&Print" is pressed; the panel only chooses where
  // it goes.
  PrintPanelOptions panel;
  panel.cancelCaption = QStringLiteral("C&ancel");
  panel.cancelName = QStringLiteral("cmdPrintCancel");
  setUpPrinting({panel, true}, print_, ok_);

  auto* top = new QHBoxLayout;
  top->addLayout(form);
  if (side != nullptr) {
    top->addSpacing(12);
    top->addWidget(side, 1);
  } else {
    top->addStretch();
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  // The print panel opens in the room below the buttons.
  layout->addStretch();
}

SpinButtons* FinanceWindow::addSpin(const char* name, const QString& label, QWidget* field,
                                    Step step) {
  auto* spin = new SpinButtons(this);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setAccessibleName(label);
  spin->setToolTip(label);
  for (QToolButton* b : {spin->upButton(), spin->downButton()}) {
    // Reached with Tab and pressed with Space; a click leaves the focus where it is.
    b->setFocusPolicy(Qt::TabFocus);
    b->setAccessibleName(label +
                         (b == spin->upButton() ? QStringLiteral(" up") : QStringLiteral(" down")));
  }
  connect(spin, &SpinButtons::upClicked, this,
          [spin, step] { step(true, spin->upButton()->hasFocus()); });
  connect(spin, &SpinButtons::downClicked, this,
          [spin, step] { step(false, spin->downButton()->hasFocus()); });
  steps_.insert(field, step);
  field->installEventFilter(this);
  return spin;
}

bool FinanceWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && steps_.contains(watched)) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
        key->modifiers() == Qt::NoModifier) {
      steps_.value(watched)(key->key() == Qt::Key_Up, true);
      return true;
    }
  }
  return CalculatorWindow::eventFilter(watched, event);
}

void FinanceWindow::beep() { context().messages.Beep(); }

}  // namespace reventa
