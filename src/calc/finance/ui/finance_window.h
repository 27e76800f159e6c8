// SPDX-License-Identifier: GPL-3.0-or-later
// What the loans, loan buster, loan comparison, daily balance and inflation
// windows share. Their inputs are shared values: each edit lands in the shared
// record, and every activation shows the record again and works the figures out
// afresh. Below the figures (and a chart beside them) stands the row of commands
// with the print panel under it, and spin buttons step a field.
#pragma once

#include <QHash>
#include <functional>
#include <initializer_list>
#include <vector>

#include "frame/calculator_window.h"
#include "frame/form.h"

class QLayout;

namespace reventa {

class SpinButtons;

class FinanceWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  // Shows the shared values in their fields again and recalculates.
  void activated() override;
  // The window's calculation, with the busy pointer.
  void recalculate();

 protected:
  FinanceWindow(AppContext& context, const QString& objectName, const QString& caption);

  virtual void calculate() = 0;
  // Whether "&Calculate" and Enter in a field calculate now.
  virtual bool canCalculate() const { return true; }

  // An input of the shared record in the form's next row: each edit lands in the
  // record, and each activation shows the record's value again.
  template <class Record>
  NumericField* sharedInput(Form& form, const FieldEntry& entry, const InputField<Record>& field,
                            Record& record) {
    NumericField* f = form.input(entry, field, record);
    showOnActivation([f, field, &record] { f->setValue(ValueOf(field, record)); });
    return f;
  }
  // What the activation shows before it recalculates, in the order given.
  void showOnActivation(std::function<void()> show) { shows_.push_back(std::move(show)); }

  // Lays out the window: `form` across the top, or with `side` (a chart) beside
  // it, the row of commands below, `below` under it (a panel opening there) and the room
  // the print panel opens in. "&Calculate" calculates; "&Print" prints as `flow`
  // says, on a panel with "C&ancel" that opens below the last command. The
  // commands follow the fields in the tab order.
  void setForm(QLayout* form, QWidget* side = nullptr, QWidget* below = nullptr,
               std::initializer_list<CommandEntry> commands = {{"&Calculate", "cmdCalculate"},
                                                               {"&Print", "cmdPrint"},
                                                               kStretch,
                                                               {"&OK", "cmdOK"}},
               PrintFlow flow = {{}, true});
  QPushButton* okButton() const { return command(QStringLiteral("cmdOK")); }

  // Spin buttons that step `field`, named, with accessible names, out of the tab
  // order. A click and the Up and Down keys in the field run `step(up,
  // fromKeyboard)`; fromKeyboard is false for a click.
  using Step = std::function<void(bool up, bool fromKeyboard)>;
  SpinButtons* addSpin(const char* name, const QString& label, QWidget* field, Step step);
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A beep (a spin step refused or wrapped).
  void beep();

 private:
  std::vector<std::function<void()>> shows_;
  QHash<QObject*, Step> steps_;  // the fields the arrow keys step
};

}  // namespace reventa
