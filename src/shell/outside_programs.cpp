// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/outside_programs.h"

#include <QDesktopServices>
#include <QProcess>

namespace reventa {

bool DesktopPrograms::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool DesktopPrograms::startDetached(const QString& program) {
  // The program by name, with no arguments and no shell between.
  return QProcess::startDetached(program, {});
}

bool StartDesktopCalculator(OutsidePrograms& programs) {
  for (const QString& program : kDesktopCalculators) {
    if (programs.startDetached(program)) return true;
  }
  return false;
}

}  // namespace reventa
