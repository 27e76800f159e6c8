// SPDX-License-Identifier: GPL-3.0-or-later
// reventa-build-guide SOURCE_FOLDER OUTPUT.pdf: builds the user guide at build
// time from its chapters, working every example out through the same commands as
// reventa-calc, so the guide shows the program's own figures.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHashSeed>
#include <cstdio>
#include <optional>

#include "cli/command.h"
#include "help/guide_document.h"
#include "help/guide_source.h"

namespace {

using reventa::cli::Json;
using reventa::help::Example;
using reventa::help::ExampleResults;

ExampleResults RunExample(const Example& example) {
  ExampleResults out;
  const reventa::cli::Command* command = reventa::cli::FindCommand(example.command.toStdString());
  if (command == nullptr) {
    out.error = QStringLiteral("there is no calculator \"%1\"").arg(example.command);
    return out;
  }
  Json input = Json::object();
  for (const reventa::help::ExampleInput& in : example.inputs) {
    Json value = Json::parse(in.json.toStdString(), nullptr, false);
    if (value.is_discarded()) {
      out.error = QStringLiteral("the value of %1 is not JSON: %2").arg(in.key, in.json);
      return out;
    }
    input[in.key.toStdString()] = value;
  }
  const Json result = reventa::cli::RunObject(*command, input);
  if (result.contains("error")) {
    out.error = QString::fromStdString(result["error"].dump());
    return out;
  }
  for (const reventa::help::ExampleOutput& o : example.outputs) {
    const std::string key = o.key.toStdString();
    const Json::json_pointer pointer(key.starts_with('/') ? key : "/" + key);
    if (!result.contains(pointer)) {
      out.error = QStringLiteral("the result has no %1").arg(o.key);
      return out;
    }
    const Json& v = result[pointer];
    if (v.is_boolean()) {
      out.values.append(v.get<bool>() ? 1 : 0);
    } else if (v.is_number()) {
      out.values.append(v.get<double>());
    } else {
      out.error =
          QStringLiteral("%1 is not a number: %2").arg(o.key, QString::fromStdString(v.dump()));
      return out;
    }
  }
  return out;
}

// Dates the written guide with SECONDS since the epoch (UTC) instead of the time
// it was built, so the same chapters give the same file (SOURCE_DATE_EPOCH). The
// date is rewritten in place at its own length, which keeps the file's table of
// object offsets right; Qt writes it as D:yyyyMMddHHmmss and the offset from UTC,
// "Z" or "+HH'mm'".
std::optional<QString> DateGuide(const QString& path, const QByteArray& seconds) {
  bool ok = false;
  const qint64 epoch = seconds.toLongLong(&ok);
  if (!ok || epoch < 0 || epoch > 253402300799) {  // 31/12/9999 23:59:59
    return QStringLiteral("SOURCE_DATE_EPOCH is not a number of seconds: %1")
        .arg(QString::fromLatin1(seconds));
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadWrite)) {
    return QStringLiteral("cannot date %1: %2").arg(path, file.errorString());
  }
  const QByteArray pdf = file.readAll();
  static const QByteArray kKey = QByteArrayLiteral("/CreationDate (D:");
  const qsizetype from = pdf.indexOf(kKey);
  const qsizetype end = from < 0 ? -1 : pdf.indexOf(')', from + kKey.size());
  if (end < 0) return QStringLiteral("%1 has no creation date").arg(path);
  const qsizetype length = end - (from + kKey.size());
  QByteArray date = QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC)
                        .toString(QStringLiteral("yyyyMMddHHmmss"))
                        .toLatin1();
  date += length == date.size() + 1 ? QByteArrayLiteral("Z") : QByteArrayLiteral("+00'00'");
  if (date.size() != length) {
    return QStringLiteral("%1 has a creation date of an unknown form: %2")
        .arg(path, QString::fromLatin1(pdf.mid(from, end + 1 - from)));
  }
  if (!file.seek(from + kKey.size()) || file.write(date) != date.size() || !file.flush()) {
    return QStringLiteral("cannot date %1: %2").arg(path, file.errorString());
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  // The PDF writer lists the fonts in the order of a hash table: one order every
  // run, so the same chapters give the same file.
  QHashSeed::setDeterministicGlobalSeed();
  // Laid out without a display, on the fonts of the machine that builds it.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: reventa-build-guide SOURCE_FOLDER OUTPUT.pdf\n");
    return 2;
  }
  const QDir source(QString::fromLocal8Bit(argv[1]));
  QList<reventa::help::Chapter> chapters;
  for (const QString& name : source.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name)) {
    QFile file(source.absoluteFilePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "reventa-build-guide: cannot read %s\n", qPrintable(file.fileName()));
      return 1;
    }
    const auto parsed = reventa::help::ParseChapter(name, QString::fromUtf8(file.readAll()));
    if (!parsed.chapter) {
      std::fprintf(stderr, "reventa-build-guide: %s\n", qPrintable(parsed.error));
      return 1;
    }
    chapters.append(*parsed.chapter);
  }
  if (chapters.isEmpty()) {
    std::fprintf(stderr, "reventa-build-guide: no chapters in %s\n", argv[1]);
    return 1;
  }
  const QString output = QString::fromLocal8Bit(argv[2]);
  if (const auto problem = reventa::help::WriteGuide(chapters, RunExample, output)) {
    std::fprintf(stderr, "reventa-build-guide: %s\n", qPrintable(*problem));
    QFile::remove(output);
    return 1;
  }
  if (!qEnvironmentVariableIsEmpty("SOURCE_DATE_EPOCH")) {
    if (const auto problem = DateGuide(output, qgetenv("SOURCE_DATE_EPOCH"))) {
      std::fprintf(stderr, "reventa-build-guide: %s\n", qPrintable(*problem));
      QFile::remove(output);
      return 1;
    }
  }
  return 0;
}
