// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/ui/loan_scenario_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/finance/loan.h"
#include "store/reports/loan_scenario_report.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/chart_view.h"
#include "widgets/messages.h"
#include "widgets/numeric_field.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmLoanScenario"), [](AppContext& c) { return new LoanScenarioWindow(c); });

const QString kTitle = QStringLiteral("Loan Scenarios");

const FieldEntry kLoanFields[] = {
    {"numPrinAmount", "Principal amount", ": R", "", FieldLook::Amount, 2, 120},
    {"numPeriod", "Period", ": ", "months.", FieldLook::Number, 0, 120},
    {"numIntRate", "Interest rate", ": ", "% p.a.", FieldLook::Rate, 3, 120, nullptr, true},
};
const FieldEntry kMonth{"numChangeMonth", "From month", ":", "", FieldLook::Number, 0, 70};
const FieldEntry kAmount{"numChangeAmount", "Amount", ":", "", FieldLook::Amount, 2, 120};

// The kinds and choices in the order of their lists.
constexpr LoanChangeKind kKinds[] = {LoanChangeKind::Rate, LoanChangeKind::LumpSum,
                                     LoanChangeKind::Extra};
const char* const kKindCaptions[] = {"New annual rate", "Lump sum", "Extra monthly payment"};
constexpr LoanChangeChoice kChoices[] = {LoanChangeChoice::ShorterTerm,
                                         LoanChangeChoice::LowerRepayment};
const char* const kChoiceCaptions[] = {"Shorter term", "Lower repayment"};

QString Rand(double amount) {
  return QStringLiteral("R ") + QString::fromStdString(FormatAmount(amount, 2));
}
QString Amount(double amount) { return QString::fromStdString(FormatAmount(amount, 2)); }

QTableWidget* Table(QWidget* parent, const char* name, const QString& accessible,
                    const QStringList& headings) {
  auto* t = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setAccessibleName(accessible);
  t->setHorizontalHeaderLabels(headings);
  t->verticalHeader()->hide();
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  // Tab leaves the table; the arrows move within it.
  t->setTabKeyNavigation(false);
  t->setWordWrap(false);
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
  t->horizontalHeader()->setStretchLastSection(true);
  return t;
}

QTableWidgetItem* Item(const QString& text, bool right = true, bool bold = false) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(right ? Qt::AlignRight | Qt::AlignVCenter
                               : Qt::AlignLeft | Qt::AlignVCenter);
  if (bold) {
    QFont f = item->font();
    f.setBold(true);
    item->setFont(f);
  }
  return item;
}

}  // namespace

LoanScenarioWindow::LoanScenarioWindow(AppContext& context)
    : FinanceWindow(context, QStringLiteral("frmLoanScenario"), kTitle) {
  // The loans window's loan, copied: edits here stay here until "Use in Loans".
  const LoanState& loan = context.state.Loan;
  input_.Principal = loan.Principal;
  input_.Period = loan.Period;
  input_.AnnualRate = loan.AnnualRate;

  auto* fields = new QGridLayout;
  fields->setVerticalSpacing(4);
  Form form(*this, fields);
  const RangeTable<LoanScenarioInput> ranges = LoanScenarioRanges();
  for (std::size_t k = 0; k < 3; ++k) {
    NumericField* f = form.input(kLoanFields[k], ranges[k], input_);
    f->setValue(ValueOf(ranges[k], input_));
  }

  // The change being written, beside the loan: month, kind, amount and what the
  // money does.
  auto* editor = new QGridLayout;
  editor->setVerticalSpacing(4);
  Form changeForm(*this, editor);
  month_ = changeForm.input(kMonth, LoanChangeMonthRange);
  month_->setValue(1);
  kind_ = new QComboBox(this);
  kind_->setObjectName(QStringLiteral("cboChangeKind"));
  for (const char* caption : kKindCaptions) kind_->addItem(QString::fromLatin1(caption));
  kind_->setCurrentIndex(1);
  changeForm.place({"cboChangeKind", "Change", ":"}, kind_);
  addToTabOrder(kind_);
  amount_ = changeForm.input(kAmount, LoanChangeAmountRange);
  choice_ = new QComboBox(this);
  choice_->setObjectName(QStringLiteral("cboChangeChoice"));
  for (const char* caption : kChoiceCaptions) choice_->addItem(QString::fromLatin1(caption));
  changeForm.place({"cboChangeChoice", "The money goes to", ":"}, choice_);
  addToTabOrder(choice_);
  connect(kind_, &QComboBox::currentIndexChanged, this, [this] { kindChosen(); });

  auto* editButtons = new QHBoxLayout;
  const std::pair<const char*, const char*> buttons[] = {{"&Add change", "cmdAddChange"},
                                                         {"R&eplace change", "cmdReplaceChange"},
                                                         {"Re&move change", "cmdRemoveChange"}};
  for (const auto& [caption, name] : buttons) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    editButtons->addWidget(b);
    addToTabOrder(b);
  }
  editButtons->addStretch();
  connect(findChild<QPushButton*>(QStringLiteral("cmdAddChange")), &QPushButton::clicked, this,
          &LoanScenarioWindow::addChange);
  connect(findChild<QPushButton*>(QStringLiteral("cmdReplaceChange")), &QPushButton::clicked, this,
          &LoanScenarioWindow::replaceChange);
  connect(findChild<QPushButton*>(QStringLiteral("cmdRemoveChange")), &QPushButton::clicked, this,
          &LoanScenarioWindow::removeChange);

  changes_ = Table(this, "tblChanges", QStringLiteral("Changes"),
                   {QStringLiteral("Month"), QStringLiteral("Change")});
  changes_->setMinimumSize(280, 110);
  addToTabOrder(changes_);
  connect(changes_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < input_.Changes.size()) {
      showChange(input_.Changes[static_cast<std::size_t>(row)]);
    }
  });

  // The figures: both loans side by side with the rate table, the chart, the
  // schedule.
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tabResults"));
  auto* comparison = new QWidget(tabs_);
  auto* comparisonRows = new QHBoxLayout(comparison);
  auto* left = new QVBoxLayout;
  compare_ =
      Table(comparison, "tblCompare", QStringLiteral("The loan as it stands and the scenario"),
            {QString(), QStringLiteral("As it stands"), QStringLiteral("Scenario")});
  compare_->setSelectionMode(QAbstractItemView::NoSelection);
  note_ = new QLabel(
      tr("The last repayment of each loan is the part payment that settles the balance."),
      comparison);
  note_->setWordWrap(true);
  left->addWidget(compare_, 1);
  left->addWidget(note_);
  rates_ = Table(comparison, "tblRates", QStringLiteral("The same loan at other rates"),
                 {QStringLiteral("Rate % p.a."), QStringLiteral("Monthly repayment"),
                  QStringLiteral("Total interest")});
  comparisonRows->addLayout(left, 3);
  comparisonRows->addWidget(rates_, 2);
  tabs_->addTab(comparison, tr("Compar&ison"));
  chart_ = new ChartView(tabs_);
  chart_->setObjectName(QStringLiteral("chtBalance"));
  chart_->setAccessibleName(QStringLiteral("Balance outstanding, month by month"));
  chart_->setTitle(QStringLiteral("Balance outstanding"));
  chart_->setAxisTitles(QStringLiteral("Month"), QStringLiteral("Rand"));
  tabs_->addTab(chart_, tr("&Balance chart"));
  schedule_ =
      Table(tabs_, "tblSchedule", QStringLiteral("The scenario month by month"),
            {QStringLiteral("Month"), QStringLiteral("Rate"), QStringLiteral("Repayment"),
             QStringLiteral("Interest"), QStringLiteral("Capital"), QStringLiteral("Lump sum"),
             QStringLiteral("Balance"), QStringLiteral("Change")});
  tabs_->addTab(schedule_, tr("Sche&dule"));
  tabs_->setMinimumHeight(300);
  addToTabOrder(tabs_);

  // The loan, the change being written and the list of changes side by side,
  // the figures below.
  auto* change = new QVBoxLayout;
  change->addLayout(editor);
  change->addLayout(editButtons);
  change->addStretch();
  auto* loanColumn = new QVBoxLayout;
  loanColumn->addLayout(fields);
  loanColumn->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(loanColumn);
  top->addSpacing(16);
  top->addLayout(change);
  top->addSpacing(16);
  top->addWidget(changes_, 1);
  auto* layout = new QVBoxLayout;
  layout->addLayout(top);
  layout->addWidget(tabs_, 1);
  setForm(layout, nullptr, nullptr,
          {{"&Calculate", "cmdCalculate"},
           {"&Print", "cmdPrint"},
           {"&Use in Loans", "cmdUseInLoans"},
           kStretch,
           {"&OK", "cmdOK"}});
  connect(command(QStringLiteral("cmdUseInLoans")), &QPushButton::clicked, this,
          &LoanScenarioWindow::useInLoans);
  connect(okButton(), &QPushButton::clicked, this, [this] { closeWindow(); });
  kindChosen();
  showChanges();
  recalculate();
}

LoanChange LoanScenarioWindow::editedChange() const {
  LoanChange c;
  c.Month = static_cast<int>(month_->value());
  c.Kind = kKinds[std::clamp(kind_->currentIndex(), 0, 2)];
  c.Amount = amount_->value();
  c.Choice = kChoices[std::clamp(choice_->currentIndex(), 0, 1)];
  return c;
}

void LoanScenarioWindow::showChange(const LoanChange& change) {
  month_->setValue(change.Month);
  kind_->setCurrentIndex(static_cast<int>(
      std::find(std::begin(kKinds), std::end(kKinds), change.Kind) - std::begin(kKinds)));
  amount_->setValue(change.Amount);
  choice_->setCurrentIndex(change.Choice == LoanChangeChoice::ShorterTerm ? 0 : 1);
}

void LoanScenarioWindow::kindChosen() {
  // A rate takes three decimals up to 50 %; the money fields rand and cents. A
  // rate keeps the term, so the choice is for money only.
  const bool rate = kind_->currentIndex() == 0;
  const InputRange& range = rate ? LoanChangeRateRange : LoanChangeAmountRange;
  amount_->setDecimals(range.Decimals);
  amount_->setRange(range.Min, range.Max);
  if (amount_->value() > range.Max) amount_->setValue(0);
  choice_->setEnabled(!rate);
}

void LoanScenarioWindow::addChange() {
  const LoanChange c = editedChange();
  if (c.Month > input_.Period) {
    refuse(month_, kTitle,
           tr("The change must fall within the loan's %n month(s).", nullptr,
              static_cast<int>(input_.Period)));
    return;
  }
  // The list stands in the order the changes apply: by month, and in the order
  // they were added within a month.
  const auto at =
      std::upper_bound(input_.Changes.begin(), input_.Changes.end(), c,
                       [](const LoanChange& a, const LoanChange& b) { return a.Month < b.Month; });
  const int row = static_cast<int>(at - input_.Changes.begin());
  input_.Changes.insert(at, c);
  showChanges(row);
  recalculate();
}

void LoanScenarioWindow::replaceChange() {
  const int row = changes_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= input_.Changes.size()) {
    refuse(changes_, kTitle, tr("Choose the change to replace in the list first."));
    return;
  }
  input_.Changes.erase(input_.Changes.begin() + row);
  addChange();
}

void LoanScenarioWindow::removeChange() {
  const int row = changes_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= input_.Changes.size()) {
    refuse(changes_, kTitle, tr("Choose the change to remove in the list first."));
    return;
  }
  input_.Changes.erase(input_.Changes.begin() + row);
  showChanges(std::min(row, static_cast<int>(input_.Changes.size()) - 1));
  recalculate();
}

void LoanScenarioWindow::showChanges(int select) {
  const QSignalBlocker quiet(changes_);
  changes_->setRowCount(static_cast<int>(input_.Changes.size()));
  for (std::size_t k = 0; k < input_.Changes.size(); ++k) {
    const LoanChange& c = input_.Changes[k];
    changes_->setItem(static_cast<int>(k), 0, Item(QString::number(c.Month)));
    changes_->setItem(static_cast<int>(k), 1, Item(LoanChangeText(c), false));
  }
  changes_->resizeColumnToContents(0);
  // The chosen change stands in the fields too, ready to be replaced.
  if (select >= 0) {
    changes_->setCurrentCell(select, 0);
    showChange(input_.Changes[static_cast<std::size_t>(select)]);
  }
}

// A refused input in the window's words: a change is named by its row in the
// list (counted from 1), not by its place in the record.
QString LoanScenarioWindow::refusal(const InputError& error) const {
  const QString field = QString::fromStdString(error.Field);
  const QRegularExpression change(QStringLiteral(R"(^Changes\[(\d+)\]\.)"));
  if (const auto m = change.match(field); m.hasMatch()) {
    return tr("The change in row %1 of the list, %2: %3")
        .arg(m.captured(1).toInt() + 1)
        .arg(field.mid(m.capturedLength()), QString::fromStdString(error.Message));
  }
  return QString::fromStdString(error.Text());
}

void LoanScenarioWindow::calculate() {
  if (const auto error = ValidateLoanScenario(input_)) {
    refuse(nullptr, kTitle, refusal(*error));
    return;
  }
  calculated_ = input_;
  result_ = ComputeLoanScenario(input_);
  showResult();
}

void LoanScenarioWindow::showResult() {
  const LoanOutcome& base = result_.AsItStands;
  const LoanOutcome& scenario = result_.Scenario;
  const auto both = [](const LoanOutcome& o, auto figure) { return figure(o); };
  struct Line {
    const char* caption;
    QString (*text)(const LoanOutcome&);
  };
  const Line lines[] = {
      {"Monthly repayment", [](const LoanOutcome& o) { return LoanRepaymentsText(o); }},
      {"Number of months", [](const LoanOutcome& o) { return QString::number(o.Months); }},
      {"Paid off in month", [](const LoanOutcome& o) { return QString::number(o.Months); }},
      {"Last (part) payment", [](const LoanOutcome& o) { return Rand(o.LastPayment); }},
      {"Total interest", [](const LoanOutcome& o) { return Rand(o.TotalInterest); }},
      {"Total repayments", [](const LoanOutcome& o) { return Rand(o.TotalRepayments); }},
  };
  const int rows = static_cast<int>(std::size(lines)) + 2;
  compare_->setRowCount(rows);
  int r = 0;
  for (const Line& line : lines) {
    compare_->setItem(r, 0, Item(QString::fromLatin1(line.caption), false));
    compare_->setItem(r, 1, Item(both(base, line.text)));
    compare_->setItem(r, 2, Item(both(scenario, line.text)));
    ++r;
  }
  compare_->setItem(r, 0, Item(tr("Interest saved"), false, true));
  compare_->setItem(r, 1, Item(QString()));
  compare_->setItem(r, 2, Item(Rand(result_.InterestSaved), true, true));
  ++r;
  compare_->setItem(r, 0, Item(tr("Months saved"), false, true));
  compare_->setItem(r, 1, Item(QString()));
  compare_->setItem(r, 2, Item(QString::number(result_.MonthsSaved), true, true));
  compare_->resizeColumnsToContents();

  rates_->setRowCount(static_cast<int>(result_.RateTable.size()));
  for (std::size_t k = 0; k < result_.RateTable.size(); ++k) {
    const LoanRateRow& row = result_.RateTable[k];
    const int at = static_cast<int>(k);
    const QString rate = QString::fromStdString(FormatAmount(row.AnnualRate, 3)) +
                         (row.Current ? tr("  (current)") : QString());
    rates_->setItem(at, 0, Item(rate, true, row.Current));
    rates_->setItem(at, 1, Item(Amount(row.Repayment), true, row.Current));
    rates_->setItem(at, 2, Item(Amount(row.TotalInterest), true, row.Current));
  }
  rates_->resizeColumnsToContents();

  // The balances from the principal at month 0.
  std::vector<ChartSeries> series;
  for (const auto& [name, outcome] : {std::pair{"As it stands", &base}, {"Scenario", &scenario}}) {
    if (outcome->Schedule.empty()) continue;
    ChartSeries s{name, {{0, calculated_.Principal}}, ChartSeries::Kind::Line};
    for (const LoanScenarioMonth& m : outcome->Schedule) {
      s.points.push_back({static_cast<double>(m.Month), m.Balance});
    }
    series.push_back(std::move(s));
  }
  chart_->setSeries(std::move(series));

  schedule_->setRowCount(static_cast<int>(scenario.Schedule.size()));
  std::vector<LoanChange> ordered = calculated_.Changes;
  for (std::size_t k = 0; k < scenario.Schedule.size(); ++k) {
    const LoanScenarioMonth& m = scenario.Schedule[k];
    QStringList here;
    for (const LoanChange& c : ordered) {
      if (c.Month == m.Month) here << LoanChangeText(c);
    }
    const int at = static_cast<int>(k);
    const QString cells[] = {
        QString::number(m.Month), QString::fromStdString(FormatAmount(m.AnnualRate, 3)),
        Amount(m.Repayment),      Amount(m.Interest),
        Amount(m.Capital),        m.LumpSum != 0 ? Amount(m.LumpSum) : QString(),
        Amount(m.Balance)};
    for (int c = 0; c < 7; ++c) schedule_->setItem(at, c, Item(cells[c], true, m.Changed));
    schedule_->setItem(at, 7, Item(here.join(QStringLiteral("; ")), false, m.Changed));
  }
  schedule_->resizeColumnsToContents();
}

void LoanScenarioWindow::useInLoans() {
  if (const auto error = ValidateLoanScenario(input_)) {
    refuse(nullptr, kTitle, refusal(*error));
    return;
  }
  // The loans window takes the loan (not the changes) and shows it when next
  // activated, its repayment worked out by its own formula.
  LoanState& loan = context().state.Loan;
  loan.Principal = input_.Principal;
  loan.Period = input_.Period;
  loan.AnnualRate = input_.AnnualRate;
  loan.Repayment = LoanRepayment(input_.Principal, input_.Period, input_.AnnualRate);
  loan.CalcMode = LoanModeRepayment;
}

std::optional<Report> LoanScenarioWindow::report() {
  if (calculated_.Principal <= 0 || calculated_.Period <= 0) {
    refuse(nullptr, kTitle, tr("Type the loan's principal and period, then calculate."));
    return std::nullopt;
  }
  return LoanScenarioReport(calculated_, result_);
}

}  // namespace reventa
