// SPDX-License-Identifier: GPL-3.0-or-later
// The one print panel of the calculator windows: "&View/Export report", "P&rint
// directly to printer" and a cancel button, with the options a window asks for
// above them: the report language, the name the report is for, the amortisation
// schedule. It opens below the window's buttons, the window growing to hold it,
// so the figures being printed stay in view; the window's frame shrinks back when
// it closes. The panel keeps within the window's width (its buttons go one under
// another when they do not fit side by side) and the window within the main
// window's area. While it is open the focus starts on its first control and Tab
// and Shift+Tab go round the panel's controls only. What the buttons print is the
// window's (CalculatorWindow::print).
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "frame/panel_frame.h"
#include "store/reports/finance_reports.h"

class QBoxLayout;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace reventa {

struct PrintPanelOptions {
  QString objectName = QStringLiteral("fraPrint");
  QString cancelCaption = QStringLiteral("&Cancel");
  QString cancelName = QStringLiteral("cmdCancel");
  // "&English print" and "&Afrikaans print".
  bool languages = false;
  // The name the report is for: its caption (none when empty), its field's name
  // and accessible name, and whether it stands on a line of its own below the
  // caption. The field holds 50 characters.
  QString nameCaption;
  QString nameField = QStringLiteral("Text1");
  QString nameAccessible = QStringLiteral("Employee name");
  int nameWidth = 200;
  bool nameBelowCaption = false;
  // "Include Amortization" with the annual or monthly schedule.
  bool schedule = false;
  // Reports to choose between, above the languages (captions with their access
  // keys); the first is chosen when the panel is made.
  QStringList choices;
  // Where the focus goes when the panel opens: its first control (an option, the
  // name, or "&View/Export report" when there are none), or the name field.
  enum class Focus { First, Name } focus = Focus::First;
};

class PrintPanel : public PanelFrame {
  Q_OBJECT

 public:
  PrintPanel(QWidget* window, const PrintPanelOptions& options);

  QPushButton* viewButton() const { return view_; }
  QPushButton* printButton() const { return print_; }
  QPushButton* cancelButton() const { return cancel_; }

  // 0 English, 1 Afrikaans, as the options stand (0 without them).
  std::int16_t language() const;
  // The name typed (empty without the field).
  QString name() const;
  QLineEdit* nameField() const { return name_; }
  // The schedule to print: None unless "Include Amortization" is ticked.
  AmortKind schedule() const;
  // The report chosen among the choices (0 without them).
  int choice() const;

  // Shows the panel below `anchor` (the window's row of buttons), growing the
  // window as much as the panel needs, the focus where the options say.
  void showBelow(const QWidget* anchor);
  // Hides the panel and gives the window back the room it took; the focus goes
  // back to the control that had it when the panel opened.
  void close();

 protected:
  // Tab and Shift+Tab from a control of the open panel.
  bool focusNextPrevChild(bool next) override;

 Q_SIGNALS:
  // destination 0: the report window; 1: the printer.
  void printRequested(int destination);
  void cancelled();

 private:
  void addChoices(const QStringList& choices);
  void addLanguages();
  void addName(const PrintPanelOptions& options);
  void addSchedule();
  // The window's frame: the child window around the calculator, or the window.
  QWidget* frame() const;
  // The panel's controls that Tab stops at, in order, as they stand.
  QList<QWidget*> tabStops() const;
  // Lays the panel out within `room` pixels of width, the buttons one under
  // another if need be; widens the window's frame within the main window's area
  // when even that is too wide. Returns the panel's width.
  int fitWidth(int room);
  // Grows the frame by `width` and `height` pixels, moving it left and up as far
  // as it must to stay inside its parent (the main window's area); remembered,
  // so that close() gives the room back.
  void growFrame(int width, int height);

  QPushButton* view_;
  QPushButton* print_;
  QPushButton* cancel_;
  QBoxLayout* buttons_;
  // The controls in their tab order, top to bottom: options, name, schedule,
  // then the buttons.
  QList<QWidget*> order_;
  QList<QRadioButton*> choices_;
  QRadioButton* english_ = nullptr;
  QLineEdit* name_ = nullptr;
  QCheckBox* include_ = nullptr;
  QGroupBox* kinds_ = nullptr;
  QRadioButton* annual_ = nullptr;
  // The schedule chosen: kept while the window is open; ticking the box starts
  // from "Annual", clearing it keeps the kind.
  AmortKind amortKind_ = AmortKind::None;
  PrintPanelOptions::Focus focus_;
  QPointer<QWidget> returnTo_;
  // What the frame grew and moved by to hold the panel, and where it then stood.
  QSize grown_{0, 0};
  QPoint moved_;
  QPoint placedAt_;
};

}  // namespace reventa
