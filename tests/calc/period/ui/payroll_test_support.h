// Driving the annual and pay-period windows as a user would: fields typed into
// and committed with Enter, fields entered and left, the print panel, and the
// report kept as a PDF to look at (REVENTA_KEEP_REPORTS names a folder).
#pragma once

#include <QFileInfo>
#include <QRadioButton>
#include <QtTest>

#include "support/test_app.h"
#include "widgets/report_engine.h"
#include "widgets/report_window.h"

namespace reventa::test {

inline QString Shown(QWidget* w, const QString& name) { return Child<QLineEdit>(w, name)->text(); }

// The field takes the focus as Tab would give it (also when the window is not
// the active one, which the test platform may not make it).
inline void Focus(QWidget* field) {
  field->setFocus(Qt::TabFocusReason);
  if (!field->hasFocus()) {
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(field, &in);
  }
}

inline void Leave(QWidget* field) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(field, &out);
}

// "field=text" pairs: each field is entered, typed into and committed with
// Enter, which also runs Calculate as the window's default command.
inline void Enter(QWidget* w, const QStringList& typed) {
  for (const QString& pair : typed) {
    const auto parts = pair.split(QLatin1Char('='));
    QLineEdit* field = Child<QLineEdit>(w, parts.at(0));
    Focus(field);
    field->selectAll();
    QTest::keyClicks(field, parts.at(1));
    QTest::keyClick(field, Qt::Key_Return);
  }
}

// "field=text" pairs compared with what the fields show.
inline void ExpectShown(QWidget* w, const QStringList& expected) {
  for (const QString& pair : expected) {
    const auto parts = pair.split(QLatin1Char('='));
    QCOMPARE(parts.at(0) + QLatin1Char('=') + Shown(w, parts.at(0)), pair);
  }
}

inline QString ShownTexts(const TestApp& app) {
  QStringList texts;
  for (const Message& m : app.messages.shown) texts << m.text;
  return texts.join(QLatin1Char('|'));
}

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
