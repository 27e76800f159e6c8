// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/finance/ui/loans_grid_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "taxyear/numbers.h"
#include "widgets/chart_view.h"

namespace reventa {
namespace {

// The headings keep their spaces: they set the columns' widths.
const QStringList kMonthHeadings{QStringLiteral(" Month   "), QStringLiteral("Capital payment "),
                                 QStringLiteral("Interest payment"),
                                 QStringLiteral("    Balance    ")};
const QStringList kYearHeadings{QStringLiteral(" Year "), QStringLiteral("Capital payments"),
                                QStringLiteral("Interest payment"),
                                QStringLiteral("    Balance      ")};

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(Qt::AlignCenter);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

QString Amount(double value) { return QString::fromStdString(FormatAmount(value)); }

}  // namespace

LoansGridPanel::LoansGridPanel(QWidget* window)
    : PanelFrame(window, QStringLiteral("fraGrid")),
      grid_(new QTableWidget(this)),
      chart_(new ChartView(this)),
      close_(makeCloseButton(QStringLiteral("&OK"), QStringLiteral("cmdGridClose"))) {
  grid_->setObjectName(QStringLiteral("grdPayments"));
  grid_->setAccessibleName(QStringLiteral("Amortisation schedule"));
  grid_->setColumnCount(4);
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grid_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  chart_->setObjectName(QStringLiteral("chtBalance"));
  chart_->setAccessibleName(QStringLiteral("Balance outstanding"));
  chart_->setFixedSize(520, 330);

  auto* left = new QVBoxLayout;
  left->addWidget(grid_);
  left->addStretch();
  left->addWidget(close_, 0, Qt::AlignLeft);
  auto* row = new QHBoxLayout;
  row->addLayout(left);
  row->addSpacing(8);
  row->addWidget(chart_, 0, Qt::AlignTop);
  content()->addLayout(row);
}

void LoansGridPanel::setSchedule(const std::vector<AmortisationRow>& rows, bool annual) {
  const int count = static_cast<int>(rows.size());
  grid_->clearContents();
  grid_->setRowCount(count);
  grid_->setHorizontalHeaderLabels(annual ? kYearHeadings : kMonthHeadings);
  std::vector<ChartPoint> balance;
  std::vector<ChartPoint> capital;
  std::vector<ChartPoint> interest;
  balance.reserve(rows.size());
  capital.reserve(rows.size());
  interest.reserve(rows.size());
  for (int r = 0; r < count; ++r) {
    const AmortisationRow& line = rows[static_cast<std::size_t>(r)];
    grid_->setItem(r, 0, Cell(QString::number(line.Number)));
    grid_->setItem(r, 1, Cell(Amount(line.Capital)));
    grid_->setItem(r, 2, Cell(Amount(line.Interest)));
    grid_->setItem(r, 3, Cell(Amount(line.Balance)));
    const auto number = static_cast<double>(line.Number);
    balance.push_back({number, line.Balance});
    capital.push_back({number, line.Capital});
    interest.push_back({number, line.Interest});
  }
  sizeGrid(count);

  const QString unit = annual ? QStringLiteral("Year") : QStringLiteral("Month");
  chart_->setTitle(annual ? QStringLiteral("Balance outstanding at the end of each year")
                          : QStringLiteral("Balance outstanding after each repayment"));
  chart_->setAxisTitles(unit, QStringLiteral("Balance (R)"));
  // A repayment's parts are too small beside the balance to read on its axis.
  chart_->setStackedAxisTitle(QStringLiteral("Capital and interest (R)"));
  chart_->setSeries({
      {"Balance", balance, ChartSeries::Kind::Line},
      {annual ? "Capital repaid" : "Capital", capital, ChartSeries::Kind::StackedBars},
      {annual ? "Interest paid" : "Interest", interest, ChartSeries::Kind::StackedBars},
  });
}

void LoansGridPanel::sizeGrid(int rows) {
  // Each column as wide as its heading (or its widest figure) needs.
  grid_->resizeColumnsToContents();
  QHeaderView* header = grid_->horizontalHeader();
  for (int c = 0; c < grid_->columnCount(); ++c)
    header->resizeSection(c, header->sectionSize(c) + 12);
  const int shown = qMin(rows, kVisibleRows);
  const int frame = 2 * grid_->frameWidth();
  int width = frame;
  for (int c = 0; c < grid_->columnCount(); ++c) width += header->sectionSize(c);
  if (rows > kVisibleRows) width += grid_->verticalScrollBar()->sizeHint().width();
  const int height =
      frame + header->sizeHint().height() + shown * grid_->verticalHeader()->defaultSectionSize();
  grid_->setFixedSize(width, height);
  grid_->scrollToTop();
}

}  // namespace reventa
