// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/table_store.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace reventa {
namespace {

QString Quoted(const QString& identifier) {
  QString q = identifier;
  q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + q + QLatin1Char('"');
}

// Write permission as the user set it. A file or folder without any write bit is
// read-only by intent, even for a user (such as root) whom the system would let
// write it.
bool Writable(const QFileInfo& info) {
  const bool writeBits = (info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                                                QFileDevice::WriteOther));
  return info.isWritable() && writeBits;
}

// SQLite's answer for a file that is not a store or whose pages are corrupt.
bool IsDamage(const QSqlError& error) {
  const int code = error.nativeErrorCode().toInt();
  const QString text = error.text();
  return code == 11 || code == 26 || text.contains(QLatin1String("not a database")) ||
         text.contains(QLatin1String("malformed"));
}

}  // namespace

// One open connection for the length of one access.
class TableStore::Connection {
 public:
  Connection(const QString& path, const QString& kind, bool forWriting)
      : name_(QStringLiteral("reventa-store-%1").arg(counter_.fetchAndAddRelaxed(1))),
        path_(path),
        kind_(kind) {
    const QFileInfo info(path);
    if (!info.exists()) {
      problem_ = QStringLiteral("The %1 cannot be found:\n%2").arg(kind, path);
      return;
    }
    if (!info.isFile() || !info.isReadable()) {
      problem_ = QStringLiteral("The %1 could not be opened: it is not a file you may read:\n%2")
                     .arg(kind, path);
      return;
    }
    // Saving writes a journal beside the store, so the folder must be writable too.
    const QString folder = info.absolutePath();
    const bool fileWritable = Writable(info);
    const bool folderWritable = Writable(QFileInfo(folder));
    if (forWriting && !fileWritable) {
      problem_ = QStringLiteral("The %1 is read-only, so nothing can be written to it:\n%2")
                     .arg(kind, path);
      return;
    }
    if (forWriting && !folderWritable) {
      problem_ = QStringLiteral(
                     "The folder of the %1 is not writable, so nothing can be saved in the "
                     "store:\n%2")
                     .arg(kind, folder);
      return;
    }
    // Reading opens the store for writing whenever it may be written: a save cut
    // short (the program killed, the power gone) leaves a journal that SQLite rolls
    // back on the next access, which a read-only connection cannot do.
    const bool readWrite = fileWritable && folderWritable;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=1500");
    if (!readWrite) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
      problem_ = Describe(db.lastError());
      damaged_ = IsDamage(db.lastError());
      return;
    }
    // Opening succeeds on any file; the first read shows whether it is a store,
    // and rolls back an unfinished save.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
      if (!readWrite && QFileInfo::exists(path + QStringLiteral("-journal"))) {
        problem_ = QStringLiteral(
                       "The %1 holds a save that was cut short, and it cannot be repaired "
                       "while the store or its folder is read-only. Make both writable and "
                       "open the window again:\n%2")
                       .arg(kind, path);
      } else {
        problem_ = Describe(probe.lastError());
        damaged_ = IsDamage(probe.lastError());
      }
      return;
    }
    // SQLite takes an empty file for an empty store; it is not one of ours.
    if (QFileInfo(path).size() == 0) {
      problem_ = QStringLiteral("The %1 is empty (0 bytes) and holds none of its tables:\n%2")
                     .arg(kind, path);
      damaged_ = true;
    }
  }

  ~Connection() {
    {
      QSqlDatabase db = QSqlDatabase::database(name_, false);
      if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(name_);
  }

  const StoreProblem& problem() const { return problem_; }
  bool damaged() const { return damaged_; }
  QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

  // A message for a failed statement, in the user's terms. The native code is
  // SQLite's primary result code.
  QString Describe(const QSqlError& error) const {
    const QString text = error.text();
    const int code = error.nativeErrorCode().toInt();
    const auto says = [&text](const char* words) {
      return text.contains(QLatin1String(words), Qt::CaseInsensitive);
    };
    if (code == 5 || code == 6 || says("locked") || says("busy")) {
      return QStringLiteral(
                 "The %1 is in use by another program. Close that program and try again:\n%2")
          .arg(kind_, path_);
    }
    if (code == 8 || says("readonly") || says("read-only")) {
      return QStringLiteral("The %1 is read-only, so nothing can be written to it:\n%2")
          .arg(kind_, path_);
    }
    if (IsDamage(error)) {
      return QStringLiteral("The %1 is damaged and cannot be read:\n%2").arg(kind_, path_);
    }
    if (code == 13 || says("disk is full")) {
      return QStringLiteral("The disk holding the %1 is full, so nothing can be saved:\n%2")
          .arg(kind_, path_);
    }
    if (code == 14 || code == 3 || says("unable to open")) {
      return QStringLiteral("The %1 could not be opened (%2):\n%3")
          .arg(kind_, text.trimmed(), path_);
    }
    return QStringLiteral("The %1 could not be used (%2):\n%3").arg(kind_, text.trimmed(), path_);
  }

  // The table's field names; a problem when the table does not exist.
  std::variant<QStringList, StoreFailure> Fields(const QString& table) const {
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Quoted(table)))) {
      return StoreFailure{Describe(q.lastError()), IsDamage(q.lastError())};
    }
    QStringList fields;
    while (q.next()) fields << q.value(1).toString();
    if (fields.isEmpty()) {
      return StoreFailure{
          QStringLiteral("The %1 has no table \"%2\":\n%3").arg(kind_, table, path_), true};
    }
    return fields;
  }

  StoreProblem CheckFields(const QString& table, const FieldList& values) const {
    auto fields = Fields(table);
    if (auto* p = std::get_if<StoreFailure>(&fields)) return p->text;
    const QStringList& names = std::get<QStringList>(fields);
    for (const auto& [name, value] : values) {
      if (!names.contains(name)) {
        return QStringLiteral("The table \"%1\" of the %2 has no field \"%3\":\n%4")
            .arg(table, kind_, name, path_);
      }
    }
    return std::nullopt;
  }

 private:
  static QAtomicInt counter_;
  QString name_;
  QString path_;
  QString kind_;
  StoreProblem problem_;
  bool damaged_ = false;
};

QAtomicInt TableStore::Connection::counter_;

TableStore::TableStore(QString path, QString kind)
    : path_(std::move(path)), kind_(std::move(kind)) {}

StoreProblem TableStore::WriteRow(const QString& table, const FieldList& fields) const {
  Connection c(path_, kind_, true);
  if (c.problem()) return c.problem();
  if (auto p = c.CheckFields(table, fields)) return p;
  QSqlDatabase db = c.db();
  if (!db.transaction()) return c.Describe(db.lastError());
  QStringList assignments;
  for (const auto& field : fields) assignments << Quoted(field.first) + QStringLiteral(" = ?");
  QSqlQuery q(db);
  q.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = (SELECT min(rowid) FROM %1)")
                .arg(Quoted(table), assignments.join(QStringLiteral(", "))));
  for (const auto& field : fields) q.addBindValue(field.second);
  if (!q.exec()) {
    const QString problem = c.Describe(q.lastError());
    db.rollback();
    return problem;
  }
  if (q.numRowsAffected() != 1) {
    db.rollback();
    return QStringLiteral("The table \"%1\" of the %2 has no row to hold the report:\n%3")
        .arg(table, kind_, path_);
  }
  if (!db.commit()) {
    const QString problem = c.Describe(db.lastError());
    db.rollback();
    return problem;
  }
  return std::nullopt;
}

StoreProblem TableStore::Refill(const QString& table, const QList<FieldList>& rows) const {
  Connection c(path_, kind_, true);
  if (c.problem()) return c.problem();
  for (const FieldList& row : rows) {
    if (auto p = c.CheckFields(table, row)) return p;
  }
  if (rows.isEmpty()) {
    auto fields = c.Fields(table);
    if (auto* p = std::get_if<StoreFailure>(&fields)) return p->text;
  }
  QSqlDatabase db = c.db();
  if (!db.transaction()) return c.Describe(db.lastError());
  QSqlQuery q(db);
  auto fail = [&](const QSqlError& e) {
    const QString problem = c.Describe(e);
    db.rollback();
    return problem;
  };
  if (!q.exec(QStringLiteral("DELETE FROM %1").arg(Quoted(table)))) return fail(q.lastError());
  for (const FieldList& row : rows) {
    QStringList names;
    QStringList marks;
    for (const auto& field : row) {
      names << Quoted(field.first);
      marks << QStringLiteral("?");
    }
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(Quoted(table), names.join(QStringLiteral(", ")),
                       marks.join(QStringLiteral(", "))));
    for (const auto& field : row) q.addBindValue(field.second);
    if (!q.exec()) return fail(q.lastError());
  }
  if (!db.commit()) return fail(db.lastError());
  return std::nullopt;
}

std::variant<QList<QVariantMap>, StoreFailure> TableStore::Read(const QString& table) const {
  Connection c(path_, kind_, false);
  if (c.problem()) return StoreFailure{*c.problem(), c.damaged()};
  auto fields = c.Fields(table);
  if (auto* p = std::get_if<StoreFailure>(&fields)) return *p;
  QSqlQuery q(c.db());
  if (!q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(Quoted(table)))) {
    return StoreFailure{c.Describe(q.lastError()), IsDamage(q.lastError())};
  }
  QList<QVariantMap> rows;
  while (q.next()) {
    QVariantMap row;
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i) row.insert(record.fieldName(i), q.value(i));
    rows.append(row);
  }
  return rows;
}

std::variant<QList<QVariantMap>, QString> TableStore::ReadRows(const QString& table) const {
  auto rows = Read(table);
  if (auto* p = std::get_if<StoreFailure>(&rows)) return p->text;
  return std::get<QList<QVariantMap>>(std::move(rows));
}

std::variant<QVariantMap, StoreFailure> TableStore::ReadFirstRowOrFailure(
    const QString& table) const {
  auto rows = Read(table);
  if (auto* p = std::get_if<StoreFailure>(&rows)) return *p;
  const auto& list = std::get<QList<QVariantMap>>(rows);
  if (list.isEmpty()) {
    return StoreFailure{
        QStringLiteral("The table \"%1\" of the %2 has no row:\n%3").arg(table, kind_, path_),
        true};
  }
  return list.first();
}

std::variant<QVariantMap, QString> TableStore::ReadFirstRow(const QString& table) const {
  auto row = ReadFirstRowOrFailure(table);
  if (auto* p = std::get_if<StoreFailure>(&row)) return p->text;
  return std::get<QVariantMap>(std::move(row));
}

}  // namespace reventa
