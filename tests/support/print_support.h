// SPDX-License-Identifier: GPL-3.0-or-later
// Printing from a calculator window as a user would: the print panel with its
// language and name, and the report kept as a PDF to look at
// (REVENTA_KEEP_REPORTS names a folder).
#pragma once

#include <QFileInfo>
#include <QRadioButton>
#include <QtTest>

#include "support/test_app.h"
#include "widgets/report_engine.h"
#include "widgets/report_window.h"

namespace reventa::test {

// "&Print", the language, the employee's name, "&View/Export report".
inline void PrintReport(QWidget* w, bool afrikaans, const QString& name) {
  Click(w, QStringLiteral("cmdPrint"));
  auto* panel = Child(w, QStringLiteral("fraPrint"));
  QVERIFY(panel->isVisible());
  QTest::mouseClick(
      Child<QRadioButton>(panel, afrikaans ? QStringLiteral("Option2") : QStringLiteral("Option1")),
      Qt::LeftButton);
  TypeInto(Child(panel, QStringLiteral("Text1")), name);
  Click(panel, QStringLiteral("cmdVR"));
  QVERIFY(!panel->isVisible());
}

inline void KeepPdf(TestApp& app, const QString& name) {
  ReportWindow* report = app.window->context().reports.lastWindow();
  QVERIFY(report != nullptr);
  const QString dir = qEnvironmentVariable("REVENTA_KEEP_REPORTS");
  const QString pdf = (dir.isEmpty() ? app.path(QString()) : dir + QLatin1Char('/')) + name;
  QCOMPARE(report->exportTo(pdf), std::nullopt);
  QVERIFY(QFileInfo(pdf).size() > 1000);
}

}  // namespace reventa::test
