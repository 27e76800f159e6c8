// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/ui/finance_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/busy_cursor.h"
#include "widgets/messages.h"
#include "widgets/spin_buttons.h"

namespace reventa {

FinanceWindow::FinanceWindow(AppContext& context, const QString& objectName, const QString& caption)
    : CalculatorWindow(context, objectName, caption) {}

void FinanceWindow::activated() {
  for (const auto& show : shows_) show();
  recalculate();
}

void FinanceWindow::recalculate() {
  const BusyCursor busy;
  calculate();
}

void FinanceWindow::setForm(QLayout* form, QWidget* side, QWidget* below,
                            std::initializer_list<CommandEntry> commands, PrintFlow flow) {
  QHBoxLayout* buttons = commandRow(commands);
  finishTabOrder();
  connect(command(QStringLiteral("cmdCalculate")), &QPushButton::clicked, this, [this] {
    if (canCalculate()) recalculate();
  });
  flow.panel.cancelCaption = QStringLiteral("C&ancel");
  flow.panel.cancelName = QStringLiteral("cmdPrintCancel");
  setUpPrinting(flow, command(QStringLiteral("cmdPrint")),
                command(QString::fromLatin1((commands.end() - 1)->name)));

  auto* layout = new QVBoxLayout(this);
  if (side != nullptr) {
    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addSpacing(12);
    top->addWidget(side, 1);
    form = top;
  }
  layout->addLayout(form);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  if (below != nullptr) layout->addWidget(below, 0, Qt::AlignLeft);
  // The print panel opens in the room below the buttons.
  layout->addStretch();
}

SpinButtons* FinanceWindow::addSpin(const char* name, const QString& label, QWidget* field,
                                    Step step) {
  auto* spin = new SpinButtons(this);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setAccessibleName(label);
  spin->setToolTip(label);
  // The buttons are for the mouse and take no focus (SpinButtons): the Up and
  // Down keys in the field step it, so Tab goes on from the field to the next
  // one and Enter there calculates.
  spin->upButton()->setAccessibleName(label + QStringLiteral(" up"));
  spin->downButton()->setAccessibleName(label + QStringLiteral(" down"));
  field->setAccessibleDescription(QStringLiteral("Up and Down step it"));
  connect(spin, &SpinButtons::upClicked, this, [step] { step(true, false); });
  connect(spin, &SpinButtons::downClicked, this, [step] { step(false, false); });
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
