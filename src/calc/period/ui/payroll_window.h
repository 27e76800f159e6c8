// What the annual and the pay-period PAYE windows share: the four commands along
// the bottom ("&OK", "&Calculate", "&Settings", "&Print"), the information button,
// and the settings, print and information panels with their behaviour. A window
// built on it lays out its own fields and supplies its calculation and its report.
#pragma once

#include <QList>
#include <QString>
#include <cstdint>

#include "shell/calculator_window.h"
#include "store/settings_store.h"

class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace reventa {

class DateField;
class NumericField;
class PayrollInfoPanel;
class PayrollPrintPanel;
class PayrollSettingsPanel;

class PayrollWindow : public CalculatorWindow {
  Q_OBJECT

 public:
  // "&Calculate": runs the window's computation on its state and shows the result.
  virtual void calculate() = 0;

  // Where the information and settings panels open, in pixels from the top of
  // the window: the annual window's open at 600 and 1935 twips (15 twips to the
  // pixel); the pay-period windows open theirs there too. The print panel opens
  // below the commands, so the figures being printed stay in view.
  struct PanelTops {
    int info = 40;
    int settings = 129;
  };

 protected:
  PayrollWindow(AppContext& context, const QString& objectName, const QString& caption,
                const QString& employeeNameLabel, PanelTops tops);

  // Reads the five settings into the settings panel. A store that cannot be read
  // is reported once and the defaults are used.
  void loadSettings();
  // The settings as they stand in the panel (edits count at once).
  const SetupRecord& settings() const;

  QPushButton* infoButton() const { return info_; }
  QPushButton* calculateButton() const { return calculate_; }
  // Enter in the field runs "&Calculate", the window's default command; nothing
  // happens while the command is disabled (the settings panel is open).
  void calculateOnEnter(QLineEdit* field);

  // The window's rows, top to bottom: a caption (the field's buddy, which also
  // names it for screen readers), an "R" before amounts, the field. Input fields
  // join the tab order in the order they are added and calculate on Enter.
  QGridLayout* fieldGrid() const { return grid_; }
  NumericField* addAmountRow(const QString& name, const QString& label, bool rand = true);
  NumericField* addCountRow(const QString& name, const QString& label, double maximum);
  NumericField* addResultRow(const QString& name, const QString& label, int decimals);
  DateField* addDateRow(const QString& name, const QString& label);
  void addSeparator();
  // Puts the widget in the next row across the columns, in the tab order.
  void addSpanningRow(QWidget* widget);
  // Joins a widget placed by the window itself to the tab order.
  void addToTabOrder(QWidget* widget) { tabChain_.append(widget); }
  // The grid, then the commands; the tab order follows the rows.
  void finishLayout();

  // The print panel's choices.
  std::int16_t reportLanguage() const;
  QString employeeName() const;
  // Writes the report row and runs the report; the panel has set the destination.
  virtual void writeReport() = 0;

  // An error message box; afterwards the focus goes to `focus` (when given).
  void showError(const QString& title, const QString& text, QWidget* focus);

 private:
  void openSettings();
  void confirmSettings();
  void setCommandsEnabled(bool enabled);
  void addCaptionedRow(const QString& label, QWidget* field, bool rand, Qt::Alignment alignment);

  PanelTops tops_;
  QGridLayout* grid_;
  int rows_ = 0;
  QList<QWidget*> tabChain_;
  QPushButton* ok_;
  QPushButton* calculate_;
  QPushButton* settingsButton_;
  QPushButton* print_;
  QPushButton* info_;
  QHBoxLayout* commands_;
  PayrollSettingsPanel* settingsPanel_;
  PayrollPrintPanel* printPanel_;
  PayrollInfoPanel* infoPanel_;
};

}  // namespace reventa
