// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/ui/loan_comparison_window.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/finance/loan.h"
#include "store/reports/finance_reports.h"
#include "taxyear/numbers.h"
#include "taxyear/shared_state.h"
#include "widgets/chart_view.h"

namespace reventa {
namespace {

const bool kRegistered = RegisterCalculatorWindow(
    QStringLiteral("frmLoanComp"), [](AppContext& c) { return new LoanComparisonWindow(c); });

const FieldEntry kAmount{"numBAmt", "Bond amount", ": R"};
const FieldEntry kRate{"numIntRate", "Interest rate", ":", "%p.a.", FieldLook::Rate};

// The bars of the chart, two years wide at each five-year term.
constexpr double kBarYears = 2;

// The grid's heading row; the spaces are part of the captions.
const QStringList kHeadings{QStringLiteral(" Period "), QStringLiteral("Monthly repayment"),
                            QStringLiteral("   Total Interest   "),
                            QStringLiteral("  Total Paid    ")};
constexpr int kColumns = 4;
constexpr int kRows = 1 + static_cast<int>(BondTerms.size());

// The grid's design is in twips, 15 to a pixel at 96 dots an inch.
constexpr int Twips(int twips) { return (twips + 7) / 15; }
constexpr int kFigureWidths[kColumns] = {0, Twips(1750), Twips(1600), Twips(1600)};
constexpr int kRowHeight = Twips(250);
// Room a cell's text needs beside it: the cell's margins and focus frame.
constexpr int kCellPadding = 12;

// A figure of the grid: space thousands separators, two decimals and a space
// after, so the centred figures of a column stand clear of the next one.
QString Figure(double value) { return QString::fromStdString(FormatAmount(value)) + u' '; }

QTableWidgetItem* Cell(Qt::Alignment alignment) {
  auto* item = new QTableWidgetItem;
  item->setTextAlignment(alignment);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

LoanComparisonWindow::LoanComparisonWindow(AppContext& context)
    : FinanceWindow(context, QStringLiteral("frmLoanComp"), QStringLiteral("Loan Comparison")) {
  auto* fields = new QGridLayout;
  fields->setVerticalSpacing(4);
  fields->setColumnStretch(4, 1);
  Form form(*this, fields);
  sharedInput(form, kAmount, LoanComparisonRanges[0], context.state.LoanComparison);
  sharedInput(form, kRate, LoanComparisonRanges[1], context.state.LoanComparison);

  grid_ = buildGrid();
  addToTabOrder(grid_);
  chart_ = new ChartView(this);
  chart_->setObjectName(QStringLiteral("chtTerms"));
  chart_->setAccessibleName(QStringLiteral("Capital and interest over each term"));
  chart_->setTitle(QStringLiteral("Capital and interest by term"));
  chart_->setAxisTitles(QStringLiteral("Term (years)"), QStringLiteral("Rand"));
  chart_->setMinimumSize(430, 260);

  auto* figures = new QVBoxLayout;
  figures->addLayout(fields);
  figures->addSpacing(8);
  figures->addWidget(grid_, 0, Qt::AlignLeft);
  figures->addStretch();
  setForm(figures, chart_);
}

QTableWidget* LoanComparisonWindow::buildGrid() {
  auto* grid = new QTableWidget(kRows, kColumns, this);
  grid->setObjectName(QStringLiteral("grdPayments"));
  grid->setAccessibleName(QStringLiteral("Repayments by term"));
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  // Tab leaves the grid for the buttons; the arrows move within it.
  grid->setTabKeyNavigation(false);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

  // Row 0 is the heading row, drawn as a grid's fixed row.
  QFont bold = grid->font();
  bold.setBold(true);
  for (int c = 0; c < kColumns; ++c) {
    QTableWidgetItem* heading = Cell(Qt::AlignCenter);
    heading->setText(kHeadings.at(c));
    heading->setFont(bold);
    heading->setBackground(palette().button());
    heading->setForeground(palette().buttonText());
    grid->setItem(0, c, heading);
  }
  for (int r = 1; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      grid->setItem(r, c, Cell(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter));
    }
  }
  grid_ = grid;
  sizeGrid();
  return grid;
}

void LoanComparisonWindow::sizeGrid() {
  QFont bold = grid_->font();
  bold.setBold(true);
  const QFontMetrics plain(grid_->font());
  const QFontMetrics heading(bold);

  // The widest figures: the largest bond at the highest rate over the longest
  // term, and a bond without interest (its interest is minus the amount).
  const BondComparison widest = CompareBondTerms(BondAmountMax, static_cast<float>(BondRateMax));
  std::array<QStringList, kColumns> samples;
  for (const BondTermRow& row : widest) {
    samples[0] << QString::fromStdString(row.Caption);
    samples[1] << Figure(row.Repayment);
    samples[2] << Figure(row.Interest);
    samples[3] << Figure(row.Total);
  }
  samples[2] << Figure(-BondAmountMax);

  int width = 0;
  for (int c = 0; c < kColumns; ++c) {
    int column = c == 0 ? qRound(1.2 * plain.horizontalAdvance(kHeadings.at(0))) : kFigureWidths[c];
    column = std::max(column, heading.horizontalAdvance(kHeadings.at(c)) + kCellPadding);
    for (const QString& text : samples[c]) {
      column = std::max(column, plain.horizontalAdvance(text) + kCellPadding);
    }
    grid_->setColumnWidth(c, column);
    width += column;
  }
  // Rows as high as the text needs, never lower than the design's.
  const int rowHeight = std::max({kRowHeight, plain.height() + 6, heading.height() + 6});
  for (int r = 0; r < kRows; ++r) grid_->setRowHeight(r, rowHeight);
  const int frame = 2 * grid_->frameWidth();
  grid_->setFixedSize(width + Twips(20) + frame, kRows * rowHeight + frame);
}

void LoanComparisonWindow::calculate() {
  const LoanComparisonState& bond = context().state.LoanComparison;
  calculatedAmount_ = bond.BondAmount;
  calculatedRate_ = bond.BondRate;
  rows_ = CompareBondTerms(calculatedAmount_, calculatedRate_);
  showRows();
  showChart();
}

void LoanComparisonWindow::showRows() {
  for (int r = 1; r < kRows; ++r) {
    const BondTermRow& row = rows_[static_cast<std::size_t>(r - 1)];
    grid_->item(r, 0)->setText(QString::fromStdString(row.Caption));
    grid_->item(r, 1)->setText(Figure(row.Repayment));
    grid_->item(r, 2)->setText(Figure(row.Interest));
    grid_->item(r, 3)->setText(Figure(row.Total));
  }
}

void LoanComparisonWindow::showChart() {
  // Without interest there are no repayments: the interest of each term is
  // minus the amount, which stacked on the capital would draw a band back down
  // to nothing. Such a bond shows an empty chart.
  if (calculatedRate_ == 0) {
    chart_->setSeries({});
    return;
  }
  std::vector<ChartPoint> capital;
  std::vector<ChartPoint> interest;
  for (const BondTermRow& row : rows_) {
    const double years = row.Months / 12;
    capital.push_back({years, calculatedAmount_});
    interest.push_back({years, row.Interest});
  }
  chart_->setSeries({
      {"Capital", capital, ChartSeries::Kind::StackedBars, kBarYears},
      {"Total interest", interest, ChartSeries::Kind::StackedBars, kBarYears},
  });
}

std::optional<Report> LoanComparisonWindow::report() {
  const LoanComparisonState& bond = context().state.LoanComparison;
  if (!(bond.BondAmount > 0 && bond.BondRate > 0)) return std::nullopt;
  // The report is the grid as it stands: the bond the rows were calculated
  // for, so that an amount typed since cannot head another bond's figures.
  return LoanComparisonReport(calculatedAmount_, calculatedRate_, rows_);
}

}  // namespace reventa
