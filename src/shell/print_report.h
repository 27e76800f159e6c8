// The two steps of every print: write the window's report into the report data
// store, then run it to the destination the print panel set.
#pragma once

#include "store/report.h"

class QWidget;

namespace reventa {

struct AppContext;

// Writes the report's tables and runs its template. A problem is shown as a
// message over `parent` and nothing more happens; returns whether the report was
// produced.
bool PrintReport(AppContext& context, QWidget* parent, const Report& report);

}  // namespace reventa
