#include "calc/period/ui/payroll_panels.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "taxyear/settings_ranges.h"
#include "taxyear/tax_year.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

// A percentage of the settings panel: 0 to 100 with three decimals.
NumericField* Percentage(QWidget* parent, const QString& name) {
  auto* f = new NumericField(parent);
  f->setObjectName(name);
  f->setDecimals(3);
  f->setGrouped(false);
  f->setRange(0, SettingPercentRange.Max);
  f->setKindName(QStringLiteral("Percentage"));
  f->setMaximumWidth(90);
  return f;
}

QLabel* Unit(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The caption of a panel, a little larger and bold.
QLabel* Heading(const QString& text, const QString& name, QWidget* parent) {
  auto* heading = new QLabel(text, parent);
  heading->setObjectName(name);
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.15);
  heading->setFont(bold);
  return heading;
}

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

PayrollSettingsPanel::PayrollSettingsPanel(QWidget* parent)
    : QFrame(parent),
      employeeUif_(Percentage(this, QStringLiteral("numEmpEUIF"))),
      employerUif_(Percentage(this, QStringLiteral("numEmpRUIF"))),
      limit_(new NumericField(this)),
      skillLevy_(Percentage(this, QStringLiteral("numSkillPercent"))),
      rate80_(new QRadioButton(QStringLiteral("80%"), this)),
      rate20_(new QRadioButton(QStringLiteral("20%"), this)) {
  setObjectName(QStringLiteral("Frame3"));
  setAccessibleName(QStringLiteral("Setup"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  limit_->setObjectName(QStringLiteral("numUIFLimit"));
  limit_->setDecimals(0);
  limit_->setRange(0, SettingUifLimitRange.Max);
  limit_->setMaximumWidth(90);
  rate80_->setObjectName(QStringLiteral("optTAIncRate80"));
  rate20_->setObjectName(QStringLiteral("optTAIncRate20"));
  // An exclusive group that may start with neither option chosen (a stored rate
  // other than 0.8 or 0.2).
  auto* rates = new QButtonGroup(this);
  rates->addButton(rate80_);
  rates->addButton(rate20_);

  auto* grid = new QGridLayout;
  struct Line {
    const char* caption;
    NumericField* field;
    const char* before;
    const char* after;
  };
  const Line lines[] = {
      {"Employee UIF portion", employeeUif_, "", "%"},
      {"Employer UIF portion", employerUif_, "", "%"},
      {"UIF monthly limit", limit_, "R", ""},
      {"Skills levy", skillLevy_, "", "%"},
  };
  int row = 0;
  for (const Line& l : lines) {
    auto* caption = new QLabel(QString::fromLatin1(l.caption), this);
    caption->setBuddy(l.field);
    l.field->setAccessibleName(caption->text());
    grid->addWidget(caption, row, 0);
    grid->addWidget(Unit(QString::fromLatin1(l.before), this), row, 1, Qt::AlignRight);
    grid->addWidget(l.field, row, 2);
    grid->addWidget(Unit(QString::fromLatin1(l.after), this), row, 3);
    ++row;
  }
  auto* rateCaption = new QLabel(QStringLiteral("Travel allowance inclusion rate :"), this);
  rateCaption->setBuddy(rate80_);
  auto* options = new QHBoxLayout;
  options->addWidget(rate80_);
  options->addWidget(rate20_);
  options->addStretch();
  grid->addWidget(rateCaption, row, 0);
  grid->addLayout(options, row, 1, 1, 3);
  grid->setColumnStretch(4, 1);

  auto* ok = new QPushButton(QStringLiteral("O&K"), this);
  ok->setObjectName(QStringLiteral("cmdSetupOK"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Heading(QStringLiteral("Setup"), QStringLiteral("lblSetup"), this));
  layout->addLayout(grid);
  layout->addLayout(buttons);

  connect(employeeUif_, &NumericField::valueChanged, this,
          [this](double v) { record_.EmployeeUIF = v; });
  connect(employerUif_, &NumericField::valueChanged, this,
          [this](double v) { record_.EmployerUIF = v; });
  connect(limit_, &NumericField::valueChanged, this, [this](double v) { record_.UIFLimit = v; });
  connect(skillLevy_, &NumericField::valueChanged, this,
          [this](double v) { record_.SkillLevy = v; });
  connect(rate80_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) record_.TAIncRate8020 = TravelInclusionHigh;
  });
  connect(rate20_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) record_.TAIncRate8020 = TravelInclusionLow;
  });
  connect(ok, &QPushButton::clicked, this, &PayrollSettingsPanel::confirmed);
  hide();
}

void PayrollSettingsPanel::setSettings(const SettingsRead& read) {
  loaded_ = read;
  const SetupRecord& record = read.record;
  record_ = record;
  {
    // Showing the stored values must not run the option handlers, which would
    // replace a rate that selects neither option.
    const QSignalBlocker b80(rate80_);
    const QSignalBlocker b20(rate20_);
    const RateOption option = OptionForRate(record.TAIncRate8020);
    rate80_->group()->setExclusive(false);
    rate80_->setChecked(option == RateOption::Eighty);
    rate20_->setChecked(option == RateOption::Twenty);
    rate80_->group()->setExclusive(true);
  }
  employeeUif_->setValue(record.EmployeeUIF);
  employerUif_->setValue(record.EmployerUIF);
  limit_->setValue(record.UIFLimit);
  skillLevy_->setValue(record.SkillLevy);
  // setValue reports only changes; the record holds the stored values either way.
  record_ = record;
}

void PayrollSettingsPanel::takeShownLimit() { record_.UIFLimit = limit_->shownValue(); }

void PayrollSettingsPanel::showAt(int top) {
  adjustSize();
  const int width = parentWidget() ? parentWidget()->width() : this->width();
  move(qMax(0, (width - this->width()) / 2), top);
  show();
  raise();
  employeeUif_->setFocus();
}

PayrollPrintPanel::PayrollPrintPanel(std::int16_t& destination, QWidget* parent,
                                     const QString& nameLabel)
    : PrintPanel(destination, parent, QStringLiteral("fraPrint")),
      english_(new QRadioButton(QStringLiteral("&English print"), this)),
      name_(new QLineEdit(this)) {
  english_->setObjectName(QStringLiteral("Option1"));
  english_->setChecked(true);
  auto* afrikaans = new QRadioButton(QStringLiteral("&Afrikaans print"), this);
  afrikaans->setObjectName(QStringLiteral("Option2"));
  name_->setObjectName(QStringLiteral("Text1"));
  name_->setMaxLength(50);
  name_->setMinimumWidth(200);
  auto* caption = new QLabel(nameLabel, this);
  caption->setBuddy(name_);
  name_->setAccessibleName(QStringLiteral("Employee name"));
  auto* note = new QLabel(QStringLiteral("(max.50 chrs.)"), this);

  auto* languages = new QHBoxLayout;
  languages->addWidget(english_);
  languages->addWidget(afrikaans);
  languages->addStretch();
  auto* name = new QHBoxLayout;
  name->addWidget(caption);
  name->addWidget(name_, 1);
  name->addWidget(note);
  optionsLayout()->addLayout(languages);
  optionsLayout()->addLayout(name);

  connect(name_, &QLineEdit::textChanged, this,
          [this](const QString& text) { employeeName_ = text; });
}

std::int16_t PayrollPrintPanel::language() const { return english_->isChecked() ? 0 : 1; }

PayrollInfoPanel::PayrollInfoPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("fraInfo_One"));
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  QLabel* heading = Heading(QStringLiteral("General Information"), QString(), this);
  auto* text = new QLabel(PayrollInformationText(), this);
  text->setObjectName(QStringLiteral("lblInfo_One"));
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK_Info_One"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addWidget(text);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  hide();
}

void PayrollInfoPanel::showAt(int top) {
  const int margin = 8;
  const int width = parentWidget() ? parentWidget()->width() - 2 * margin : 480;
  setFixedWidth(qMax(320, width));
  adjustSize();
  move(margin, top);
  show();
  raise();
  findChild<QPushButton*>(QStringLiteral("cmdOK_Info_One"))->setFocus();
}

}  // namespace reventa
