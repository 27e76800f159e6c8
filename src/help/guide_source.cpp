// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/guide_source.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

#include "taxyear/day_serial.h"
#include "taxyear/numbers.h"

namespace reventa::help {
namespace {

const QStringList kFormats{"money", "rand",   "number", "percent", "rate",
                           "date",  "months", "days",   "yesno",   "text"};

QString At(const QString& fileName, int line) {
  return QStringLiteral("%1:%2: ").arg(fileName).arg(line);
}

// "a | b | c" split and trimmed.
QStringList Parts(const QString& text) {
  QStringList parts = text.split(QLatin1Char('|'));
  for (QString& p : parts) p = p.trimmed();
  return parts;
}

QString Grouped(double value, int decimals) {
  return QString::fromStdString(FormatAmount(value, decimals));
}

}  // namespace

ParsedChapter ParseChapter(const QString& fileName, const QString& markdown) {
  static const QRegularExpression kTable(QStringLiteral(R"(^\{\{table ([a-z0-9-]+)\}\}$)"));
  ParsedChapter parsed;
  Chapter chapter;
  chapter.fileName = fileName;
  QString text;
  const auto flushText = [&] {
    if (!text.trimmed().isEmpty()) {
      chapter.pieces.append(Piece{Piece::Kind::Markdown, text, {}});
    }
    text.clear();
  };
  const QStringList lines = markdown.split(QLatin1Char('\n'));
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (chapter.title.isEmpty() && line.startsWith(QLatin1String("# "))) {
      chapter.title = line.mid(2).trimmed();
    }
    if (const auto m = kTable.match(line); m.hasMatch()) {
      flushText();
      chapter.pieces.append(Piece{Piece::Kind::Table, m.captured(1), {}});
      continue;
    }
    if (!line.startsWith(QLatin1String("```example"))) {
      text += lines[i] + QLatin1Char('\n');
      continue;
    }
    flushText();
    Example example;
    example.command = line.mid(10).trimmed();
    example.line = i + 1;
    if (example.command.isEmpty()) {
      parsed.error = At(fileName, i + 1) + QStringLiteral("an example names no command");
      return parsed;
    }
    bool closed = false;
    for (++i; i < lines.size(); ++i) {
      const QString row = lines[i].trimmed();
      if (row == QLatin1String("```")) {
        closed = true;
        break;
      }
      if (row.isEmpty()) continue;
      const qsizetype space = row.indexOf(QLatin1Char(' '));
      const QString word = space < 0 ? row : row.left(space);
      const QString rest = space < 0 ? QString() : row.mid(space + 1).trimmed();
      if (word == QLatin1String("title")) {
        example.title = rest;
        continue;
      }
      const QStringList parts = Parts(rest);
      if ((word != QLatin1String("in") && word != QLatin1String("out")) || parts.size() != 3 ||
          !kFormats.contains(parts[2])) {
        parsed.error = At(fileName, i + 1) + QStringLiteral(
                                                 "expected \"in KEY = VALUE | label | format\" or "
                                                 "\"out KEY | label | format\" (formats: %1)")
                                                 .arg(kFormats.join(QStringLiteral(", ")));
        return parsed;
      }
      if (word == QLatin1String("in")) {
        const qsizetype eq = parts[0].indexOf(QLatin1Char('='));
        if (eq < 0) {
          parsed.error = At(fileName, i + 1) + QStringLiteral("an input needs \"KEY = VALUE\"");
          return parsed;
        }
        example.inputs.append(
            {parts[0].left(eq).trimmed(), parts[0].mid(eq + 1).trimmed(), parts[1], parts[2]});
      } else {
        example.outputs.append({parts[0], parts[1], parts[2]});
      }
    }
    if (!closed) {
      parsed.error = At(fileName, example.line) + QStringLiteral("the example is never closed");
      return parsed;
    }
    if (example.title.isEmpty() || example.outputs.isEmpty()) {
      parsed.error = At(fileName, example.line) + QStringLiteral(
                                                      "an example needs a title and "
                                                      "at least one result");
      return parsed;
    }
    chapter.pieces.append(Piece{Piece::Kind::Example, {}, example});
  }
  flushText();
  if (chapter.title.isEmpty()) {
    parsed.error = At(fileName, 1) + QStringLiteral("the chapter has no \"# \" title");
    return parsed;
  }
  parsed.chapter = chapter;
  return parsed;
}

QString FormatExampleValue(double value, const QString& format) {
  if (format == QLatin1String("money")) return QStringLiteral("R ") + Grouped(value, 2);
  if (format == QLatin1String("rand")) return QStringLiteral("R ") + Grouped(value, 0);
  if (format == QLatin1String("percent")) {
    return QString::number(RoundHalfEven(value * 100) / 100, 'g', 12) + QStringLiteral(" %");
  }
  if (format == QLatin1String("rate")) return QString::number(value, 'f', 3) + QStringLiteral(" %");
  if (format == QLatin1String("date")) return QString::fromStdString(FormatDate(value));
  if (format == QLatin1String("months")) return Grouped(value, 0) + QStringLiteral(" months");
  if (format == QLatin1String("days")) return Grouped(value, 0) + QStringLiteral(" days");
  if (format == QLatin1String("yesno")) {
    return value != 0 ? QStringLiteral("Yes") : QStringLiteral("No");
  }
  // number: as it is, to at most two decimals
  return QString::number(RoundHalfEven(value * 100) / 100, 'g', 15);
}

}  // namespace reventa::help
