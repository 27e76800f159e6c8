// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/period/ui/payroll_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "frame/settings_panel.h"
#include "store/settings_store.h"
#include "taxyear/settings_ranges.h"
#include "taxyear/tax_year.h"
#include "widgets/messages.h"

namespace reventa {
namespace {

// Where the information and settings panels open, in pixels from the top of the
// window. The print panel opens below the commands, so the figures being
// printed stay in view.
constexpr int kInfoTop = 40;
constexpr int kSettingsTop = 129;

const SettingEntry kSettings[] = {
    {{"numEmpEUIF", "Employee UIF portion", "", "%", FieldLook::Rate},
     &SetupRecord::EmployeeUIF,
     SettingPercentRange},
    {{"numEmpRUIF", "Employer UIF portion", "", "%", FieldLook::Rate},
     &SetupRecord::EmployerUIF,
     SettingPercentRange},
    {{"numUIFLimit", "UIF monthly limit", "R", ""}, &SetupRecord::UIFLimit, SettingUifLimitRange},
    {{"numSkillPercent", "Skills levy", "", "%", FieldLook::Rate},
     &SetupRecord::SkillLevy,
     SettingPercentRange},
};

const OptionPairEntry kOptions[] = {
    {"Travel allowance inclusion rate :", "80%", "optTAIncRate80", "20%", "optTAIncRate20",
     [](const SetupRecord& r) { return SelectedRate(r.TAIncRate8020); },
     [](SetupRecord& r, int option) {
       r.TAIncRate8020 = option == 0 ? TravelInclusionHigh : TravelInclusionLow;
     }},
};

}  // namespace

QString PayrollInformationText() {
  return QString::fromUtf16(
      u"The amount entered in the Salary/remuneration field should contain the fringe "
      u"benefit amounts such as the code 3802 fringe benefit amount for the use of a "
      u"company car but must not include any travel allowance in this Salary/remuneration "
      u"amount.  Note that both employer\u2019s and employee\u2019s R/Fund contributions "
      u"qualify as a tax deduction off taxable income.  Employer\u2019s contributions paid "
      u"to R/Funds i.r.o. the employee are taxable in the hands of the employee as a fringe "
      u"benefit.  Reventa will include the employer\u2019s R/Fund contributions, that you "
      u"enter here, in with Salary/Remuneration to determine total income so enter "
      u"Salary/Remuneration as being without the employer\u2019s R/Fund contribution fringe "
      u"benefit.  A portion of contributions paid by both the employer and the employee to "
      u"Pension, R/A and Provident funds may qualify as a deduction from taxable income.  "
      u"The deduction is limited to the lessor of contributions paid or 27.5% of "
      u"remuneration/salary/income.  The deduction is capped at R350,000 per year. ");
}

PayrollWindow::PayrollWindow(AppContext& context, const QString& objectName, const QString& caption,
                             const QString& nameLabel)
    : CalculatorWindow(context, objectName, caption),
      grid_(new QGridLayout),
      form_(*this, grid_),
      info_(new QPushButton(this)),
      settingsPanel_(new SettingsPanel(this, QStringLiteral("Frame3"), kSettings, kOptions,
                                       kPayrollSetupFields)),
      infoPanel_(new PanelFrame(this, QStringLiteral("fraInfo_One"),
                                QStringLiteral("General Information"))) {
  form_.setFieldWidth(130);
  // Rows close together, so that the annual window fits a small screen.
  grid_->setVerticalSpacing(2);
  grid_->setColumnMinimumWidth(1, 14);
  grid_->setColumnStretch(4, 1);

  info_->setObjectName(QStringLiteral("cmdInfo_0"));
  info_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  info_->setAccessibleName(QStringLiteral("General Information"));
  info_->setToolTip(QStringLiteral("General Information"));
  info_->setFixedSize(26, 26);
  auto* text = new QLabel(PayrollInformationText(), infoPanel_);
  text->setObjectName(QStringLiteral("lblInfo_One"));
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  infoPanel_->content()->addWidget(text);
  QPushButton* infoOk =
      infoPanel_->addCloseButton(QStringLiteral("&OK"), QStringLiteral("cmdOK_Info_One"));

  printOptions_.languages = true;
  printOptions_.nameCaption = nameLabel;
  connect(info_, &QPushButton::clicked, this, [this, infoOk] {
    infoPanel_->showAcross(kInfoTop);
    infoOk->setFocus();
  });
  connect(settingsPanel_, &SettingsPanel::accepted, this, &PayrollWindow::confirmSettings);
}

void PayrollWindow::finishLayout() {
  finishLayout(nullptr,
               {{"&OK", "cmdOk"},
                {"&Calculate", "cmdCalculate"},
                {"&Settings", "cmdSettings"},
                {"&Print", "cmdPrint"}},
               nullptr);
}

void PayrollWindow::finishLayout(QWidget* body, std::initializer_list<CommandEntry> commands,
                                 QWidget* printAnchor) {
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid_);
  if (body != nullptr) layout->addWidget(body, 1);
  layout->addSpacing(8);
  layout->addLayout(commandRow(commands));
  if (body == nullptr) layout->addStretch();
  // The print panel opens below the commands.
  QPushButton* print = command(QStringLiteral("cmdPrint"));
  setUpPrinting({printOptions_}, print, printAnchor != nullptr ? printAnchor : print);
  connect(command(QStringLiteral("cmdCalculate")), &QPushButton::clicked, this,
          [this] { calculate(); });
  connect(command(QStringLiteral("cmdSettings")), &QPushButton::clicked, this,
          &PayrollWindow::openSettings);
  // Wide enough for every panel to open in full.
  int panels = 0;
  for (QWidget* panel :
       {static_cast<QWidget*>(settingsPanel_), static_cast<QWidget*>(printPanel())}) {
    panels = qMax(panels, panel->sizeHint().width());
  }
  setMinimumWidth(panels + 2 * layout->contentsMargins().left());
  finishTabOrder();
  // The information button comes last, so that Tab goes from field to field.
  setTabOrder(command(QStringLiteral("cmdPrint")), info_);
}

void PayrollWindow::loadSettings() { settingsPanel_->load(context().settings().read(this)); }

const SetupRecord& PayrollWindow::settings() const { return settingsPanel_->values(); }

void PayrollWindow::openSettings() {
  setCommandsEnabled(false);
  settingsPanel_->showAt(kSettingsTop);
}

void PayrollWindow::confirmSettings() {
  settingsPanel_->takeShownLimit();
  context().settings().save(this, settingsPanel_->values(), settingsPanel_->fieldsToSave());
  settingsPanel_->hide();
  setCommandsEnabled(true);
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  settingsConfirmed();
}

void PayrollWindow::setCommandsEnabled(bool enabled) {
  for (const char* name :
       {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint", "cmdOpen", "cmdExport"}) {
    if (QPushButton* button = command(QString::fromLatin1(name))) button->setEnabled(enabled);
  }
}

}  // namespace reventa
