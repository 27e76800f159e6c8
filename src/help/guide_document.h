// SPDX-License-Identifier: GPL-3.0-or-later
// Lays the user guide out as a PDF in the style of the program's reports: a title
// page, the contents with page numbers, one chapter a page onwards, the worked
// examples as numbered figures with their results worked out by the program's own
// computations, the year's rules as tables, an index of figures, and a page number
// at the foot of every page.
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "help/guide_source.h"

namespace reventa::help {

// Runs an example through the calculator named by its command: the value of each
// result key, or an error text.
struct ExampleResults {
  QList<double> values;  // one for each output of the example, in its order
  QString error;
};
using ExampleRunner = std::function<ExampleResults(const Example&)>;

// A table of the year's rules by its name, as HTML; empty when there is none.
QString RulesTableHtml(const QString& name);

// Writes the guide of these chapters to `pdfPath`; an error text when a chapter's
// example or table cannot be worked out, or the file cannot be written.
std::optional<QString> WriteGuide(const QList<Chapter>& chapters, const ExampleRunner& run,
                                  const QString& pdfPath);

}  // namespace reventa::help
