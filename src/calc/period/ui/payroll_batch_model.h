// SPDX-License-Identifier: GPL-3.0-or-later
// The grid of the payroll batch window: one row per employee of the file (the rows
// that could not be read included, with their message), the inputs the file gives,
// the figures the period's window shows, gross and net pay, and a totals row that
// stays last whatever the order. Sorting and the filter by employee number or name
// work on a list of row numbers, so a payroll of 100 000 employees sorts and
// filters without copying a row.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <memory>
#include <vector>

#include "calc/period/payroll_batch.h"

namespace reventa {

class PayrollBatchModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit PayrollBatchModel(QObject* parent = nullptr);

  // Shows a new batch, in file order, with the filter kept.
  void setBatch(std::shared_ptr<const PayrollBatch> batch);
  const std::shared_ptr<const PayrollBatch>& batch() const { return batch_; }
  const PayrollTotals& totals() const { return totals_; }

  // Shows only the employees whose number or name holds the text (any case).
  void setFilter(const QString& text);
  // The employees shown, in the order shown (the totals row not counted).
  std::size_t shownEmployees() const { return order_.size(); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  // What a column shows.
  struct Column {
    enum Kind { Number, Name, Input, Result, Gross, Net, Message } kind;
    int input = -1;                            // Input: the index in the range table
    double PayrollFigures::*figure = nullptr;  // Result
    QString caption;
  };
  void buildColumns();
  void applyFilter();
  // Puts the employees shown in the order of the sort column.
  void sortShown();
  // The value of a cell of an employee as the grid sorts it.
  double number(const PayrollEmployee& e, const Column& c) const;
  QString text(const PayrollEmployee& e, const Column& c) const;
  QString totalText(const Column& c) const;

  std::shared_ptr<const PayrollBatch> batch_;
  PayrollTotals totals_;
  std::vector<Column> columns_;
  std::vector<int> order_;  // employees shown, as indices into the batch
  QString filter_;
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace reventa
