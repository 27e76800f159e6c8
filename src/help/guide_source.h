// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide's source: chapters in Markdown (resources/help/NN-name.md, in
// the order of their file names) with two kinds of directive whose figures come
// from the program's own computations, never typed by hand:
//
//   ```example <command>           a worked example, run through the command of
//   title <caption>                reventa-calc of that name; "in" lines are the
//   in <Key> = <JSON> | <label> | <format>      inputs, "out" lines the results
//   out <Key or /json/pointer> | <label> | <format>   shown
//   ```
//
//   {{table <name>}}               a table of the year's rules from the constants
//
// Formats: money, rand, number, percent, rate, date, months, days, yesno, text.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace reventa::help {

struct ExampleInput {
  QString key;
  QString json;  // the value as JSON text
  QString label;
  QString format;
};

struct ExampleOutput {
  QString key;  // a top-level key, or a JSON pointer ("/Rows/3/1")
  QString label;
  QString format;
};

struct Example {
  QString command;
  QString title;
  QList<ExampleInput> inputs;
  QList<ExampleOutput> outputs;
  int line = 0;  // where it starts in its chapter, for messages
};

// One piece of a chapter: Markdown text, an example or a rules table.
struct Piece {
  enum class Kind { Markdown, Example, Table };
  Kind kind = Kind::Markdown;
  QString text;  // the Markdown, or the table's name
  Example example;
};

struct Chapter {
  QString fileName;
  QString title;  // its first "# " heading
  QList<Piece> pieces;
};

// Splits a chapter's Markdown into its pieces; an error names the line.
struct ParsedChapter {
  std::optional<Chapter> chapter;
  QString error;
};
ParsedChapter ParseChapter(const QString& fileName, const QString& markdown);

// A value as the guide shows it in the given format ("R 1 234.56", "12.5 %").
QString FormatExampleValue(double value, const QString& format);

}  // namespace reventa::help
