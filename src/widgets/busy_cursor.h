// SPDX-License-Identifier: GPL-3.0-or-later
// The busy (hourglass) pointer for the life of a scope: while a window opens,
// while a calculation or a print runs.
#pragma once

#include <QApplication>

namespace reventa {

class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace reventa
