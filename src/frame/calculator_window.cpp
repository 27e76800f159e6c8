// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame/calculator_window.h"

#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "taxyear/shared_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/date_field.h"
#include "widgets/messages.h"
#include "widgets/report_engine.h"

namespace reventa {
namespace {

QHash<QString, CalculatorFactory>& Register() {
  static QHash<QString, CalculatorFactory> factories;
  return factories;
}

}  // namespace

CalculatorWindow::CalculatorWindow(AppContext& context, const QString& objectName,
                                   const QString& caption, QWidget* parent)
    : QWidget(parent), context_(context) {
  setObjectName(objectName);
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose);
}

void CalculatorWindow::closeWindow() {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    frame->close();
  } else {
    close();
  }
}

void CalculatorWindow::discard() {
  discarding_ = true;
  closeWindow();
}

QPushButton* CalculatorWindow::command(const QString& name) const {
  for (QPushButton* b : commands_) {
    if (b->objectName() == name) return b;
  }
  return nullptr;
}

QHBoxLayout* CalculatorWindow::commandRow(std::initializer_list<CommandEntry> commands) {
  auto* row = new QHBoxLayout;
  for (const CommandEntry& c : commands) {
    if (c.caption == nullptr) {
      row->addStretch();
      continue;
    }
    auto* button = new QPushButton(QString::fromUtf8(c.caption), this);
    button->setObjectName(QString::fromLatin1(c.name));
    row->addWidget(button);
    commands_.append(button);
  }
  default_ = command(QStringLiteral("cmdCalculate"));
  if (default_ != nullptr) default_->setDefault(true);
  for (const char* ok : {"cmdOk", "cmdOK"}) {
    if (QPushButton* b = command(QString::fromLatin1(ok))) {
      connect(b, &QPushButton::clicked, this, &CalculatorWindow::closeWindow);
    }
  }
  return row;
}

void CalculatorWindow::calculateOnEnter(QLineEdit* field) {
  connect(field, &QLineEdit::returnPressed, this, &CalculatorWindow::enterPressed);
}

void CalculatorWindow::enterPressed() {
  // click() does nothing while the button is disabled.
  if (default_ != nullptr) default_->click();
}

void CalculatorWindow::finishTabOrder() {
  QList<QWidget*> chain = tabChain_;
  for (QPushButton* b : commands_) chain.append(b);
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

QVBoxLayout* CalculatorWindow::layOut(QLayout* body, int gap,
                                      std::initializer_list<CommandEntry> commands) {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addSpacing(gap);
  layout->addLayout(commandRow(commands));
  layout->addStretch();
  finishTabOrder();
  return layout;
}

void CalculatorWindow::refuse(QWidget* field, const QString& title, const QString& text) {
  context_.messages.Error(this, title, text);
  if (field != nullptr) field->setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::setUpTaxYearDates(DateField* start, DateField* end, bool bounded) {
  if (bounded) {
    connect(start, &DateField::entered, this, [start, end] { start->setMaximum(end->value()); });
    connect(end, &DateField::entered, this, [start, end] { end->setMinimum(start->value()); });
  }
  for (DateField* field : {start, end}) {
    connect(field, &DateField::refused, this, [this, field, start] {
      const double first = field == start ? TaxYearStart : start->value();
      context_.messages.Error(this, QString::fromUtf8(TaxYearDateRange.Title),
                              QString::fromStdString(TaxYearDateMessage(first)));
      if (isVisible()) {
        field->setFocus();
      } else {
        field->setValue(field == start ? TaxYearStart : TaxYearEnd);
      }
    });
  }
}

void CalculatorWindow::setUpPrinting(const PrintFlow& flow, QPushButton* print, QWidget* anchor) {
  connect(print, &QPushButton::clicked, this, &CalculatorWindow::openPrintPanel);
  flow_ = flow;
  anchor_ = anchor;
  printPanel_ = new PrintPanel(this, flow.panel);
  connect(printPanel_, &PrintPanel::printRequested, this, &CalculatorWindow::print);
}

void CalculatorWindow::openPrintPanel() {
  if (printPanel_ == nullptr || !beforePrint()) return;
  if (flow_.writeOnPrint) {
    std::optional<Report> r = report();
    if (!r) {
      anchor_->setFocus(Qt::OtherFocusReason);
      return;
    }
    bool written = false;
    {
      const BusyCursor busy;
      written = write(*r);
    }
    if (!written) return;
    written_ = std::move(r);
  }
  printPanel_->showBelow(anchor_);
}

void CalculatorWindow::print(int destination) {
  if (flow_.sharesDestination)
    context_.state.ReportDestination = static_cast<std::int16_t>(destination);
  {
    const BusyCursor busy;
    std::optional<Report> r = flow_.writeOnPrint ? written_ : report();
    // Nothing to print: the panel stays open for the user to put it right.
    if (!r) return;
    if (flow_.writeOnPrint || write(*r)) {
      context_.reports.Run(r->templateName, r->title, destination, this);
    }
  }
  printPanel_->close();
}

bool CalculatorWindow::write(const Report& report) {
  const StoreProblem problem = WriteReport(context_.stores.reportDb, report);
  if (!problem) return true;
  context_.messages.Error(this, QStringLiteral("Report"),
                          *problem + QStringLiteral("\n\nNo report was produced."));
  return false;
}

bool RegisterCalculatorWindow(const QString& objectName, CalculatorFactory factory) {
  Register().insert(objectName, std::move(factory));
  return true;
}

const CalculatorFactory* FindCalculatorWindow(const QString& objectName) {
  const auto it = Register().constFind(objectName);
  return it == Register().constEnd() ? nullptr : &it.value();
}

}  // namespace reventa
