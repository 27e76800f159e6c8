// SPDX-License-Identifier: GPL-3.0-or-later
// The two table stores (report data and settings) are SQLite files. Each access
// opens the file, does its work in one transaction and closes it again, so
// nothing stays open between prints. Every failure comes back as a message that
// names the store and the problem; nothing is ever half written. A save cut short
// (the program killed mid-save) is rolled back by the next access that may write
// the store, reads included.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <optional>
#include <variant>

namespace reventa {

// Field names with their values, in the order a calculator writes them.
using FieldList = QList<QPair<QString, QVariant>>;
using StoreProblem = std::optional<QString>;

// Why a store could not be read. `damaged`: the file itself is at fault (it is not
// a store, it is empty, or it lacks the table or the table's row), which no retry
// mends; otherwise the store may be usable again once it is free, writable or
// back in its place.
struct StoreFailure {
  QString text;
  bool damaged = false;
};

class TableStore {
 public:
  // kind names the store in messages: "report data store", "settings store".
  TableStore(QString path, QString kind);

  const QString& path() const { return path_; }

  // Edits the first (only) row of the table: every field in one transaction.
  StoreProblem WriteRow(const QString& table, const FieldList& fields) const;
  // Empties the table and adds the rows, in one transaction.
  StoreProblem Refill(const QString& table, const QList<FieldList>& rows) const;
  // Every row of the table in the order it was added; an error text when the
  // store or the table cannot be read.
  std::variant<QList<QVariantMap>, QString> ReadRows(const QString& table) const;
  // The first row, which a single-row table must have.
  std::variant<QVariantMap, QString> ReadFirstRow(const QString& table) const;
  // As ReadFirstRow, telling a damaged store from one that cannot be reached.
  std::variant<QVariantMap, StoreFailure> ReadFirstRowOrFailure(const QString& table) const;

 private:
  class Connection;
  std::variant<QList<QVariantMap>, StoreFailure> Read(const QString& table) const;
  QString path_;
  QString kind_;
};

}  // namespace reventa
