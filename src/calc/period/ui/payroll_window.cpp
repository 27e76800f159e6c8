#include "calc/period/ui/payroll_window.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "calc/period/ui/payroll_panels.h"
#include "shell/app_context.h"
#include "taxyear/shared_state.h"
#include "widgets/command_button.h"
#include "widgets/date_field.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"
#include "widgets/panel.h"

namespace reventa {
namespace {

// A field's name for screen readers: its caption without the access key, the
// padding or a trailing "R".
QString AccessibleName(const QString& label) {
  QString name = label;
  name.remove(QLatin1Char('&'));
  name = name.trimmed();
  if (name.endsWith(QLatin1String(" R"))) name.chop(2);
  return name;
}

}  // namespace

PayrollWindow::PayrollWindow(AppContext& context, const QString& objectName, const QString& caption,
                             const QString& employeeNameLabel, PanelTops tops)
    : CalculatorWindow(context, objectName, caption),
      tops_(tops),
      grid_(new QGridLayout),
      ok_(NewCommandButton("&OK", "cmdOk", this)),
      calculate_(NewCommandButton("&Calculate", "cmdCalculate", this)),
      settingsButton_(NewCommandButton("&Settings", "cmdSettings", this)),
      print_(NewCommandButton("&Print", "cmdPrint", this)),
      info_(NewCommandButton("", "cmdInfo_0", this)),
      commands_(new QHBoxLayout),
      settingsPanel_(new PayrollSettingsPanel(this)),
      printPanel_(new PayrollPrintPanel(context.state.ReportDestination, this, employeeNameLabel)),
      infoPanel_(new PayrollInfoPanel(this)) {
  calculate_->setDefault(true);
  MarkAsPanel(settingsPanel_);
  MarkAsPanel(infoPanel_);
  info_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  info_->setAccessibleName(QStringLiteral("General Information"));
  info_->setToolTip(QStringLiteral("General Information"));
  info_->setFixedSize(26, 26);

  // Rows close together, so that the annual window fits a small screen.
  grid_->setVerticalSpacing(2);
  grid_->setColumnMinimumWidth(1, 14);
  grid_->setColumnStretch(4, 1);
  commands_->addWidget(ok_);
  commands_->addWidget(calculate_);
  commands_->addWidget(settingsButton_);
  commands_->addWidget(print_);

  connect(ok_, &QPushButton::clicked, this, &PayrollWindow::closeWindow);
  connect(calculate_, &QPushButton::clicked, this, [this] { calculate(); });
  connect(settingsButton_, &QPushButton::clicked, this, &PayrollWindow::openSettings);
  connect(settingsPanel_, &PayrollSettingsPanel::confirmed, this, &PayrollWindow::confirmSettings);
  connect(print_, &QPushButton::clicked, this, [this] { printPanel_->showBelow(print_); });
  connect(printPanel_, &PrintPanel::printRequested, this, [this] { writeReport(); });
  connect(info_, &QPushButton::clicked, this, [this] { infoPanel_->showAt(tops_.info); });
}

void PayrollWindow::loadSettings() {
  const SettingsRead read = ReadSettings(context().stores.settingsDb);
  if (read.problem) context().messages.Error(this, kAppTitle, *read.problem);
  settingsPanel_->setSettings(read);
}

const SetupRecord& PayrollWindow::settings() const { return settingsPanel_->settings(); }

void PayrollWindow::calculateOnEnter(QLineEdit* field) {
  // click() does nothing while the button is disabled.
  connect(field, &QLineEdit::returnPressed, calculate_, &QPushButton::click);
}

void PayrollWindow::addCaptionedRow(const QString& label, QWidget* field, bool rand,
                                    Qt::Alignment alignment) {
  field->setAccessibleName(AccessibleName(label));
  auto* caption = new QLabel(label, this);
  caption->setBuddy(field);
  grid_->addWidget(caption, rows_, 0);
  if (rand) grid_->addWidget(new QLabel(QStringLiteral("R"), this), rows_, 1, Qt::AlignRight);
  grid_->addWidget(field, rows_, 2, alignment);
  ++rows_;
}

NumericField* PayrollWindow::addAmountRow(const QString& name, const QString& label, bool rand) {
  auto* field = new NumericField(this);
  field->setObjectName(name);
  field->setMinimumWidth(130);
  addCaptionedRow(label, field, rand, {});
  tabChain_.append(field);
  calculateOnEnter(field);
  return field;
}

NumericField* PayrollWindow::addCountRow(const QString& name, const QString& label,
                                         double maximum) {
  auto* field = new NumericField(this);
  field->setObjectName(name);
  field->setDecimals(0);
  field->setGrouped(false);
  field->setRange(0, maximum);
  field->setMaximumWidth(60);
  addCaptionedRow(label, field, false, Qt::AlignRight);
  tabChain_.append(field);
  calculateOnEnter(field);
  return field;
}

NumericField* PayrollWindow::addResultRow(const QString& name, const QString& label, int decimals) {
  auto* field = new NumericField(this);
  field->setObjectName(name);
  field->setOutput(true);
  field->setDecimals(decimals);
  field->setMinimumWidth(130);
  addCaptionedRow(label, field, true, {});
  return field;
}

DateField* PayrollWindow::addDateRow(const QString& name, const QString& label) {
  auto* field = new DateField(this);
  field->setObjectName(name);
  field->setMaximumWidth(110);
  addCaptionedRow(label, field, false, Qt::AlignRight);
  tabChain_.append(field);
  calculateOnEnter(field);
  return field;
}

void PayrollWindow::addSeparator() {
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  grid_->addWidget(line, rows_++, 0, 1, 4);
}

void PayrollWindow::addSpanningRow(QWidget* widget) { grid_->addWidget(widget, rows_++, 0, 1, 5); }

void PayrollWindow::finishLayout() {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid_);
  layout->addSpacing(8);
  layout->addLayout(commands_);
  layout->addStretch();
  // Wide enough for every panel to open in full.
  int panels = 0;
  for (QWidget* panel :
       {static_cast<QWidget*>(settingsPanel_), static_cast<QWidget*>(printPanel_)}) {
    panels = qMax(panels, panel->sizeHint().width());
  }
  setMinimumWidth(panels + 2 * layout->contentsMargins().left());
  // The information button comes last, so that Tab goes from field to field.
  for (QPushButton* b : {ok_, calculate_, settingsButton_, print_, info_}) tabChain_.append(b);
  for (qsizetype i = 1; i < tabChain_.size(); ++i) setTabOrder(tabChain_[i - 1], tabChain_[i]);
}

std::int16_t PayrollWindow::reportLanguage() const { return printPanel_->language(); }

QString PayrollWindow::employeeName() const { return printPanel_->employeeName(); }

void PayrollWindow::showError(const QString& title, const QString& text, QWidget* focus) {
  context().messages.Error(this, title, text);
  if (focus != nullptr) focus->setFocus();
}

void PayrollWindow::openSettings() {
  setCommandsEnabled(false);
  settingsPanel_->showAt(tops_.settings);
}

void PayrollWindow::confirmSettings() {
  settingsPanel_->takeShownLimit();
  if (const auto problem = WriteSettings(context().stores.settingsDb, settingsPanel_->settings(),
                                         settingsPanel_->fieldsToSave())) {
    // The settings still apply to this window; only saving them failed.
    context().messages.Error(this, kAppTitle, *problem);
  }
  settingsPanel_->hide();
  setCommandsEnabled(true);
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  calculate();
}

void PayrollWindow::setCommandsEnabled(bool enabled) {
  for (QPushButton* b : {ok_, calculate_, settingsButton_, print_}) b->setEnabled(enabled);
}

}  // namespace reventa
