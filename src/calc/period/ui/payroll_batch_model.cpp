// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/period/ui/payroll_batch_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <algorithm>
#include <cmath>
#include <limits>

#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"

namespace reventa {
namespace {

// The captions of the figures, as the period's window labels them.
struct ResultCaption {
  const char* key;
  const char* caption;
};
constexpr ResultCaption kResultCaptions[] = {
    {"RFundAllowable", "Allowable R/Fund deduction"},
    {"TaxableTravelAllowance", "Taxable travel allowance"},
    {"UifEmployee", "UIF contribution Employee"},
    {"UifEmployer", "UIF contribution Employer"},
    {"SdlAmount", "S.D.L."},
    {"PeriodTax", "Tax liability"},
    {"MedCredit", "Tax credits for beneficiaries"},
    {"AddMedCredit", "Tax credits for contributions"},
    {"NetPeriodTax", "Total tax deduction"},
};

QString Amount(double value, int decimals = 2) {
  return QString::fromStdString(FormatAmount(value, decimals));
}

// Case-blind search for ASCII letters; other bytes (accented letters in UTF-8)
// must match as typed.
bool Holds(const std::string& text, const std::string& lowerNeedle) {
  if (lowerNeedle.empty()) return true;
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return std::search(text.begin(), text.end(), lowerNeedle.begin(), lowerNeedle.end(),
                     [&](char a, char b) { return lower(a) == b; }) != text.end();
}

// Employee numbers sort as numbers where both are numbers ("9" before "10"),
// else as text.
bool TextBefore(const std::string& a, const std::string& b) {
  const auto digits = [](const std::string& s) {
    return !s.empty() && s.size() < 16 &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (digits(a) && digits(b) && a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace

PayrollBatchModel::PayrollBatchModel(QObject* parent) : QAbstractTableModel(parent) {}

void PayrollBatchModel::setBatch(std::shared_ptr<const PayrollBatch> batch) {
  beginResetModel();
  batch_ = std::move(batch);
  totals_ = batch_ ? TotalPayroll(*batch_) : PayrollTotals{};
  buildColumns();
  sortColumn_ = -1;
  applyFilter();
  endResetModel();
}

void PayrollBatchModel::buildColumns() {
  columns_.clear();
  if (!batch_) return;
  columns_.push_back({Column::Number, -1, nullptr, tr("Number")});
  columns_.push_back({Column::Name, -1, nullptr, tr("Name")});
  const RangeTable<PayPeriodInput> ranges = PayPeriodRanges(batch_->Kind);
  for (std::size_t i = 0; i < ranges.size() && i < batch_->InputColumns.size(); ++i) {
    if (batch_->InputColumns[i] >= 0) {
      columns_.push_back(
          {Column::Input, static_cast<int>(i), nullptr, QString::fromLatin1(ranges[i].Range.Key)});
    }
  }
  for (const PayrollResultColumn& result : PayrollResultColumns) {
    // Only the monthly window shows the taxable part of the travel allowance.
    if (result.Member == &PayrollFigures::TaxableTravelAllowance &&
        batch_->Kind != PayPeriodKind::Monthly) {
      continue;
    }
    QString caption = QString::fromLatin1(result.Key);
    for (const ResultCaption& c : kResultCaptions) {
      if (caption == QLatin1String(c.key)) caption = tr(c.caption);
    }
    columns_.push_back({Column::Result, -1, result.Member, caption});
  }
  columns_.push_back({Column::Gross, -1, nullptr, tr("Gross pay")});
  columns_.push_back({Column::Net, -1, nullptr, tr("Net pay")});
  columns_.push_back({Column::Message, -1, nullptr, tr("Message")});
}

void PayrollBatchModel::setFilter(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed == filter_) return;
  beginResetModel();
  filter_ = trimmed;
  applyFilter();
  endResetModel();
}

void PayrollBatchModel::applyFilter() {
  order_.clear();
  if (!batch_) return;
  std::string needle = filter_.toLower().toStdString();
  const auto& employees = batch_->Employees;
  order_.reserve(employees.size());
  for (std::size_t i = 0; i < employees.size(); ++i) {
    const PayrollEmployee& e = employees[i];
    if (Holds(e.Number, needle) || Holds(e.Name, needle)) order_.push_back(static_cast<int>(i));
  }
  if (sortColumn_ >= 0) sortShown();
}

int PayrollBatchModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !batch_) return 0;
  return static_cast<int>(order_.size()) + 1;  // and the totals row
}

int PayrollBatchModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

double PayrollBatchModel::number(const PayrollEmployee& e, const Column& c) const {
  constexpr double none = std::numeric_limits<double>::quiet_NaN();
  if (c.kind == Column::Input) {
    if (!e.Calculated()) return none;
    return ValueOf(PayPeriodRanges(batch_->Kind)[static_cast<std::size_t>(c.input)], e.Input);
  }
  if (!e.Calculated()) return none;
  switch (c.kind) {
    case Column::Result:
      return e.Figures.*c.figure;
    case Column::Gross:
      return PayslipOf(e).Gross;
    case Column::Net:
      return PayslipOf(e).Net;
    default:
      return none;
  }
}

QString PayrollBatchModel::text(const PayrollEmployee& e, const Column& c) const {
  switch (c.kind) {
    case Column::Number:
      return QString::fromStdString(e.Number);
    case Column::Name:
      return QString::fromStdString(e.Name);
    case Column::Message:
      return QString::fromStdString(e.Error);
    case Column::Input: {
      if (!e.Calculated()) {
        // A row that could not be read shows its cells as the file gives them.
        const int at = batch_->InputColumns[static_cast<std::size_t>(c.input)];
        return at >= 0 && static_cast<std::size_t>(at) < e.Cells.size()
                   ? QString::fromStdString(e.Cells[static_cast<std::size_t>(at)])
                   : QString();
      }
      const InputRange& range =
          PayPeriodRanges(batch_->Kind)[static_cast<std::size_t>(c.input)].Range;
      const double value = number(e, c);
      if (range.Date) return QString::fromStdString(FormatDate(value));
      return Amount(value, range.Decimals);
    }
    default: {
      const double value = number(e, c);
      return std::isnan(value) ? QString() : Amount(value);
    }
  }
}

QString PayrollBatchModel::totalText(const Column& c) const {
  switch (c.kind) {
    case Column::Number:
      return tr("%n employee(s)", nullptr, static_cast<int>(totals_.Employees));
    case Column::Name:
      return tr("Totals");
    case Column::Message:
      return totals_.NotCalculated == 0
                 ? QString()
                 : tr("%n row(s) not calculated", nullptr, static_cast<int>(totals_.NotCalculated));
    case Column::Gross:
      return Amount(totals_.Gross);
    case Column::Net:
      return Amount(totals_.Net);
    case Column::Result:
      for (std::size_t i = 0; i < PayrollResultColumns.size(); ++i) {
        if (PayrollResultColumns[i].Member == c.figure) return Amount(totals_.Results[i]);
      }
      return {};
    default:
      return {};
  }
}

QVariant PayrollBatchModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !batch_) return {};
  const Column& c = columns_[static_cast<std::size_t>(index.column())];
  const bool totals = static_cast<std::size_t>(index.row()) == order_.size();
  const bool numeric = c.kind == Column::Input || c.kind == Column::Result ||
                       c.kind == Column::Gross || c.kind == Column::Net;
  if (totals) {
    switch (role) {
      case Qt::DisplayRole:
        return totalText(c);
      case Qt::FontRole: {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      case Qt::TextAlignmentRole:
        return numeric ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
      default:
        return {};
    }
  }
  const PayrollEmployee& e =
      batch_->Employees[static_cast<std::size_t>(order_[static_cast<std::size_t>(index.row())])];
  switch (role) {
    case Qt::DisplayRole:
      return text(e, c);
    case Qt::ToolTipRole:
      return e.Calculated()
                 ? QVariant()
                 : QVariant(tr("Line %1: %2").arg(e.Line).arg(QString::fromStdString(e.Error)));
    case Qt::TextAlignmentRole:
      return numeric ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::BackgroundRole:
      return e.Calculated() ? QVariant() : QVariant(QBrush(QColor(255, 228, 225)));
    default:
      return {};
  }
}

QVariant PayrollBatchModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) {
    // The line of the file each row comes from, so a clerk finds it there.
    if (!batch_ || section < 0) return {};
    if (static_cast<std::size_t>(section) >= order_.size()) return {};
    return static_cast<qulonglong>(
        batch_->Employees[static_cast<std::size_t>(order_[static_cast<std::size_t>(section)])]
            .Line);
  }
  if (section < 0 || static_cast<std::size_t>(section) >= columns_.size()) return {};
  return columns_[static_cast<std::size_t>(section)].caption;
}

void PayrollBatchModel::sort(int column, Qt::SortOrder order) {
  if (!batch_ || column < 0 || static_cast<std::size_t>(column) >= columns_.size()) return;
  Q_EMIT layoutAboutToBeChanged();
  sortColumn_ = column;
  sortOrder_ = order;
  sortShown();
  Q_EMIT layoutChanged();
}

void PayrollBatchModel::sortShown() {
  const Column& c = columns_[static_cast<std::size_t>(sortColumn_)];
  const auto& employees = batch_->Employees;
  const bool descending = sortOrder_ == Qt::DescendingOrder;
  if (c.kind == Column::Number || c.kind == Column::Name || c.kind == Column::Message) {
    const auto key = [&](int i) -> const std::string& {
      const PayrollEmployee& e = employees[static_cast<std::size_t>(i)];
      return c.kind == Column::Number ? e.Number : c.kind == Column::Name ? e.Name : e.Error;
    };
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
      return descending ? TextBefore(key(b), key(a)) : TextBefore(key(a), key(b));
    });
  } else {
    // Figures are worked out once per row, not once per comparison; a row
    // without a figure goes last either way.
    std::vector<double> keys(employees.size());
    for (const int i : order_) {
      keys[static_cast<std::size_t>(i)] = number(employees[static_cast<std::size_t>(i)], c);
    }
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
      const double x = keys[static_cast<std::size_t>(a)];
      const double y = keys[static_cast<std::size_t>(b)];
      if (std::isnan(x) || std::isnan(y)) return !std::isnan(x) && std::isnan(y);
      return descending ? y < x : x < y;
    });
  }
}

}  // namespace reventa
