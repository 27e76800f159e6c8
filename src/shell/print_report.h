// The two steps of every print: write the window's figures into its table of the
// report data store, then run the report to the destination the print panel set.
#pragma once

#include <QList>
#include <QString>

#include "store/table_store.h"

class QWidget;

namespace reventa {

struct AppContext;

// Writes the single row of `table` and runs `templateName` with `title` (the
// title is used for the report window only). A problem is shown as a message over
// `parent` and nothing more happens; returns whether the report was produced.
bool PrintSingleRowReport(AppContext& context, QWidget* parent, const QString& table,
                          const FieldList& fields, const QString& templateName,
                          const QString& title);

// The same for a refilled table: emptied and refilled with `rows` first.
bool PrintRefilledReport(AppContext& context, QWidget* parent, const QString& table,
                         const QList<FieldList>& rows, const QString& templateName,
                         const QString& title);

}  // namespace reventa
