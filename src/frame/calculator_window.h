// SPDX-License-Identifier: GPL-3.0-or-later
// The frame every calculator window is built on, and the register from which
// the main window's menu opens them. A window describes its fields as data and
// lays them out with a Form (frame/form.h); the frame gives it the row of command
// buttons, the tab order, Enter calculating, the messages that put the focus
// back, and the one print path: write the window's report, then view, export or
// print it, or say that no report was produced. A calculator registers its
// window under its name (frmKwikTax, frmAnnual ...); a menu item whose window is
// registered is enabled.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <optional>

#include "frame/app_context.h"
#include "frame/print_panel.h"
#include "store/report.h"

class QHBoxLayout;
class QLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace reventa {
class DateField;
}

namespace reventa {

// A command button: its caption (the access key marked with "&") and name.
// A command without a caption stands for the stretch between the buttons.
struct CommandEntry {
  const char* caption;
  const char* name;
};
inline constexpr CommandEntry kStretch{nullptr, nullptr};

// How a window prints. Most write their report when a panel button is pressed;
// the finance windows write it when "&Print" is pressed and the panel only
// chooses the destination. The loans window keeps the shared destination as it
// is and sends each report where its button says.
struct PrintFlow {
  PrintPanelOptions panel;
  bool writeOnPrint = false;
  bool sharesDestination = true;
};

class CalculatorWindow : public QWidget {
  Q_OBJECT

 public:
  CalculatorWindow(AppContext& context, const QString& objectName, const QString& caption,
                   QWidget* parent = nullptr);

  // Called each time the window becomes the active child window.
  virtual void activated() {}

  // Closes the window and discards what it shows ("Initialise All"): a window
  // that checks or calculates before it closes does neither.
  void discard();

  // The window's command button of the name (cmdCalculate ...), or null.
  QPushButton* command(const QString& name) const;
  PrintPanel* printPanel() const { return printPanel_; }

 protected:
  // Closes the window (its child window frame inside the main window).
  void closeWindow();
  AppContext& context() const { return context_; }
  // The window is being closed by discard().
  bool discarding() const { return discarding_; }

  // The row of command buttons, in order. The buttons join the tab order after
  // the fields (finishTabOrder); "&Calculate" (cmdCalculate) is the default
  // command that Enter in a field presses.
  QHBoxLayout* commandRow(std::initializer_list<CommandEntry> commands);
  // Enter in the field presses the default command, which does nothing while it
  // is disabled (a panel is open).
  void calculateOnEnter(QLineEdit* field);
  // What Enter in an input field does: presses the default command.
  virtual void enterPressed();

  // The tab order: the fields in the order they are added, then the commands.
  void addToTabOrder(QWidget* widget) { tabChain_.append(widget); }
  void finishTabOrder();

  // The window's layout, once its fields are made: `body`, `gap` pixels of room,
  // the command row, and free room below it where the print panel opens; the tab
  // order is finished.
  QVBoxLayout* layOut(QLayout* body, int gap, std::initializer_list<CommandEntry> commands);

  // An error message box; afterwards the focus goes back to `field` (if any).
  void refuse(QWidget* field, const QString& title, const QString& text);

  // The two dates of a period in the tax year. A refused date gets the tax
  // year's date message ("Incorrect Date"), naming the first day the field takes,
  // and the focus back; while the window is hidden (closing) it goes back to the
  // tax year's start or end instead. With `bounded`, each field's bound that
  // follows the other date is refreshed as the field is entered, so the start
  // never passes the end.
  void setUpTaxYearDates(DateField* start, DateField* end, bool bounded);

  // Printing. `print` ("&Print") opens the panel below `anchor`, once
  // beforePrint() allows it; its buttons print report(). Without a report there
  // is nothing to print: the panel stays as it is (or, writing on "&Print", does
  // not open and the focus moves to `anchor`).
  void setUpPrinting(const PrintFlow& flow, QPushButton* print, QWidget* anchor);
  virtual bool beforePrint() { return true; }
  virtual std::optional<Report> report() { return std::nullopt; }
  // Writes the report's tables into the report data store; a problem is said
  // and false returned.
  bool write(const Report& report);

 private:
  friend class Form;
  void openPrintPanel();
  void print(int destination);

  AppContext& context_;
  bool discarding_ = false;
  QList<QWidget*> tabChain_;
  QList<QPushButton*> commands_;
  QPushButton* default_ = nullptr;
  PrintFlow flow_;
  QWidget* anchor_ = nullptr;
  PrintPanel* printPanel_ = nullptr;
  std::optional<Report> written_;  // written on "&Print", run from the panel
};

using CalculatorFactory = std::function<CalculatorWindow*(AppContext&)>;

// Returns true so that a calculator's file can register from a static initialiser.
bool RegisterCalculatorWindow(const QString& objectName, CalculatorFactory factory);
const CalculatorFactory* FindCalculatorWindow(const QString& objectName);

}  // namespace reventa
