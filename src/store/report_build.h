// SPDX-License-Identifier: GPL-3.0-or-later
// Fills a report template from its table of the report data store: the filled
// document of a report, ready to be shown, printed or exported.
#pragma once

#include <QString>
#include <QVariantMap>
#include <memory>

class QTextDocument;

namespace reventa {

struct BuiltReport {
  std::unique_ptr<QTextDocument> document;  // null when the report cannot be built
  QString error;                            // why not, for the message
  QString table;                            // the table the template read
  QVariantMap row;                          // its first row (empty for an empty table)
};

// The filled report of a template (a file name in the application folder, e.g.
// "kwiktep.rpt"), read from the report data store, not from memory; an error
// text naming the template, the table or the store when that is not possible.
BuiltReport BuildReport(const QString& appFolder, const QString& reportDbPath,
                        const QString& templateName);

}  // namespace reventa
