// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule panel of the loans window (fraGrid): the monthly or yearly lines
// of the loan in the grid grdPayments, and beside it a chart of the same lines,
// the balance outstanding as a line over the capital and interest of each
// repayment as stacked bars. "&OK" (cmdGridClose) under the grid hides it.
#pragma once

#include <vector>

#include "calc/finance/loan.h"
#include "frame/panel_frame.h"

class QPushButton;
class QTableWidget;

namespace reventa {

class ChartView;

class LoansGridPanel : public PanelFrame {
  Q_OBJECT

 public:
  explicit LoansGridPanel(QWidget* window);

  // Fills the grid and the chart from the schedule's lines, a month or a year
  // each, and sizes the grid to them: up to 10 lines in full, more with a
  // scroll bar.
  void setSchedule(const std::vector<AmortisationRow>& rows, bool annual);

  // The lines the grid shows at once.
  static constexpr int kVisibleRows = 10;

  QTableWidget* grid() const { return grid_; }
  ChartView* chart() const { return chart_; }
  QPushButton* closeButton() const { return close_; }

 private:
  void sizeGrid(int rows);

  QTableWidget* grid_;
  ChartView* chart_;
  QPushButton* close_;
};

}  // namespace reventa
